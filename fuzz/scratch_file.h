// Scratch files of the fuzz targets.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <string>

// A file name for the fuzz target's own scratch file: zyl-fuzz-<what>-<pid>
// in /dev/shm when that is a directory (memory), else in /tmp. A disk file
// system makes writing a file anew for every input cost more than the reader
// under test (ext4 writes a file truncated and rewritten out to disk when it
// is closed, and is slow to hand out the inode of one just deleted), which
// held the targets to a few hundred inputs per second.
inline std::string scratch_file(const std::string& what) {
  static const std::string dir = [] {
    struct stat st;
    return ::stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) ? std::string("/dev/shm/") : std::string("/tmp/");
  }();
  return dir + "zyl-fuzz-" + what + "-" + std::to_string(::getpid());
}

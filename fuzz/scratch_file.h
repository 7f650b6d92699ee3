// Scratch files of the fuzz targets.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <set>
#include <string>

// The scratch file names handed out, removed when the program ends
// normally (a corpus replay runs many programs; none leaves files behind).
class ScratchFiles {
 public:
  ScratchFiles() = default;
  ScratchFiles(const ScratchFiles&) = delete;
  ScratchFiles& operator=(const ScratchFiles&) = delete;
  ~ScratchFiles() {
    for (const std::string& name : FNames) std::remove(name.c_str());
  }
  void add(const std::string& name) { FNames.insert(name); }

 private:
  std::set<std::string> FNames;
};

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
  static ScratchFiles files;
  std::string name = dir + "zyl-fuzz-" + what + "-" + std::to_string(::getpid());
  files.add(name);
  return name;
}

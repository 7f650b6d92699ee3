// Library: zyl / Package: platform / Module: filecopy (POSIX backend)
#include "platform/filecopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "platform/posix/osname.h"

namespace zyl::platform {
namespace {

int fd_of(const FileHandle& File) { return static_cast<int>(File.native()); }

}  // namespace

namespace detail {

std::int64_t kernel_copy(const FileHandle& Source, const FileHandle& Dest, std::int64_t Count, bool& End) {
  End = false;
  std::int64_t done = 0;
#ifdef __linux__
  while (done < Count) {
    const auto want = static_cast<std::size_t>(std::min<std::int64_t>(Count - done, std::int64_t{1} << 30));
    const ssize_t n = ::copy_file_range(fd_of(Source), nullptr, fd_of(Dest), nullptr, want, 0);
    if (n < 0 && errno == EINTR) continue;
    // A failure, or nothing at the very start (some special file systems
    // report that for files that do have data): the buffer takes over.
    if (n < 0 || (n == 0 && done == 0)) return done;
    if (n == 0) break;
    done += n;
  }
  End = true;
#else
  (void)Source;
  (void)Dest;
  (void)Count;
#endif
  return done;
}

}  // namespace detail

FileHandle create_copy_file(const String& Name, const FileHandle& Source, int& Error) {
  std::string path;
  if (!posix::to_os_name(Name, path, Error)) return FileHandle();
  struct stat st;
  const mode_t mode = Source.valid() && ::fstat(fd_of(Source), &st) == 0 ? st.st_mode & 0777 : 0666;
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    Error = errno;
    return FileHandle();
  }
  return FileHandle(fd);
}

bool copy_last_write_time(const FileHandle& Source, const FileHandle& Dest, int& Error) {
  struct stat st;
  if (::fstat(fd_of(Source), &st) != 0) {
    Error = errno;
    return false;
  }
  const struct timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
  if (::futimens(fd_of(Dest), times) != 0) {
    Error = errno;
    return false;
  }
  return true;
}

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: filetimes (POSIX backend)
#include "platform/filetimes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file.h"
#include "platform/posix/osname.h"

namespace zyl::platform {
namespace {

// Seconds from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kEpochDifference = 11644473600;
constexpr std::int64_t kTicksPerSecond = 10000000;

std::uint64_t to_file_time(std::int64_t Seconds, std::int64_t Nanoseconds) {
  const std::int64_t ticks = (Seconds + kEpochDifference) * kTicksPerSecond + Nanoseconds / 100;
  return ticks > 0 ? static_cast<std::uint64_t>(ticks) : 0;
}

timespec to_timespec(std::uint64_t FileTime) {
  if (FileTime == 0) return timespec{0, UTIME_OMIT};
  const auto ticks = static_cast<std::int64_t>(FileTime);
  timespec t{};
  t.tv_sec = static_cast<time_t>(ticks / kTicksPerSecond - kEpochDifference);
  t.tv_nsec = static_cast<long>(ticks % kTicksPerSecond * 100);
  return t;
}

// Opened as the callers' contract says: for writing, so a missing, read-only
// or inaccessible file fails. Read-only means no owner write bit, for root
// too; O_NONBLOCK keeps a pipe without a reader from blocking the call.
FileHandle open_for_times(const String& Name, int& Error) {
  std::string path;
  if (!posix::to_os_name(Name, path, Error)) return FileHandle();
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    Error = errno;
    return FileHandle();
  }
  FileHandle f(fd);
  struct stat st;
  if (::fstat(fd, &st) != 0 || (st.st_mode & S_IWUSR) == 0) {
    Error = EACCES;
    return FileHandle();
  }
  return f;
}

}  // namespace

bool get_file_times(const String& Name, FileTimes& Times, int& Error) {
  const FileHandle f = open_for_times(Name, Error);
  if (!f.valid()) return false;
  struct statx st{};
  const int fd = static_cast<int>(f.native());
  if (::statx(fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &st) != 0) {
    Error = errno;
    return false;
  }
  Times.LastAccess = to_file_time(st.stx_atime.tv_sec, st.stx_atime.tv_nsec);
  Times.LastWrite = to_file_time(st.stx_mtime.tv_sec, st.stx_mtime.tv_nsec);
  Times.Creation = (st.stx_mask & STATX_BTIME) != 0 ? to_file_time(st.stx_btime.tv_sec, st.stx_btime.tv_nsec) : 0;
  return true;
}

bool set_file_times(const String& Name, const FileTimes& Times, int& Error) {
  const FileHandle f = open_for_times(Name, Error);
  if (!f.valid()) return false;
  const timespec times[2] = {to_timespec(Times.LastAccess), to_timespec(Times.LastWrite)};
  if (::futimens(static_cast<int>(f.native()), times) != 0) {
    Error = errno;
    return false;
  }
  return true;
}

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: filetimes
//
// A file's creation, last-access and last-write times as file times: 64-bit
// counts of 100-nanosecond intervals since 1601-01-01 UTC, the system's own
// unit on Windows and converted from nanosecond time stamps on POSIX.
//
// Backends: platform/posix/filetimes.cpp and platform/win32/filetimes.cpp.
#pragma once

#include <cstdint>

#include "platform/hoststring.h"

namespace zyl::platform {

struct FileTimes {
  std::uint64_t Creation = 0;  // 0 where the file system does not record it (POSIX)
  std::uint64_t LastAccess = 0;
  std::uint64_t LastWrite = 0;
};

// Reads the times of an existing file that can be opened for writing (a
// missing, read-only or locked file fails, as the callers' contract wants).
// False and Error on failure; Times is then left as it was.
ZYL_API bool get_file_times(const String& Name, FileTimes& Times, int& Error);

// Sets the times of an existing file opened for writing; a time of 0 leaves
// that time unchanged. POSIX cannot set the creation time and skips it.
// False and Error on failure.
ZYL_API bool set_file_times(const String& Name, const FileTimes& Times, int& Error);

}  // namespace zyl::platform

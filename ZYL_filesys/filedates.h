// Library: zyl / Package: ZYL_filesys / Module: filedates
//
// File time stamps: the operating system's file time (100-nanosecond
// intervals since 1601-01-01) converted to and from the library's date-time
// (days since 1899-12-30), and a file's creation, last-access and last-write
// times read and set by name. No time-zone conversion is made: file times are
// UTC, so the date-times are UTC too.
//
// POSIX: the creation time is read where the file system records it (0.0
// where it does not) and cannot be set; setting it is skipped.
//
// Example:
//   DateTimeToFileTime(0.5);                       // 94353120000000000 + 432000000000
//   FileTimeToDateTime(DateTimeToFileTime(1.0));   // 1.0 (1899-12-31)
//   GetFileDates(u"notes.txt", c, a, w);           // 0, or -1 with c == a == w == 0.0
#pragma once

#include <cstdint>

#include "platform/datetime.h"
#include "platform/hoststring.h"

namespace ZYL_filesys {

using zyl::String;
using zyl::TDateTime;

// The operating system's file time, laid out as on Windows (low half first).
struct FILETIME {
  std::uint32_t dwLowDateTime = 0;
  std::uint32_t dwHighDateTime = 0;
};

// (file time - 94353120000000000) / 864000000000, in extended precision
// (also when the caller left the x87 unit at a lower precision).
[[nodiscard]] ZYL_API TDateTime FileTimeToDateTime(const FILETIME& FileTime);

// DateTime x 864000000000 + 94353120000000000, rounded to the nearest whole
// number in extended precision (a date-time before 1601-01-01 gives 0, one
// beyond the last file time all ones).
[[nodiscard]] ZYL_API FILETIME DateTimeToFileTime(TDateTime DateTime);

// Sets the three times of an existing file that can be opened for writing;
// a date-time of 0.0 leaves that time unchanged. Returns 0, or -1 when the
// file cannot be opened for writing (missing, read-only or locked) or when a
// date-time lies outside what a file time can hold (before 1601-01-01
// 00:00:00.0000001, after the file time 0x7FFFFFFFFFFFFFFF in the year
// 30828, NaN); nothing is changed then.
ZYL_API int SetFileDates(const String& FileName, TDateTime Creation, TDateTime LastAccess, TDateTime LastWrite);

// Reads the three times of an existing file that can be opened for writing.
// Returns 0, or -1 when it cannot be opened, with all three outputs 0.0.
ZYL_API int GetFileDates(const String& FileName, TDateTime& Creation, TDateTime& LastAccess, TDateTime& LastWrite);

}  // namespace ZYL_filesys

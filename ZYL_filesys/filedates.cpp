// Library: zyl / Package: ZYL_filesys / Module: filedates
#include "ZYL_filesys/filedates.h"

#include <cmath>

#include "platform/filetimes.h"

namespace ZYL_filesys {
namespace {

// 100-nanosecond intervals from 1601-01-01 to 1899-12-30, and per day.
constexpr std::uint64_t kFileTimeOfDateZero = 94353120000000000ULL;
constexpr std::uint64_t kFileTimePerDay = 864000000000ULL;

std::uint64_t join(const FILETIME& Ft) {
  return static_cast<std::uint64_t>(Ft.dwHighDateTime) << 32 | Ft.dwLowDateTime;
}

FILETIME split(std::uint64_t Value) {
  return FILETIME{static_cast<std::uint32_t>(Value), static_cast<std::uint32_t>(Value >> 32)};
}

// A date-time of 0.0 means "leave that time", which the platform writes as 0.
std::uint64_t file_time_or_keep(TDateTime Value) { return Value == 0.0 ? 0 : join(DateTimeToFileTime(Value)); }

}  // namespace

TDateTime FileTimeToDateTime(const FILETIME& FileTime) {
  const long double ticks = static_cast<long double>(join(FileTime));
  return static_cast<TDateTime>((ticks - kFileTimeOfDateZero) / kFileTimePerDay);
}

FILETIME DateTimeToFileTime(TDateTime DateTime) {
  const long double ticks = std::nearbyintl(static_cast<long double>(DateTime) * kFileTimePerDay + kFileTimeOfDateZero);
  // Out of the file time's range (or NaN): the nearest end of it.
  if (!(ticks > 0)) return FILETIME{};
  if (ticks >= 18446744073709551615.0L) return split(~0ULL);
  return split(static_cast<std::uint64_t>(ticks));
}

int SetFileDates(const String& FileName, TDateTime Creation, TDateTime LastAccess, TDateTime LastWrite) {
  const zyl::platform::FileTimes times{file_time_or_keep(Creation), file_time_or_keep(LastAccess),
                                       file_time_or_keep(LastWrite)};
  int error = 0;
  return zyl::platform::set_file_times(FileName, times, error) ? 0 : -1;
}

int GetFileDates(const String& FileName, TDateTime& Creation, TDateTime& LastAccess, TDateTime& LastWrite) {
  Creation = LastAccess = LastWrite = 0.0;
  zyl::platform::FileTimes times;
  int error = 0;
  if (!zyl::platform::get_file_times(FileName, times, error)) return -1;
  // A time the file system does not record stays 0.0 rather than 1601-01-01.
  const auto convert = [](std::uint64_t t) { return t == 0 ? 0.0 : FileTimeToDateTime(split(t)); };
  Creation = convert(times.Creation);
  LastAccess = convert(times.LastAccess);
  LastWrite = convert(times.LastWrite);
  return 0;
}

}  // namespace ZYL_filesys

// Library: zyl / Package: ZYL_filesys / Module: filedates
#include "ZYL_filesys/filedates.h"

#include <cmath>

#include "platform/filetimes.h"
#include "platform/fpu.h"

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

// The largest file time the system sets: the file-time APIs read the value
// as signed, and all ones means "leave that time" to them.
constexpr std::uint64_t kLastFileTime = 0x7FFFFFFFFFFFFFFFULL;

// The file time SetFileDates writes for Value into Ticks: 0 for a date-time
// of 0.0, which means "leave that time". False for a date-time no file time
// can hold (before 1601-01-01 00:00:00.0000001, beyond the last file time,
// NaN): clamping it would write 0 or all ones, which the system takes as
// "leave that time" and so reports success for a date it never set.
bool file_time_or_keep(TDateTime Value, std::uint64_t& Ticks) {
  if (Value == 0.0) {
    Ticks = 0;
    return true;
  }
  Ticks = join(DateTimeToFileTime(Value));
  return Ticks != 0 && Ticks <= kLastFileTime;
}

}  // namespace

TDateTime FileTimeToDateTime(const FILETIME& FileTime) {
  // Defined on extended intermediates, whatever precision the caller's
  // x87 unit was left at.
  const zyl::platform::ExtendedPrecisionScope extended;
  long double ticks = static_cast<long double>(join(FileTime));
  zyl::platform::pin_fpu_value(ticks);
  long double days = (ticks - kFileTimeOfDateZero) / kFileTimePerDay;
  zyl::platform::pin_fpu_value(days);
  return static_cast<TDateTime>(days);
}

FILETIME DateTimeToFileTime(TDateTime DateTime) {
  const zyl::platform::ExtendedPrecisionScope extended;
  long double days = DateTime;
  zyl::platform::pin_fpu_value(days);
  long double ticks = std::nearbyintl(days * kFileTimePerDay + kFileTimeOfDateZero);
  zyl::platform::pin_fpu_value(ticks);
  // Out of the file time's range (or NaN): the nearest end of it.
  if (!(ticks > 0)) return FILETIME{};
  if (ticks >= 18446744073709551615.0L) return split(~0ULL);
  return split(static_cast<std::uint64_t>(ticks));
}

int SetFileDates(const String& FileName, TDateTime Creation, TDateTime LastAccess, TDateTime LastWrite) {
  zyl::platform::FileTimes times;
  if (!file_time_or_keep(Creation, times.Creation) || !file_time_or_keep(LastAccess, times.LastAccess) ||
      !file_time_or_keep(LastWrite, times.LastWrite))
    return -1;
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

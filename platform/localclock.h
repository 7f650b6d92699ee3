// Library: zyl / Package: platform / Module: localclock
//
// The current local date and time from the OS, safe to ask from several
// threads at once (no shared conversion buffer).
//
// Backends: platform/posix/localclock.cpp and platform/win32/localclock.cpp.
#pragma once

#include "platform/api.h"

namespace zyl::platform {

struct LocalTime {
  int Year = 1970, Month = 1, Day = 1;  // calendar date, Month and Day from 1
  int Hour = 0, Minute = 0, Second = 0, MilliSecond = 0;
};

// The local wall-clock time now, to the millisecond.
ZYL_API LocalTime local_time_now();

}  // namespace zyl::platform

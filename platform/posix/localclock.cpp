// Library: zyl / Package: platform / Module: localclock (POSIX backend)
#include "platform/localclock.h"

#include <time.h>

namespace zyl::platform {

LocalTime local_time_now() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  LocalTime t;
  // localtime_r, not localtime: the latter's result lives in one buffer
  // shared by every thread.
  if (::localtime_r(&now.tv_sec, &local) == nullptr) return t;
  t.Year = local.tm_year + 1900;
  t.Month = local.tm_mon + 1;
  t.Day = local.tm_mday;
  t.Hour = local.tm_hour;
  t.Minute = local.tm_min;
  t.Second = local.tm_sec;
  t.MilliSecond = static_cast<int>(now.tv_nsec / 1000000);
  return t;
}

}  // namespace zyl::platform

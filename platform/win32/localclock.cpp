// Library: zyl / Package: platform / Module: localclock (Win32 backend)
#include "platform/localclock.h"

#include "platform/win32/win.h"

namespace zyl::platform {

LocalTime local_time_now() {
  SYSTEMTIME st{};
  ::GetLocalTime(&st);
  LocalTime t;
  t.Year = st.wYear;
  t.Month = st.wMonth;
  t.Day = st.wDay;
  t.Hour = st.wHour;
  t.Minute = st.wMinute;
  t.Second = st.wSecond;
  t.MilliSecond = st.wMilliseconds;
  return t;
}

}  // namespace zyl::platform

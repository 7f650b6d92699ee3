// Library: zyl / Package: platform / Module: screen (Windows)
#include "platform/screen.h"

#include "platform/win32/win.h"

namespace zyl::platform {

std::int32_t screen_pixels_per_inch() {
  HDC dc = GetDC(nullptr);
  if (dc == nullptr) return 96;
  const int ppi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return ppi > 0 ? ppi : 96;
}

}  // namespace zyl::platform

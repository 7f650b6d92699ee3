// Library: zyl / Package: platform / Module: screen (POSIX)
#include "platform/screen.h"

namespace zyl::platform {

// The package opens no display; 96 is what desktops assume without one.
std::int32_t screen_pixels_per_inch() { return 96; }

}  // namespace zyl::platform

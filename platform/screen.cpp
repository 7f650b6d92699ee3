// Library: zyl / Package: platform / Module: screen
#include "platform/screen.h"

namespace zyl {

std::int32_t TScreen::PixelsPerInch() const { return platform::screen_pixels_per_inch(); }

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace zyl

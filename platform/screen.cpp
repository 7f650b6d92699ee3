// Library: zyl / Package: platform / Module: screen
#include "platform/screen.h"

#include "platform/textrender.h"

namespace zyl {

std::int32_t TScreen::PixelsPerInch() const { return platform::screen_pixels_per_inch(); }

std::vector<String> TScreen::Fonts() const { return platform::font_families(); }

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace zyl

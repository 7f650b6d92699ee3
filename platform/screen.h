// Library: zyl / Package: platform / Module: screen
//
// The global screen object: the resolution the host reports for the screen.
// On Windows it is the screen device's logical pixels per inch; elsewhere,
// where the package needs no display, it is the conventional 96.
//
// Example:
//   zyl::Screen().PixelsPerInch()   // 96 on a default desktop
#pragma once

#include <cstdint>
#include <vector>

#include "platform/hoststring.h"

#include "platform/api.h"

namespace zyl {

class ZYL_API TScreen {
 public:
  std::int32_t PixelsPerInch() const;
  // The installed font families, sorted, each once (fontconfig's families
  // on POSIX, GDI's on Windows). Raises EInvalidGraphic in builds without
  // text output.
  std::vector<String> Fonts() const;
};

// The one screen object of the process.
[[nodiscard]] ZYL_API TScreen& Screen();

namespace platform {
// The backend's screen resolution in pixels per inch (at least 1).
std::int32_t screen_pixels_per_inch();
}  // namespace platform

}  // namespace zyl

// Library: zyl / Package: ZYL_zylcolors / Module: blend (internal)
//
// The channel arithmetic shared by the blending functions and the colour
// array's fills. Callers hold an ExtendedPrecisionScope (platform/fpu.h).
#pragma once

#include "ZYL_zylcolors/detail/channels.h"

namespace ZYL_zylcolors::detail {

// truncate(x + (y - x) * frac) for one channel; frac in [0, 1]. Equal
// channels give x exactly, without the arithmetic.
inline std::int64_t blend_channel(int x, int y, double frac) noexcept {
  if (x == y) return x;
  return trunc_ext(x + static_cast<Extended>(y - x) * frac);
}

// c1 blended towards c2; frac already clamped to [0, 1].
inline TColor blend_colors(TColor c1, TColor c2, double frac) noexcept {
  return rgb_color(blend_channel(red_of(c1), red_of(c2), frac), blend_channel(green_of(c1), green_of(c2), frac),
                   blend_channel(blue_of(c1), blue_of(c2), frac));
}

// dR^2 + dG^2 + dB^2 over the three low bytes: 0 .. 195075.
constexpr std::int32_t squared_distance(TColor c1, TColor c2) noexcept {
  const int dr = red_of(c1) - red_of(c2);
  const int dg = green_of(c1) - green_of(c2);
  const int db = blue_of(c1) - blue_of(c2);
  return dr * dr + dg * dg + db * db;
}

}  // namespace ZYL_zylcolors::detail

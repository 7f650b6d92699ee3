// Library: zyl / Package: ZYL_zylcolors / Module: colorblend
#include "ZYL_zylcolors/colorblend.h"

#include <cmath>

#include "platform/fpu.h"
#include "ZYL_zylcolors/detail/blend.h"
#include "ZYL_zylcolors/detail/channels.h"

namespace ZYL_zylcolors {

using namespace detail;

TColor InterpolateColor(TColor c1, TColor c2, double frac) {
  zyl::platform::ExtendedPrecisionScope extended;
  return blend_colors(c1, c2, clamp_to(frac, 0, 1));
}

TColor Interpolate3Colors(TColor c1, TColor c2, TColor c3, double frac) {
  zyl::platform::ExtendedPrecisionScope extended;
  const Extended f = clamp_to(frac, 0, 1);
  // The fraction is handed on as a double, as a call of InterpolateColor would.
  if (f > 0.5L) return blend_colors(c2, c3, round_to_double((f - 0.5L) * 2));
  return blend_colors(c1, c2, round_to_double(f * 2));
}

TColor MeanColor(TColor c1, TColor c2) { return InterpolateColor(c1, c2, 0.5); }

TColor ReverseRGBColor(TColor Color) { return rgb_color(blue_of(Color), green_of(Color), red_of(Color)); }

TColor InvertColor(TColor Color) {
  return rgb_color(255 - red_of(Color), 255 - green_of(Color), 255 - blue_of(Color));
}

std::int32_t RGBtoGray(std::int32_t R, std::int32_t G, std::int32_t B) {
  zyl::platform::ExtendedPrecisionScope extended;
  // Extended constants, as in the rest of the module's arithmetic.
  const Extended gray = 0.3L * R + 0.59L * G + 0.11L * B;
  return static_cast<std::int32_t>(round_even(gray));
}

std::int32_t ColorToGray(TColor Color) { return RGBtoGray(red_of(Color), green_of(Color), blue_of(Color)); }

TColor RGBtoGrayColor(std::int32_t R, std::int32_t G, std::int32_t B) {
  const std::int32_t gray = RGBtoGray(R, G, B);
  return rgb_color(gray, gray, gray);
}

TColor ColorToGrayColor(TColor Color) { return RGBtoGrayColor(red_of(Color), green_of(Color), blue_of(Color)); }

double RGBColorDistance(TColor c1, TColor c2) {
  zyl::platform::ExtendedPrecisionScope extended;
  return round_to_double(std::sqrt(static_cast<Extended>(squared_distance(c1, c2)) / 195075));
}

}  // namespace ZYL_zylcolors

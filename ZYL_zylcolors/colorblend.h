// Library: zyl / Package: ZYL_zylcolors / Module: colorblend
//
// Blending, inverting, gray values and distances of TColor values.
//
// A TColor holds red in bits 0-7, green in 8-15 and blue in 16-23 ($00BBGGRR).
// Every function here reads only those three bytes and returns colours with
// a zero top byte. Intermediates are 80-bit extended values; blended channels
// are truncated towards zero, gray values rounded to nearest (ties to even).
// All functions are pure and never raise.
//
// Example:
//   InterpolateColor(0x000000, 0xFFFFFF, 0.5)   // == 0x7F7F7F
//   InterpolateColor(0, 0xFF, 0.6)              // == 0x98 (152: 255 * 0.6 is
//                                               //    152.99999999999999434)
//   ReverseRGBColor(0x0000FF)                   // == 0xFF0000
//   RGBColorDistance(0x000000, 0xFFFFFF)        // == 1.0
#pragma once

#include <cstdint>

#include "platform/api.h"
#include "platform/events.h"

namespace ZYL_zylcolors {

using zyl::TColor;

// c1 blended towards c2 by frac: each channel truncate(x + (y - x) * frac).
// frac is clamped to [0, 1] (NaN counts as 0): 0 gives c1, 1 gives c2.
[[nodiscard]] ZYL_API TColor InterpolateColor(TColor c1, TColor c2, double frac);

// A blend along c1 -> c2 -> c3: frac in [0, 0.5] blends c1 to c2 with the
// fraction 2 * frac, frac above 0.5 blends c2 to c3 with (frac - 0.5) * 2.
// frac is clamped to [0, 1]; 0.5 gives exactly c2.
[[nodiscard]] ZYL_API TColor Interpolate3Colors(TColor c1, TColor c2, TColor c3, double frac);

// InterpolateColor(c1, c2, 0.5): channel means rounded down (0 and 255 give 127).
[[nodiscard]] ZYL_API TColor MeanColor(TColor c1, TColor c2);

// The colour with red and blue exchanged ($00BBGGRR becomes $00RRGGBB).
[[nodiscard]] ZYL_API TColor ReverseRGBColor(TColor Color);

// Each channel replaced by 255 minus it.
[[nodiscard]] ZYL_API TColor InvertColor(TColor Color);

// round(0.3 R + 0.59 G + 0.11 B), ties to even. Inputs are not clamped.
//   RGBtoGray(255, 255, 255) == 255;  RGBtoGray(5, 0, 0) == 2 (1.5 rounds to 2)
[[nodiscard]] ZYL_API std::int32_t RGBtoGray(std::int32_t R, std::int32_t G, std::int32_t B);
[[nodiscard]] ZYL_API std::int32_t ColorToGray(TColor Color);
// The gray colour with all three channels RGBtoGray(R, G, B) (low byte).
[[nodiscard]] ZYL_API TColor RGBtoGrayColor(std::int32_t R, std::int32_t G, std::int32_t B);
[[nodiscard]] ZYL_API TColor ColorToGrayColor(TColor Color);

// sqrt((dR^2 + dG^2 + dB^2) / 195075): 0 for equal colours, 1 for black and
// white (195075 = 3 * 255^2).
[[nodiscard]] ZYL_API double RGBColorDistance(TColor c1, TColor c2);

}  // namespace ZYL_zylcolors

// Library: zyl / Package: ZYL_zylcolors / Module: colormodels
//
// Conversions between RGB channels (or a TColor) and the HSL, HSV, HSI, CMY
// and CMYK colour models.
//
// Hue is in degrees [0, 360); saturation, lightness, value, intensity and the
// CMY(K) components are in [0, 1]. Intermediates are 80-bit extended values,
// rounded once into the double results; channels are rounded to nearest with
// ties to even. Out-of-range arguments are clamped as each function says and
// NaN arguments count as 0; nothing raises.
//
// Example:
//   double h, s, l;
//   RGBtoHSL(255, 0, 0, h, s, l);          // h == 0, s == 1, l == 0.5
//   HSLtoColor(120, 1, 0.5)                // == 0x00FF00 (green)
//   RGBtoHSV(100, 100, 100, h, s, v);      // h == -1 (gray), s == 0
#pragma once

#include <cstdint>

#include "platform/api.h"
#include "platform/events.h"

namespace ZYL_zylcolors {

using zyl::TColor;

// R, G, B are divided by 255 and clamped to [0, 1]. A gray (equal channels)
// gives H = 0 and S = 0.
ZYL_API void RGBtoHSL(std::int32_t R, std::int32_t G, std::int32_t B, double& H, double& S, double& L);
// Channels are not clamped. Black gives H = 0, S = 0; any other gray gives
// H = -1, S = 0. The maximum channel decides the hue sector; on ties red
// wins over green and green over blue.
ZYL_API void RGBtoHSV(std::int32_t R, std::int32_t G, std::int32_t B, double& H, double& S, double& V);
// I = (R + G + B) / 3 / 255 and S = 1 - min / 255 / I; hue as RGBtoHSV.
// Black gives H = 0, S = 0; any other gray H = -1, S = 0.
ZYL_API void RGBtoHSI(std::int32_t R, std::int32_t G, std::int32_t B, double& H, double& S, double& I);

// The same on the channels of a colour.
ZYL_API void ColorToHSL(TColor Color, double& H, double& S, double& L);
ZYL_API void ColorToHSV(TColor Color, double& H, double& S, double& V);
ZYL_API void ColorToHSI(TColor Color, double& H, double& S, double& I);

// H below 0 gets 360 added once, above 360 360 subtracted once; a hue still
// outside [0, 360) is taken as 0 (so -10 means 350, 360 and 725 mean 0).
// S and L are clamped to [0, 1]. Results are 0..255.
ZYL_API void HSLtoRGB(double H, double S, double L, std::int32_t& R, std::int32_t& G, std::int32_t& B);
// A hue outside [0, 360) is taken as 0 (no wrapping); S and V are clamped.
ZYL_API void HSVtoRGB(double H, double S, double V, std::int32_t& R, std::int32_t& G, std::int32_t& B);
// Hue as HSLtoRGB; S and I clamped; channels above 1 are clamped to 1.
ZYL_API void HSItoRGB(double H, double S, double I, std::int32_t& R, std::int32_t& G, std::int32_t& B);

// The colours of the ...toRGB results.
[[nodiscard]] ZYL_API TColor HSLtoColor(double H, double S, double L);
[[nodiscard]] ZYL_API TColor HSVtoColor(double H, double S, double V);
[[nodiscard]] ZYL_API TColor HSItoColor(double H, double S, double I);

// C = 1 - R/255, M = 1 - G/255, Y = 1 - B/255.
ZYL_API void RGBtoCMY(std::uint8_t R, std::uint8_t G, std::uint8_t B, double& C, double& M, double& Y);
// C, M, Y clamped to [0, 1]; R = round((1 - C) * 255) and so on.
ZYL_API void CMYtoRGB(double C, double M, double Y, std::uint8_t& R, std::uint8_t& G, std::uint8_t& B);
// K = min(C, M, Y), subtracted from each (no rescaling by 1 - K).
//   (0.5, 0.7, 0.2) -> C 0.3, M 0.5, Y 0, K 0.2
ZYL_API void CMYtoCMYK(double& C, double& M, double& Y, double& K);
// K added to C, M and Y, each then clamped to [0, 1].
ZYL_API void CMYKtoCMY(double& C, double& M, double& Y, double K);

}  // namespace ZYL_zylcolors

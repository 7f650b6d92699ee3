// Library: zyl / Package: ZYL_zylcolors / Module: colortables
//
// The named-colour tables and name lookup. Colours are TColor values
// ($00BBGGRR); the comments below write them red first (RRGGBB).
//
//   AllZYLColors / AllZYLColorNames  466 colours and their names: 0-18 the
//       host's standard colours (Black, Maroon, ... White, MoneyGreen, Cream,
//       MedGray), 19-465 further names in alphabetical order (AliceBlue ...
//       YellowGreen) with the X11 colour database's values, except Bronze,
//       Carbon, Crimson, Indigo, RebeccaPurple, SkyBlue (A6CAF0), SkyBlue1,
//       WebGray, WebGreen, WebMaroon and WebPurple. Several names share a
//       value (Aqua, Cyan and Cyan1 are all 00FFFF).
//   X11Colors        145 web colours, each the AllZYLColors value of its name
//                    (AliceBlue, AntiqueWhite, Aqua, ... YellowGreen).
//   PredefinedColors 47 values: the host's 20 standard colours, then 27
//                    markers ($FF0000nn is the system colour of GetSysColor
//                    index nn, $20000000 the default colour, $1FFFFFFF none).
//
// Example:
//   ObtainColorName(0x00FFFF00)   // == u"Aqua" (first of Aqua, Cyan, Cyan1)
//   ObtainColorName(0x00123456)   // == u"00123456"
#pragma once

#include <array>
#include <string_view>

#include "platform/api.h"
#include "platform/events.h"
#include "platform/hoststring.h"

namespace ZYL_zylcolors {

using zyl::TColor;

extern ZYL_API const std::array<TColor, 466> AllZYLColors;
extern ZYL_API const std::array<std::u16string_view, 466> AllZYLColorNames;
extern ZYL_API const std::array<TColor, 145> X11Colors;
extern ZYL_API const std::array<TColor, 47> PredefinedColors;

// The name of the first AllZYLColors entry equal to the whole 32-bit value,
// or ColorToHexStr(Color) when there is none (so colours with a non-zero top
// byte never have a name).
[[nodiscard]] ZYL_API zyl::String ObtainColorName(TColor Color);

}  // namespace ZYL_zylcolors

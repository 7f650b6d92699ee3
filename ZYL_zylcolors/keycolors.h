// Library: zyl / Package: ZYL_zylcolors / Module: keycolors
//
// Predefined sets of key colours for TColorArray::FillByInterpolation, as
// TColor values ($00BBGGRR; the comments write them red first, RRGGBB).
//
//   ColorArray_Geo1, _Geo2, _Geo3  11 colours each: map tints from water
//                                  through lowland greens to mountain browns
//   ColorArray_Rainbow             11: dark violet (200040) to dark red (400000)
//   ColorArray_Circle              7: the colour circle, red back to red
//   ColorArray_MorgenStemning      7: black through dawn colours to white
//   ColorArray_Contrast            16: strongly different colours
//
// Example:
//   arr.FillByInterpolation(0, ColorArray_Rainbow);
#pragma once

#include <array>

#include "platform/api.h"
#include "platform/events.h"

namespace ZYL_zylcolors {

using zyl::TColor;

extern ZYL_API const std::array<TColor, 11> ColorArray_Geo1;
extern ZYL_API const std::array<TColor, 11> ColorArray_Geo2;
extern ZYL_API const std::array<TColor, 11> ColorArray_Geo3;
extern ZYL_API const std::array<TColor, 11> ColorArray_Rainbow;
extern ZYL_API const std::array<TColor, 7> ColorArray_Circle;
extern ZYL_API const std::array<TColor, 7> ColorArray_MorgenStemning;
extern ZYL_API const std::array<TColor, 16> ColorArray_Contrast;

}  // namespace ZYL_zylcolors

// Library: zyl / Package: ZYL_zylcolors / Module: gradient (internal)
//
// The arithmetic behind TColorArray's interpolated fill and nearest-colour
// search, kept apart from the component so it can be measured and checked
// on its own.
#pragma once

#include <cstdint>
#include <span>

#include "platform/events.h"

namespace ZYL_zylcolors::detail {

// Fills out (positions i = 1..N) from the key colours, as
// TColorArray::FillByInterpolation describes. keys must not be empty.
void fill_gradient(std::span<zyl::TColor> out, std::int32_t DiscreteLevels, std::span<const zyl::TColor> keys);

// The 0-based index of the first colour whose squared channel distance to
// target is smallest among those below 195075 (= 3 * 255^2, distance 1);
// -1 when there is none. squared receives that distance (195075 for -1).
// Equal to the first minimum of RGBColorDistance below 1: the distance is a
// strictly increasing function of the squared sum, and neighbouring sums
// give doubles far more than one rounding step apart.
std::int32_t nearest_color(std::span<const zyl::TColor> colors, zyl::TColor target, std::int32_t& squared);

}  // namespace ZYL_zylcolors::detail

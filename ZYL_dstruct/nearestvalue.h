// Library: zyl / Package: ZYL_dstruct / Module: nearestvalue
//
// IndexOfNearestArrayValue: the 0-based index of the array element nearest
// to Value (smallest absolute difference); the first of equally near
// elements wins; -1 for an empty array.
//
//   IndexOfNearestArrayValue(2.5, {1, 2, 3})                        ⇒ 1
//   IndexOfNearestArrayValue(-1, {2147483647, -2147483648})        ⇒ 1
//
// Doubles: elements whose distance is 1.7e308 or more (infinities, values
// near the ends of the range) still count; an element whose distance is NaN
// never wins. When no element is nearer than 1.7e308 the result is the first
// element whose distance is not NaN, and -1 only when every distance is NaN
// (a NaN Value, or all elements NaN). Integers: the exact difference, with no
// overflow.
#pragma once

#include <cstdint>
#include <span>

#include "platform/api.h"

namespace ZYL_dstruct {

ZYL_API std::int32_t IndexOfNearestArrayValue(double Value, std::span<const double> Values) noexcept;
ZYL_API std::int32_t IndexOfNearestArrayValue(std::int32_t Value, std::span<const std::int32_t> Values) noexcept;

}  // namespace ZYL_dstruct

// Library: zyl / Package: ZYL_dstruct / Module: nearestvalue
//
// IndexOfNearestArrayValue: the 0-based index of the array element nearest
// to Value (smallest absolute difference); the first of equally near
// elements wins; -1 for an empty array.
//
//   IndexOfNearestArrayValue(2.5, {1, 2, 3})                        ⇒ 1
//   IndexOfNearestArrayValue(-1, {2147483647, -2147483648})        ⇒ 1
//
// Doubles: an element equal to Value is nearest (distance 0, infinities
// included: -inf is nearest to -inf); otherwise the distance is the absolute
// difference, and the smallest distance that is not NaN wins, however large
// (an infinite distance still beats none). -1 only when every distance is
// NaN (a NaN Value, or all elements NaN). Integers: the exact difference,
// with no overflow.
//
//   IndexOfNearestArrayValue(-inf, {+inf, -inf})                   ⇒ 1
//   IndexOfNearestArrayValue(0, {nan, +inf})                       ⇒ 1
//   IndexOfNearestArrayValue(nan, {1, 2})                          ⇒ -1
#pragma once

#include <cstdint>
#include <span>

#include "platform/api.h"

namespace ZYL_dstruct {

ZYL_API std::int32_t IndexOfNearestArrayValue(double Value, std::span<const double> Values) noexcept;
ZYL_API std::int32_t IndexOfNearestArrayValue(std::int32_t Value, std::span<const std::int32_t> Values) noexcept;

}  // namespace ZYL_dstruct

// Library: zyl / Package: ZYL_dstruct / Module: combinatorics
//
// Stepping in place through all k-element combinations of 1..Range and all
// permutations of 1..n, one step per call. Element 0 of a TCombination holds
// the count (k or n), elements 1..count the current combination or
// permutation. Start with 1, 2, ..., count, then call until false:
//
//   TCombination c{};  c[0] = 2;  c[1] = 1;  c[2] = 2;
//   do { use(c[1], c[2]); } while (NextCombination(c, 4));
//   // (1,2) (1,3) (1,4) (2,3) (2,4) (3,4)
//
//   n = 3:  (1,2,3) (2,1,3) (2,3,1) (1,3,2) (3,1,2) (3,2,1)
//
// Arrays that hold no valid combination or permutation (not ascending,
// values out of range, repeated values) and a count of 0 are never read or
// written outside elements 0..255; a count of 0 gives false. On such input
// the step taken is unspecified but stays within elements 1..count.
#pragma once

#include <array>
#include <cstdint>

#include "platform/api.h"

namespace ZYL_dstruct {

using TCombination = std::array<std::uint8_t, 256>;

// Advances to the next combination of c[0] values out of 1..Range in
// lexicographic order; false (array unchanged) when it held the last one,
// for a count of 0 and for Range outside 1..255.
//   k = 1, Range 3: 1 ⇒ 2 ⇒ 3 ⇒ false
ZYL_API bool NextCombination(TCombination& Combination, std::int32_t Range) noexcept;

// Advances to the next permutation of 1..c[0]: value 1 moves one place to
// the right per step; when it has reached the end it returns to the front
// and value 2 advances one place within the remaining prefix, and so on.
// From 1..n all n! permutations are visited, ending with n, n-1, ..., 1;
// false (array unchanged) after that one, for n <= 1 and when a value is
// missing from its prefix.
ZYL_API bool NextPermutation(TCombination& Permutation) noexcept;

}  // namespace ZYL_dstruct

// Library: zyl / Package: ZYL_dstruct / Module: combinatorics
#include "ZYL_dstruct/combinatorics.h"

#include <algorithm>
#include <utility>

namespace ZYL_dstruct {

bool NextCombination(TCombination& Combination, std::int32_t Range) noexcept {
  const int k = Combination[0];
  if (k == 0 || Range < 1 || Range > 255) return false;
  // Rightmost position below its maximum Range - k + p. ">=" rather than
  // "==", so that values beyond the maximum (invalid input) count as there.
  int p = k;
  while (Combination[static_cast<std::size_t>(p)] >= Range - k + p) {
    if (p == 1) return false;
    --p;
  }
  ++Combination[static_cast<std::size_t>(p)];
  for (int q = p + 1; q <= k; ++q)
    Combination[static_cast<std::size_t>(q)] = static_cast<std::uint8_t>(Combination[static_cast<std::size_t>(q - 1)] + 1);
  return true;
}

bool NextPermutation(TCombination& Permutation) noexcept {
  const int n = Permutation[0];
  auto* v = Permutation.data();  // v[1..n]
  // Level a moves value n - a + 1 within the prefix 1..a. Descend while that
  // value stands at the end of its prefix; nothing changes until a level
  // where it can still move right is found.
  int a = n;
  int q = 0;
  for (; a > 1; --a) {
    const auto value = static_cast<std::uint8_t>(n - a + 1);
    const auto* at = std::find(v + 1, v + a + 1, value);
    if (at == v + a + 1) return false;  // not a permutation
    q = static_cast<int>(at - v);
    if (q != a) break;
  }
  if (a <= 1) return false;
  std::swap(v[q], v[q + 1]);
  // Each level passed on the way down brings its value back to the front.
  for (int outer = a + 1; outer <= n; ++outer) std::rotate(v + 1, v + outer, v + outer + 1);
  return true;
}

}  // namespace ZYL_dstruct

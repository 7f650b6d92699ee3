// Library: zyl / Package: ZYL_zylcolors / Module: gradient (internal)
#include "ZYL_zylcolors/detail/gradient.h"

#include <algorithm>

#include "platform/fpu.h"
#include "ZYL_zylcolors/detail/blend.h"

namespace ZYL_zylcolors::detail {

void fill_gradient(std::span<TColor> out, std::int32_t DiscreteLevels, std::span<const TColor> keys) {
  zyl::platform::ExtendedPrecisionScope extended;
  const std::int64_t n = static_cast<std::int64_t>(out.size());
  const std::int64_t a = static_cast<std::int64_t>(keys.size()) - 1;
  if (a == 0) {
    std::fill(out.begin(), out.end(), keys[0]);
    return;
  }
  const Extended band_width = DiscreteLevels > 0 ? static_cast<Extended>(n) / DiscreteLevels : 0;
  for (std::int64_t i = 1; i <= n; ++i) {
    std::int64_t b = i;
    if (DiscreteLevels > 0) {
      const std::int64_t c = round_even(static_cast<Extended>(i) / n * DiscreteLevels);
      b = round_even(c * band_width);
    }
    // truncate(a * (b - 1) / N): the extended quotient of two integers never
    // lies on the other side of an integer than the exact one, so integer
    // division gives the same. A band rounded down to b = 0 would give a
    // negative k when there are more key colours than positions: it takes
    // the first key colour instead of reading before the keys.
    std::int64_t k = a * (b - 1) / n;
    if (k < 0) k = 0;
    if (k >= a) k = a - 1;
    const Extended t = static_cast<Extended>(a * b) / n - k;
    const double frac = static_cast<double>(clamp_to(t, 0, 1));
    out[static_cast<std::size_t>(i - 1)] = blend_colors(keys[static_cast<std::size_t>(k)],
                                                        keys[static_cast<std::size_t>(k + 1)], frac);
  }
}

std::int32_t nearest_color(std::span<const TColor> colors, TColor target, std::int32_t& squared) {
  const int tr = red_of(target), tg = green_of(target), tb = blue_of(target);
  // First pass: the smallest squared distance (a reduction the compiler can
  // vectorise); second pass: its first position.
  std::int32_t best = 195075;
  for (const TColor c : colors) {
    const int dr = red_of(c) - tr, dg = green_of(c) - tg, db = blue_of(c) - tb;
    best = std::min(best, dr * dr + dg * dg + db * db);
  }
  squared = 195075;
  if (best >= 195075) return -1;
  squared = best;
  for (std::size_t i = 0; i < colors.size(); ++i)
    if (squared_distance(colors[i], target) == best) return static_cast<std::int32_t>(i);
  return -1;  // not reached: best came from one of the colours
}

}  // namespace ZYL_zylcolors::detail

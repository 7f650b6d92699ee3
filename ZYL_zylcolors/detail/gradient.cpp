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
  // The colour of gradient position b, whose key colours start at k.
  const auto colour_at = [&](std::int64_t b, std::int64_t k) {
    const Extended t = static_cast<Extended>(a * b) / n - k;
    const double frac = round_to_double(clamp_to(t, 0, 1));
    return blend_colors(keys[static_cast<std::size_t>(k)], keys[static_cast<std::size_t>(k + 1)], frac);
  };
  // k = truncate(a * (b - 1) / N): the extended quotient of two integers
  // never lies on the other side of an integer than the exact one, so
  // integer division gives the same.
  if (DiscreteLevels <= 0) {
    // b = i: k and the remainder grow by a / N per position.
    std::int64_t k = 0, rem = 0;
    for (std::int64_t i = 1; i <= n; ++i) {
      out[static_cast<std::size_t>(i - 1)] = colour_at(i, std::min(k, a - 1));
      for (rem += a; rem >= n; rem -= n) ++k;
    }
    return;
  }
  // Bands: every position of a band has the same b, so the same colour.
  const Extended band_width = static_cast<Extended>(n) / DiscreteLevels;
  std::int64_t band_b = -1;
  TColor band_colour = 0;
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = round_even(static_cast<Extended>(i) / n * DiscreteLevels);
    const std::int64_t b = round_even(c * band_width);
    if (b != band_b) {
      // A band rounded down to b = 0 gives a negative k when there are more
      // key colours than positions: it takes the first key colour instead
      // of one from before the keys.
      const std::int64_t k = std::clamp<std::int64_t>(a * (b - 1) / n, 0, a - 1);
      band_b = b;
      band_colour = colour_at(b, k);
    }
    out[static_cast<std::size_t>(i - 1)] = band_colour;
  }
}

namespace {

// Squared channel distances of a block of kBlock colours, computed in float:
// every value involved is an integer below 2^24, so float is exact here, and
// a fixed-size loop of float lanes is one the compiler turns into vector code
// on every x86 (SSE2 has no 32-bit integer multiply).
constexpr std::size_t kBlock = 16;

float block_minimum(const TColor* colors, float tr, float tg, float tb) {
  float d[kBlock];
  for (std::size_t j = 0; j < kBlock; ++j) {
    const float dr = static_cast<float>(static_cast<std::int32_t>(colors[j] & 0xFF)) - tr;
    const float dg = static_cast<float>(static_cast<std::int32_t>((colors[j] >> 8) & 0xFF)) - tg;
    const float db = static_cast<float>(static_cast<std::int32_t>((colors[j] >> 16) & 0xFF)) - tb;
    d[j] = dr * dr + dg * dg + db * db;
  }
  // Halving steps of element-wise minima (vector instructions), then the last four.
  for (std::size_t j = 0; j < 8; ++j) d[j] = d[j + 8] < d[j] ? d[j + 8] : d[j];
  for (std::size_t j = 0; j < 4; ++j) d[j] = d[j + 4] < d[j] ? d[j + 4] : d[j];
  const float lo = d[1] < d[0] ? d[1] : d[0];
  const float hi = d[3] < d[2] ? d[3] : d[2];
  return hi < lo ? hi : lo;
}

}  // namespace

std::int32_t nearest_color(std::span<const TColor> colors, TColor target, std::int32_t& squared) {
  const float tr = static_cast<float>(red_of(target)), tg = static_cast<float>(green_of(target)),
              tb = static_cast<float>(blue_of(target));
  // The first block holding the smallest distance (later blocks replace it
  // only when strictly smaller), then its first position with that distance.
  const std::size_t blocks = colors.size() / kBlock;
  float best = 195075;
  std::size_t best_block = blocks;
  for (std::size_t b = 0; b < blocks; ++b) {
    const float m = block_minimum(colors.data() + b * kBlock, tr, tg, tb);
    if (m < best) best = m, best_block = b;
  }
  std::int32_t best_sum = static_cast<std::int32_t>(best);
  std::size_t first = best_block * kBlock, last = first + kBlock;
  if (best_block == blocks) first = last = 0;
  // The positions after the last whole block.
  std::size_t tail_best = colors.size();
  for (std::size_t i = blocks * kBlock; i < colors.size(); ++i) {
    const std::int32_t d = squared_distance(colors[i], target);
    if (d < best_sum) best_sum = d, tail_best = i;
  }
  squared = best_sum;
  if (tail_best < colors.size()) return static_cast<std::int32_t>(tail_best);
  for (std::size_t i = first; i < last; ++i)
    if (squared_distance(colors[i], target) == best_sum) return static_cast<std::int32_t>(i);
  return -1;  // nothing below 195075
}

}  // namespace ZYL_zylcolors::detail

// Library: zyl / Package: ZYL_dstruct / Module: nearestvalue
#include "ZYL_dstruct/nearestvalue.h"

#include <cmath>
#include <cstdlib>

namespace ZYL_dstruct {

std::int32_t IndexOfNearestArrayValue(double Value, std::span<const double> Values) noexcept {
  std::int32_t best = -1;
  double best_dist = 0;
  for (std::size_t i = 0; i < Values.size(); ++i) {
    // Equal values are at distance 0, infinities included (inf - inf is NaN).
    const double d = Values[i] == Value ? 0.0 : std::fabs(Values[i] - Value);
    if (std::isnan(d)) continue;
    if (best < 0 || d < best_dist) {
      best_dist = d;
      best = static_cast<std::int32_t>(i);
    }
  }
  return best;
}

std::int32_t IndexOfNearestArrayValue(std::int32_t Value, std::span<const std::int32_t> Values) noexcept {
  std::int32_t best = -1;
  std::int64_t best_dist = 0;
  for (std::size_t i = 0; i < Values.size(); ++i) {
    const std::int64_t d = std::llabs(static_cast<std::int64_t>(Values[i]) - Value);
    if (best < 0 || d < best_dist) {
      best_dist = d;
      best = static_cast<std::int32_t>(i);
    }
  }
  return best;
}

}  // namespace ZYL_dstruct

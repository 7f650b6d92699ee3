// Library: zyl / Package: platform / Module: random
#include "platform/random.h"

namespace zyl {

std::int32_t RandSeed = 0;

namespace {
std::uint32_t next_state() {
  const std::uint32_t s = static_cast<std::uint32_t>(RandSeed) * 134775813u + 1u;
  RandSeed = static_cast<std::int32_t>(s);
  return s;
}
}  // namespace

std::int32_t Random(std::int32_t Range) {
  const std::uint64_t s = next_state();
  if (Range <= 0) return 0;
  return static_cast<std::int32_t>((s * static_cast<std::uint64_t>(Range)) >> 32);
}

double Random() { return static_cast<double>(next_state()) / 4294967296.0; }

}  // namespace zyl

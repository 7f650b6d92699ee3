#include "platform/securerandom.h"

#include <array>
#include <set>

#include <gtest/gtest.h>

namespace zyl::platform {
namespace {

// A source that leaves bytes untouched or repeats itself fails these with a
// probability below 2^-60.
TEST(SecureRandom, FillsEveryByteAndNeverRepeats) {
  std::array<std::uint8_t, 4096> bytes{};
  fill_secure_random(bytes.data(), bytes.size());
  std::array<int, 256> seen{};
  for (const std::uint8_t b : bytes) ++seen[b];
  for (int v = 0; v < 256; ++v) EXPECT_LT(seen[v], 64) << "byte value " << v;

  std::set<std::uint64_t> draws;
  for (int i = 0; i < 100; ++i) draws.insert(secure_random64());
  EXPECT_EQ(draws.size(), 100u);
}

}  // namespace
}  // namespace zyl::platform

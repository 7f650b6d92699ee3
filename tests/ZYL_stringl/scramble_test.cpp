#include "ZYL_stringl/scramble.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/random.h"

namespace ZYL_stringl {
namespace {

String all_codes() {
  String s;
  for (int c = 0; c < 256; ++c) s += static_cast<zyl::Char>(c);
  return s;
}

TEST(ScrambleStartUp, DefaultSeedIsInForce) {
  // Defined first, so it runs before any test here calls InitScramble.
  const auto at_start_up = detail::scramble_forward();
  InitScramble(kDefaultScrambleSeed);
  EXPECT_EQ(detail::scramble_forward(), at_start_up);
}

// Restores the start-up state for the tests that follow.
struct ScrambleTest : ::testing::Test {
  ~ScrambleTest() override { InitScramble(kDefaultScrambleSeed); }
};

TEST_F(ScrambleTest, TablesArePermutationsFixingZero) {
  for (std::int32_t seed : {0, 1, 9347, -1, 123456789}) {
    SCOPED_TRACE(seed);
    InitScramble(seed);
    const auto& f = detail::scramble_forward();
    const auto& g = detail::scramble_inverse();
    EXPECT_EQ(f[0], 0);
    EXPECT_EQ(g[0], 0);
    std::array<int, 256> seen{};
    for (int c = 1; c < 256; ++c) {
      ASSERT_NE(f[static_cast<std::size_t>(c)], 0) << c;
      ++seen[f[static_cast<std::size_t>(c)]];
      EXPECT_EQ(g[f[static_cast<std::size_t>(c)]], c);
    }
    for (int c = 1; c < 256; ++c) EXPECT_EQ(seen[static_cast<std::size_t>(c)], 1) << c;
  }
}

TEST_F(ScrambleTest, RoundTripsEveryByteTextUnderAnySeed) {
  std::mt19937 rng(20261207);
  for (int round = 0; round < 20; ++round) {
    const auto seed = static_cast<std::int32_t>(rng());
    SCOPED_TRACE(seed);
    InitScramble(seed);
    String text = all_codes();
    for (int i = 0; i < 300; ++i) text += static_cast<zyl::Char>(rng() % 256);
    const String s = Scramble(text);
    EXPECT_EQ(s.size(), text.size());
    EXPECT_EQ(DeScramble(s), text);
    EXPECT_NE(s, text);
  }
}

TEST_F(ScrambleTest, SameSeedSameTablesAndGeneratorIsReseeded) {
  InitScramble(77);
  const auto first = detail::scramble_forward();
  const std::int32_t state_after = zyl::RandSeed;
  InitScramble(5);
  InitScramble(77);
  EXPECT_EQ(detail::scramble_forward(), first);
  EXPECT_EQ(zyl::RandSeed, state_after) << "the generator continues from the seed";
}

TEST_F(ScrambleTest, FirstTableEntryFollowsTheGenerator) {
  // The first draw after RandSeed := seed decides F[1].
  InitScramble(9347);
  zyl::RandSeed = 9347;
  EXPECT_EQ(detail::scramble_forward()[1], zyl::Random(255) + 1);
}

TEST_F(ScrambleTest, CharactersAbove255AndCodeZeroStay) {
  InitScramble(kDefaultScrambleSeed);
  const String text = u"\x0100\x263a\xffff";
  EXPECT_EQ(Scramble(text), text);
  EXPECT_EQ(DeScramble(text), text);
  EXPECT_EQ(Scramble(String(3, u'\0')), String(3, u'\0'));
}

}  // namespace
}  // namespace ZYL_stringl

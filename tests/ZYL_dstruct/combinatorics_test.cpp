#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/combinatorics.h"
#include "ZYL_dstruct/nearestvalue.h"

namespace ZYL_dstruct {
namespace {

TCombination first(int count) {
  TCombination c{};
  c[0] = static_cast<std::uint8_t>(count);
  for (int i = 1; i <= count; ++i) c[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  return c;
}

std::vector<int> current(const TCombination& c) { return std::vector<int>(c.begin() + 1, c.begin() + 1 + c[0]); }

std::vector<std::vector<int>> all_combinations(int k, int range) {
  TCombination c = first(k);
  std::vector<std::vector<int>> seen{current(c)};
  while (NextCombination(c, range)) seen.push_back(current(c));
  EXPECT_EQ(current(c), seen.back()) << "false leaves the array as it was";
  return seen;
}

std::vector<std::vector<int>> all_permutations(int n) {
  TCombination c = first(n);
  std::vector<std::vector<int>> seen{current(c)};
  while (NextPermutation(c)) seen.push_back(current(c));
  EXPECT_EQ(current(c), seen.back());
  return seen;
}

TEST(Combinatorics, DocumentedSequences) {
  EXPECT_EQ(all_combinations(2, 4),
            (std::vector<std::vector<int>>{{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}));
  EXPECT_EQ(all_combinations(1, 3), (std::vector<std::vector<int>>{{1}, {2}, {3}}));
  EXPECT_EQ(all_combinations(4, 4).size(), 1u);
  EXPECT_EQ(all_permutations(3),
            (std::vector<std::vector<int>>{{1, 2, 3}, {2, 1, 3}, {2, 3, 1}, {1, 3, 2}, {3, 1, 2}, {3, 2, 1}}));
  EXPECT_EQ(all_permutations(1).size(), 1u);
  EXPECT_EQ(all_permutations(2), (std::vector<std::vector<int>>{{1, 2}, {2, 1}}));
  EXPECT_EQ(all_permutations(5).size(), 120u) << "119 true results from the identity";
}

TEST(Combinatorics, EveryCombinationAndPermutationExactlyOnce) {
  for (int range = 1; range <= 9; ++range)
    for (int k = 1; k <= range; ++k) {
      SCOPED_TRACE(std::to_string(k) + " of " + std::to_string(range));
      const auto seen = all_combinations(k, range);
      // Binomial coefficient, each ascending, in lexicographic order.
      double binom = 1;
      for (int i = 1; i <= k; ++i) binom = binom * (range - k + i) / i;
      EXPECT_EQ(seen.size(), static_cast<std::size_t>(std::lround(binom)));
      EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
      for (const auto& s : seen) EXPECT_TRUE(std::adjacent_find(s.begin(), s.end(), std::greater_equal<>()) == s.end());
    }
  for (int n = 1; n <= 7; ++n) {
    SCOPED_TRACE(n);
    const auto seen = all_permutations(n);
    const std::set<std::vector<int>> distinct(seen.begin(), seen.end());
    EXPECT_EQ(distinct.size(), seen.size());
    EXPECT_EQ(static_cast<double>(seen.size()), std::tgamma(n + 1));
    std::vector<int> reversed(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) reversed[static_cast<std::size_t>(i)] = n - i;
    EXPECT_EQ(seen.back(), reversed);
  }
  // The largest counts stay within the 256 elements.
  TCombination c = first(255);
  EXPECT_FALSE(NextCombination(c, 255));
  EXPECT_TRUE(NextPermutation(c));
  c = first(254);
  EXPECT_TRUE(NextCombination(c, 255));
  EXPECT_EQ(c[254], 255);
}

TEST(Combinatorics, InvalidInputStaysInsideTheArray) {
  TCombination empty{};
  EXPECT_FALSE(NextCombination(empty, 5));
  EXPECT_FALSE(NextPermutation(empty));
  TCombination c = first(2);
  EXPECT_FALSE(NextCombination(c, 0));
  EXPECT_FALSE(NextCombination(c, 256));
  EXPECT_FALSE(NextCombination(c, 1)) << "k above Range";
  TCombination p = first(3);
  p[2] = 7;  // value 2 missing
  p[1] = 2;
  p[3] = 1;  // 2 7 1: value 1 moves to the front... then 2 is searched
  int steps = 0;
  while (NextPermutation(p) && steps < 10) ++steps;
  EXPECT_LT(steps, 10);
  // Random garbage: every call terminates and touches only elements 1..count.
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  for (int round = 0; round < 20000; ++round) {
    TCombination g;
    for (auto& b : g) b = static_cast<std::uint8_t>(rng());
    if (round % 2) g[0] = static_cast<std::uint8_t>(rng() % 8);
    const TCombination before = g;
    if (round % 3 == 0)
      NextPermutation(g);
    else
      NextCombination(g, static_cast<std::int32_t>(rng() % 300) - 20);
    EXPECT_EQ(g[0], before[0]);
    ASSERT_TRUE(std::equal(g.begin() + 1 + g[0], g.end(), before.begin() + 1 + g[0]));
  }
}

TEST(NearestValue, DoublesAndIntegers) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  struct Case {
    double value;
    std::vector<double> values;
    int expected;
  };
  const std::vector<Case> cases = {
      {2.5, {1, 2, 3}, 1},      {2.6, {1, 2, 3}, 2},        {0, {}, -1},
      {-7, {5, -8, -6}, 1},     {0, {inf, 4}, 1},           {0, {inf, -inf}, 0},
      {0, {nan, inf}, 1},       {nan, {1, 2}, -1},          {0, {nan, nan}, -1},
      {1e308, {-1e308, 5}, 1},  {-1e308, {1e308, 1.5e308}, 0},
      // An equal element is nearest, infinities included; otherwise the
      // smallest distance that is not NaN, however large.
      {-inf, {inf, -inf}, 1},   {inf, {nan, 1, inf}, 2},    {inf, {-inf, 5}, 0},
      {0, {1.75e308, 1.71e308}, 1}, {nan, {nan, inf}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(IndexOfNearestArrayValue(c.value, c.values), c.expected);
  }
  const std::int32_t lo = std::numeric_limits<std::int32_t>::min(), hi = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(IndexOfNearestArrayValue(-1, std::vector<std::int32_t>{hi, lo}), 1);
  EXPECT_EQ(IndexOfNearestArrayValue(hi, std::vector<std::int32_t>{lo, 0, hi - 1}), 2);
  EXPECT_EQ(IndexOfNearestArrayValue(lo, std::vector<std::int32_t>{hi}), 0);
  EXPECT_EQ(IndexOfNearestArrayValue(3, std::vector<std::int32_t>{}), -1);
  EXPECT_EQ(IndexOfNearestArrayValue(5, std::vector<std::int32_t>{3, 7, 5, 5}), 2);
}

}  // namespace
}  // namespace ZYL_dstruct

#include <algorithm>
#include <bitset>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/bitfield.h"
#include "ZYL_dstruct/bytematrix.h"
#include "ZYL_dstruct/detail/bitops_impl.h"
#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "platform/exceptions.h"
#include "platform/random.h"

namespace ZYL_dstruct {
namespace {

using detail::disable_cpu_features;

// Runs body once with every kernel variant this CPU offers, the portable
// ones included, and restores the full feature set afterwards.
template <class F>
void for_each_variant(F body) {
  const std::vector<std::pair<const char*, std::uint32_t>> masks = {
      {"best", 0},
      {"without AVX2", detail::kCpuAvx2},
      {"portable", ~0u},
  };
  for (const auto& [name, mask] : masks) {
    SCOPED_TRACE(name);
    disable_cpu_features(mask);
    body();
  }
  disable_cpu_features(0);
}

std::vector<std::uint8_t> random_bytes(std::mt19937& rng, std::size_t n) {
  std::vector<std::uint8_t> v(n);
  for (auto& b : v) b = static_cast<std::uint8_t>(rng());
  return v;
}

// a op b by the definition, one bit at a time.
std::uint8_t reference_op(std::uint8_t a, std::uint8_t b, TLogicOp op) {
  std::uint8_t r = 0;
  for (int k = 0; k < 8; ++k) {
    const bool x = (a >> k) & 1, y = (b >> k) & 1;
    bool z = false;
    switch (op) {
      case TLogicOp::loAND: z = x && y; break;
      case TLogicOp::loOR: z = x || y; break;
      case TLogicOp::loXOR: z = x != y; break;
      case TLogicOp::loANDNot: z = x && !y; break;
      case TLogicOp::loORNot: z = x || !y; break;
      case TLogicOp::loXORNot: z = x == y; break;
    }
    r = static_cast<std::uint8_t>(r | (z << k));
  }
  return r;
}

constexpr TLogicOp kOps[] = {TLogicOp::loAND, TLogicOp::loOR, TLogicOp::loXOR,
                             TLogicOp::loANDNot, TLogicOp::loORNot, TLogicOp::loXORNot};

TEST(BitKernels, EveryVariantMatchesTheDefinition) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  std::vector<std::size_t> lengths;
  for (std::size_t n = 0; n <= 64; ++n) lengths.push_back(n);
  for (int k = 0; k < 20; ++k) lengths.push_back(65 + rng() % 5000);
  const auto buffer = random_bytes(rng, 5100 + 16);
  const auto other = random_bytes(rng, 5100 + 16);
  for_each_variant([&] {
    for (std::size_t n : lengths) {
      for (std::size_t align = 0; align < 16; align += (n > 64 ? 5 : 1)) {
        SCOPED_TRACE("length " + std::to_string(n) + " alignment " + std::to_string(align));
        // The input ends where its heap block ends: the sanitizer build catches
        // any read beyond.
        const std::vector<std::uint8_t> exact(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(align + n));
        const std::uint8_t* p = exact.data() + align;
        ASSERT_EQ(detail::popcount_bytes(p, n), detail::popcount_table(p, n));
        ASSERT_EQ(detail::first_nonzero(p, n), static_cast<std::size_t>(std::find_if(p, p + n, [](auto b) { return b != 0; }) - p));
        for (TLogicOp op : kOps) {
          std::vector<std::uint8_t> a(buffer.begin() + static_cast<std::ptrdiff_t>(align),
                                      buffer.begin() + static_cast<std::ptrdiff_t>(align + n));
          const std::vector<std::uint8_t> b(other.begin(), other.begin() + static_cast<std::ptrdiff_t>(15 - align + n));
          detail::combine_bytes(a.data(), b.data() + (15 - align), n, op);
          for (std::size_t i = 0; i < n; ++i)
            ASSERT_EQ(a[i], reference_op(buffer[align + i], b[15 - align + i], op)) << "byte " << i;
        }
      }
    }
  });
  // A long zero run before the first set byte, at every offset of a block.
  for (std::size_t at = 0; at < 70; ++at) {
    std::vector<std::uint8_t> z(100, 0);
    z[at] = 4;
    EXPECT_EQ(detail::first_nonzero(z.data(), z.size()), at);
  }
}

TEST(BitFld, SizeAndTheLastBit) {
  TBitFld f(nullptr);
  EXPECT_EQ(f.Size(), 1000);
  f.SetBit(1000, true);
  f.SetBit(1001, true);
  f.SetBit(-1, true);
  EXPECT_EQ(f.CountTrueBits(), 1);
  EXPECT_EQ(f.FirstTrueBit(), 1000);
  EXPECT_FALSE(f.GetBit(1001));
  EXPECT_FALSE(f.GetBit(-1));
  f.SetSize(0);
  f.SetSize(-5);
  EXPECT_EQ(f.Size(), 1000);
  f.ToggleBit(1000);
  EXPECT_EQ(f.FirstTrueBit(), -1);
  ZYL_zylbase::TIntArray list{99};
  TBitFld g(nullptr);
  g.SetSize(7);
  g.MakeListOfBits(list, false);
  EXPECT_EQ(list, (ZYL_zylbase::TIntArray{0, 1, 2, 3, 4, 5, 6, 7}));
  g.MakeListOfBits(list, true);
  EXPECT_TRUE(list.empty());
}

TEST(BitFld, GrowingShowsOnlyZeroBits) {
  // Inverting or filling touches the storage bits above Size(); they must not
  // appear when the field grows.
  for (int how = 0; how < 4; ++how) {
    SCOPED_TRACE(how);
    TBitFld f(nullptr);
    f.SetSize(10);
    TBitFld zero(nullptr);
    zero.SetSize(10);
    switch (how) {
      case 0: f.Invert(); break;
      case 1: f.RandomFill(10); break;
      case 2: f.CombineWith(&zero, TLogicOp::loORNot); break;
      default: f.Invert(); f.SetSize(3); break;  // shrinking drops bits 4..10
    }
    const int before = f.CountTrueBits();
    f.SetSize(100);
    EXPECT_EQ(f.CountTrueBits(), before);
    for (int i = std::min(11, f.Size()); i <= 100; ++i) EXPECT_FALSE(f.GetBit(i)) << i;
    if (how == 3) {
      EXPECT_EQ(before, 4);
    }
  }
}

TEST(BitFld, MatchesABoolModelUnderRandomOperations) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  for_each_variant([&] {
    for (int round = 0; round < 30; ++round) {
      const int size = 1 + static_cast<int>(rng() % 700);
      TBitFld f(nullptr), g(nullptr);
      f.SetSize(size);
      g.SetSize(size);
      std::vector<bool> a(static_cast<std::size_t>(size) + 1), b(a.size());
      for (int step = 0; step < 200; ++step) {
        const int ix = static_cast<int>(rng() % static_cast<unsigned>(size + 3)) - 1;
        const bool in = ix >= 0 && ix <= size;
        switch (rng() % 6) {
          case 0: {
            const bool v = rng() % 2;
            f.SetBit(ix, v);
            if (in) a[static_cast<std::size_t>(ix)] = v;
            break;
          }
          case 1:
            g.ToggleBit(ix);
            if (in) b[static_cast<std::size_t>(ix)] = !b[static_cast<std::size_t>(ix)];
            break;
          case 2:
            f.Invert();
            a.flip();
            break;
          case 3: {
            const TLogicOp op = kOps[rng() % 6];
            f.CombineWith(&g, op);
            for (std::size_t i = 0; i < a.size(); ++i)
              a[i] = reference_op(a[i], b[i], op) & 1;
            break;
          }
          case 4:
            g.Clear();
            b.assign(b.size(), false);
            break;
          default:
            g.Assign(&f);
            b = a;
        }
      }
      const auto count = std::count(a.begin(), a.end(), true);
      ASSERT_EQ(f.CountTrueBits(), count);
      const auto first = std::find(a.begin(), a.end(), true);
      ASSERT_EQ(f.FirstTrueBit(), first == a.end() ? -1 : static_cast<int>(first - a.begin()));
      ZYL_zylbase::TIntArray set, clear;
      f.MakeListOfBits(set, true);
      f.MakeListOfBits(clear, false);
      ASSERT_EQ(set.size() + clear.size(), a.size());
      for (int i : set) ASSERT_TRUE(a[static_cast<std::size_t>(i)]);
      for (int i : clear) ASSERT_FALSE(a[static_cast<std::size_t>(i)]);
      ASSERT_TRUE(std::is_sorted(set.begin(), set.end()));
    }
  });
}

TEST(BitFld, CombinationNeedsEqualSizes) {
  TBitFld f(nullptr), g(nullptr);
  g.SetSize(999);
  g.Invert();
  f.CombineWith(&g, TLogicOp::loOR);
  f.CombineWith(nullptr, TLogicOp::loOR);
  EXPECT_EQ(f.CountTrueBits(), 0);
  f.CombineWith(&f, TLogicOp::loXORNot);  // with itself: every bit set
  EXPECT_EQ(f.CountTrueBits(), 1001);
}

TEST(BitFld, RandomFillSetsExactCounts) {
  const std::int32_t saved = zyl::RandSeed;
  zyl::RandSeed = 12345;
  struct Case {
    int size;
    double percent;
    int nbits;  // used when percent < -1000
    int expected;
  };
  const std::vector<Case> cases = {
      {1000, 50.0, 0, 500},  {1000, -1e9, 1000, 1000}, {1000, -1e9, -3, 0},   {1000, -1e9, 5000, 1000},
      {1000, 100.0, 0, 1000}, {1000, 250.0, 0, 1000},  {1000, -7.0, 0, 0},    {5, 50.0, 0, 2},  // 2.5 to even
      {7, 50.0, 0, 4},       {1000, std::nan(""), 0, 0}, {1, 100.0, 0, 1},     {64, -1e9, 33, 33},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("size " + std::to_string(c.size) + " percent " + std::to_string(c.percent) + " nbits " +
                 std::to_string(c.nbits));
    TBitFld f(nullptr);
    f.SetSize(c.size);
    f.SetBit(0, true);
    if (c.percent < -1000)
      f.RandomFill(c.nbits);
    else
      f.RandomFill(c.percent);
    EXPECT_EQ(f.CountTrueBits(), c.expected);
  }
  // Different seeds choose different bits.
  TBitFld a(nullptr), b(nullptr);
  zyl::RandSeed = 1;
  a.RandomFill(300);
  zyl::RandSeed = 2;
  b.RandomFill(300);
  b.CombineWith(&a, TLogicOp::loXOR);
  EXPECT_GT(b.CountTrueBits(), 0);
  zyl::RandSeed = saved;
}

TEST(BitFld, AssignAndClone) {
  TBitFld f(nullptr), g(nullptr);
  f.SetSize(77);
  f.SetBit(77, true);
  g.Assign(&f);
  EXPECT_EQ(g.Size(), 77);
  EXPECT_TRUE(g.GetBit(77));
  TBitFld h(nullptr);
  f.AssignTo(&h);
  EXPECT_EQ(h.FirstTrueBit(), 77);
  h.Clone(nullptr);
  EXPECT_EQ(h.Size(), 77);
  TByteMatrix m(nullptr);
  EXPECT_THROW(f.Assign(&m), zyl::EConvertError);
}

}  // namespace
}  // namespace ZYL_dstruct

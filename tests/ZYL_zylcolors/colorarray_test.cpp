// TColorArray: construction, fills against a reference model, transforms,
// nearest-colour search against the plain distance loop, copying, events.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include "platform/exceptions.h"
#include "platform/random.h"
#include "ZYL_dstruct/fifo.h"
#include "ZYL_zylbase/errors.h"
#include "ZYL_zylcolors/colorarray.h"
#include "ZYL_zylcolors/colorblend.h"
#include "ZYL_zylcolors/keycolors.h"

using namespace ZYL_zylcolors;

namespace {

constexpr TColor rrggbb(std::uint32_t v) { return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF); }

std::vector<TColor> colors_of(const TColorArray& a) {
  std::vector<TColor> v;
  for (int i = 1; i <= a.Size(); ++i) v.push_back(a.GetColorElem(i));
  return v;
}

// An array of the given colours.
void set_colors(TColorArray& a, const std::vector<TColor>& v) {
  a.Resize(static_cast<std::int32_t>(v.size()));
  for (std::size_t i = 0; i < v.size(); ++i) a.SetColorElem(static_cast<std::int32_t>(i + 1), v[i]);
}

struct ChangeCounter {
  int count = 0;
  explicit ChangeCounter(TColorArray& a) {
    a.OnChange = [this, &a](zyl::TObject* Sender) {
      EXPECT_EQ(Sender, &a);
      ++count;
    };
  }
};

// The interpolated fill written out as defined, one extended expression at
// a time, on top of the public InterpolateColor.
std::vector<TColor> reference_fill(int n, int levels, const std::vector<TColor>& keys) {
  std::vector<TColor> out;
  const long double a = static_cast<long double>(keys.size()) - 1;
  for (int i = 1; i <= n; ++i) {
    long double b = i;
    if (levels > 0) {
      const long double c = std::nearbyint(static_cast<long double>(i) / n * levels);
      b = std::nearbyint(c * (static_cast<long double>(n) / levels));
    }
    const long long k = static_cast<long long>(a * (b - 1) / n);
    const long double t = a * b / n - k;
    out.push_back(InterpolateColor(keys[static_cast<std::size_t>(k)], keys[static_cast<std::size_t>(k + 1)],
                                   static_cast<double>(t)));
  }
  return out;
}

TEST(ColorArray, NewArrayHoldsTheRainbowAndItsBackup) {
  TColorArray a(nullptr);
  EXPECT_EQ(a.Size(), 1000);
  EXPECT_EQ(a.GetColorElem(1), rrggbb(0x200040));
  EXPECT_EQ(a.GetColorElem(1000), rrggbb(0x400000));
  const auto before = colors_of(a);
  a.Fill(0);
  a.Restore();
  EXPECT_EQ(colors_of(a), before);
}

TEST(ColorArray, InterpolatedFillMatchesTheDefinedArithmetic) {
  TColorArray a(nullptr);
  a.Resize(2);
  a.FillByInterpolation(0, std::array<TColor, 2>{0x000000, 0xFFFFFF});
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{0x7F7F7F, 0xFFFFFF}));
  // 1/3 and 2/3 arrive as doubles just below their exact values.
  a.Resize(3);
  a.FillByInterpolation(0, std::array<TColor, 2>{rrggbb(0xFF0000), rrggbb(0x0000FF)});
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{rrggbb(0xAA0054), rrggbb(0x5500A9), rrggbb(0x0000FF)}));

  const std::vector<TColor> rainbow(ColorArray_Rainbow.begin(), ColorArray_Rainbow.end());
  const std::vector<TColor> circle(ColorArray_Circle.begin(), ColorArray_Circle.end());
  for (int n : {1, 2, 3, 7, 10, 11, 97, 1000, 4099})
    for (int levels : {-3, 0, 1, 2, 4, 9, 10, 333, 5000})
      for (const auto* keys : {&rainbow, &circle}) {
        SCOPED_TRACE(testing::Message() << "n " << n << " levels " << levels << " keys " << keys->size());
        if (keys->size() - 1 >= static_cast<std::size_t>(n) && levels > 0) continue;  // see the next test
        a.Resize(n);
        a.FillByInterpolation(levels, *keys);
        ASSERT_EQ(colors_of(a), reference_fill(n, levels, *keys));
      }
}

TEST(ColorArray, BandsSingleKeysAndShortArrays) {
  TColorArray a(nullptr);
  ChangeCounter changes(a);
  a.FillByInterpolation(4, ColorArray_Rainbow);
  EXPECT_EQ(changes.count, 1);
  const auto v = colors_of(a);
  EXPECT_LE(std::set<TColor>(v.begin(), v.end()).size(), 5u);
  int runs = 1;
  for (std::size_t i = 1; i < v.size(); ++i) runs += v[i] != v[i - 1];
  EXPECT_LE(runs, 5);
  EXPECT_EQ(v.back(), rrggbb(0x400000));

  a.FillByInterpolation(0, std::array<TColor, 1>{0x123456});
  EXPECT_EQ(colors_of(a), std::vector<TColor>(1000, 0x123456));
  a.FillByInterpolation(0, std::span<const TColor>());  // no key colours: nothing happens
  EXPECT_EQ(colors_of(a), std::vector<TColor>(1000, 0x123456));
  EXPECT_EQ(changes.count, 2);

  // More key colours than positions, with a band rounded down to nothing:
  // position 1 takes the first key colour, never one from before the keys;
  // position 2 has k = 7 and t = 8, clamped to 1: the ninth key colour.
  a.Resize(2);
  a.FillByInterpolation(1, ColorArray_Contrast);
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{ColorArray_Contrast[0], ColorArray_Contrast[8]}));
}

TEST(ColorArray, SizeAndElementAccess) {
  TColorArray a(nullptr);
  ChangeCounter changes(a);
  EXPECT_TRUE(a.Resize(1000));
  EXPECT_FALSE(a.Resize(0));
  EXPECT_FALSE(a.Resize(-5));
  a.SetSize(0);
  EXPECT_EQ(changes.count, 0);
  EXPECT_EQ(a.Size(), 1000);

  const TColor first = a.GetColorElem(1), last = a.GetColorElem(1000);
  EXPECT_EQ(a.GetColorElem(0), first);
  EXPECT_EQ(a.GetColorElem(-7), first);
  EXPECT_EQ(a.GetColorElem(1005), last);
  a.SetColorElem(0, 0xABCDEF);
  a.SetColorElem(1001, 0xABCDEF);
  EXPECT_EQ(changes.count, 0);
  a.SetColorElem(1000, 0xABCDEF);
  EXPECT_EQ(changes.count, 1);

  a.SetSize(1002);  // grows: old colours stay, new ones are black
  EXPECT_EQ(changes.count, 2);
  EXPECT_EQ(a.GetColorElem(1000), 0xABCDEFu);
  EXPECT_EQ(a.GetColorElem(1001), 0u);
  a.Restore();  // the backup grew with the colours
  EXPECT_EQ(a.GetColorElem(1), first);
  EXPECT_EQ(a.GetColorElem(1000), last);
  EXPECT_EQ(a.GetColorElem(1002), 0u);
}

TEST(ColorArray, ResizeBeyondMemoryRaisesTheComponentError) {
  // 2^31 - 1 colours in two arrays: more than a 32-bit process can address.
  // A 64-bit process would really try to claim 16 GiB.
  if (sizeof(void*) > 4) GTEST_SKIP() << "only a 32-bit process fails this allocation at once";
  TColorArray a(nullptr);
  a.SetName(u"Palette");
  try {
    a.Resize(0x7FFFFFFF);
    ADD_FAILURE() << "16 GiB allocated in a 32-bit process";
  } catch (const ZYL_zylbase::EZYLColArrayError& e) {
    EXPECT_EQ(e.Message(), u"Component \"Palette\": not enough memory");
    EXPECT_EQ(a.Size(), 1000);
  }
}

// Which operations fire OnChange, and how often: every row of the
// interface table.
TEST(ColorArray, ChangeEventsOfEveryOperation) {
  TColorArray other(nullptr);
  other.Resize(5);
  struct Row {
    const char* label;
    std::function<void(TColorArray&)> op;
    int changes;
  } rows[] = {
      {"Assign", [&](TColorArray& a) { a.Assign(&other); }, 0},
      {"AssignTo", [&](TColorArray& a) { a.AssignTo(&other); }, 0},
      {"IsEqual", [&](TColorArray& a) { (void)a.IsEqual(&other); }, 0},
      {"GetColorElem", [](TColorArray& a) { (void)a.GetColorElem(3); }, 0},
      {"SetColorElem in range", [](TColorArray& a) { a.SetColorElem(3, 1); }, 1},
      {"SetColorElem out of range", [](TColorArray& a) { a.SetColorElem(11, 1); }, 0},
      {"SetSize to another size", [](TColorArray& a) { a.SetSize(12); }, 1},
      {"SetSize to the same size", [](TColorArray& a) { a.SetSize(10); }, 0},
      {"Resize to another size", [](TColorArray& a) { (void)a.Resize(3); }, 1},
      {"Resize to 0", [](TColorArray& a) { (void)a.Resize(0); }, 0},
      {"Fill", [](TColorArray& a) { a.Fill(7); }, 1},
      {"FillByInterpolation", [](TColorArray& a) { a.FillByInterpolation(3, ColorArray_Geo1); }, 1},
      {"LogTransform", [](TColorArray& a) { a.LogTransform(0.5); }, 1},
      {"ColorToIndex", [](TColorArray& a) { double d; (void)a.ColorToIndex(5, d); }, 0},
      {"CopyFrom", [&](TColorArray& a) { a.CopyFrom(&other, 1, 5, 2); }, 1},
      {"MirrorColors", [](TColorArray& a) { a.MirrorColors(); }, 1},
      {"InvertColors", [](TColorArray& a) { a.InvertColors(); }, 1},
      {"ReverseRGB", [](TColorArray& a) { a.ReverseRGB(); }, 1},
      {"Backup", [](TColorArray& a) { a.Backup(); }, 0},
      {"Restore", [](TColorArray& a) { a.Restore(); }, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    TColorArray a(nullptr);
    a.Resize(10);
    ChangeCounter changes(a);
    row.op(a);
    EXPECT_EQ(changes.count, row.changes);
  }
}

TEST(ColorArray, Transformations) {
  TColorArray a(nullptr);
  set_colors(a, {0x010203, 0x040506, 0x070809});
  ChangeCounter changes(a);
  a.MirrorColors();
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{0x070809, 0x040506, 0x010203}));
  a.MirrorColors();
  a.InvertColors();
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{0xFEFDFC, 0xFBFAF9, 0xF8F7F6}));
  a.ReverseRGB();
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{0xFCFDFE, 0xF9FAFB, 0xF6F7F8}));
  EXPECT_EQ(changes.count, 4);
  a.Backup();
  EXPECT_EQ(changes.count, 4);

  set_colors(a, {1, 2, 3, 4});
  a.MirrorColors();
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{4, 3, 2, 1}));
}

TEST(ColorArray, LogTransform) {
  TColorArray a(nullptr);
  std::vector<TColor> ramp(10);
  for (TColor i = 0; i < 10; ++i) ramp[i] = i + 1;
  set_colors(a, ramp);
  a.LogTransform(0);
  EXPECT_EQ(colors_of(a), ramp);
  a.LogTransform(-2);  // clamped to 0
  EXPECT_EQ(colors_of(a), ramp);
  // j = round(ln(i) * 10 / ln(10)) + 1 for gamma 1: 1, 4, 6, 7, 8, 9, 9, 10, 11 -> 10, 11 -> 10.
  a.LogTransform(1);
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{1, 4, 6, 7, 8, 9, 9, 10, 10, 10}));
  set_colors(a, ramp);
  a.LogTransform(0.5);  // j = round(ln(i) * 5 / ln(10) + (i - 1) / 2) + 1
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{1, 3, 4, 6, 6, 7, 8, 9, 10, 10}));

  set_colors(a, {0x42});
  ChangeCounter changes(a);
  a.LogTransform(1);  // ln(1) / ln(1): the one colour stays
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{0x42}));
  EXPECT_EQ(changes.count, 1);
}

TEST(ColorArray, NearestColorEqualsThePlainDistanceLoop) {
  TColorArray a(nullptr);
  a.Fill(0xFFFFFF);
  double d = 0;
  EXPECT_EQ(a.ColorToIndex(0x000000, d), 1);  // every entry at distance exactly 1
  EXPECT_EQ(d, 1.0);
  a.SetColorElem(500, 0x000001);
  a.SetColorElem(700, 0x000001);
  EXPECT_EQ(a.ColorToIndex(0xFF000000, d), 500);  // ties: the lowest position; top byte ignored
  EXPECT_DOUBLE_EQ(d, std::sqrt(1.0 / 195075));

  const std::uint32_t seed = std::random_device{}();
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  std::mt19937 gen(seed);
  a.FillByInterpolation(0, ColorArray_Rainbow);
  for (int round = 0; round < 3; ++round) {
    if (round == 1) a.FillByInterpolation(7, ColorArray_Contrast);
    if (round == 2)
      for (int i = 1; i <= 1000; ++i) a.SetColorElem(i, gen() & 0xFFFFFFFF);
    for (int n = 0; n < 300; ++n) {
      const TColor cl = gen();
      double best = 1;
      int best_pos = 1;
      for (int i = 1; i <= a.Size(); ++i) {
        const double dist = RGBColorDistance(cl, a.GetColorElem(i));
        if (dist < best) best = dist, best_pos = i;
      }
      ASSERT_EQ(a.ColorToIndex(cl, d), best_pos) << std::hex << cl;
      ASSERT_EQ(d, best);
    }
  }
  // Short arrays and arrays of few distinct colours: ties everywhere, in
  // whole blocks of sixteen and in the positions after them.
  for (int n : {1, 2, 15, 16, 17, 31, 32, 33, 47}) {
    a.Resize(n);
    for (int round = 0; round < 50; ++round) {
      for (int i = 1; i <= n; ++i) a.SetColorElem(i, (gen() % 4) * 0x404040);
      const TColor cl = (gen() % 5) * 0x303030;
      int best_pos = 1;
      double best = 1;
      for (int i = 1; i <= n; ++i)
        if (RGBColorDistance(cl, a.GetColorElem(i)) < best) best = RGBColorDistance(cl, a.GetColorElem(i)), best_pos = i;
      ASSERT_EQ(a.ColorToIndex(cl, d), best_pos) << "n " << n;
      ASSERT_EQ(d, best);
    }
  }
}

TEST(ColorArray, CopyFromClampsExchangesAndSkips) {
  TColorArray src(nullptr), dst(nullptr);
  set_colors(src, {1, 2, 3, 4, 5});
  set_colors(dst, {0, 0, 0, 0, 0, 0});
  ChangeCounter changes(dst);
  dst.CopyFrom(nullptr, 1, 5, 1);
  EXPECT_EQ(changes.count, 0);
  dst.CopyFrom(&src, 4, 2, 5);  // exchanged to 2..4; position 7 skipped
  EXPECT_EQ(colors_of(dst), (std::vector<TColor>{0, 0, 0, 0, 2, 3}));
  dst.CopyFrom(&src, -10, 99, -1);  // clamped to 1..5 at -1..3: only 1..3 stored
  EXPECT_EQ(colors_of(dst), (std::vector<TColor>{3, 4, 5, 0, 2, 3}));
  EXPECT_EQ(changes.count, 2);
  // Within one array the range is read before it is overwritten.
  src.CopyFrom(&src, 1, 4, 2);
  EXPECT_EQ(colors_of(src), (std::vector<TColor>{1, 1, 2, 3, 4}));
}

TEST(ColorArray, AssignCopiesColorsAndBackupOnly) {
  TColorArray a(nullptr), b(nullptr);
  set_colors(a, {7, 8, 9});
  a.Backup();
  a.SetColorElem(1, 70);
  int b_changes = 0;
  b.OnChange = [&](zyl::TObject*) { ++b_changes; };
  b.Assign(&a);
  EXPECT_EQ(b_changes, 0);
  EXPECT_TRUE(b.IsEqual(&a));
  EXPECT_TRUE(a.IsEqual(&b));
  b.Restore();
  EXPECT_EQ(colors_of(b), (std::vector<TColor>{7, 8, 9}));
  EXPECT_FALSE(b.IsEqual(&a));
  EXPECT_FALSE(a.IsEqual(nullptr));
  EXPECT_FALSE(a.OnChange);  // the handler is not copied

  TColorArray c(nullptr);
  a.AssignTo(&c);
  EXPECT_TRUE(c.IsEqual(&a));
  ZYL_dstruct::TFifo fifo(nullptr);
  EXPECT_THROW(c.Assign(&fifo), zyl::EConvertError);
  EXPECT_THROW(a.AssignTo(&fifo), zyl::EConvertError);
  set_colors(c, {7, 8});
  set_colors(b, {7, 8, 0});
  EXPECT_FALSE(c.IsEqual(&b));  // sizes differ
}

}  // namespace

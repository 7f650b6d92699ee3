#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/stringarray.h"

namespace ZYL_dstruct {
namespace {

std::vector<std::string> column(const TStringArray& a, int c) {
  std::vector<std::string> v;
  for (int r = 1; r <= a.NrOfRows(); ++r) v.push_back(a.GetString(c, r));
  return v;
}

std::vector<int> order(const TStringArray& a) {
  std::vector<int> v;
  for (int r = 1; r <= a.NrOfRows(); ++r) v.push_back(a.GetSortOrder(r));
  return v;
}

void fill_column(TStringArray& a, int c, const std::vector<std::string>& texts) {
  if (a.NrOfRows() < static_cast<int>(texts.size())) {
    ASSERT_TRUE(a.Resize(std::max(a.NrOfColumns(), c), static_cast<int>(texts.size())));
  }
  for (std::size_t i = 0; i < texts.size(); ++i) a.SetString(c, static_cast<int>(i) + 1, texts[i]);
}

TEST(StringArraySort, SortsTheIndexUnSortAndCommit) {
  TStringArray a(nullptr);
  fill_column(a, 1, {"b", "A", "c"});
  a.Sort(1, 0, true);
  EXPECT_EQ(column(a, 1), (std::vector<std::string>{"A", "b", "c"}));
  EXPECT_EQ(order(a), (std::vector<int>{2, 1, 3}));
  a.UnSort();
  EXPECT_EQ(column(a, 1), (std::vector<std::string>{"b", "A", "c"}));
  a.Sort(1, 0, false);
  EXPECT_EQ(column(a, 1), (std::vector<std::string>{"c", "b", "A"}));
  a.CommitSorting();
  EXPECT_EQ(order(a), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(column(a, 1), (std::vector<std::string>{"c", "b", "A"}));
}

TEST(StringArraySort, KeysFoldAsciiOnlyAndCompareByCode) {
  TStringArray a(nullptr);
  fill_column(a, 1, {"\xE9t\xE9", "Zebra", "apple", "\xC9T\xC9", "", "Apple2", "B"});
  a.Sort(1, 0, true);
  // Ordinal order of the lower-cased keys: "" < apple < apple2 < b < zebra < \xC9 < \xE9.
  EXPECT_EQ(column(a, 1),
            (std::vector<std::string>{"", "apple", "Apple2", "B", "Zebra", "\xC9T\xC9", "\xE9t\xE9"}));
}

TEST(StringArraySort, SecondaryColumnDecidesTies) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(2, 4));
  fill_column(a, 1, {"x", "a", "X", "a"});
  fill_column(a, 2, {"2", "9", "1", "3"});
  a.Sort(1, 2, true);
  EXPECT_EQ(column(a, 2), (std::vector<std::string>{"3", "9", "1", "2"}));
  a.Sort(1, 2, false);
  EXPECT_EQ(column(a, 2), (std::vector<std::string>{"2", "1", "9", "3"}));
  a.UnSort();
  a.Sort(0, 0, true);  // an all-empty key column exchanges nothing
  EXPECT_EQ(order(a), (std::vector<int>{1, 2, 3, 4}));
  a.Sort(7, 0, true);  // nor does a column beyond the array
  EXPECT_EQ(order(a), (std::vector<int>{1, 2, 3, 4}));
  a.Sort(7, 2, true);  // its empty keys all tie: the secondary column decides
  EXPECT_EQ(order(a), (std::vector<int>{3, 1, 4, 2}));
}

// The comb sort exactly as described, over the keys as given: the reference
// for the order of equal keys, which an unstable sort makes visible.
std::vector<int> reference_comb_sort(const std::vector<std::string>& primary, const std::vector<std::string>& secondary,
                                     bool use_secondary, bool ascending) {
  auto lower = [](std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return s;
  };
  const int n = static_cast<int>(primary.size());
  std::vector<int> ix(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) ix[static_cast<std::size_t>(i)] = i + 1;
  auto key = [&](const std::vector<std::string>& col, int row) {
    return lower(col[static_cast<std::size_t>(row - 1)]);
  };
  int g = n;
  bool swapped = false;
  if (n > 1) do {
      g = static_cast<int>(std::trunc(static_cast<long double>(g) / 1.3L));
      if (g == 0) g = 1;
      swapped = false;
      for (int i = 1; i + g <= n; ++i) {
        const int a = ix[static_cast<std::size_t>(i - 1)], b = ix[static_cast<std::size_t>(i + g - 1)];
        int c = key(primary, a).compare(key(primary, b));
        if (c == 0 && use_secondary) c = key(secondary, a).compare(key(secondary, b));
        if (ascending ? c > 0 : c < 0) {
          std::swap(ix[static_cast<std::size_t>(i - 1)], ix[static_cast<std::size_t>(i + g - 1)]);
          swapped = true;
        }
      }
    } while (g != 1 || swapped);
  return ix;
}

TEST(StringArraySort, ExchangesExactlyAsTheCombSortDoes) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  for (int n : {2, 3, 13, 26, 100, 1000}) {
    for (int variant = 0; variant < 4; ++variant) {
      // Few distinct keys (many ties) of varied length, shared long prefixes
      // on both sides of the sixteen bytes compared first, trailing zeros.
      std::vector<std::string> p, s;
      for (int i = 0; i < n; ++i) {
        p.push_back(std::string(rng() % 20, 'q') + static_cast<char>("aAbB"[rng() % 4]) + std::string(rng() % 2, '\0'));
        s.push_back(std::to_string(rng() % 3));
      }
      const bool ascending = variant % 2 == 0;
      const bool use_secondary = variant >= 2;
      TStringArray a(nullptr);
      ASSERT_TRUE(a.Resize(2, n));
      fill_column(a, 1, p);
      fill_column(a, 2, s);
      a.Sort(1, use_secondary ? 2 : 0, ascending);
      ASSERT_EQ(order(a), reference_comb_sort(p, s, use_secondary, ascending))
          << "n " << n << " ascending " << ascending << " secondary " << use_secondary;
      // The same keys handed through a hook that keeps them: the other path
      // compares afresh each time and must exchange the same way.
      TStringArray h(nullptr);
      h.Assign(&a);
      h.UnSort();
      h.OnBeforeSortExchange = [](zyl::TObject*, const String&, String&) {};
      h.Sort(1, use_secondary ? 2 : 0, ascending);
      ASSERT_EQ(order(h), order(a));
    }
  }
}

TEST(StringArraySort, HookReplacesEveryKeyCompared) {
  TStringArray a(nullptr);
  fill_column(a, 1, {"10", "9", "100", "1"});
  int calls = 0;
  int comparisons = 0;
  a.OnBeforeSortExchange = [&](zyl::TObject* sender, const String& in, String& out) {
    EXPECT_EQ(sender, &a);
    EXPECT_EQ(out, in) << "the key arrives unchanged";
    ++calls;
    out = String(5 - in.size(), u'0') + in;  // numeric order
  };
  a.OnPercentDone = [&](zyl::TObject*, std::int32_t) {};
  a.Sort(1, 0, true);
  EXPECT_EQ(column(a, 1), (std::vector<std::string>{"1", "9", "10", "100"}));
  // n = 4: gaps 3, 2, 1, then gap-1 passes until one exchanges nothing.
  const auto ref = reference_comb_sort({"00010", "00009", "00100", "00001"}, {}, false, true);
  EXPECT_EQ(order(a), ref);
  comparisons = 1 + 2 + 3 * 2;  // a second gap-1 pass confirms the order
  EXPECT_EQ(calls, 2 * comparisons);
}

TEST(StringArraySort, ReportsProgressPerPass) {
  struct Case {
    std::vector<std::string> keys;
    std::vector<int> percents;
  } cases[] = {
      // n = 3: E = (3-2) + (3-1) + 3 = 6; passes of 1, 2, 2 comparisons.
      {{"b", "A", "c"}, {0, 17, 50, 83, 100}},
      // n = 8, sorted: E = 2+4+5+6+7+8 = 32; 100*c/32 for c = 2, 6, 11, 17, 24.
      {{"1", "2", "3", "4", "5", "6", "7", "8"}, {0, 6, 19, 34, 53, 75, 100}},
      // One row: nothing to sort, still 0 and 100.
      {{"x"}, {0, 100}},
  };
  for (const Case& c : cases) {
    TStringArray a(nullptr);
    fill_column(a, 1, c.keys);
    std::vector<int> seen;
    int changes = 0;
    a.OnPercentDone = [&](zyl::TObject* s, std::int32_t p) {
      EXPECT_EQ(s, &a);
      seen.push_back(p);
    };
    a.OnChange = [&](zyl::TObject*) { ++changes; };
    a.Sort(1, 0, true);
    EXPECT_EQ(seen, c.percents) << c.keys.size() << " rows";
    EXPECT_EQ(changes, c.keys.size() > 1 ? 1 : 0);
  }
}

TEST(StringArraySort, PercentsRoundHalfToEven) {
  // Every report against round-half-even of the exact ratio, for reversed
  // input of many sizes (several gap-1 passes; 8 rows give 12.5 and 62.5).
  for (int n = 2; n <= 64; ++n) {
    TStringArray a(nullptr);
    ASSERT_TRUE(a.Resize(1, n));
    for (int r = 1; r <= n; ++r) a.SetString(1, r, std::to_string(1000 - r));
    long long estimate = 0;
    for (int g = n;;) {
      g = std::max(1, static_cast<int>(std::trunc(static_cast<long double>(g) / 1.3L)));
      estimate += n - g;
      if (g == 1) break;
    }
    estimate += n;
    std::vector<int> seen;
    a.OnPercentDone = [&](zyl::TObject*, std::int32_t p) { seen.push_back(p); };
    a.Sort(1, 0, true);
    ASSERT_GE(seen.size(), 3u);
    std::vector<int> expect{0};
    long long comparisons = 0;
    for (int g = n; expect.size() + 1 < seen.size();) {
      g = std::max(1, static_cast<int>(std::trunc(static_cast<long double>(g) / 1.3L)));
      comparisons += n - g;
      const long double ratio = 100.0L * comparisons / estimate;
      const long double whole = std::floor(ratio);
      int r = static_cast<int>(whole);
      if (ratio - whole > 0.5L || (ratio - whole == 0.5L && r % 2 != 0)) ++r;
      expect.push_back(r);
    }
    expect.push_back(100);
    ASSERT_EQ(seen, expect) << n << " rows";
  }
}

}  // namespace
}  // namespace ZYL_dstruct

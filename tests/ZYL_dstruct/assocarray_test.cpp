#include "ZYL_dstruct/assocarray.h"

#include <map>
#include <random>

#include <gtest/gtest.h>

#include "ZYL_dstruct/stringaccu.h"
#include "platform/exceptions.h"
#include "platform/numtext.h"

namespace ZYL_dstruct {
namespace {

// -- TStringAccu ------------------------------------------------------------------------

TEST(StringAccu, CountsInOrderOfFirstAppearance) {
  TStringAccu acc(nullptr);
  for (const char16_t* s : {u"a", u"b", u"a", u"A"}) acc.Add(s);
  EXPECT_EQ(acc.Size(), 3);
  const std::pair<String, int> expect[] = {{u"a", 2}, {u"b", 1}, {u"A", 1}};
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(acc.GetString(i), expect[i - 1].first);
    EXPECT_EQ(acc.GetCount(i), expect[i - 1].second);
  }
  EXPECT_EQ(acc.GetString(0), u"");
  EXPECT_EQ(acc.GetCount(4), 0);
  acc.Clear();
  EXPECT_EQ(acc.Size(), 0);
  EXPECT_EQ(acc.GetString(1), u"");
}

TEST(StringAccu, MatchesAMapOfCounts) {
  std::mt19937 rng(11);
  TStringAccu acc(nullptr);
  std::map<String, int> counts;
  std::vector<String> first_seen;
  for (int i = 0; i < 5000; ++i) {
    const String w(1 + rng() % 3, static_cast<char16_t>(u'a' + rng() % 4));
    acc.Add(w);
    if (counts[w]++ == 0) first_seen.push_back(w);
  }
  ASSERT_EQ(acc.Size(), static_cast<int>(first_seen.size()));
  for (int i = 1; i <= acc.Size(); ++i) {
    EXPECT_EQ(acc.GetString(i), first_seen[static_cast<std::size_t>(i - 1)]);
    EXPECT_EQ(acc.GetCount(i), counts[acc.GetString(i)]);
  }
}

// -- TAssocArray ------------------------------------------------------------------------

TEST(AssocArray, IgnoreCaseStoresLowerCaseKeys) {
  TAssocArray a(nullptr);
  EXPECT_TRUE(a.IgnoreCase());
  EXPECT_EQ(a.Granularity(), 1024);
  EXPECT_EQ(a.capacity(), 1024);
  a.Add(u"Key", 1);
  a.Add(u"KEY", 2);
  EXPECT_EQ(a.NumEntries(), 1);
  EXPECT_EQ(a.GetKeys(1), u"key");
  EXPECT_EQ(a.Resolve(u"kEy").AsInteger(), 2);
  a.Add(u"\u00C4rger", 3);  // only A-Z fold
  EXPECT_TRUE(a.Resolve(u"\u00E4rger").IsNull());
  EXPECT_EQ(a.GetKeys(2), u"\u00C4rger");

  TAssocArray b(nullptr);
  b.SetIgnoreCase(false);
  b.Add(u"Key", 1);
  b.Add(u"KEY", 2);
  EXPECT_EQ(b.NumEntries(), 2);
  EXPECT_TRUE(b.Resolve(u"key").IsNull());
  EXPECT_EQ(b.Resolve(u"KEY").AsInteger(), 2);
}

TEST(AssocArray, KeysSetByIndexAreFoundFoldedUnderIgnoreCase) {
  TAssocArray a(nullptr);
  a.Add(u"x", 1);
  a.SetKeys(1, u"MiXed");  // stored as given
  EXPECT_EQ(a.GetKeys(1), u"MiXed");
  EXPECT_EQ(a.Resolve(u"MIXED").AsInteger(), 1);
  a.SetKeys(0, u"ignored");
  a.SetKeys(2, u"ignored");
  EXPECT_EQ(a.NumEntries(), 1);
}

TEST(AssocArray, RemoveMovesTheLastEntryIntoTheGap) {
  TAssocArray a(nullptr);
  a.Add(u"one", 1);
  a.Add(u"two", 2);
  a.Add(u"three", 3);
  EXPECT_FALSE(a.Remove(u"four"));
  EXPECT_TRUE(a.Remove(u"ONE"));
  ASSERT_EQ(a.NumEntries(), 2);
  EXPECT_EQ(a.GetKeys(1), u"three");
  EXPECT_EQ(a.GetKeys(2), u"two");
  EXPECT_TRUE(a.Remove(u"two"));  // the last entry itself
  EXPECT_EQ(a.NumEntries(), 1);
  EXPECT_EQ(a.GetKeys(1), u"three");
}

TEST(AssocArray, MissingKeysAndIndicesGiveNeutralValues) {
  TAssocArray a(nullptr);
  a.Add(u"k", u"v");
  EXPECT_TRUE(a.Resolve(u"none").IsNull());
  EXPECT_EQ(a.ResolveAsString(u"none"), u"");
  EXPECT_EQ(a.ResolveAsNumber(u"none"), 0);
  EXPECT_EQ(a.ResolveAsInt(u"none"), 0);
  const Variant v0 = a.GetValues(0);
  EXPECT_EQ(v0.VarType(), zyl::varUString) << "a variant holding the empty string, not null";
  EXPECT_EQ(v0.AsString(), u"");
  EXPECT_EQ(a.GetValues(2).AsString(), u"");
  EXPECT_EQ(a.GetKeys(0), u"");
  a.SetValues(5, 1);
  a.SetValues(1, 7);
  EXPECT_EQ(a.ResolveAsInt(u"k"), 7);
}

TEST(AssocArray, ResolvesAsNumber) {
  struct Case {
    const char* label;
    Variant value;
    long double expect;
  } cases[] = {
      {"string with comma", Variant(String(u"3,25")), 3.25L},
      {"string with trailing text", Variant(String(u"12abc")), 12},
      {"not a number", Variant(String(u"abc")), 0},
      {"exponent", Variant(String(u" -1.5e2x")), -150},
      {"exponent marker without digits", Variant(String(u"1E")), 1},
      {"exponent sign without digits", Variant(String(u"2.5e+")), 2.5L},
      {"8-bit string", Variant(zyl::AnsiString("7.5")), 7.5L},
      {"huge exponent clamps", Variant(String(u"1e99999")), 1.7e308},
      {"boolean", Variant(true), 0},
      {"date", Variant::Date(45000.5), 0},
      {"null", Variant::Null(), 0},
      {"integer", Variant(std::int32_t{-42}), -42},
      {"byte", Variant(std::uint8_t{200}), 200},
      {"uint64", Variant(std::uint64_t{1} << 63), 9223372036854775808.0L},
      {"single", Variant(0.5f), 0.5L},
      {"double", Variant(0.1), 0.1},
      {"currency", Variant::Currency(12.3456), 12.3456},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TAssocArray a(nullptr);
    a.Add(u"k", c.value);
    EXPECT_EQ(a.ResolveAsNumber(u"k"), c.expect);
  }
}

TEST(AssocArray, ResolvesAsInt) {
  struct Case {
    const char* label;
    Variant value;
    std::int32_t expect;
  } cases[] = {
      {"double half to even", Variant(2.5), 2},
      {"double half to even, odd", Variant(3.5), 4},
      {"single", Variant(-1.5f), -2},
      {"double beyond 32 bits is limited", Variant(1e20), 2147483647},
      {"string with trailing text", Variant(String(u"-17 apples")), -17},
      {"blanks and plus", Variant(String(u"   +8")), 8},
      {"only blanks", Variant(String(u"   ")), 0},
      {"no digits", Variant(String(u"x1")), 0},
      {"string wraps in 32 bits", Variant(String(u"4294967297")), 1},
      {"fraction cut", Variant(String(u"3.9")), 3},
      {"currency", Variant::Currency(5), 0},
      {"boolean", Variant(true), 0},
      {"date", Variant::Date(3), 0},
      {"smallint", Variant(std::int16_t{-300}), -300},
      {"longword", Variant(std::uint32_t{7}), 7},
      {"int64 in range", Variant(std::int64_t{-5}), -5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TAssocArray a(nullptr);
    a.Add(u"k", c.value);
    EXPECT_EQ(a.ResolveAsInt(u"k"), c.expect);
  }
  TAssocArray a(nullptr);
  a.Add(u"big", std::int64_t{1} << 40);
  EXPECT_THROW((void)a.ResolveAsInt(u"big"), zyl::EVariantError) << "the variant conversion's own error";
}

TEST(AssocArray, ResolvesAsString) {
  TAssocArray a(nullptr);
  a.Add(u"b", true);
  a.Add(u"d", 2.5);
  a.Add(u"e", Variant());
  a.Add(u"n", Variant::Null());
  EXPECT_EQ(a.ResolveAsString(u"b"), u"True");
  EXPECT_EQ(a.ResolveAsString(u"d"), u"2.5");
  EXPECT_EQ(a.ResolveAsString(u"e"), u"");
  EXPECT_EQ(a.ResolveAsString(u"n"), u"") << "a stored null reads as missing";
}

TEST(AssocArray, CapacityGrowsByGranularity) {
  TAssocArray a(nullptr);
  a.SetGranularity(4);
  a.Clear();
  EXPECT_EQ(a.capacity(), 4);
  for (int i = 0; i < 5; ++i) a.Add(String(1, static_cast<char16_t>(u'a' + i)), i);
  EXPECT_EQ(a.capacity(), 5 + 4) << "the new entry count plus the granularity";

  TAssocArray b(nullptr);
  b.Assign(&a);
  EXPECT_EQ(b.capacity(), 5);
  EXPECT_EQ(b.Granularity(), 4);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(b.GetKeys(i), a.GetKeys(i));
    EXPECT_EQ(b.GetValues(i).AsInteger(), a.GetValues(i).AsInteger());
  }
  b.Add(u"f", 5);
  EXPECT_EQ(b.capacity(), 6 + 4);
  EXPECT_EQ(a.NumEntries(), 5) << "copies are independent";

  // Many additions: each value stays where it was put.
  TAssocArray c(nullptr);
  c.SetGranularity(1);
  for (int i = 0; i < 20000; ++i) c.Add(zyl::IntToStr(i), std::int32_t{i});
  ASSERT_EQ(c.NumEntries(), 20000);
  EXPECT_EQ(c.ResolveAsInt(u"19999"), 19999);
  EXPECT_EQ(c.GetValues(12345).AsInteger(), 12344);
}

TEST(AssocArray, AssignFromOtherClassesFails) {
  TAssocArray a(nullptr);
  a.SetDataID(u"id");
  a.SetIgnoreCase(false);
  TAssocArray b(nullptr);
  a.AssignTo(&b);
  EXPECT_EQ(b.DataID(), u"id");
  EXPECT_FALSE(b.IgnoreCase());
  TStringAccu acc(nullptr);
  EXPECT_THROW(a.Assign(&acc), zyl::EConvertError);
  EXPECT_THROW(a.AssignTo(&acc), zyl::EConvertError);
}

}  // namespace
}  // namespace ZYL_dstruct

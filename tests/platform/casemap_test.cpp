#include "platform/casemap.h"

#include <gtest/gtest.h>

#include "platform/pos.h"

namespace zyl {
namespace {

TEST(CaseMap, AsciiOnlyFunctions) {
  EXPECT_EQ(LowerCase(u"AZaz@[ÄÉ"), u"azaz@[ÄÉ");
  EXPECT_EQ(UpperCase(u"azAZ`{äé"), u"AZAZ`{äé");
}

TEST(CaseMap, SimpleMappingSamples) {
  struct Case {
    const char* label;
    Char c;
    Char upper;
    Char lower;
  };
  const Case cases[] = {
      {"ascii", u'a', u'A', u'a'},
      {"latin-1 small", u'é', u'É', u'é'},
      {"latin-1 capital", u'Ö', u'Ö', u'ö'},
      {"sharp s has no one-letter upper case", u'ß', u'ß', u'ß'},
      {"y with diaeresis goes beyond latin-1", u'ÿ', u'Ÿ', u'ÿ'},
      {"micro sign upper-cases to Greek mu", u'µ', u'Μ', u'µ'},
      {"dotless i", u'ı', u'I', u'ı'},
      {"capital I with dot lowers to i", u'İ', u'İ', u'i'},
      {"greek final sigma", u'ς', u'Σ', u'ς'},
      {"cyrillic", u'Ж', u'Ж', u'ж'},
      {"latin extended-A pair", u'Ł', u'Ł', u'ł'},
      {"fullwidth", u'ａ', u'Ａ', u'ａ'},
      {"no case", u'1', u'1', u'1'},
      {"surrogate unchanged", u'\xd801', u'\xd801', u'\xd801'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(AnsiUpperCase(String(1, c.c)), String(1, c.upper));
    EXPECT_EQ(AnsiLowerCase(String(1, c.c)), String(1, c.lower));
  }
}

TEST(CaseMap, EveryMappingKeepsToTheBmpAndRoundTripsLetterPairs) {
  // For every code unit whose upper case differs, lowering that upper case
  // must give a character whose upper case is the same again.
  for (unsigned c = 0; c < 0x10000; ++c) {
    const auto ch = static_cast<Char>(c);
    const Char up = detail::simple_upper(ch);
    if (up != ch) {
      ASSERT_EQ(detail::simple_upper(detail::simple_lower(up)), up) << std::hex << c;
    }
  }
}

TEST(CaseMap, Comparison) {
  EXPECT_EQ(AnsiStrIComp(u"Ärger", u"äRGER"), 0);
  EXPECT_LT(AnsiStrIComp(u"abc", u"ABD"), 0);
  EXPECT_GT(AnsiStrIComp(u"abd", u"ABC"), 0);
  EXPECT_LT(AnsiStrIComp(u"ab", u"abc"), 0);
  EXPECT_EQ(AnsiStrIComp(String(u"a\0x", 3), u"A"), 0);
  EXPECT_EQ(AnsiStrLIComp(u"abcX", u"ABCy", 3), 0);
  EXPECT_NE(AnsiStrLIComp(u"abcX", u"ABCy", 4), 0);
  EXPECT_EQ(AnsiStrLIComp(u"a", u"b", 0), 0);
}

TEST(Pos, Positions) {
  EXPECT_EQ(Pos(u"b", u"abcb"), 2);
  EXPECT_EQ(Pos(u"", u"abc"), 0);
  EXPECT_EQ(PosEx(u"b", u"abcb", 3), 4);
  EXPECT_EQ(PosEx(u"b", u"abcb", 5), 0);
  EXPECT_EQ(PosEx(u"b", u"abcb", 0), 0);
}

}  // namespace
}  // namespace zyl

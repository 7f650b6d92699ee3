#include <gtest/gtest.h>

#include "ZYL_stringl/charlist.h"
#include "ZYL_stringl/search.h"

namespace ZYL_stringl {
namespace {

struct IntCase {
  const char* label;
  int got;
  int want;
};

void check(std::initializer_list<IntCase> cases) {
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(Search, NumberedPos) {
  check({
      {"second", NumberedPos(u"ab", u"xxabab", 1, false, 2), 5},
      {"too few", NumberedPos(u"ab", u"xxabab", 1, false, 3), 0},
      {"start inside the first", NumberedPos(u"ab", u"xxabab", 4, false, 1), 5},
      {"start below 1 counts as 1", NumberedPos(u"ab", u"abab", -5, false, 1), 1},
      {"start past the end", NumberedPos(u"ab", u"abab", 9, false, 1), 0},
      {"no overlap", NumberedPos(u"aa", u"aaaa", 1, false, 2), 3},
      {"n below 1", NumberedPos(u"a", u"aaa", 1, false, 0), 0},
      {"case ignored", NumberedPos(u"AB", u"xAbab", 1, true, 2), 4},
      {"case respected", NumberedPos(u"AB", u"xAbab", 1, false, 1), 0},
      {"empty sub", NumberedPos(u"", u"abc", 1, false, 1), 0},
  });
}

TEST(Search, NumberedPosBackward) {
  check({
      {"ending at start", NumberedPosBw(u"bc", u"abcabc", 6, false, 1), 5},
      {"must end at or before start", NumberedPosBw(u"bc", u"abcabc", 5, false, 1), 2},
      {"second from the right", NumberedPosBw(u"bc", u"abcabc", 6, false, 2), 2},
      {"too few", NumberedPosBw(u"bc", u"abcabc", 6, false, 3), 0},
      {"start above length is limited", NumberedPosBw(u"bc", u"abcabc", 99, false, 1), 5},
      {"start below 1 is limited", NumberedPosBw(u"a", u"abc", -3, false, 1), 1},
      {"no overlap from the right", NumberedPosBw(u"aa", u"aaa", 3, false, 2), 0},
      {"case ignored", NumberedPosBw(u"BC", u"abcabc", 6, true, 1), 5},
      {"empty text", NumberedPosBw(u"a", u"", 1, false, 1), 0},
  });
}

TEST(Search, PosLastAndCounting) {
  check({
      {"last", PosLast(u"ab", u"abab"), 3},
      {"absent", PosLast(u"x", u"abab"), 0},
      {"non-overlapping steps", PosLast(u"aa", u"aaa"), 1},
      {"empty sub", PosLast(u"", u"aaa"), 0},
      {"count", CountStringInString(u"ab", u"abxab", true), 2},
      {"count without overlap", CountStringInString(u"aa", u"aaaaa", true), 2},
      {"count ignoring case", CountStringInString(u"AB", u"abXaB", false), 2},
      {"count empty sub", CountStringInString(u"", u"abc", true), 0},
      {"chars", CountCharInString(u'a', u"aAa", true), 2},
      {"chars ignoring case", CountCharInString(u'a', u"aAa", false), 3},
      {"chars above 127 are exact", CountCharInString(u'ä', u"äÄ", false), 1},
  });
}

TEST(Search, SimpleScans) {
  EXPECT_TRUE(TestAllChar(u"aaa", u'a'));
  EXPECT_FALSE(TestAllChar(u"", u'a'));
  EXPECT_FALSE(TestAllChar(u"aab", u'a'));
  check({
      {"first non-blank", FindFirstNonBlank(u"  x"), 3},
      {"tab is not a blank", FindFirstNonBlank(u" \t"), 2},
      {"all blank", FindFirstNonBlank(u"   "), 0},
      {"empty", FindFirstNonBlank(u""), 0},
      {"first digit", FindFirstDigit(u"ab3c4"), 3},
      {"no digit", FindFirstDigit(u"abc"), 0},
  });
}

TEST(CharList, MacrosAndRanges) {
  struct Case {
    const char* label;
    String text;
    String list;
    bool contains;
    bool other_than;
  };
  const Case cases[] = {
      {"digit macro", u"abc1", u"//dig", true, true},
      {"lower-case macro covers all", u"abc", u"//lc", true, false},
      {"upper and lower", u"aB-", u"//lc//uc", true, true},
      {"control macro", u"a\tb", u"//31dwn", true, true},
      {"high macro", u"\xe9", u"//128up", true, false},
      {"plain list", u"abc", u"xyz", false, true},
      {"mixed macro and plain", u"a-9", u"-//dig//lc", true, false},
      {"slash kept when not a macro", u"/", u"/x", true, false},
      {"empty text", u"", u"//dig", false, false},
      {"characters above 255 take no part", u"\x263a", u"\x263a", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(StringContains(c.text, c.list), c.contains);
    EXPECT_EQ(StringContainsOtherThan(c.text, c.list), c.other_than);
  }
}

}  // namespace
}  // namespace ZYL_stringl

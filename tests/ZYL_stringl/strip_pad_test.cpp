#include <gtest/gtest.h>

#include "ZYL_stringl/pad.h"
#include "ZYL_stringl/strip.h"
#include "platform/hoststring.h"
#include "string_cases.h"

namespace ZYL_stringl {
namespace {

using test::Case;
using test::check;

TEST(Strip, BlanksAndChars) {
  const Case cases[] = {
      {"both ends", StripLTBlanks(u"  a b  "), u"a b"},
      {"blanks only vanish", StripLTBlanks(u"   "), u""},
      {"tabs are not blanks", StripLTBlanks(u"\ta\t"), u"\ta\t"},
      {"empty", StripLTBlanks(u""), u""},
      {"leading only", StripLeadingBlanks(u"  a "), u"a "},
      {"leading keeps the last character", StripLeadingBlanks(u"   "), u" "},
      {"leading of empty", StripLeadingBlanks(u""), u""},
      {"trailing only", StripTrailingBlanks(u" a  "), u" a"},
      {"trailing keeps the first character", StripTrailingBlanks(u"   "), u" "},
      {"leading chars may empty the text", StripLeadingChars(u'0', u"000"), u""},
      {"leading chars", StripLeadingChars(u'0', u"0070"), u"70"},
      {"trailing chars keep the first", StripTrailingChars(u'0', u"000"), u"0"},
      {"trailing chars", StripTrailingChars(u'0', u"1000"), u"1"},
  };
  check(std::begin(cases), std::end(cases));
}

TEST(Strip, EnsureChars) {
  const Case cases[] = {
      {"backslash appended", EnsureTrailingBkSlash(u"c:\\dir"), u"c:\\dir\\"},
      {"backslash present", EnsureTrailingBkSlash(u"c:\\"), u"c:\\"},
      {"empty stays empty", EnsureTrailingBkSlash(u""), u""},
      {"trailing char", EnsureTrailingChar(u'/', u"a"), u"a/"},
      {"trailing char present", EnsureTrailingChar(u'/', u"a/"), u"a/"},
      {"leading char", EnsureLeadingChar(u'/', u"a"), u"/a"},
      {"leading char present", EnsureLeadingChar(u'/', u"/a"), u"/a"},
      {"leading char on empty", EnsureLeadingChar(u'/', u""), u""},
  };
  check(std::begin(cases), std::end(cases));
}

TEST(Pad, WidthsAndCutting) {
  const Case cases[] = {
      {"left pads right", LeftString(u"ab", 4), u"ab  "},
      {"left cuts", LeftString(u"abcdef", 3), u"abc"},
      {"right pads left", RightString(u"ab", 4), u"  ab"},
      {"right cuts to the first characters", RightString(u"abcdef", 3), u"abc"},
      {"negative width", LeftString(u"ab", -1), u""},
      {"centre: odd blank after", CenterString(u"ab", 7), u"  ab   "},
      {"centre: equal length", CenterString(u"abc", 3), u"abc"},
      {"centre: longer is cut", CenterString(u"abcdef", 4), u"abcd"},
      {"centre: empty text", CenterString(u"", 2), u"  "},
      {"abbreviate", AbbrevString(u"abcdefgh", 5), u"abc.."},
      {"abbreviate: fits", AbbrevString(u"abcde", 5), u"abcde"},
      {"abbreviate: tiny limit", AbbrevString(u"abc", 1), u".."},
      {"multichar: zero gives one", MultiChar(u'x', 0), u"x"},
      {"multichar: plain", MultiChar(u'-', 3), u"---"},
  };
  check(std::begin(cases), std::end(cases));
  EXPECT_EQ(MultiChar(u'x', 300).size(), 255u);
  EXPECT_EQ(LeftString(u"a", 300).size(), 300u) << "widths above 255 are honoured";
}

}  // namespace
}  // namespace ZYL_stringl

#include "ZYL_dstruct/detail/strnumscan.h"

#include <gtest/gtest.h>

#include "ZYL_zylbase/detail/numberscan.h"

namespace zyl::detail {
namespace {

TEST(StringNumberScanner, FollowsTheStateTable) {
  constexpr int P = kDecPoint, C = kDecComma, E = kDecEither;
  struct Case {
    const char16_t* text;
    std::int32_t pos;
    bool exp;
    int dec;
    long double value;
    bool ok;
    std::int32_t end;  // where Pos points afterwards
  } cases[] = {
      {u"12abc", 1, true, E, 12, true, 3},
      {u"  3,5;", 1, true, E, 3.5L, true, 6},
      {u"3,5", 1, true, P, 3, true, 2},
      {u"1,5", 1, true, C, 1.5L, true, 4},
      {u"1.5", 1, true, C, 1, true, 2},
      {u"1.5.2", 1, true, E, 0, false, 4},  // a second separator fails the number
      {u"-x", 1, true, E, 0, false, 2},
      {u"e5", 1, true, E, 0, false, 1},
      {u"\t5", 1, true, E, 0, false, 1},     // a tab is not a blank
      {u"\u06615", 1, true, E, 0, false, 1},  // nor is any other digit a digit
      {u"1e5", 1, false, E, 1, true, 2},
      {u"1E5x", 1, true, E, 1e5L, true, 4},
      {u"1E-2", 1, true, E, 0.01L, true, 5},
      {u"1E", 1, true, E, 1, true, 3},        // marker without digits: the number before it
      {u"2.E+", 1, true, E, 2, true, 5},
      {u"1Ex", 1, true, E, 1, true, 3},
      {u"1E.", 1, true, E, 0, false, 3},
      {u"1 2", 1, true, E, 1, true, 2},
      {u"+.5", 1, true, E, 0.5L, true, 4},
      {u" . ", 1, true, E, 0, true, 3},
      {u"7.", 1, true, E, 7, true, 3},
      {u"x5", 2, true, E, 5, true, 3},
      {u"5", 9, true, E, 0, false, 9},        // beyond the end reads "Z"
      {u"5", 0, true, E, 0, false, 0},
      {u"", 1, true, E, 0, false, 1},
      {u"1e99999", 1, true, E, 1.7e308, true, 8},
      {u"-1e5000;", 1, true, E, -1.7e308, true, 8},
      {u"1e-99999", 1, true, E, 1e-999L, true, 9},  // digits past 4200 are not gathered
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(to_utf8(c.text) + " from " + std::to_string(c.pos));
    std::int32_t pos = c.pos;
    const StringNumber r = scan_string_number(c.text, pos, c.exp, c.dec);
    EXPECT_EQ(r.value, c.value);
    EXPECT_EQ(r.ok, c.ok);
    EXPECT_EQ(pos, c.end);
  }
}

TEST(StringNumberScanner, FlagsExponentsBeyond4200) {
  for (const auto& [text, flagged] : {std::pair{u"1e4200", false}, {u"1e4201", true}, {u"1e-4201", true}, {u"1e0004200", false}}) {
    std::int32_t pos = 1;
    EXPECT_EQ(scan_string_number(text, pos, true, kDecPoint).long_exponent, flagged) << to_utf8(text);
  }
}

}  // namespace
}  // namespace zyl::detail

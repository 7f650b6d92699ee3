#include "platform/numtext.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "platform/decimal.h"
#include "platform/exceptions.h"

namespace zyl {
namespace {

struct StrCase {
  const char* label;
  Extended value;
  int width, decimals;
  const char16_t* expect;
};

void check_str(const StrCase* cases, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    SCOPED_TRACE(cases[i].label);
    EXPECT_EQ(to_utf8(Str(cases[i].value, cases[i].width, cases[i].decimals)), to_utf8(cases[i].expect));
  }
}

TEST(Str, FixedFormPadsGrowsAndRoundsOnTheExactValue) {
  const StrCase cases[] = {
      {"padded on the left", 4321.5L, 10, 2, u"   4321.50"},
      {"grows beyond the width", -4321.5L, 3, 1, u"-4321.5"},
      {"no point for zero decimals", 7.0L, 3, 0, u"  7"},
      {"0.125 is an exact tie: away from zero", 0.125L, 0, 2, u"0.13"},
      {"2.5 to none", 2.5L, 0, 0, u"3"},
      {"-2.5 to none", -2.5L, 0, 0, u"-3"},
      {"0.5 rounds up to 1", 0.5L, 0, 0, u"1"},
      {"double 1.005 lies below the tie", static_cast<Extended>(1.005), 0, 2, u"1.00"},
      {"double 0.045 lies below the tie", static_cast<Extended>(0.045), 0, 2, u"0.04"},
      {"carry into a new digit", 999.9996L, 0, 3, u"1000.000"},
      {"carry through every nine", 9.96L, 6, 1, u"  10.0"},
      {"below half of the last place", 0.004L, 0, 2, u"0.00"},
      {"negative rounding to zero keeps its sign", -0.004L, 0, 2, u"-0.00"},
      {"negative zero prints without sign", -0.0L, 0, 1, u"0.0"},
      {"exact binary digits, not 18 significant",
       static_cast<Extended>(0.1), 0, 20, u"0.10000000000000000555"},
      {"large integer exactly", 18446744073709551615.0L, 0, 0, u"18446744073709551615"},
      {"2^70 exactly", std::ldexp(1.0L, 70), 0, 0, u"1180591620717411303424"},
      {"tiny value to zero", 1e-30L, 8, 3, u"   0.000"},
      {"infinity", -INFINITY, 6, 2, u"  -INF"},
  };
  check_str(cases, std::size(cases));
}

TEST(Str, ExponentFormHasSignPositionAndFourExponentDigits) {
  const StrCase cases[] = {
      {"width 12 gives three decimals", 1234.5L, 12, -1, u" 1.235E+0003"},
      {"negative uses the sign position", -1234.5L, 12, -1, u"-1.235E+0003"},
      {"zero", 0.0L, 12, -1, u" 0.000E+0000"},
      {"small value, negative exponent", 0.000123L, 11, -1, u" 1.23E-0004"},
      {"rounding renormalises 9.99 to 1.0E+1", 9.99L, 10, -1, u" 1.0E+0001"},
      {"narrow width keeps one decimal", 5.0L, 3, -1, u" 5.0E+0000"},
      {"at most 18 significant digits, then blanks", 1.0L / 3, 30, -1, u"     3.33333333333333333E-0001"},
      {"largest extended", LDBL_MAX, 15, -1, u" 1.189731E+4932"},
      {"smallest subnormal", std::ldexp(1.0L, -16445), 12, -1, u" 3.645E-4951"},
      {"exact tie rounds away from zero", 0.125L, 10, -1, u" 1.3E-0001"},
  };
  check_str(cases, std::size(cases));
}

TEST(Str, WildArgumentsAreBounded) {
  EXPECT_EQ(Str(1.0L, 1000000000, 0).size(), 255u);
  EXPECT_EQ(Str(1.0L, 0, 1000000000).size(), 257u) << "1. and 255 decimals";
  EXPECT_EQ(Str(LDBL_MAX, 0, 0).size(), 4933u) << "fixed form of a huge value is complete";
}

TEST(Decimal, ExactDigitsParseBackToTheSameValue) {
  std::mt19937_64 rng(20261207);
  for (int i = 0; i < 2000; ++i) {
    const std::uint64_t m = rng() | (std::uint64_t{1} << 63);
    // Mostly everyday magnitudes, every tenth anywhere in the range.
    const int e = i % 10 == 0 ? static_cast<int>(rng() % 32800) - 16400 : static_cast<int>(rng() % 400) - 200;
    const Extended v = std::ldexp(static_cast<Extended>(m), e - 63);
    const detail::DecimalDigits d = detail::exact_decimal(v);
    const String text = u"0." + from_ascii(d.digits) + u"e" + IntToStr(d.point);
    const auto back = detail::parse_decimal(text);
    ASSERT_TRUE(back.has_value()) << to_utf8(text);
    ASSERT_EQ(*back, v) << "m=" << m << " e=" << e;
  }
}

TEST(StrToFloat, RoundsToNearestExtendedTiesToEven) {
  struct Case {
    const char* label;
    const char16_t* text;
    Extended expect;
  } cases[] = {
      {"0.1 rounds up in its last bit", u"0.1", std::ldexp(static_cast<Extended>(0xCCCCCCCCCCCCCCCDull), -67)},
      {"2^64+1 is a tie: to even 2^64", u"18446744073709551617", std::ldexp(1.0L, 64)},
      {"2^64+3 is a tie: to even 2^64+4", u"18446744073709551619", std::ldexp(1.0L, 64) + 4},
      {"2^64+3.0001 is above the tie", u"18446744073709551619.0001", std::ldexp(1.0L, 64) + 4},
      {"signs, blanks, exponent", u"  -2.5E+3 ", -2500.0L},
      {"leading point", u".5", 0.5L},
      {"trailing point", u"5.", 5.0L},
      {"smallest subnormal", u"3.6451995318824746e-4951", std::ldexp(1.0L, -16445)},
      {"far below the range is zero", u"1e-5000", 0.0L},
      {"many digits beyond the kept ones decide the rounding",
       u"1.00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       u"00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       u"0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       u"0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       u"0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       u"0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       u"0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       u"0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       u"1",
       1.0L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(StrToFloat(c.text), c.expect);
  }
  for (const char16_t* bad : {u"", u" ", u"1,5", u"e5", u"1e", u"1e+", u"--1", u"1.2.3", u"0x10", u"1.2e4933", u"nan"}) {
    SCOPED_TRACE(to_utf8(bad));
    EXPECT_THROW((void)StrToFloat(bad), EConvertError);
  }
  try {
    (void)StrToFloat(u"1,5");
  } catch (const EConvertError& e) {
    EXPECT_EQ(to_utf8(e.Message()), "'1,5' is not a valid floating point value");
  }
}

TEST(StrToInt, AcceptsDecimalAndHexWithinRange) {
  EXPECT_EQ(StrToInt(u" -12 "), -12);
  EXPECT_EQ(StrToInt(u"2147483647"), 2147483647);
  EXPECT_EQ(StrToInt(u"-2147483648"), -2147483647 - 1);
  EXPECT_EQ(StrToInt(u"$7fffFFFF"), 2147483647);
  EXPECT_EQ(StrToInt(u"0x10"), 16);
  EXPECT_EQ(str_to_int64(u"-9223372036854775808"), INT64_MIN);
  for (const char16_t* bad : {u"2147483648", u"-2147483649", u"", u"-", u"1.0", u"12a", u"$", u"0x", u"+-1"}) {
    SCOPED_TRACE(to_utf8(bad));
    EXPECT_THROW((void)StrToInt(bad), EConvertError);
  }
  EXPECT_THROW((void)str_to_int64(u"9223372036854775808"), EConvertError);
  try {
    (void)StrToInt(u"x1");
  } catch (const EConvertError& e) {
    EXPECT_EQ(to_utf8(e.Message()), "'x1' is not a valid integer value");
  }
}

TEST(IntText, DecimalAndHexadecimal) {
  EXPECT_EQ(IntToStr(INT64_MIN), u"-9223372036854775808");
  EXPECT_EQ(IntToStr(0), u"0");
  EXPECT_EQ(IntToHex(255, 4), u"00FF");
  EXPECT_EQ(IntToHex(0x1234ABCD, 2), u"1234ABCD");
  EXPECT_EQ(IntToHex(-1, 2), u"FFFFFFFF");
  EXPECT_EQ(IntToHex(-0x100000000LL, 1), u"FFFFFFFF00000000");
  EXPECT_EQ(IntToHex(0, 0), u"0");
}

TEST(FloatToStr, FifteenSignificantDigitsInGeneralForm) {
  struct Case {
    Extended value;
    const char16_t* expect;
  } cases[] = {
      {1.5L, u"1.5"},
      {static_cast<Extended>(0.1), u"0.1"},
      {1.0L / 3, u"0.333333333333333"},
      {2.0L / 3, u"0.666666666666667"},
      {100.0L, u"100"},
      {-2.5e-7L, u"-2.5E-7"},
      {1e-5L, u"0.00001"},
      {999999999999999.0L, u"999999999999999"},
      {1e15L, u"1E15"},
      {9999999999999999.0L, u"1E16"},
      {1e20L, u"1E20"},
      {0.0L, u"0"},
      {-0.0L, u"0"},
      {12345.678L, u"12345.678"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(to_utf8(c.expect));
    EXPECT_EQ(to_utf8(FloatToStr(c.value)), to_utf8(c.expect));
  }
}

}  // namespace
}  // namespace zyl

#include "ZYL_stringl/numformat.h"

#include <cmath>
#include <limits>
#include <string>

#include "platform/numtext.h"
#include "string_cases.h"

#include <gtest/gtest.h>

namespace ZYL_stringl {
namespace {

using zyl::to_utf8;

using test::Case;
using test::check;

TEST(Strff, FixedWidthsZeroFillAndGrowth) {
  check({
      {"blank padded", strff(4321.5, 10, 2), u"   4321.50"},
      {"zero fill moves the sign to the front", strff(-12.5, -8, 2), u"-0012.50"},
      {"zero fill of a positive value", strff(7, -4, 0), u"0007"},
      {"zero fill without room changes nothing", strff(-12.5, -6, 2), u"-12.50"},
      {"grows beyond the width", strff(123456.0, 3, 1), u"123456.0"},
      {"0.125 to two decimals", strff(0.125L, 0, 2), u"0.13"},
      {"2.5 to none", strff(2.5L, 1, 0), u"3"},
      {"zero width", strff(1.5, 0, 1), u"1.5"},
  });
}

TEST(Strff, ExponentFormKeepsTwoExponentDigitsOrOverflowsToStars) {
  check({
      {"ten characters", strff(1234.5, 10, -2), u" 1.235E+03"},
      {"negative value", strff(-1234.5, 10, -2), u"-1.235E+03"},
      {"negative exponent", strff(0.000123456, 10, -2), u" 1.235E-04"},
      {"double 0.00012345 lies below the tie", strff(0.00012345, 10, -2), u" 1.234E-04"},
      {"largest two-digit exponent", strff(9.99e99, 10, -2), u" 9.990E+99"},
      {"rounding into a three-digit exponent", strff(9.9999e99, 10, -2), u"**********"},
      {"three-digit exponent", strff(1e100, 10, -2), u"**********"},
      {"tiny value, three-digit exponent", strff(1e-100, 10, -2), u"**********"},
      {"zero", strff(0, 10, -2), u" 0.000E+00"},
      {"negative width zero-fills the exponent form", strff(5, -12, -2), u"05.00000E+00"},
      {"other negative decimals: four exponent digits", strff(5, 12, -1), u" 5.000E+0000"},
      {"wider field, more decimals", strff(1.0 / 3, 14, -2), u" 3.3333333E-01"},
  });
  EXPECT_EQ(strff(std::nan(""), 10, -2), u"       NAN");
}

TEST(StrffForcePlus, PlusTakesTheRightPlace) {
  check({
      {"blank before the digit", strffForcePlus(5, 4, 0), u"  +5"},
      {"zero-filled text", strffForcePlus(5, -4, 0), u"+005"},
      {"no room: put in front", strffForcePlus(5, 1, 0), u"+5"},
      {"zero before the point stays", strffForcePlus(0.5, 3, 1), u"+0.5"},
      {"zero value", strffForcePlus(0, 3, 0), u" +0"},
      {"a lone zero keeps its digit", strffForcePlus(0, -1, 0), u"+0"},
      {"negative value untouched", strffForcePlus(-5, 4, 0), u"  -5"},
      {"exponent form", strffForcePlus(1234.5, 10, -2), u"+1.235E+03"},
  });
}

TEST(NumberFormats, ExtremeArgumentsStayDefined) {
  // Run under the sanitizers: no overflow in the width arithmetic.
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  for (int w : {kMin, -1, 0, kMax})
    for (int d : {kMin, -2, -1, 0, kMax}) {
      SCOPED_TRACE(std::to_string(w) + "," + std::to_string(d));
      EXPECT_FALSE(strff(-1.5, w, d).empty());
      EXPECT_FALSE(strffForcePlus(1.5, w, d).empty());
      EXPECT_FALSE(SigDigStr(1.5e-7, w, d).empty());
      EXPECT_FALSE(FormatData(1.5, w, d).empty());
      EXPECT_LE(zyl::Str(1.5L, w, d).size(), 260u);
    }
}

TEST(SigDigStr, FixedWhereItFitsElseExponent) {
  check({
      {"three digits of pi", SigDigStr(3.14159, 8, 3), u"    3.14"},
      {"more integer digits than asked: none cut", SigDigStr(1234.5, 10, 3), u"      1235"},
      {"integer digits do not fit the width", SigDigStr(123456.0, 5, 3), u" 1.23E+05"},
      {"small value in fixed form", SigDigStr(0.000123, 8, 2), u" 0.00012"},
      {"smaller value needs the exponent", SigDigStr(0.0000123, 8, 2), u" 1.2E-05"},
      {"zero", SigDigStr(0, 6, 3), u"  0.00"},
      {"exact power of ten has four digits", SigDigStr(1000, 8, 4), u"    1000"},
      {"exact power of ten, small", SigDigStr(0.001, 8, 2), u"  0.0010"},
      {"stripped", SigDigStr(3.14159, 8, 3, true), u"3.14"},
      {"not stripped", SigDigStr(3.14159, 8, 3, false), u"    3.14"},
  });
}

TEST(FormatData, RangeOfEachDecimalCount) {
  check({
      {"zero stays fixed", FormatData(0, 8, 3), u"   0.000"},
      {"below the lower limit", FormatData(0.0001, 10, 3), u" 1.000000000E-04"},
      {"at the lower limit", FormatData(0.001, 8, 3), u"   0.001"},
      {"above the upper limit", FormatData(100000, 8, 3), u" 1.0000000E+05"},
      {"at the upper limit", FormatData(99999.999, 9, 3), u"99999.999"},
      {"zero decimals", FormatData(999999999, 9, 0), u"999999999"},
      {"zero decimals below 1", FormatData(0.5, 9, 0), u" 5.00000000E-01"},
      {"eight decimals", FormatData(0.5, 10, 8), u"0.50000000"},
      {"nine decimals: always exponent", FormatData(0.5, 10, 9), u" 5.000000000E-01"},
      {"negative decimals: exponent", FormatData(-2, 4, -1), u"-2.000E+00"},
  });
}

TEST(AutoFormatData, SignificantDigitsWithoutBlanks) {
  check({
      {"0.5 with three digits", AutoFormatData(0.5, 3), u"0.50"},
      {"rounding", AutoFormatData(123.456, 4), u"123.5"},
      {"too many integer digits", AutoFormatData(12345, 3), u"1.23E+04"},
      {"below 0.1", AutoFormatData(0.05, 3), u"5.00E-02"},
      {"0.1 itself is fixed, n - 1 decimals", AutoFormatData(0.1, 3), u"0.10"},
      {"10^(n-1) switches to exponent", AutoFormatData(100, 3), u"1.00E+02"},
      {"just below 10^(n-1)", AutoFormatData(99.4, 3), u"99.4"},
      {"zero", AutoFormatData(0, 3), u"0.00"},
      {"digits limited to 16", AutoFormatData(1.0 / 3, 20), AutoFormatData(1.0 / 3, 16).c_str()},
      {"digits at least 2", AutoFormatData(2, 0), u"2.0"},
      {"negative", AutoFormatData(-1.5, 3), u"-1.50"},
      {"decimal comma", AutoFormatData(1.5, 3, true), u"1,50"},
      {"decimal comma in exponent form", AutoFormatData(12345, 3, true), u"1,23E+04"},
      {"point kept", AutoFormatData(1.5, 3, false), u"1.50"},
  });
  EXPECT_EQ(AutoFormatData(1.0 / 3, 16), u"0.333333333333333");
  EXPECT_EQ(AutoFormatData(1.0 / 3 + 1, 16), u"1.333333333333333");
}

}  // namespace
}  // namespace ZYL_stringl

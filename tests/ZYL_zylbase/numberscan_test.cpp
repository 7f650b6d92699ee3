#include "ZYL_zylbase/detail/numberscan.h"

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace zyl::detail {
namespace {

struct FPCase {
  const char* label;
  std::string input;
  bool allow_exp;
  int dec;
  double want;
  std::size_t consumed;
};

TEST(NumberScan, FloatingPointStateMachine) {
  const FPCase cases[] = {
      {"comma with exponent", " 1,5e3;", true, kDecEither, 1500.0, 7},
      {"no exponent: E ends the number", "2.5e3", false, kDecPoint, 2.5, 4},
      {"trailing separator completed with 0", "12.", true, kDecPoint, 12.0, 3},
      {"sign then garbage fails", "-x", true, kDecPoint, 0.0, 2},
      {"huge exponent clamps", "1e999 ", true, kDecPoint, 1.7e308, 6},
      {"huge negative clamps", "-1e99999 ", true, kDecPoint, -1.7e308, 9},
      {"no separator accepted", "3.2", true, 0, 3.0, 2},
      {"comma only", "3,25 ", true, kDecComma, 3.25, 5},
      {"point not accepted with comma mode", "3.25", true, kDecComma, 3.0, 2},
      {"tabs and line ends skipped", "\t\r\n 7 ", true, kDecPoint, 7.0, 6},
      {"plus sign", "+4.5x", true, kDecPoint, 4.5, 5},
      {"leading separator", ".5 ", true, kDecPoint, 0.5, 3},
      {"lone separator", ". ", true, kDecPoint, 0.0, 2},
      {"second separator ends the fraction badly", "1.2.3", true, kDecPoint, 0.0, 4},
      {"sign ends integer digits", "12-3", true, kDecPoint, 12.0, 3},
      {"exponent sign", "1.5E-2 ", true, kDecPoint, 0.015, 7},
      {"exponent with plus", "1e+2;", true, kDecPoint, 100.0, 5},
      {"exponent without digits fails", "1e;", true, kDecPoint, 0.0, 3},
      {"exponent at end of input fails", "1e", true, kDecPoint, 0.0, 2},
      {"exponent sign at end fails", "1e-", true, kDecPoint, 0.0, 3},
      {"end of input in state 2 (sign) fails", "-", true, kDecPoint, 0.0, 1},
      {"end of input in state 3 (integer)", "42", true, kDecPoint, 42.0, 2},
      {"end of input in state 5 (fraction)", "1.5", true, kDecPoint, 1.5, 3},
      {"end of input in state 8 (exponent)", "1e5", true, kDecPoint, 100000.0, 3},
      {"separator in exponent ends it", "1e2.5", true, kDecPoint, 100.0, 4},
      {"double sign fails", "--1", true, kDecPoint, 0.0, 2},
      {"E at start fails", "e5", true, kDecPoint, 0.0, 1},
      {"empty input fails", "", true, kDecPoint, 0.0, 0},
      {"only blanks fail", "   ", true, kDecPoint, 0.0, 3},
      {"tiny exponent underflows to 0", "1e-99999 ", true, kDecPoint, 0.0, 9},
      {"exponent 4201 is beyond the guard", "5e4201 ", true, kDecPoint, 1.7e308, 7},
      {"long mantissa", "123456789012345678901234567890 ", true, kDecPoint, 1.2345678901234568e29, 31},
      {"many fraction digits", "0.1000000000000000055511151231257827 ", true, kDecPoint, 0.1, 37},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryByteSource src(c.input);
    EXPECT_EQ(scan_fpnum(src, c.allow_exp, c.dec), c.want) << c.input;
    EXPECT_EQ(src.pos(), c.consumed);
  }
}

TEST(NumberScan, HugeMantissaBeyondExtendedRangeClampsWithSign) {
  const std::string nines(6000, '9');
  const std::string big_text = nines + "e4000 ", neg_text = "-" + big_text;
  const std::string small_text = "0." + std::string(6000, '0') + "1e-4000 ";
  MemoryByteSource big(big_text);
  EXPECT_EQ(scan_fpnum(big, true, kDecPoint), 1.7e308);
  MemoryByteSource neg(neg_text);
  EXPECT_EQ(scan_fpnum(neg, true, kDecPoint), -1.7e308);
  MemoryByteSource small(small_text);
  EXPECT_EQ(scan_fpnum(small, true, kDecPoint), 0.0);
}

// The fast conversion path must give what a correctly rounding conversion to
// extended precision followed by rounding to double gives.
TEST(NumberScan, ConversionMatchesCorrectlyRoundedExtended) {
  const std::uint32_t seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937_64 rng(seed);
  for (int i = 0; i < 20000; ++i) {
    std::string text = std::to_string(rng() % 10000000000000000000ull);
    const int point = static_cast<int>(rng() % (text.size() + 1));
    text.insert(static_cast<std::size_t>(point), ".");
    if (text.back() == '.') text += "0";
    if (rng() % 2) text += "E" + std::to_string(static_cast<int>(rng() % 60) - 30);
    const long double want = std::strtold(text.c_str(), nullptr);
    ASSERT_EQ(fpnum_text_value(text), want) << text;
  }
}

TEST(NumberScan, Decimal) {
  struct Case {
    const char* label;
    std::string input;
    std::int32_t want;
    std::size_t consumed;
  } const cases[] = {
      {"blanks, sign, leading zeros", "  -0042x", -42, 8},
      {"tab is not skipped", "\t5", 0, 1},
      {"line ends skipped", "\r\n7", 7, 3},
      {"plus", "+9 ", 9, 3},
      {"end while skipping", "   ", 0, 3},
      {"sign at the end", "-", 0, 1},
      {"digits to the end", "123", 123, 3},
      {"wraps in 32 bits", "4294967297 ", 1, 11},
      {"most negative", "-2147483648 ", -2147483647 - 1, 12},
      {"no digit", "x1", 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryByteSource src(c.input);
    EXPECT_EQ(scan_decimal(src), c.want);
    EXPECT_EQ(src.pos(), c.consumed);
  }
}

}  // namespace
}  // namespace zyl::detail

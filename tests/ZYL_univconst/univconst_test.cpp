#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include <gtest/gtest.h>

#include "ZYL_univconst/ZYL_univconst.h"

namespace ZYL_univconst {
namespace {

TEST(UnivConst, LnFactorialGivenEntries) {
  EXPECT_EQ(uc_LnFactorial[0], 0.0);
  EXPECT_EQ(uc_LnFactorial[1], 0.0);
  EXPECT_EQ(uc_LnFactorial[2], 0.693147180559945) << "rounded, not ln 2";
  EXPECT_NE(uc_LnFactorial[2], std::log(2.0));
  EXPECT_EQ(uc_LnFactorial[10], 15.1044125730755);
  EXPECT_EQ(uc_LnFactorial[100], 363.739375555563);
  EXPECT_EQ(uc_LnFactorial[1000], 5912.12817848816);
}

// Recomputes ln(k!) independently (a running sum of logarithms in extended
// precision) and checks that each sampled entry is a 15-digit decimal lying
// within half a unit of the 15th digit of the true value.
TEST(UnivConst, LnFactorialSampleRecomputed) {
  long double sum = 0.0L;
  for (int k = 2; k <= 1000; ++k) {
    sum += std::log(static_cast<long double>(k));
    if (k % 37 != 0 && k != 999) continue;
    SCOPED_TRACE(k);
    const double entry = uc_LnFactorial[static_cast<std::size_t>(k)];
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", entry);
    EXPECT_EQ(std::strtod(text, nullptr), entry) << "entry is a 15-digit decimal";
    const long double half_unit = 0.5L * std::pow(10.0L, std::floor(std::log10(sum)) - 14);
    // Slack: the double's own rounding and the running sum's error (well
    // below a unit, so an entry rounded the wrong way still fails).
    const long double slack = (std::nextafter(entry, 1e300) - entry) + sum * 1e-16L;
    EXPECT_LE(std::fabs(static_cast<long double>(entry) - sum), half_unit + slack);
  }
}

TEST(UnivConst, ConstantsAgreeWithTheirDefinitions) {
  // Each constant against an independent computation, to the ~19 digits given.
  const long double pi = 3.14159265358979323846264338327950288L;
  const struct {
    const char* label;
    long double got, want;
  } cases[] = {
      {"e", uc_e, std::exp(1.0L)},
      {"1/e", uc_etom1, 1.0L / std::exp(1.0L)},
      {"lg2", uc_lg2, std::log10(2.0L)},
      {"lg5", uc_lg5, std::log10(5.0L)},
      {"lge", uc_lge, 1.0L / std::log(10.0L)},
      {"lgPi", uc_lgPi, std::log10(pi)},
      {"ln10", uc_ln10, std::log(10.0L)},
      {"ln2", uc_ln2, std::log(2.0L)},
      {"lnPi", uc_lnPi, std::log(pi)},
      {"PiH", uc_PiH, pi / 2},
      {"PiSqr", uc_PiSqr, pi * pi},
      {"1/pi", uc_Pitom1, 1.0L / pi},
      {"sqrt2", uc_sqrt2, std::sqrt(2.0L)},
      {"sqrt2pi", uc_sqrt2pi, std::sqrt(2.0L * pi)},
      {"1/sqrt2pi", uc_sqrt2pitom1, 1.0L / std::sqrt(2.0L * pi)},
      {"golden ratio", uc_GoldenR, (1.0L + std::sqrt(5.0L)) / 2},
      {"ln MinDouble", uc_lnMinDouble, std::log(5.0e-324L)},
      {"ln MaxDouble", uc_lnMaxDouble, std::log(1.7e308L)},
      {"ln MaxExtended", uc_lnMaxExtended, std::log(1.1e4932L)},
      {"ln MaxInt64", uc_lnMaxInt64, std::log(9223372036854775807.0L)},
      {"ln MinReal", uc_lnMinReal, std::log(2.9e-39L)},
      {"ln MaxReal", uc_lnMaxReal, std::log(1.7e38L)},
      {"ln MinSingle", uc_lnMinSingle, std::log(1.5e-45L)},
      {"ln MaxSingle", uc_lnMaxSingle, std::log(3.4e38L)},
      // The logarithm of the smallest extended is that of the rounded limit 3.6e-4951.
      {"ln MinExtended", uc_lnMinExtended, std::log(3.6L) - 4951 * std::log(10.0L)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_LE(std::fabs(c.got - c.want), std::fabs(c.want) * 2e-18L);
  }
  EXPECT_EQ(uc_MinExtended, std::numeric_limits<long double>::denorm_min());
  EXPECT_EQ(uc_MaxInt64, std::numeric_limits<std::int64_t>::max());
  EXPECT_LT(uc_MaxDouble, static_cast<long double>(std::numeric_limits<double>::max()))
      << "the rounded limit, not the exact largest double";
}

}  // namespace
}  // namespace ZYL_univconst

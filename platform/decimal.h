// Library: zyl / Package: platform / Module: decimal
//
// Exact conversion between the 80-bit extended type and decimal digits, the
// core of the number text (numtext.h). Internal to the package.
//
// An extended value is m * 2^k with a 64-bit integer m, so its decimal
// expansion is finite and can be produced exactly with big-integer
// arithmetic. Every rounding to a number of digits is then done once, on the
// exact value, half away from zero: the same text on every platform and
// never a rounding of an already rounded text. printf and iostreams are not
// used, because their long double support differs between C run times.
//
// Example:
//   auto d = zyl::detail::exact_decimal(0.125L);   // digits "125", point 0
//   zyl::detail::round_decimal(d, 2);              // digits "13",  point 0
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/hoststring.h"

namespace zyl::detail {

// |value| = 0.d1 d2 d3 ... * 10^point, digits without leading or trailing
// zeros. Zero is the empty digit string with point 0.
struct DecimalDigits {
  bool negative = false;  // the sign bit (also set for -0.0)
  std::string digits;
  int point = 0;
};

// The exact decimal expansion of a finite value (at most about 16500 digits,
// for the smallest subnormals).
[[nodiscard]] DecimalDigits exact_decimal(Extended value);

// Keeps the first `keep` significant digits, rounding half away from zero on
// the digits dropped. keep <= 0 rounds at a position left of the first digit:
// the result is 0 or, when that digit position rounds up, one unit there.
// A carry out of the first digit raises point by one ("999" -> "1", point+1).
void round_decimal(DecimalDigits& d, int keep);

// Parses a decimal number: optional sign, digits with an optional ".", an
// optional exponent ("e" or "E", optional sign, digits). At least one digit
// must stand in the mantissa. Nothing else may be in the text (the caller
// trims). Rounds to the nearest extended (ties to even). Returns nothing for
// malformed text or a value beyond the extended range; values below the
// smallest subnormal become zero.
[[nodiscard]] std::optional<Extended> parse_decimal(std::u16string_view text);

}  // namespace zyl::detail

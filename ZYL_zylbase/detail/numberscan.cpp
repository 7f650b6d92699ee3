// Library: zyl / Package: ZYL_zylbase / Module: numberscan
#include "ZYL_zylbase/detail/numberscan.h"

#include <array>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>
#include <limits>
#include <system_error>

namespace zyl::detail {
namespace {

// The parts of a number text: sign, up to 19 significant digits as an
// integer, and the power of ten that scales them.
struct Decimal {
  bool negative = false;
  std::uint64_t digits = 0;
  int significant = 0;  // significant digits seen (beyond 19 not kept)
  long scale = 0;       // value = digits * 10^scale
  bool nonzero = false;
};

bool split_decimal(std::string_view t, Decimal& d) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) d.negative = t[i++] == '-';
  bool point = false;
  bool any = false;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    any = true;
    if (c != '0') d.nonzero = true;
    if (!d.nonzero) {
      if (point) --d.scale;  // leading zeros after the point
      continue;
    }
    if (d.significant < 19) {
      d.digits = d.digits * 10 + static_cast<std::uint64_t>(c - '0');
      if (point) --d.scale;
    } else if (!point) {
      ++d.scale;  // digits beyond 19 before the point still scale the value
    }
    ++d.significant;
  }
  if (!any) return false;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    ++i;
    bool neg = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) neg = t[i++] == '-';
    long e = 0;
    bool edigits = false;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
      e = std::min(e * 10 + (t[i] - '0'), 1000000L);
      edigits = true;
    }
    if (!edigits) return false;
    d.scale += neg ? -e : e;
  }
  return i == t.size();
}

// Converts a text that split_decimal accepted with one correct rounding to
// extended precision. std::from_chars cannot be used for this: where the C
// library lacks per-thread locales (Windows), libstdc++ converts long double
// through double and loses the extended digits. strtold rounds correctly but
// follows the C locale's decimal point, so the text is given that one.
long double strtold_c(std::string_view Text, bool& OutOfRange) {
  std::string text(Text);
  const char* point = std::localeconv()->decimal_point;
  if (point != nullptr && point[0] != '.' && point[0] != '\0') {
    const std::size_t at = text.find('.');
    if (at != std::string::npos) text.replace(at, 1, point);
  }
  errno = 0;
  const long double v = std::strtold(text.c_str(), nullptr);
  // ERANGE also flags results that became subnormal, which are kept.
  OutOfRange = errno == ERANGE && (std::isinf(v) || v == 0.0L);
  return v;
}

}  // namespace

long double fpnum_text_value(std::string_view Text) {
  Decimal d;
  const bool ok = split_decimal(Text, d);
  if (ok && (!d.nonzero || d.significant <= 19) && d.scale >= -27 && d.scale <= 27) {
    // Both the digits and 10^|scale| are exact in the 64-bit mantissa, so one
    // multiplication or division rounds once: the correctly rounded value.
    static constexpr auto kPowers = [] {
      std::array<long double, 28> p{};
      p[0] = 1.0L;
      for (std::size_t k = 1; k < p.size(); ++k) p[k] = p[k - 1] * 10.0L;
      return p;
    }();
    const long double p = kPowers[static_cast<std::size_t>(d.scale < 0 ? -d.scale : d.scale)];
    const long double m = static_cast<long double>(d.digits);
    const long double v = d.scale < 0 ? m / p : m * p;
    return d.negative ? -v : v;
  }
  std::string_view t = Text;
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  long double v = 0.0L;
  bool out_of_range = false;
  if (ok) {
    v = strtold_c(t, out_of_range);
  } else {
    out_of_range = std::from_chars(t.data(), t.data() + t.size(), v).ec == std::errc::result_out_of_range;
  }
  if (out_of_range) {
    // Beyond extended range: the magnitude's decimal exponent decides.
    const long magnitude = d.scale + std::min(d.significant, 19);
    v = magnitude > 0 ? std::numeric_limits<long double>::infinity() : 0.0L;
    if (d.negative) v = -v;
  }
  return v;
}

}  // namespace zyl::detail

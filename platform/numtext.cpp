// Library: zyl / Package: platform / Module: numtext
#include "platform/numtext.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/decimal.h"
#include "platform/exceptions.h"

namespace zyl {
namespace {

constexpr int kMaxWidth = 255;

String pad_left(String s, int width) {
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::size_t>(width) - s.size(), u' ');
  return s;
}

// Digit i (0-based) of the rounded significand, '0' past its end.
char16_t digit_at(const detail::DecimalDigits& d, int i) {
  return i >= 0 && i < static_cast<int>(d.digits.size()) ? static_cast<char16_t>(d.digits[static_cast<std::size_t>(i)])
                                                           : u'0';
}

String non_finite_text(Extended value) {
  if (std::isnan(value)) return u"NAN";
  return value < 0 ? u"-INF" : u"INF";
}

String fixed_text(Extended value, int decimals) {
  detail::DecimalDigits d = detail::exact_decimal(value);
  detail::round_decimal(d, d.point + decimals);
  String s;
  if (value < 0) s.push_back(u'-');
  if (d.point <= 0 || d.digits.empty()) {
    s.push_back(u'0');
  } else {
    for (int i = 0; i < d.point; ++i) s.push_back(digit_at(d, i));
  }
  if (decimals > 0) {
    s.push_back(u'.');
    const int first = d.digits.empty() ? 0 : d.point;  // index of the first fraction digit
    for (int i = 0; i < decimals; ++i) s.push_back(d.digits.empty() ? u'0' : digit_at(d, first + i));
  }
  return s;
}

String exponent_text(Extended value, int width) {
  const int decimals = std::clamp(width - 9, 1, 17);
  detail::DecimalDigits d = detail::exact_decimal(value);
  detail::round_decimal(d, decimals + 1);
  const int exponent = d.digits.empty() ? 0 : d.point - 1;
  String s;
  s.push_back(value < 0 ? u'-' : u' ');
  s.push_back(digit_at(d, 0));
  s.push_back(u'.');
  for (int i = 1; i <= decimals; ++i) s.push_back(digit_at(d, i));
  s.push_back(u'E');
  s.push_back(exponent < 0 ? u'-' : u'+');
  const int mag = exponent < 0 ? -exponent : exponent;  // at most 4951 for an extended
  for (int div = 1000; div > 0; div /= 10) s.push_back(static_cast<char16_t>(u'0' + mag / div % 10));
  return s;
}

[[noreturn]] void raise_convert(const String& s, const char16_t* kind) {
  throw EConvertError(u"'" + s + u"' is not a valid " + kind + u" value");
}

std::u16string_view trim_blanks(const String& s) {
  std::u16string_view v(s);
  while (!v.empty() && v.front() == u' ') v.remove_prefix(1);
  while (!v.empty() && v.back() == u' ') v.remove_suffix(1);
  return v;
}

// Parses an integer into [lo, hi]; false when the text is not one.
bool parse_integer(const String& s, std::int64_t lo, std::int64_t hi, std::int64_t& out) {
  std::u16string_view v = trim_blanks(s);
  bool negative = false;
  if (!v.empty() && (v.front() == u'+' || v.front() == u'-')) {
    negative = v.front() == u'-';
    v.remove_prefix(1);
  }
  unsigned base = 10;
  if (!v.empty() && v.front() == u'$') {
    base = 16;
    v.remove_prefix(1);
  } else if (v.size() > 2 && v[0] == u'0' && (v[1] == u'x' || v[1] == u'X')) {
    base = 16;
    v.remove_prefix(2);
  }
  if (v.empty()) return false;
  // Magnitudes are collected in 64 bits unsigned and checked against the limit
  // of the sign before anything can wrap.
  const std::uint64_t limit = negative ? static_cast<std::uint64_t>(-(lo + 1)) + 1 : static_cast<std::uint64_t>(hi);
  std::uint64_t mag = 0;
  for (char16_t c : v) {
    unsigned digit;
    if (c >= u'0' && c <= u'9') {
      digit = c - u'0';
    } else if (base == 16 && c >= u'a' && c <= u'f') {
      digit = c - u'a' + 10;
    } else if (base == 16 && c >= u'A' && c <= u'F') {
      digit = c - u'A' + 10;
    } else {
      return false;
    }
    if (mag > (limit - digit) / base) return false;
    mag = mag * base + digit;
  }
  out = negative ? static_cast<std::int64_t>(0 - mag) : static_cast<std::int64_t>(mag);
  return true;
}

}  // namespace

String Str(Extended Value, int Width, int Decimals) {
  Width = std::clamp(Width, 0, kMaxWidth);
  Decimals = std::max(std::min(Decimals, kMaxWidth), -1);
  if (!std::isfinite(Value)) return pad_left(non_finite_text(Value), Width);
  return pad_left(Decimals < 0 ? exponent_text(Value, Width) : fixed_text(Value, Decimals), Width);
}

String IntToStr(std::int64_t Value) {
  const std::uint64_t mag = Value < 0 ? 0 - static_cast<std::uint64_t>(Value) : static_cast<std::uint64_t>(Value);
  String s = from_ascii(std::to_string(mag));
  if (Value < 0) s.insert(0, 1, u'-');
  return s;
}

String IntToHex(std::int64_t Value, int Digits) {
  std::uint64_t v = static_cast<std::uint64_t>(Value);
  if (Value < 0 && Value >= std::numeric_limits<std::int32_t>::min()) v &= 0xFFFFFFFFu;
  String s;
  do {
    s.push_back(u"0123456789ABCDEF"[v & 15u]);
    v >>= 4;
  } while (v != 0);
  Digits = std::min(Digits, kMaxWidth);
  while (static_cast<int>(s.size()) < Digits) s.push_back(u'0');
  std::reverse(s.begin(), s.end());
  return s;
}

String FloatToStr(Extended Value) {
  if (!std::isfinite(Value)) return non_finite_text(Value);
  if (Value == 0) return u"0";
  detail::DecimalDigits d = detail::exact_decimal(Value);
  detail::round_decimal(d, 15);
  String s;
  if (Value < 0) s.push_back(u'-');
  const int n = static_cast<int>(d.digits.size());
  if (d.point >= -4 && d.point <= 15) {
    if (d.point <= 0) {
      s += u"0.";
      s.append(static_cast<std::size_t>(-d.point), u'0');
      for (char c : d.digits) s.push_back(static_cast<char16_t>(c));
    } else {
      for (int i = 0; i < std::max(n, d.point); ++i) {
        if (i == d.point) s.push_back(u'.');
        s.push_back(digit_at(d, i));
      }
    }
  } else {
    s.push_back(digit_at(d, 0));
    if (n > 1) {
      s.push_back(u'.');
      for (int i = 1; i < n; ++i) s.push_back(digit_at(d, i));
    }
    s.push_back(u'E');
    s += IntToStr(d.point - 1);
  }
  return s;
}

std::int32_t StrToInt(const String& S) {
  std::int64_t v;
  if (!parse_integer(S, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), v))
    raise_convert(S, u"integer");
  return static_cast<std::int32_t>(v);
}

std::int64_t str_to_int64(const String& S) {
  std::int64_t v;
  if (!parse_integer(S, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max(), v))
    raise_convert(S, u"integer");
  return v;
}

Extended StrToFloat(const String& S) {
  const auto v = detail::parse_decimal(trim_blanks(S));
  if (!v) raise_convert(S, u"floating point");
  return *v;
}

}  // namespace zyl

// Library: zyl / Package: ZYL_stringl / Module: numformat
#include "ZYL_stringl/numformat.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/decimal.h"
#include "platform/numtext.h"
#include "ZYL_stringl/replace.h"
#include "ZYL_stringl/strip.h"

namespace ZYL_stringl {
namespace {

// |Width| without overflowing for the most negative int.
int magnitude(int width) { return width == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : std::abs(width); }

// The number of digits before the decimal point of a finite, nonzero value
// (floor(log10 |v|) + 1), exactly.
int integer_digits(double value) { return zyl::detail::exact_decimal(value).point; }

}  // namespace

String strff(Extended Value, int Width, int Decimals) {
  const int w = magnitude(Width);
  String s;
  if (Decimals == -2 && !std::isfinite(Value)) {
    s = zyl::Str(Value, w, -1);
  } else if (Decimals == -2) {
    s = zyl::Str(Value, w > std::numeric_limits<int>::max() - 2 ? w : w + 2, -1);
    const std::size_t e = s.find(u'E');
    if (e != String::npos && s.size() - e - 1 == 5) {
      const bool fits = s[e + 2] == u'0' && s[e + 3] == u'0';
      s.erase(e + 2, 2);
      if (!fits) s.assign(s.size(), u'*');
    }
  } else {
    s = zyl::Str(Value, w, Decimals);
  }
  if (Width < 0) {
    const std::size_t blanks = s.find_first_not_of(u' ');
    if (blanks != String::npos && blanks > 0) {
      std::fill_n(s.begin(), blanks, u'0');
      if (s[blanks] == u'-') {
        s[blanks] = u'0';
        s[0] = u'-';
      }
    }
  }
  return s;
}

String strffForcePlus(Extended Value, int Width, int Decimals) {
  String s = strff(Value, Width, Decimals);
  if (Value < 0 || std::isnan(Value) || s.empty()) return s;
  std::size_t first = 0;
  while (first + 1 < s.size() && s[first] == u' ') ++first;
  if (first > 0) {
    s[first - 1] = u'+';
  } else if (s.size() > 1 && s[0] == u'0' && s[1] != u'.') {
    s[0] = u'+';
  } else {
    s.insert(0, 1, u'+');
  }
  return s;
}

String SigDigStr(double Value, int Width, int Digits) {
  // Beyond these the conversion's own limits (255 characters) decide; the
  // clamp only keeps the arithmetic below from overflowing.
  Digits = std::clamp(Digits, -1000, 1000);
  Width = std::clamp(Width, -1000000, 1000000);
  if (Value == 0) return strff(Value, Width, Digits - 1);
  if (!std::isfinite(Value)) return strff(Value, Width, 0);
  const int e = integer_digits(Value);
  const int m = std::max(Width, Digits + 6);
  if (Digits < e) return Width - 1 < e ? strff(Value, m, -2) : strff(Value, Width, 0);
  if (e < Digits - Width + 3) return strff(Value, m, -2);
  return strff(Value, Width, Digits - e);
}

String SigDigStr(double Value, int Width, int Digits, bool Strip) {
  const String s = SigDigStr(Value, Width, Digits);
  return Strip ? StripLTBlanks(s) : s;
}

String FormatData(double Value, int Width, int Decimals) {
  static constexpr double kUpper[] = {999999999,   9999999.9,   999999.99,   99999.999,  9999.9999,
                                      999.99999,   99.999999,   9.9999999,   0.99999999};
  static constexpr double kLower[] = {1, 0.1, 0.01, 0.001, 0.0001, 0.00001, 0.000001, 0.0000001, 0.00000001};
  if (Decimals >= 0 && Decimals <= 8) {
    const double a = std::fabs(Value);
    if (!(a > kUpper[Decimals]) && !(Value != 0 && a < kLower[Decimals])) return strff(Value, Width, Decimals);
  }
  return strff(Value, Width > std::numeric_limits<int>::max() - 6 ? Width : Width + 6, -2);
}

String AutoFormatData(double Value, int Digits) {
  const int n = std::clamp(Digits, 2, 16);
  if (Value == 0) return StripLTBlanks(strff(Value, 1, n - 1));
  if (std::isfinite(Value)) {
    // log10|v| lies in (-1, n-1) exactly when 0.1 <= |v| < 10^(n-1), i.e.
    // when the value has 0 .. n-1 integer digits (a binary value is never
    // exactly 0.1).
    const int point = integer_digits(Value);
    if (point >= 0 && point <= n - 1) return StripLTBlanks(strff(Value, 1, n - std::max(point - 1, 0) - 1));
  }
  return StripLTBlanks(strff(Value, n + 6, -2));
}

String AutoFormatData(double Value, int Digits, bool DecimalComma) {
  const String s = AutoFormatData(Value, Digits);
  return DecimalComma ? ReplaceCharInString(s, u'.', u',') : s;
}

}  // namespace ZYL_stringl

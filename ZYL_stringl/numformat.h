// Library: zyl / Package: ZYL_stringl / Module: numformat
//
// Numbers as text in fixed, column-friendly layouts. "." is the decimal
// separator whatever the locale (AutoFormatData can write "," on request).
// All digits come from the exact number text of the platform (zyl::Str):
// rounding is half away from zero, once, on the exact binary value.
//
//   strff(4321.5, 10, 2)          ⇒ u"   4321.50"
//   strff(-12.5, -8, 2)           ⇒ u"-0012.50"     (negative width: zero fill)
//   strff(1234.5, 10, -2)         ⇒ u" 1.235E+03"   (exponent form, two exponent digits)
//   strff(1e200, 10, -2)          ⇒ u"**********"   (exponent needs three digits)
//   strffForcePlus(5, 4, 0)       ⇒ u"  +5"
//   strffForcePlus(5, -4, 0)      ⇒ u"+005"
//   SigDigStr(3.14159, 8, 3)      ⇒ u"    3.14"
//   FormatData(0, 8, 3)           ⇒ u"   0.000"
//   FormatData(0.0001, 10, 3)     ⇒ u" 1.000000000E-04"
//   AutoFormatData(0.5, 3)        ⇒ u"0.50"
//   AutoFormatData(1.5, 3, true)  ⇒ u"1,50"
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::Extended;
using zyl::String;

// Value in Width characters with Decimals decimals (fixed form), padded on
// the left with blanks and growing when the number needs more room.
// Decimals = -2 gives the exponent form in |Width| characters: sign
// position, one digit, ".", as many decimals as fit, "E", the exponent sign
// and two exponent digits; an exponent that needs three or more digits
// fills the whole field with "*". Other negative Decimals give the
// platform's exponent form (four exponent digits) in |Width| characters.
// A negative Width fills with "0" instead of blanks, the "-" moving to the
// front.
[[nodiscard]] ZYL_API String strff(Extended Value, int Width, int Decimals);

// As strff, with a "+" for values >= 0: it replaces the blank before the
// first digit, or the leading "0" of a zero-filled text; otherwise it is
// put in front. A text that is a lone "0" keeps its digit ("+0").
[[nodiscard]] ZYL_API String strffForcePlus(Extended Value, int Width, int Decimals);

// Value with Digits significant digits in Width characters: fixed form
// where it fits, else the exponent form of strff in max(Width, Digits + 6)
// characters. The number of integer digits is taken from the exact value
// (so 1000 has four, never three through a rounded logarithm).
// With Strip, leading and trailing blanks are removed.
//   SigDigStr(1234.5, 10, 3)    ⇒ u"      1235"  (fewer digits than the integer part: none cut)
//   SigDigStr(0.000123, 8, 2)   ⇒ u" 0.00012"
//   SigDigStr(0.0000123, 8, 2)  ⇒ u" 1.2E-05"
//   SigDigStr(0, 6, 3)          ⇒ u"  0.00"
[[nodiscard]] ZYL_API String SigDigStr(double Value, int Width, int Digits);
[[nodiscard]] ZYL_API String SigDigStr(double Value, int Width, int Digits, bool Strip);

// Fixed form with Decimals (0..8) decimals while the value lies inside that
// decimal count's range (for 3: |value| <= 99999.999 and, unless 0,
// >= 0.001); else, and for any other Decimals, the exponent form of strff in
// Width + 6 characters.
[[nodiscard]] ZYL_API String FormatData(double Value, int Width, int Decimals);

// Compact text with Digits (limited to 2..16) significant digits, without
// blanks: fixed form for 0.1 <= |value| < 10^(Digits-1), else exponent form.
// The decision is taken on the exact value, not on a rounded logarithm.
// With DecimalComma every "." becomes ",".
//   AutoFormatData(123.456, 4)  ⇒ u"123.5"     AutoFormatData(12345, 3) ⇒ u"1.23E+04"
[[nodiscard]] ZYL_API String AutoFormatData(double Value, int Digits);
[[nodiscard]] ZYL_API String AutoFormatData(double Value, int Digits, bool DecimalComma);

}  // namespace ZYL_stringl

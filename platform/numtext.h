// Library: zyl / Package: platform / Module: numtext
//
// The host framework's number text: fixed-layout conversion of an extended
// value (Str), integer and hexadecimal text, the general floating-point text
// form, and parsing back. "." is the decimal separator everywhere, whatever
// the locale. Digits are exact: a value is converted from its binary form
// exactly and rounded once, half away from zero, so both targets print the
// same text for the same value.
//
// Example:
//   Str(4321.5L, 10, 2)    // == u"   4321.50"
//   Str(4321.5L, 12, -1)   // == u" 4.321E+0003"
//   IntToHex(255, 4)       // == u"00FF"
//   FloatToStr(0.1)        // == u"0.1"
//   StrToFloat(u" 2.5e3")  // == 2500
#pragma once

#include <cstdint>

#include "platform/hoststring.h"

namespace zyl {

// Str: the value as text in one of two layouts, padded on the left with
// blanks to Width characters and growing beyond Width when it needs more.
//
// Decimals >= 0, fixed form: an optional "-", the integer digits (at least
// "0"), and for Decimals > 0 a "." and exactly Decimals digits. All digits
// are exact (no cut-off at 18 significant digits); rounding is half away
// from zero on the exact binary value. A negative value that rounds to zero
// keeps its "-" ("-0.00"); -0.0 itself prints as "0".
//
// Decimals < 0, exponent form: a sign position (" " or "-"), one digit, ".",
// D decimals, "E", the exponent's sign and four exponent digits, where
// D = Width - 9 limited to 1..17 (at most 18 significant digits). With Width
// below 10 the text is 10 characters; above 26 it is padded with blanks.
//
// Width and Decimals are limited to 255 (the host's short-string limit) so a
// wild argument cannot ask for gigabytes; a negative Width counts as 0. NaN and infinities give "NAN",
// "INF" and "-INF", padded to Width.
//
//   Str(0.125L, 0, 2)     == u"0.13"        Str(2.5L, 3, 0)    == u"  3"
//   Str(-12.5L, 8, 2)     == u"  -12.50"    Str(1e20L, 0, 0)   == u"100000000000000000000"
//   Str(1234.5L, 12, -1)  == u" 1.235E+0003"
//   Str(-0.5L, 0, -1)     == u"-5.0E-0001"
[[nodiscard]] ZYL_API String Str(Extended Value, int Width, int Decimals);

// Decimal text of an integer: IntToStr(-42) == u"-42".
[[nodiscard]] ZYL_API String IntToStr(std::int64_t Value);

// Upper-case hexadecimal digits, at least Digits of them (zero-filled).
// Negative values print their two's complement: 32 bits for values that fit
// an int32, else 64 bits. IntToHex(255, 4) == u"00FF", IntToHex(-1, 2) ==
// u"FFFFFFFF".
[[nodiscard]] ZYL_API String IntToHex(std::int64_t Value, int Digits);

// The general floating-point text form: the value rounded to 15 significant
// digits, trailing zeros removed; fixed notation when 1E-5 <= |value| <
// 1E15 after rounding, else scientific "d.dddE-x" / "dE15" (no "+", no
// leading exponent zeros). Zero is "0"; NaN "NAN", infinities "INF"/"-INF".
//   FloatToStr(1.5) == u"1.5"   FloatToStr(1e20) == u"1E20"
//   FloatToStr(1.0/3) == u"0.333333333333333"   FloatToStr(-2.5e-7) == u"-2.5E-7"
[[nodiscard]] ZYL_API String FloatToStr(Extended Value);

// Parses a decimal integer (optional sign) or a hexadecimal one ("$" or "0x"
// prefix), blanks around it allowed. Raises EConvertError
// "'<text>' is not a valid integer value" for anything else and for values
// outside the result type.
//   StrToInt(u" -12 ") == -12    StrToInt(u"$FF") == 255    StrToInt(u"1.0") raises
[[nodiscard]] ZYL_API std::int32_t StrToInt(const String& S);
// The same for the 64-bit range (used by the variant conversions).
[[nodiscard]] ZYL_API std::int64_t str_to_int64(const String& S);

// Parses a decimal number with "." (sign, digits, optional fraction,
// optional exponent), blanks around it allowed, rounded correctly to the
// nearest extended. Raises EConvertError
// "'<text>' is not a valid floating point value" for malformed text and for
// values beyond the extended range; values too small become 0.
//   StrToFloat(u"0.1") == 0.1L   StrToFloat(u"1,5") raises
[[nodiscard]] ZYL_API Extended StrToFloat(const String& S);

}  // namespace zyl

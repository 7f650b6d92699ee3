// Library: zyl / Package: ZYL_dstruct / Module: detail/strnumscan
//
// Internal: the string number scanner that the data-structure containers use
// to read numbers out of their stored texts (the feature matrix's double
// values; the associative array's numeric read-out).
//
// It runs the free-format number state machine of the stream readers
// (ZYL_zylbase/detail/numberscan.h) over UTF-16 text from a 1-based
// position, with two differences that make it a string scanner: only the
// character 32 is a blank (tab, CR and LF end or fail a number like any other
// character), a position beyond the end reads as the letter "Z", and an
// exponent marker or exponent sign followed by anything but a digit or sign
// ends the number rather than failing it ("1E" reads as 1).
//
// Result for every input: the final state (9 done, -1 failed), the value (0
// when failed, else the number text converted and limited to +-1.7e308) and
// Pos moved back by one, so it points at the character that ended the number.
// ExponentTooLarge is set when the exponent digits read exceed 4200 in
// magnitude; the gathered text then stops growing at that point, so the value
// is that of the number cut short there.
//
// Example:
//   int pos = 1;
//   auto r = scan_string_number(u"12.5e1;", pos, true, zyl::detail::kDecPoint);
//   // r.State == 9, r.Value == 125.0, pos == 7 (at ";")
#pragma once

#include <cstdint>
#include <string_view>

namespace ZYL_dstruct::detail {

struct StringNumberScan {
  int State = 0;                  // 9 success, -1 failed
  double Value = 0.0;             // 0 when failed
  bool ExponentTooLarge = false;  // the exponent digits exceeded 4200
};

// DecPChar: zyl::detail::kDecPoint, kDecComma or kDecEither.
[[nodiscard]] StringNumberScan scan_string_number(std::u16string_view S, int& Pos, bool AllowExp, int DecPChar);

// True when S, read from its first character with the exponent allowed and
// "." as the only separator, forms a complete number whose exponent does not
// exceed 4200 in magnitude; characters after the number are not examined.
//   "1.5" "-2E3" " 7" "1." ".5" "12abc" => true;   "" "+" "E5" "1E5000" => false
[[nodiscard]] bool is_float_text(std::u16string_view S);

}  // namespace ZYL_dstruct::detail

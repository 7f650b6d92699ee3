// Library: zyl / Package: ZYL_dstruct / Module: strnumscan (internal)
//
// The string number scanner of the keyed containers and the feature matrix:
// reads a floating-point number from a UTF-16 text, starting at a 1-based
// position, one character at a time through a state machine. Each character
// is upper-cased first; a position beyond the end reads as the letter "Z".
//
//   state                  sep  digit  + or -  E              blank (32)  other
//   1 start                 4     3      2     fail               1         fail
//   2 after the sign        4     3     fail   fail              fail       fail
//   3 integer digits        4     3      9     6 (9 if no exp)    9          9
//   4 after the separator  fail   5      9     6 (9 if no exp)    9          9
//   5 fraction digits      fail   5      9     6 (9 if no exp)    9          9
//   6 after E              fail   8      7     fail              fail        9
//   7 after exponent sign  fail   8     fail   fail              fail        9
//   8 exponent digits       9     8      9     9                  9          9
//
// The separator column (kDecPoint ".", kDecComma ",", kDecEither both, as in
// zyl::detail::numberscan) is tested first. Only the blank (code 32) is a
// blank: tabs and line ends are "other". Characters are gathered ("," as
// ".") while the exponent digits read so far are at most 4200, so a long
// exponent cannot grow the text; a gathered text ending in "." gets a "0".
// A text ending in an exponent marker without digits ("1E", "1E+", which the
// table accepts) is read as the number before the marker. The value is
// clamped to +-1.7e308; a failed scan gives 0.
//
// Afterwards Pos points at the character that ended the number (one past
// the end of the text when the end ended it).
//
// Example: scan_string_number(u"12abc", pos = 1, true, kDecEither)
//          ⇒ value 12, state 9, pos == 3 (at "a")
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/hoststring.h"

namespace zyl::detail {

struct StringNumber {
  Extended value = 0;        // the number read, clamped; 0 when the scan failed
  bool ok = false;           // the scan ended in the success state (9)
  bool long_exponent = false;  // the exponent digits exceeded 4200 in magnitude
};

// Scans S from the 1-based position Pos (see above) and advances Pos.
// DecPChar is kDecPoint, kDecComma or kDecEither (numberscan.h).
[[nodiscard]] StringNumber scan_string_number(std::u16string_view S, std::int32_t& Pos, bool AllowExp,
                                              int DecPChar);

}  // namespace zyl::detail

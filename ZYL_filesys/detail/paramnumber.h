// Library: zyl / Package: ZYL_filesys / Module: paramnumber (internal)
//
// The numbers of the save dialog's parameter text, read from a string.
#pragma once

#include <cstdint>
#include <string_view>

namespace ZYL_filesys::detail {

// Blanks, one "-" or "+", then decimal digits up to the first other
// character; no digits give 0; the value wraps in 32 bits (no overflow check).
std::int32_t scan_param_int(std::u16string_view Text);

// The stream reader's floating-point state machine over a string, with "."
// and "," as separators and exponents allowed, except that: the end of the
// string counts as the letter Z; only the blank is skipped at the start (tab,
// CR and LF make the number invalid); after the exponent letter anything but
// a sign, digit, blank, another E or separator ends the number as complete
// (it then reads as the number before the letter). Malformed text gives 0.0;
// the result is clamped to +-1.7e308.
double scan_param_double(std::u16string_view Text);

}  // namespace ZYL_filesys::detail

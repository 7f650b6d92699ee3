// Library: zyl / Package: ZYL_stringl / Module: detail/hexreader
//
// The string library's hexadecimal reader, shared by ProcessHexChars and the
// TGrep compiler's "\#hh" escapes.
#pragma once

#include <cstdint>
#include <string_view>

namespace ZYL_stringl::detail {

// Reads a hexadecimal number from Text starting at the 1-based position Pos:
// skips blanks (never past the last character), skips a "$" standing at
// position 1, then accumulates the digits 0-9, A-F, a-f as value * 16 + digit
// (wrapping modulo 2^64) up to the first other character. Pos is left at the
// first unread character (Length + 1 when everything was read). A Pos below 1
// counts as 1; a Pos beyond the text reads nothing.
//
//   read_hex(u"  1F", pos = 1)  == 31, pos == 5
//   read_hex(u"$ff!", pos = 1)  == 255, pos == 4
//   read_hex(u"G1", pos = 1)    == 0,  pos == 1
std::uint64_t read_hex(std::u16string_view Text, int& Pos);

}  // namespace ZYL_stringl::detail

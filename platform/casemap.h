// Library: zyl / Package: platform / Module: casemap
//
// The host framework's case mapping and case-insensitive comparison.
//
//   LowerCase / UpperCase            change A-Z (a-z) only
//   AnsiLowerCase / AnsiUpperCase    the locale's rules: Unicode simple
//                                    (one-to-one) case mapping
//   AnsiStrIComp / AnsiStrLIComp     compare under that mapping
//
// The locale rules come from a table built into the library for the Basic
// Multilingual Plane, not from the operating system, so every platform gives
// the same results. Each UTF-16 code unit maps to exactly one code unit, so
// the length of a text never changes; surrogates (characters beyond the BMP)
// stay as they are.
//
// Example:
//   zyl::UpperCase(u"straße ä")        // == u"STRAßE ä"
//   zyl::AnsiUpperCase(u"straße ä")    // == u"STRAßE Ä"   (ß has no one-letter upper case)
//   zyl::AnsiStrIComp(u"Ärger", u"äRGER")  // == 0
#pragma once

#include <string_view>

#include "platform/casemap_table.h"
#include "platform/hoststring.h"

namespace zyl {

// Text with A-Z changed to a-z; every other character unchanged.
[[nodiscard]] ZYL_API String LowerCase(std::u16string_view S);
// Text with a-z changed to A-Z; every other character unchanged.
[[nodiscard]] ZYL_API String UpperCase(std::u16string_view S);

// Text with each character replaced by its simple lower-case mapping.
[[nodiscard]] ZYL_API String AnsiLowerCase(std::u16string_view S);
// Text with each character replaced by its simple upper-case mapping.
[[nodiscard]] ZYL_API String AnsiUpperCase(std::u16string_view S);

// Compares two texts without regard to case: <0, 0 or >0. Each text ends at
// its end or at its first code 0, whichever comes first (the texts are taken
// as the host's null-terminated strings). Characters are compared by the code
// of their upper-case mapping, then by length.
//   AnsiStrIComp(u"abc", u"ABD") < 0;  AnsiStrIComp(u"a\0x", u"A") == 0
[[nodiscard]] ZYL_API int AnsiStrIComp(std::u16string_view S1, std::u16string_view S2);
// As AnsiStrIComp, comparing at most MaxLen characters (MaxLen <= 0: equal).
//   AnsiStrLIComp(u"abcX", u"ABCy", 3) == 0
[[nodiscard]] ZYL_API int AnsiStrLIComp(std::u16string_view S1, std::u16string_view S2, int MaxLen);

namespace detail {

// One code unit under the simple upper-case / lower-case mapping.
[[nodiscard]] inline Char simple_upper(Char c) noexcept {
  return static_cast<Char>(c + kUpperDelta[kUpperPage[c >> 8]][c & 0xFF]);
}
[[nodiscard]] inline Char simple_lower(Char c) noexcept {
  return static_cast<Char>(c + kLowerDelta[kLowerPage[c >> 8]][c & 0xFF]);
}

// One code unit with A-Z / a-z changed only.
[[nodiscard]] constexpr Char ascii_lower(Char c) noexcept {
  return (c >= u'A' && c <= u'Z') ? static_cast<Char>(c + 32) : c;
}
[[nodiscard]] constexpr Char ascii_upper(Char c) noexcept {
  return (c >= u'a' && c <= u'z') ? static_cast<Char>(c - 32) : c;
}

}  // namespace detail
}  // namespace zyl

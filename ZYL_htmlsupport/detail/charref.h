// Library: zyl / Package: ZYL_htmlsupport / Module: charref
//
// Reading one character reference ("&eacute;", "&#233;", "&#xE9;") at the
// start of a text, for ResolveHTMLEntities and HTMLEntityToAnsi.
//
//   "&amp;x"       ⇒ U+0026, length 5
//   "&#x1F600;"    ⇒ U+1F600, length 9
//   "&#150;"       ⇒ U+2013 (HTML's reading of the C1 codes 128..159)
//   "&#0;"  "&#xD800;"  "&#1114112;"  ⇒ none (no character)
//   "&bogus;"  "&amp"  "&#;"  "&"      ⇒ none
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zyl::detail {

struct CharRef {
  char32_t code;       // a Unicode scalar value, never 0 or a surrogate
  std::size_t length;  // characters the reference takes, "&" and ";" included
};

// The reference that Text begins with. Named references need their ";" and
// are case-sensitive; numeric ones take decimal digits after "&#" or
// hexadecimal digits (either case) after "&#x" / "&#X", and a ";". Reads at
// most a bounded number of characters beyond a name's longest length, or
// beyond the digits, so a lone "&" costs nothing.
[[nodiscard]] std::optional<CharRef> read_char_ref(std::u16string_view Text) noexcept;

// Appends Code as UTF-16 (a surrogate pair above U+FFFF).
void append_code_point(std::u16string& Out, char32_t Code);

}  // namespace zyl::detail

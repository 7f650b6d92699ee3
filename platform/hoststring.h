// Library: zyl / Package: platform / Module: hoststring
//
// The string types of the library and the conversions at its byte boundaries.
//
//   String      UTF-16 text with value semantics (std::u16string)
//   Char        one UTF-16 code unit
//   AnsiString  8-bit text holding Latin-1 bytes (std::string); short strings
//               are the same type, at most 255 bytes
//   Extended    the 80-bit extended floating-point type
//
// Positions in the public interface are 1-based; 0 means "not found".
//
// Example:
//   String s = zyl::from_utf8("Größe");   // s.size() == 5
//   std::string u = zyl::to_utf8(s);       // u == "Größe" (7 bytes)
//   zyl::to_latin1(u"\u20ACx")             // == "?x"
#pragma once

#include <string>
#include <string_view>

#include "platform/api.h"

namespace zyl {

using Char = char16_t;
using String = std::u16string;
using AnsiString = std::string;
using Extended = long double;

// Decodes UTF-8. Bytes that do not form valid UTF-8 (stray continuation
// bytes, overlong forms, surrogates, truncated sequences) are taken one by one
// as Latin-1 characters, so 8-bit text from older files reads correctly and
// nothing is lost.
[[nodiscard]] ZYL_API String from_utf8(std::string_view text);

// Encodes UTF-16 as UTF-8. An unpaired surrogate becomes U+FFFD.
[[nodiscard]] ZYL_API std::string to_utf8(std::u16string_view text);

// Widens Latin-1 bytes to UTF-16 (byte b becomes character b).
[[nodiscard]] ZYL_API String from_latin1(std::string_view text);

// Narrows to Latin-1; characters above 255 become '?'.
[[nodiscard]] ZYL_API AnsiString to_latin1(std::u16string_view text);

// Widens plain ASCII text; a convenience for literals built at run time.
[[nodiscard]] inline String from_ascii(std::string_view text) { return from_latin1(text); }

}  // namespace zyl

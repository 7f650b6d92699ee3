// Library: zyl / Package: ZYL_dstruct / Module: xmltext (internal)
//
// The text coding shared by the XML forms of the string array and the
// associative array.
//
// A text goes into an attribute value or element content with "&", "<",
// ">" and the double quote as entity references and tab, LF and CR as
// character references (so that XML parsers neither normalise nor drop
// them). XML 1.0 cannot carry the other control characters, U+FFFE, U+FFFF
// or an unpaired surrogate in any form; a text holding one of them is
// written instead as hexadecimal code units (hex form), and the element says
// so with an attribute. Both forms read back to exactly the text written.
//
//   append_xml_escaped(out, u"a<b & \"c\"\t")  appends  a&lt;b &amp; &quot;c&quot;&#9;
//   xml_can_carry(u"\x01")                     ⇒ false
//   append_hex_units(out, u"\x01A", 2)         appends  0141
//   xml_unescape(u"&lt;&#65;&#x42;&bogus;")    ⇒ u"<AB&bogus;"
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/hoststring.h"

namespace zyl::detail {

// True when every code unit of S can stand in XML 1.0 text, as itself or as
// a character reference: no control character other than tab, LF and CR,
// no U+FFFE/U+FFFF and only surrogates that form pairs.
[[nodiscard]] bool xml_can_carry(std::u16string_view S) noexcept;

// Appends S with the five markup characters and tab, LF and CR escaped.
void append_xml_escaped(String& Out, std::u16string_view S);

// Appends each code unit of S as Digits (2 or 4) upper-case hexadecimal
// digits. With 2 digits every unit must be below 256.
void append_hex_units(String& Out, std::u16string_view S, int Digits);

// Reads back what append_hex_units wrote; nothing for a length that is not a
// multiple of Digits or a character that is not a hexadecimal digit.
[[nodiscard]] std::optional<String> parse_hex_units(std::u16string_view Hex, int Digits);

// Replaces the entity references &amp; &lt; &gt; &quot; &apos; and the
// character references &#N; / &#xH; (for characters U+0001..U+10FFFF, a
// character beyond U+FFFF as a surrogate pair). Anything else that starts
// with "&" is kept as it stands.
[[nodiscard]] String xml_unescape(std::u16string_view S);

// Appends ` Name="Value"` with Value escaped, or, when XML cannot carry
// Value, ` Namehex="..."` with its code units in hex form (4 digits each).
void append_text_attribute(String& Out, std::u16string_view Name, std::u16string_view Value);

// Reads back what append_text_attribute wrote, from an attribute text as
// the tag reader gives it (names compared A-Z folded). Nothing when neither
// attribute is there, the hex form is malformed or the text is malformed
// before it.
[[nodiscard]] std::optional<String> read_text_attribute(std::u16string_view Attributes, std::u16string_view Name);

// A decimal integer written by the XML writers: an optional "-" and 1 to 18
// digits, nothing else. Nothing for any other text.
[[nodiscard]] std::optional<std::int64_t> parse_xml_integer(std::u16string_view S) noexcept;

// The XML declaration that starts a file written with a header, and the line
// end of the XML forms (the same bytes on every platform).
inline constexpr std::u16string_view kXMLHeader = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
inline constexpr std::u16string_view kXMLLineEnd = u"\r\n";

}  // namespace zyl::detail

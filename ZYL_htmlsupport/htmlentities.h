// Library: zyl / Package: ZYL_htmlsupport / Module: htmlentities
//
// Character entity references: the Latin-1 entity table, one character to
// its reference and back, escaping plain text for HTML and resolving the
// references in HTML text.
//
// The references this module knows by name are those of HTML 4.01 (the
// Latin-1 set below, the special characters such as "&euro;" and "&mdash;",
// the symbols and Greek letters) and "&apos;"; names are case-sensitive.
// Numeric references are decimal ("&#233;") or hexadecimal ("&#xE9;",
// "&#XE9;"); the codes 128..159 are read as the characters Windows code
// page 1252 has there ("&#150;" is an en dash), as browsers do. Every
// reference needs its closing ";". A reference to no character (code 0, a
// surrogate, above U+10FFFF) counts as unknown.
//
// Example:
//   AnsiToHTMLEntity(u'\u00E9')                  // == u"&eacute;"
//   HTMLEntityToAnsi(u"&#x263A;")                // == u"\u263A"
//   MakeStringHTMLCompatible(u"a<b & \"c\"")     // == u"a&lt;b &amp; &quot;c&quot;"
//   ResolveHTMLEntities(u"5 &lt; 6 &bogus; &#8364;")  // == u"5 < 6 &bogus; \u20AC"
#pragma once

#include <array>
#include <string_view>

#include "platform/hoststring.h"

namespace ZYL_htmlsupport {

using zyl::Char;
using zyl::String;

// The HTML 4.01 Latin-1 entity references: entry k belongs to the character
// of code 160 + k, ampersand and semicolon included (at most 8 characters).
//   HTMLLat1Entities[0] == "&nbsp;", [1] == "&iexcl;", [95] == "&yuml;"
extern ZYL_API const std::array<std::string_view, 96> HTMLLat1Entities;

// The reference of C: the Latin-1 table entry for codes 160..255, "&amp;",
// "&lt;", "&gt;" and "&quot;" for the four markup characters, otherwise C
// itself as a one-character text (the apostrophe included).
//   u'<' ⇒ u"&lt;"    u'\u00A0' ⇒ u"&nbsp;"    u'a' ⇒ u"a"    u'\u20AC' ⇒ u"\u20AC"
[[nodiscard]] ZYL_API String AnsiToHTMLEntity(Char C);

// The character of the reference that makes up the whole of Text (a code
// point above U+FFFF as its surrogate pair). Text that is not exactly one
// known reference, named or numeric, comes back unchanged.
//   u"&Auml;" ⇒ u"\u00C4"   u"&apos;" ⇒ u"'"   u"&#65;" ⇒ u"A"   u"&#x41;" ⇒ u"A"
//   u"&auml"  ⇒ u"&auml"    u"&foo;" ⇒ u"&foo;"  u"&lt;x" ⇒ u"&lt;x"   u"" ⇒ u""
[[nodiscard]] ZYL_API String HTMLEntityToAnsi(const String& Text);

// Text made safe for element content and for attribute values in single or
// double quotes: "&" "<" ">" "\"" "'" become "&amp;" "&lt;" "&gt;" "&quot;"
// "&#39;", the characters 160..255 their Latin-1 references; everything else,
// line breaks included, stays as it is. Characters that HTML does not allow
// in a document at all (controls other than tab, LF, FF and CR, unpaired
// surrogates, non-characters) are left to the caller.
//   u"Tom & Jerry's" ⇒ u"Tom &amp; Jerry&#39;s"   u"\u00FC" ⇒ u"&uuml;"
[[nodiscard]] ZYL_API String MakeStringHTMLCompatible(const String& Text);

// Text with every known named and numeric reference replaced by its
// character; unknown and malformed references ("&", "&bogus;", "&amp" without
// its ";", "&#0;") stay exactly as written. Reads every character once.
// ResolveHTMLEntities(MakeStringHTMLCompatible(s)) == s for every s.
//   u"&lt;p&gt;" ⇒ u"<p>"   u"&#x1F600;" ⇒ u"\U0001F600" (two code units)
//   u"&amp;lt;" ⇒ u"&lt;" (one pass only)
[[nodiscard]] ZYL_API String ResolveHTMLEntities(const String& Text);

}  // namespace ZYL_htmlsupport

// Library: zyl / Package: ZYL_stringl / Module: extract
//
// Taking parts out of a text: around a trigger, a delimited field, the word
// at a position, a parameter of a list.
//
//   ExtractAfterTrigger(u"key = v ", u"=", true)       ⇒ u"v"
//   ExtractBeforeTrigger(u"key = v", u"=", false)      ⇒ u"key "
//   ExtractAfterTrigger(u"abc", u"=", false)           ⇒ u""     (trigger absent)
//   ExtractSubString(u"a;b;;d", 1, u";")               ⇒ u"b"
//   ExtractSubString(u"a;b;;d", 2, u";")               ⇒ u""
//   ExtractSubString(u"a;b;;d", 4, u";")               ⇒ u""
//   ExtractWordFromString(u"one two.", 6)              ⇒ u"two"
//   ExtractWordFromString(u"one two.", 4)              ⇒ u" "    (a separator itself)
//   ExtractParam(u"a, \"b,c\" ,d", 1, u',', u'"', u"?")  ⇒ u"b,c"
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;

// The text after the first occurrence of Trigger; empty when it is absent
// (or empty). With Strip, leading and trailing blanks are removed.
[[nodiscard]] ZYL_API String ExtractAfterTrigger(const String& S, const String& Trigger, bool Strip);
// The text before the first occurrence of Trigger; empty when it is absent
// (or empty). With Strip, leading and trailing blanks are removed.
[[nodiscard]] ZYL_API String ExtractBeforeTrigger(const String& S, const String& Trigger, bool Strip);

// Splits S at the first occurrence of Delimiter into Before and After (each
// without leading and trailing blanks when Strip is set). When the delimiter
// is absent (or empty) both are empty.
ZYL_API void SplitString(const String& S, const String& Delimiter, bool Strip, String& Before, String& After);

// The N-th field (counted from 0) of S divided by Delimiter; empty when
// N < 0, when S has fewer fields, or when the field itself is empty. A field
// that begins with the delimiter (compared folding A-Z) is empty. An empty
// delimiter divides nothing: field 0 is the whole text, every other is empty.
[[nodiscard]] ZYL_API String ExtractSubString(const String& S, int N, const String& Delimiter);

// The word that contains position Pos, bounded by separators (WordSeps) or
// the ends of the text. When the character at Pos is a separator, the result
// is that one character. Empty when Pos is outside 1..length.
[[nodiscard]] ZYL_API String ExtractWordFromString(const String& S, int Pos);
// As above, also giving the word's first and last positions (both 0 when
// Pos is outside 1..length; both Pos for a separator).
[[nodiscard]] ZYL_API String ExtractWordFromString(const String& S, int Pos, int& First, int& Last);

// The parameter number Index (counted from 0) of a list divided by
// Delimiter, or Default when the list has no such parameter (Index < 0 or
// beyond the last). Each parameter is stripped of blanks around it. A
// parameter may be enclosed in Quote: then delimiters and blanks inside it
// belong to it, a doubled Quote stands for one Quote, the quotes are
// removed, and text between the closing quote and the next delimiter is
// ignored. An unterminated quote runs to the end of the list. An empty
// text has one (empty) parameter.
//   ExtractParam(u"x=1; 'a;b'; ", 2, u';', u'\'', u"-")   ⇒ u""
//   ExtractParam(u"x=1; 'a;b'", 1, u';', u'\'', u"-")     ⇒ u"a;b"
//   ExtractParam(u"x=1", 5, u';', u'\'', u"-")             ⇒ u"-"
[[nodiscard]] ZYL_API String ExtractParam(const String& S, int Index, Char Delimiter, Char Quote,
                                          const String& Default);

}  // namespace ZYL_stringl

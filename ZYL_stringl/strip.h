// Library: zyl / Package: ZYL_stringl / Module: strip
//
// Removing blanks and other characters from the ends of a text, and making
// sure a text begins or ends with a given character. A blank is code 32
// only; tabs are not blanks.
//
//   StripLTBlanks(u"  a b  ")          ⇒ u"a b"
//   StripLTBlanks(u"   ")              ⇒ u""
//   StripLeadingBlanks(u"   ")         ⇒ u" "      (the last character stays)
//   StripTrailingBlanks(u"   ")        ⇒ u" "      (the first character stays)
//   StripLeadingChars(u'0', u"000")    ⇒ u""
//   StripTrailingChars(u'0', u"000")   ⇒ u"0"
//   EnsureTrailingBkSlash(u"c:")       ⇒ u"c:\\"
//   EnsureTrailingChar(u'/', u"")      ⇒ u""       (an empty text stays empty)
//   EnsureLeadingChar(u'/', u"/x")     ⇒ u"/x"
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;

// Text without leading and trailing blanks.
[[nodiscard]] ZYL_API String StripLTBlanks(const String& S);
// Text without leading blanks; never removes the last character.
[[nodiscard]] ZYL_API String StripLeadingBlanks(const String& S);
// Text without trailing blanks; never removes the first character.
[[nodiscard]] ZYL_API String StripTrailingBlanks(const String& S);
// Text without leading C; a text of C only becomes empty.
[[nodiscard]] ZYL_API String StripLeadingChars(Char C, const String& S);
// Text without trailing C; never removes the first character.
[[nodiscard]] ZYL_API String StripTrailingChars(Char C, const String& S);

// Text with a backslash appended, unless it is empty or already ends with one.
[[nodiscard]] ZYL_API String EnsureTrailingBkSlash(const String& S);
// Text with C appended, unless it is empty or already ends with C.
[[nodiscard]] ZYL_API String EnsureTrailingChar(Char C, const String& S);
// Text with C prefixed, unless it is empty or already begins with C.
[[nodiscard]] ZYL_API String EnsureLeadingChar(Char C, const String& S);

}  // namespace ZYL_stringl

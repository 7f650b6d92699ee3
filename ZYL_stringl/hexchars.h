// Library: zyl / Package: ZYL_stringl / Module: hexchars
//
// ProcessHexChars: resolves the escapes "\#hh" (the character of hexadecimal
// code hh) and "\\" (one backslash) in a text. Scanning continues behind the
// character produced, so the result is never rescanned. A backslash before
// any other character, or at the end, stays as it is; "\#" with fewer than
// two characters after it uses those there are. The two characters are read
// by the library's hexadecimal reader: it stops at the first non-digit
// ("\#4z" is the character 4), skips a leading blank and a leading "$".
//
//   ProcessHexChars(u"a\\#41b")   ⇒ u"aAb"
//   ProcessHexChars(u"\\\\#41")   ⇒ u"\\#41"   (the escaped backslash is not an escape start)
//   ProcessHexChars(u"x\\y")      ⇒ u"x\\y"
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

[[nodiscard]] ZYL_API zyl::String ProcessHexChars(const zyl::String& S);

}  // namespace ZYL_stringl

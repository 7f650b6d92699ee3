// Library: zyl / Package: ZYL_stringl / Module: charlist
//
// Testing a text against a list of characters. The list may hold macros,
// each standing for a range of characters:
//
//   //dig     the digits 0-9
//   //lc      the small letters a-z
//   //uc      the capital letters A-Z
//   //31dwn   the control characters, codes 0-31
//   //128up   the codes 128-255
//
// Only codes 0-255 take part: characters above 255 in the list are ignored,
// and characters above 255 in the text are neither in the list nor outside
// it (both functions skip them).
//
//   StringContains(u"abc1", u"//dig")                ⇒ true
//   StringContains(u"abc", u"xyz")                   ⇒ false
//   StringContainsOtherThan(u"abc", u"//lc")         ⇒ false
//   StringContainsOtherThan(u"ab-c", u"//lc//uc")    ⇒ true
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::String;

// True when any character of S is in CharList.
[[nodiscard]] ZYL_API bool StringContains(const String& S, const String& CharList);
// True when any character of S is not in CharList.
[[nodiscard]] ZYL_API bool StringContainsOtherThan(const String& S, const String& CharList);

}  // namespace ZYL_stringl

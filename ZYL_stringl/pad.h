// Library: zyl / Package: ZYL_stringl / Module: pad
//
// Fitting a text into a fixed width: padding with blanks, cutting,
// centring and abbreviating, and runs of one character.
//
//   LeftString(u"ab", 4)          ⇒ u"ab  "
//   RightString(u"ab", 4)         ⇒ u"  ab"
//   RightString(u"abcdef", 4)     ⇒ u"abcd"    (cut on the right, as LeftString)
//   CenterString(u"ab", 7)        ⇒ u"  ab   " (the odd blank goes after)
//   AbbrevString(u"abcdefgh", 5)  ⇒ u"abc.."
//   MultiChar(u'-', 0)            ⇒ u"-"       (count limited to 1..255)
//
// Widths below 0 count as 0. Widths above 255 are honoured (the original
// byte-sized width could not express them).
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;

// Text padded with blanks on the right to Width; a longer text is cut to
// its first Width characters.
[[nodiscard]] ZYL_API String LeftString(const String& S, int Width);
// Text padded with blanks on the left to Width; a longer text is cut to its
// first Width characters.
[[nodiscard]] ZYL_API String RightString(const String& S, int Width);
// Text centred in Width: with n = Width - length, n div 2 blanks before and
// the rest after. A text at least Width long is cut to its first Width
// characters.
[[nodiscard]] ZYL_API String CenterString(const String& S, int Width);
// A text longer than N becomes its first N-2 characters and ".."; a shorter
// or equal one is returned unchanged. For N < 2 an abbreviated text is "..".
[[nodiscard]] ZYL_API String AbbrevString(const String& S, int N);
// C repeated N times, N limited to 1..255.
[[nodiscard]] ZYL_API String MultiChar(Char C, int N);

}  // namespace ZYL_stringl

// Library: zyl / Package: ZYL_stringl / Module: casing
//
// Case changes, capitalisation, transcription of German special letters and
// case-insensitive equality under the locale's rules (Unicode simple case
// mapping, see platform/casemap.h).
//
//   ChangeCase(u"aBc Ää")            ⇒ u"AbC äÄ"
//   CapitalizeString(u"hello wORLD 2nd")  ⇒ u"Hello WORLD 2nd"
//   ExpandDiphthongs(u"Äpfel")       ⇒ u"Aepfel"
//   ExpandDiphthongs(u"ÄRGER")       ⇒ u"AERGER"
//   ExpandDiphthongs(u"Straße µm")   ⇒ u"Strasse um"
//   EqualAnsiStrings(u"Öl", u"öL")   ⇒ true
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;

// Swaps the case of each character: one whose locale upper case is itself
// becomes its locale lower case, every other becomes its locale upper case.
// Characters without case mapping stay as they are.
[[nodiscard]] ZYL_API String ChangeCase(const String& S);

// Upper-cases (A-Z only) the first letter of each word. A letter is A-Z,
// a-z or any character above code 127; letters and digits continue a word,
// every other character starts a new one. Letters above 127 count as word
// characters but are not changed.
[[nodiscard]] ZYL_API String CapitalizeString(const String& S);

// Transcribes German special letters: ä ö ü ⇒ ae oe ue, ß ⇒ ss, the micro
// sign µ ⇒ u, and Ä Ö Ü ⇒ A O U followed by "e" when the next character is a
// small letter a-z, otherwise (also at the end of the text) by "E".
[[nodiscard]] ZYL_API String ExpandDiphthongs(const String& S);

// True when both texts are equal without regard to case under the locale's
// rules; each text counts only up to its first code 0.
[[nodiscard]] ZYL_API bool EqualAnsiStrings(const String& S1, const String& S2);

}  // namespace ZYL_stringl

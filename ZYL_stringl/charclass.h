// Library: zyl / Package: ZYL_stringl / Module: charclass
//
// Character classes and the word separators.
//
//   IsDigit        0-9
//   IsLetter       A-Z, a-z (no accented letters)
//   IsDigitLetter  0-9, A-Z, a-z
//   IsHexChar      0-9, A-F, a-f
//   IsUmlaut       ä ö ü Ä Ö Ü ß
//
// WordSeps holds the 8-bit codes that separate words for CountWords and
// ExtractWordFromString. Characters above code 255 are never separators.
//
// Example:
//   CountWords(u"a bc de")      // == 1: "bc" is followed by a separator,
//                               //   "de" ends the text, "a" is one letter
//   IsAbbreviation(u"NATO")     // == true
//   IsAbbreviation(u"Nato")     // == false
#pragma once

#include <bitset>

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;

// The word separators: code 0, LF, CR, blank and " # % ' ( ) * + , - . / : ;
// < = > [ \ ] { }. Not among them: tab, ! $ & ? @ _ | ~, digits and letters.
// A process-wide variable: changing it changes the word functions.
extern ZYL_API std::bitset<256> WordSeps;

// True when C is a word separator (always false above code 255).
[[nodiscard]] inline bool is_word_sep(Char C) { return C < 256 && WordSeps.test(C); }

[[nodiscard]] constexpr bool IsDigit(Char C) noexcept { return C >= u'0' && C <= u'9'; }
[[nodiscard]] constexpr bool IsLetter(Char C) noexcept {
  return (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z');
}
[[nodiscard]] constexpr bool IsDigitLetter(Char C) noexcept { return IsDigit(C) || IsLetter(C); }
[[nodiscard]] constexpr bool IsHexChar(Char C) noexcept {
  return IsDigit(C) || (C >= u'A' && C <= u'F') || (C >= u'a' && C <= u'f');
}
[[nodiscard]] constexpr bool IsUmlaut(Char C) noexcept {
  return C == u'ä' || C == u'ö' || C == u'ü' || C == u'Ä' || C == u'Ö' || C == u'Ü' || C == u'ß';
}

// True when the longest run of capitals A-Z is longer than 1 and the text
// holds fewer small letters a-z and digits than that run is long.
//   IsAbbreviation(u"USA") == true;  IsAbbreviation(u"CDs") == true;
//   IsAbbreviation(u"A") == false;   IsAbbreviation(u"ABc12") == false
[[nodiscard]] ZYL_API bool IsAbbreviation(const String& S);

// The number of runs of two or more non-separators that are followed by a
// separator (WordSeps). A run that ends the text is not counted, nor is a
// run of one character.
[[nodiscard]] ZYL_API int CountWords(const String& S);

}  // namespace ZYL_stringl

// Library: zyl / Package: ZYL_stringl / Module: replace
//
// Replacing, removing and reducing characters and substrings. Every function
// returns a new text and leaves its argument alone.
//
//   ReplaceCharInString(u"a.b.c", u'.', u'/')              ⇒ u"a/b/c"
//   ReplaceStringInString(u"aXbxc", u"x", u"--", true)     ⇒ u"a--b--c"
//   ReplaceStringInString(u"aaa", u"a", u"aa", false)      ⇒ u"aaaaaa"  (inserted text is not rescanned)
//   RemoveCharInString(u"a-b-c", u'-')                     ⇒ u"abc"
//   RemoveMultiChars(u"a  b   c", u' ')                    ⇒ u"a b c"
//   RemoveControlChars(u"a\tb\r\n")                        ⇒ u"ab"
//   ReverseString(u"abc")                                  ⇒ u"cba"
//   ReduceStringToAZ09(u"a-b ä1")                          ⇒ u"a_b__1"
//   ReduceStringToFN83CompliantChars(u"a b*c.txt")         ⇒ u"a_b_c.txt"
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;

// Text with every OldChar replaced by NewChar.
[[nodiscard]] ZYL_API String ReplaceCharInString(const String& S, Char OldChar, Char NewChar);

// Text with each occurrence of Find, from left to right, replaced by Replace.
// The search resumes behind the inserted text, which is never rescanned.
// With IgnoreCase the search folds A-Z only. An empty Find changes nothing.
// Linear in the length of the text and the result.
[[nodiscard]] ZYL_API String ReplaceStringInString(const String& S, const String& Find, const String& Replace,
                                                   bool IgnoreCase);

// Text without any C.
[[nodiscard]] ZYL_API String RemoveCharInString(const String& S, Char C);
// Text with every run of consecutive C shrunk to one C.
[[nodiscard]] ZYL_API String RemoveMultiChars(const String& S, Char C);
// Text without characters of code below 32.
[[nodiscard]] ZYL_API String RemoveControlChars(const String& S);
// The characters in reverse order (code units; a surrogate pair is reversed too).
[[nodiscard]] ZYL_API String ReverseString(const String& S);

// Text with every character other than 0-9, A-Z, a-z replaced by "_".
[[nodiscard]] ZYL_API String ReduceStringToAZ09(const String& S);
// Text with every character that a short (8.3) file name may not hold
// replaced by "_". Kept: ! # $ % & ' ( ) - . 0-9 @ A-Z ^ _ ` a-z { } ~.
// Replaced: blank, control characters, codes above 126 and " * + , / : ; < = > ? [ \ ] |.
[[nodiscard]] ZYL_API String ReduceStringToFN83CompliantChars(const String& S);

}  // namespace ZYL_stringl

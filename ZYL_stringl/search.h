// Library: zyl / Package: ZYL_stringl / Module: search
//
// Finding and counting substrings and characters. Positions are 1-based and
// 0 means "not found". Occurrences never overlap: after a match the search
// goes on behind it. An empty substring is never found and counts 0.
// "Ignore case" folds A-Z only.
//
//   NumberedPos(u"ab", u"xxabab", 1, false, 2)     ⇒ 5
//   NumberedPos(u"ab", u"xxabab", 1, false, 3)     ⇒ 0
//   NumberedPosBw(u"bc", u"abcabc", 6, false, 1)   ⇒ 5
//   NumberedPosBw(u"bc", u"abcabc", 5, false, 1)   ⇒ 2
//   PosLast(u"ab", u"abab")                        ⇒ 3
//   PosLast(u"aa", u"aaa")                         ⇒ 1  (non-overlapping steps)
//   CountStringInString(u"aa", u"aaaa", true)      ⇒ 2
//   FindFirstNonBlank(u"  x")                      ⇒ 3
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;

// Position of the N-th occurrence of SubStr at or after Start (Start < 1
// counts as 1); 0 when there are fewer than N or N < 1.
[[nodiscard]] ZYL_API int NumberedPos(const String& SubStr, const String& S, int Start, bool IgnoreCase, int N);

// Position (of the first character) of the N-th occurrence counted
// backwards among those that end at or before Start (Start limited to
// 1..length); occurrences are taken from the right without overlapping.
// 0 when there are fewer than N, N < 1 or S is empty.
[[nodiscard]] ZYL_API int NumberedPosBw(const String& SubStr, const String& S, int Start, bool IgnoreCase, int N);

// Position of the last occurrence reached by repeated non-overlapping
// forward search from the start; 0 when absent.
[[nodiscard]] ZYL_API int PosLast(const String& SubStr, const String& S);

// Number of non-overlapping occurrences of SubStr in S. Without
// CaseSensitive, A-Z are folded.
[[nodiscard]] ZYL_API int CountStringInString(const String& SubStr, const String& S, bool CaseSensitive);
// Number of C in S. Without CaseSensitive, A-Z are folded.
[[nodiscard]] ZYL_API int CountCharInString(Char C, const String& S, bool CaseSensitive);

// True when S is not empty and holds C only.
[[nodiscard]] ZYL_API bool TestAllChar(const String& S, Char C);
// Position of the first character other than a blank; 0 when S is empty or all blanks.
[[nodiscard]] ZYL_API int FindFirstNonBlank(const String& S);
// Position of the first digit 0-9; 0 when there is none.
[[nodiscard]] ZYL_API int FindFirstDigit(const String& S);

}  // namespace ZYL_stringl

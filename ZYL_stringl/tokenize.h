// Library: zyl / Package: ZYL_stringl / Module: tokenize
//
// Splitting a text into tokens at a delimiter, and guessing the delimiter of
// a CSV line.
//
//   Tokenize(u"a,,b", u",", t)            ⇒ 3; t == {u"a", u"", u"b"}
//   Tokenize(u"a\\,b,c", u",", u'\\', t)  ⇒ 2; t == {u"a,b", u"c"}
//   Tokenize(u"", u",", t)                ⇒ 1; t == {u""}
//   DetectCSVDelimiter(u"a;b,c;d")        ⇒ 2  (";", see CSVDELIMITERS)
#pragma once

#include <vector>

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;

// A dynamic array of strings.
using TOpenStringArray = std::vector<String>;

// The largest number of tokens Tokenize returns; the last then holds the
// unsplit rest of the text.
inline constexpr int kMaxTokens = 1000;

// Splits S at each occurrence of Delimiter into Tokens (replacing their
// contents) and returns their number: at least 1, at most 1000 (the last
// token then holds the rest of the text, delimiters included). Empty tokens
// are kept. An empty delimiter splits nothing. Linear in the text's length.
ZYL_API int Tokenize(const String& S, const String& Delimiter, TOpenStringArray& Tokens);

// As above, except that a delimiter directly preceded by Escape does not
// split. Afterwards, in every token, each doubled Escape becomes one Escape
// and then each Escape followed by the delimiter becomes the delimiter
// alone (both replacements fold A-Z, as ReplaceStringInString does).
// Note that an escaped Escape right before a delimiter still escapes it:
// u"a\\\\,b" (a, two backslashes, comma, b) gives the one token u"a,b".
ZYL_API int Tokenize(const String& S, const String& Delimiter, Char Escape, TOpenStringArray& Tokens);

// The index into CSVDELIMITERS (0..5: code 0, blank, ";", ",", ":", tab) of
// the candidate that occurs most often in S; on a tie the earlier candidate
// wins; 0 when none occurs.
[[nodiscard]] ZYL_API int DetectCSVDelimiter(const String& S);

}  // namespace ZYL_stringl

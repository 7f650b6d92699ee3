// Library: zyl / Package: ZYL_stringl / Module: lines
//
// Reading a text line by line, and converting between a position in a text
// and its line and column.
//
//   int p = 1; bool end;
//   ReadLnString(u"ab\r\ncd", p, end, 0)   ⇒ u"ab"  (p == 5, end == false)
//   ReadLnString(u"ab\r\ncd", p, end, 0)   ⇒ u"cd"  (p == 7, end == true)
//
//   int line = 0, col = 0;
//   TextLineCoords(u"ab\ncd", 5, line, col)   ⇒ 5   (line == 2, col == 2)
//   line = 2; col = 2;
//   TextLineCoords(u"ab\ncd", 0, line, col)   ⇒ 5
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::String;

// Returns the next line of S, reading from position Pos (1-based; below 1
// counts as 1) and advancing Pos past every character taken. Characters of
// code 32 and above make up the line; control characters are dropped, and
// the line ends at the one that Mode names:
//   0  a line feed              3  a carriage return directly after a line feed
//   1  a carriage return        4  a line feed directly after a carriage return
//   2  a carriage return or a line feed (so CR LF gives the line, then an
//      empty line at the LF)
//   other: never (the line runs to the end of the text)
// AtEnd becomes true when the reading passes the end of the text; the line
// gathered so far is then returned. A call with Pos already beyond the end
// returns an empty line with AtEnd true.
// Takes time proportional to the line read, not to the rest of the text.
[[nodiscard]] ZYL_API String ReadLnString(const String& S, int& Pos, bool& AtEnd, int Mode);

// Converts between a position in S and its line and column (all 1-based).
// Lines end at LF, at CR LF or at a lone CR; the line-end characters belong
// to the line they end (in u"ab\r\ncd", CR is column 3 and LF column 4 of
// line 1), and position length+1 (the end of the text) is the column after
// the last character of the last line.
//
// Pos >= 1: sets Line and Col for position Pos and returns Pos; when Pos is
//   beyond length+1, sets both to 0 and returns 0.
// Pos <= 0: returns the position of column Col of line Line; 0 when there is
//   no such line or column.
// The two directions are inverse: for every position p in 1..length+1,
//   TextLineCoords(S, p, l, c) followed by TextLineCoords(S, 0, l, c) gives p.
ZYL_API int TextLineCoords(const String& S, int Pos, int& Line, int& Col);

}  // namespace ZYL_stringl

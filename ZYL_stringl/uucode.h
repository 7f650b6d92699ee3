// Library: zyl / Package: ZYL_stringl / Module: uucode
//
// Encoding byte text in the uuencode line format and back. Each character
// of the text is one byte (code 0..255).
//
// Encoded form: lines of at most 45 bytes each. A line is its length
// character (32 + byte count), then each group of three bytes as four
// characters (32 + a six-bit value, with 0 written as "`"), the last group
// padded with zero bytes; every line ends with CR LF. A line holding only
// "`" (length 0) closes the data. No "begin" / "end" lines are written,
// since a text has no file name or mode.
//
//   UUEncodeStr(u"Cat")   ⇒ u"#0V%T\r\n`\r\n"
//   UUEncodeStr(u"")      ⇒ u"`\r\n"
//   UUDecodeStr(u"#0V%T\r\n`\r\n")  ⇒ u"Cat"
//
// UUDecodeStr(UUEncodeStr(x)) == x for every text of codes 0..255.
#pragma once

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::String;

// Raises EZYLStringlError "UUEncodeStr: character above 255 at position <p>"
// for a character that is not a byte (nothing is silently dropped).
[[nodiscard]] ZYL_API String UUEncodeStr(const String& S);

// Decodes uuencoded lines (ending with LF, CR LF or CR). Accepts blank or
// "`" for the value 0, skips empty lines and "begin ..." lines, and stops at
// the first line of length 0 or an "end" line (or the end of the text). A
// line shorter than its length character announces is read as if padded
// with zero values (some mailers strip trailing blanks). Raises
// EZYLStringlError "UUDecodeStr: invalid character in line <n>" for a
// character outside " ".."`" within a data line.
[[nodiscard]] ZYL_API String UUDecodeStr(const String& S);

}  // namespace ZYL_stringl

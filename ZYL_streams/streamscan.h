// Library: zyl / Package: ZYL_streams / Module: streamscan
//
// Reading forward through a stream for a byte, a text, a number or its line
// count, and reading a whole stream as text. Every function starts at the
// stream's position and leaves it behind the last byte it consumed (except
// ReadStreamUntil, which repositions). Bytes are characters 0..255; only
// StreamAsString reads UTF-16. None raises for the stream's contents or its
// end.
//
// Example (a stream holding "  -42x 3,5;"):
//   ScanStreamDecimal(s)            // == -42, the "x" consumed
//   ScanStreamFPNum(s, true, 3)     // == 3.5, the ";" consumed
#pragma once

#include <cstdint>

#include "platform/stream.h"

namespace ZYL_streams {

using zyl::String;
using zyl::TStream;

// Reads up to and including the first byte equal to b: true, the position
// just behind it; false at the end of the stream (position at the end).
ZYL_API bool FindInStream(TStream& Stream, std::uint8_t b);

// Reads the rest of the stream as little-endian UTF-16 in blocks of 256
// bytes while blocks come back full; an odd last byte is dropped.
//   bytes 41 00 42 00 43  -> u"AB"
ZYL_API String StreamAsString(TStream& Stream);
// The same with one character per byte.
ZYL_API String StreamAsByteString(TStream& Stream);

// Reads up to and including the first occurrence of Target, ignoring the
// case of A-Z. Found: Status 0, the result is the text read with its case
// as read, Target included, and the stream stands right behind it. Not found:
// Status -1, the result is everything up to the end of the stream and the
// stream stands at its end. An empty Target is found at once (empty result,
// stream unmoved).
//   stream "Hello <B>x", Target u"<b>"  -> u"Hello <B>", Status 0
ZYL_API String ReadStreamUntil(TStream& Stream, const String& Target, std::int32_t& Status);

// Reads a signed decimal integer: skips blanks, CR and LF (not tabs; at
// least one byte is read), takes an optional "-" or "+", then digits. The
// byte that ends the number is consumed. The value wraps in 32 bits; the
// result is 0 when no digit comes.
//   "  -0042x" -> -42 ("x" consumed);  "\t5" -> 0 (the tab consumed)
ZYL_API std::int32_t ScanStreamDecimal(TStream& Stream);

// Reads a floating-point number: leading blanks, tabs, CR and LF skipped,
// optional sign, digits with a decimal separator chosen by DecPChar (1 ".",
// 2 ",", 3 either, else none), and with AllowExp an "E" exponent. The byte
// that ends the number is consumed; nothing is pushed back. A malformed
// number gives 0.0; the result is clamped to +-1.7e308; exponent digits
// beyond 4200 are read but ignored.
//   " 1,5e3;" (true, 3) -> 1500.0;   "2.5e3" (false, 1) -> 2.5, "e" consumed
//   "12." -> 12.0;   "-x" -> 0.0 (both bytes consumed);   "1e999 " -> 1.7e308
ZYL_API double ScanStreamFPNum(TStream& Stream, bool AllowExp, std::int32_t DecPChar);

// The number of LF bytes from the position to the end of the stream, where
// the stream is left. A last line without LF is not counted; CR alone does
// not count.
ZYL_API std::int64_t CountLinesInStream(TStream& Stream);

}  // namespace ZYL_streams

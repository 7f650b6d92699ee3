// Library: zyl / Package: ZYL_dstruct / Module: ascii85
//
// ASCII85 (base-85) text from one stream into another. Digits are the
// characters "!" (value 0) to "u" (value 84); "z" stands for four zero bytes;
// "~>" ends the encoding. No start marker is written or expected. Both
// functions read the source from its current position and append to the
// target at its current position; neither stream is repositioned, created or
// freed.
//
// Encoding: every group of four bytes becomes five digits, most significant
// first, or "z" when all four are zero. A final group of n < 4 bytes is the
// value of just those n bytes, written as n + 1 digits (no zero padding):
//   "A"   -> "!b~>"        "abc" -> "+B>H~>"       "abcd" -> "@:E_W~>"
// With line breaks, CR LF follows every twelfth group that was written as
// digits ("z" groups do not count).
//
// Example:
//   zyl::TBytesStream src({0, 0, 0, 0}), dst;
//   EncodeASCII85(src, dst, false);   // dst holds "z~>"
#pragma once

#include <cstdint>

#include "platform/stream.h"

namespace ZYL_dstruct {

// Encodes everything up to the end of Source and writes the end marker.
// Empty input writes only "~>".
ZYL_API void EncodeASCII85(zyl::TStream& Source, zyl::TStream& Target, bool LineBreaks);

// Decodes until the end marker or the end of the source. CR and LF are
// skipped everywhere; "z" at the start of a group gives four zero bytes.
// Other characters are taken in groups of up to five; a group of m >= 2
// characters is read as a base-85 number (wrapping in 32 bits) whose m - 1
// low-order bytes are written, most significant first; a lone final
// character writes nothing. A "~" ends decoding (the characters before it in
// its group still count).
//
// Never stops for bad digits: a character outside "!".."u" inside a group
// is used with its code minus 33 all the same and sets the result to -2 if
// it is "z", otherwise -1. Returns 0 when there was none, else the code of
// the last one.
//
// A memory or file stream is left just behind the end marker "~>" (behind
// the "~" when no ">" follows), so data after the encoding can be read on.
// Other streams are read in blocks until a read returns nothing, and may
// have been read past the marker.
//
// Example:
//   "!b~>"          -> "A",         0
//   "z@:E_W~>"      -> 0 0 0 0 "abcd", 0
//   "@:zE_~>"       -> 4 bytes,     -2
[[nodiscard]] ZYL_API std::int32_t DecodeASCII85(zyl::TStream& Source, zyl::TStream& Target);

}  // namespace ZYL_dstruct

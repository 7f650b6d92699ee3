// Library: zyl / Package: ZYL_dstruct / Module: base64
//
// Base64 (standard alphabet A-Z a-z 0-9 + /, padding "=") from one stream
// into another. Both functions read the source from its current position
// and append to the target at its current position; neither stream is
// repositioned, created or freed. Write errors of the target pass through
// as EWriteError.
//
// Layout of the encoding: every 45 source bytes become one line of 60
// characters; the last line holds what is left (padded with "=" or "==").
// With line breaks, each line, the last one included, ends with CR LF.
//
// Example:
//   zyl::TBytesStream src({'M', 'a'}), dst;
//   EncodeBase64(src, dst, true);   // dst holds "TWE=\r\n"
#pragma once

#include <cstdint>

#include "platform/stream.h"

namespace ZYL_dstruct {

// Encodes everything up to the end of Source (a read that returns fewer
// bytes than requested ends it). Empty input writes nothing.
ZYL_API void EncodeBase64(zyl::TStream& Source, zyl::TStream& Target, bool LineBreaks);

// Decodes Base64 text. CR and LF are skipped wherever they occur. The rest
// is taken in groups of four characters: "xx==" gives 1 byte, "xxx=" gives
// 2 and "xxxx" gives 3; decoding continues after a padded group, so
// concatenated encodings decode in sequence.
//
// Returns 0 at the end of the source, or -1 at the first group that is not
// valid Base64: a character outside the alphabet (other than CR, LF and the
// padding), "=" in the first two positions, "=" in the third position
// without "=" in the fourth, or an incomplete group at the end. Every valid
// group before that one has been decoded and written; nothing after it is.
//
// Example:
//   "TWFu\r\nTQ=="  -> "ManM", 0
//   "TWFuTQ"        -> "Man",  -1  (final group incomplete)
//   "TW:u"          -> "",     -1
[[nodiscard]] ZYL_API std::int32_t DecodeBase64(zyl::TStream& Source, zyl::TStream& Target);

}  // namespace ZYL_dstruct

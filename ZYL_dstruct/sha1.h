// Library: zyl / Package: ZYL_dstruct / Module: sha1
//
// SHA-1 digests (FIPS 180-1) of a string, a stream or a file, and the
// digest's hexadecimal text.
//
// Example:
//   zyl::TBytesStream s({'a', 'b', 'c'});
//   SHA1DigestToHex(SHA1FromStream(s))  // == u"A9993E364706816ABA3E25717850C26C9CD0D89D"
#pragma once

#include <array>
#include <cstdint>

#include "platform/hoststring.h"
#include "platform/stream.h"

namespace ZYL_dstruct {

// The 20 digest bytes in the standard order.
using TSHACode = std::array<std::uint8_t, 20>;

// The digest of the string's UTF-16 code units, each as two bytes, low byte
// first (UTF-16LE): the same digest on every platform, and no two strings
// share a byte form. To hash text as UTF-8 or Latin-1, convert it first and
// use SHA1FromStream.
//
// Example:
//   SHA1FromString(u"")     // the digest of no bytes: DA39A3EE...
//   SHA1FromString(u"abc")  // the digest of the 6 bytes 61 00 62 00 63 00
[[nodiscard]] ZYL_API TSHACode SHA1FromString(const zyl::String& s);

// The digest of the bytes from the stream's current position to its end
// (read until a read returns nothing); the stream is left at its end. Read
// errors of the stream pass through.
[[nodiscard]] ZYL_API TSHACode SHA1FromStream(zyl::TStream& Stream);

// The digest of a whole file. A file that cannot be opened raises the file
// stream's EFOpenError.
[[nodiscard]] ZYL_API TSHACode SHA1FromFile(const zyl::String& FileName);

// The 40 upper-case hexadecimal digits of the digest, first byte first,
// high nibble first.
[[nodiscard]] ZYL_API zyl::String SHA1DigestToHex(const TSHACode& Digest);

}  // namespace ZYL_dstruct

// Library: zyl / Package: ZYL_dstruct / Module: sha2
//
// SHA-2 digests (FIPS 180-4): SHA-224, SHA-256, SHA-384, SHA-512 and
// SHA-512/256, each of a string, a stream or a file, and each digest's
// hexadecimal text, in the same forms as the SHA-1 functions (sha1.h). For
// data that arrives piece by piece, see TDigestHasher (hasher.h).
//
// Example:
//   zyl::TBytesStream s({'a', 'b', 'c'});
//   SHA256DigestToHex(SHA256FromStream(s))
//     // == u"BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"
#pragma once

#include <array>
#include <cstdint>

#include "platform/hoststring.h"
#include "platform/stream.h"

namespace ZYL_dstruct {

// The digest bytes in the standard order. SHA-512/256 digests have the same
// size, and so the same type, as SHA-256 digests.
using TSHA224Code = std::array<std::uint8_t, 28>;
using TSHA256Code = std::array<std::uint8_t, 32>;
using TSHA384Code = std::array<std::uint8_t, 48>;
using TSHA512Code = std::array<std::uint8_t, 64>;
using TSHA512_256Code = std::array<std::uint8_t, 32>;

// ...FromString: the digest of the string's UTF-16 code units, each as two
// bytes, low byte first (UTF-16LE), as SHA1FromString does. To hash text as
// UTF-8, convert it first and use ...FromStream.
//
// ...FromStream: the digest of the bytes from the stream's current position
// to its end (read until a read returns nothing); the stream is left at its
// end. Read errors of the stream pass through.
//
// ...FromFile: the digest of a whole file. A file that cannot be opened
// raises the file stream's EFOpenError; read errors pass through.
//
// ...DigestToHex: two upper-case hexadecimal digits per byte, first byte
// first, high nibble first (56, 64, 96, 128 and 64 characters).
//
// Example:
//   SHA224DigestToHex(SHA224FromString(u""))  // == u"D14A028C2A3A2BC9..." (56 digits)
//   SHA512FromFile(u"missing")                // raises EFOpenError

[[nodiscard]] ZYL_API TSHA224Code SHA224FromString(const zyl::String& s);
[[nodiscard]] ZYL_API TSHA224Code SHA224FromStream(zyl::TStream& Stream);
[[nodiscard]] ZYL_API TSHA224Code SHA224FromFile(const zyl::String& FileName);
[[nodiscard]] ZYL_API zyl::String SHA224DigestToHex(const TSHA224Code& Digest);

[[nodiscard]] ZYL_API TSHA256Code SHA256FromString(const zyl::String& s);
[[nodiscard]] ZYL_API TSHA256Code SHA256FromStream(zyl::TStream& Stream);
[[nodiscard]] ZYL_API TSHA256Code SHA256FromFile(const zyl::String& FileName);
[[nodiscard]] ZYL_API zyl::String SHA256DigestToHex(const TSHA256Code& Digest);

[[nodiscard]] ZYL_API TSHA384Code SHA384FromString(const zyl::String& s);
[[nodiscard]] ZYL_API TSHA384Code SHA384FromStream(zyl::TStream& Stream);
[[nodiscard]] ZYL_API TSHA384Code SHA384FromFile(const zyl::String& FileName);
[[nodiscard]] ZYL_API zyl::String SHA384DigestToHex(const TSHA384Code& Digest);

[[nodiscard]] ZYL_API TSHA512Code SHA512FromString(const zyl::String& s);
[[nodiscard]] ZYL_API TSHA512Code SHA512FromStream(zyl::TStream& Stream);
[[nodiscard]] ZYL_API TSHA512Code SHA512FromFile(const zyl::String& FileName);
[[nodiscard]] ZYL_API zyl::String SHA512DigestToHex(const TSHA512Code& Digest);

[[nodiscard]] ZYL_API TSHA512_256Code SHA512_256FromString(const zyl::String& s);
[[nodiscard]] ZYL_API TSHA512_256Code SHA512_256FromStream(zyl::TStream& Stream);
[[nodiscard]] ZYL_API TSHA512_256Code SHA512_256FromFile(const zyl::String& FileName);
[[nodiscard]] ZYL_API zyl::String SHA512_256DigestToHex(const TSHA512_256Code& Digest);

}  // namespace ZYL_dstruct

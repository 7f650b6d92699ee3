// Library: zyl / Package: ZYL_dstruct / Module: hmac
//
// Keyed digests (HMAC, RFC 2104) over any of the digests of hasher.h, fed
// piece by piece like TDigestHasher or in one call.
//
// Example:
//   const std::string key = "key", msg = "The quick brown fox jumps over the lazy dog";
//   THMACHasher h(TDigestKind::dkSHA256, {reinterpret_cast<const std::uint8_t*>(key.data()), key.size()});
//   h.Add({reinterpret_cast<const std::uint8_t*>(msg.data()), msg.size()});
//   DigestToHex(h.Finish())  // == u"F7BC83F430538424B13298E6AA6FB143EF4D59A14946175997479DBC2D1A3CD8"
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ZYL_dstruct/hasher.h"
#include "platform/hoststring.h"
#include "platform/stream.h"

namespace ZYL_dstruct {

// An HMAC computed incrementally; same calls as TDigestHasher. Copies are
// independent and carry the bytes added so far.
class ZYL_API THMACHasher {
 public:
  // The key may have any length, empty included; a key longer than the
  // digest's block (64 bytes, 128 for the SHA-384/512 family) is hashed
  // first, as RFC 2104 says. The hasher keeps only the states derived from
  // the key, not the key itself. An enumeration value outside the defined
  // ones raises EConvertError.
  THMACHasher(TDigestKind Kind, std::span<const std::uint8_t> Key);

  // Drops what was added and starts a new message under the same key.
  void Start();
  void Add(std::span<const std::uint8_t> Data) noexcept;
  // The string's code units as UTF-16LE bytes, as TDigestHasher::AddString.
  void AddString(const zyl::String& s);
  // The bytes from the stream's position to its end; read errors pass
  // through, and the bytes read before them stay added.
  void AddStream(zyl::TStream& Stream);
  // The HMAC of the message (DigestSize() bytes); then starts a new message
  // under the same key.
  [[nodiscard]] std::vector<std::uint8_t> Finish();

  [[nodiscard]] TDigestKind Kind() const noexcept { return FInner.Kind(); }
  [[nodiscard]] std::size_t DigestSize() const noexcept { return FInner.DigestSize(); }

 private:
  TDigestHasher FInnerKeyed;  // after the inner key block
  TDigestHasher FOuterKeyed;  // after the outer key block
  TDigestHasher FInner;       // the message so far
};

// The HMAC of Data under Key in one call.
//
// Example:
//   HMACFromBuffer(TDigestKind::dkSHA1, {}, {})  // 20 bytes FBDB1D1B...
[[nodiscard]] ZYL_API std::vector<std::uint8_t> HMACFromBuffer(TDigestKind Kind, std::span<const std::uint8_t> Key,
                                                               std::span<const std::uint8_t> Data);

// The HMAC of the bytes from the stream's position to its end; the stream
// is left at its end and its read errors pass through.
[[nodiscard]] ZYL_API std::vector<std::uint8_t> HMACFromStream(TDigestKind Kind, std::span<const std::uint8_t> Key,
                                                               zyl::TStream& Stream);

}  // namespace ZYL_dstruct

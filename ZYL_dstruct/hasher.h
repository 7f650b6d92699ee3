// Library: zyl / Package: ZYL_dstruct / Module: hasher
//
// Digests of data that arrives piece by piece: TDigestHasher takes bytes
// any number of times in pieces of any size and gives the same digest as
// the one-shot functions of sha1.h and sha2.h over the whole.
//
// Example:
//   TDigestHasher h(TDigestKind::dkSHA256);
//   h.Add(first_part);
//   h.Add(second_part);
//   std::vector<std::uint8_t> d = h.Finish();  // 32 bytes; h is ready again
//   DigestToHex(d)                              // 64 upper-case hex digits
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/hoststring.h"
#include "platform/stream.h"

namespace ZYL_dstruct {

namespace detail {
class digest_engine;
}

// The digest algorithms.
enum class TDigestKind : std::uint8_t { dkSHA1, dkSHA224, dkSHA256, dkSHA384, dkSHA512, dkSHA512_256 };

// A digest computed incrementally. Copies are independent and carry the
// bytes added so far, so a common prefix can be hashed once and shared. A
// hasher that has been moved from may only be assigned to or destroyed.
class ZYL_API TDigestHasher {
 public:
  // A hasher for the algorithm, ready for a message. An enumeration value
  // outside the defined ones raises EConvertError.
  explicit TDigestHasher(TDigestKind Kind);
  TDigestHasher(const TDigestHasher& Other);
  TDigestHasher& operator=(const TDigestHasher& Other);
  TDigestHasher(TDigestHasher&&) noexcept;
  TDigestHasher& operator=(TDigestHasher&&) noexcept;
  ~TDigestHasher();

  // Drops what was added and starts a new message.
  void Start() noexcept;
  // Adds bytes to the message; any number of calls, any sizes, empty too.
  void Add(std::span<const std::uint8_t> Data) noexcept;
  // Adds the string's code units as UTF-16LE bytes (as SHA1FromString hashes).
  void AddString(const zyl::String& s);
  // Adds the bytes from the stream's position to its end (read until a read
  // returns nothing); read errors pass through, and the bytes read before
  // them stay added.
  void AddStream(zyl::TStream& Stream);
  // The digest of the message (DigestSize() bytes); the hasher then starts a
  // new message.
  [[nodiscard]] std::vector<std::uint8_t> Finish();

  [[nodiscard]] TDigestKind Kind() const noexcept { return FKind; }
  // The digest's size in bytes (20, 28, 32, 48, 64, 32).
  [[nodiscard]] std::size_t DigestSize() const noexcept;
  // The size of the blocks the algorithm compresses (64 or 128 bytes).
  [[nodiscard]] std::size_t BlockSize() const noexcept;

 private:
  TDigestKind FKind;
  std::unique_ptr<detail::digest_engine> FEngine;
};

// Two upper-case hexadecimal digits per byte, first byte first, high nibble
// first; the same text as SHA1DigestToHex and its siblings. Empty input
// gives an empty string.
[[nodiscard]] ZYL_API zyl::String DigestToHex(std::span<const std::uint8_t> Digest);

}  // namespace ZYL_dstruct

// Library: zyl / Package: ZYL_dstruct / Module: detail/stream_blocks
//
// Internal: block-wise stream access for the digest and encoding functions,
// so that the per-call cost of a stream is paid once per block rather than
// once per byte or group.
//
// Example:
//   block_reader in(source, 65520);
//   block_writer out(target);
//   for (auto chunk = in.next(); !chunk.empty(); chunk = in.next())
//     out.put(chunk.data(), chunk.size());
//   out.flush();
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/stream.h"

namespace ZYL_dstruct::detail {

// Reads a stream from its current position in blocks of a fixed size. A read
// that returns fewer bytes than requested ends the input, as does a read
// that returns none.
class block_reader {
 public:
  block_reader(zyl::TStream& Source, std::int32_t BlockSize) : FSource(Source), FBuffer(static_cast<std::size_t>(BlockSize)) {}

  // The next block (shorter than BlockSize only at the end); empty at the end.
  std::span<const std::uint8_t> next();

 private:
  zyl::TStream& FSource;
  std::vector<std::uint8_t> FBuffer;
  bool FEnd = false;
};

// Collects output and writes it to the target stream in large blocks.
// Write errors of the target pass through (EWriteError). The destructor
// discards what flush() has not written, so call flush() when done.
class block_writer {
 public:
  explicit block_writer(zyl::TStream& Target) : FTarget(Target), FBuffer(kCapacity) {}

  // Room for at least n bytes at the returned pointer (n <= capacity());
  // commit(k) then takes the first k of them.
  std::uint8_t* reserve(std::size_t n) {
    if (FFill + n > FBuffer.size()) flush();
    return FBuffer.data() + FFill;
  }
  void commit(std::size_t k) { FFill += k; }
  void put(const void* data, std::size_t n);
  void flush();

  static constexpr std::size_t capacity() { return kCapacity; }

 private:
  static constexpr std::size_t kCapacity = 128 * 1024;
  zyl::TStream& FTarget;
  std::vector<std::uint8_t> FBuffer;
  std::size_t FFill = 0;
};

}  // namespace ZYL_dstruct::detail

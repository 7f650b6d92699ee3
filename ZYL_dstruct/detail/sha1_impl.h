// Library: zyl / Package: ZYL_dstruct / Module: detail/sha1_impl
//
// Internal: the SHA-1 message digest (FIPS 180-1) over data that arrives in
// pieces. The compression of whole 64-byte blocks runs in the fastest
// variant this CPU offers.
//
// Example:
//   sha1_context c;
//   c.update(p, n);
//   std::array<std::uint8_t, 20> d = c.finish();
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ZYL_dstruct::detail {

// Compresses nblocks 64-byte blocks at p into the five state words.
using sha1_blocks_fn = void (*)(std::uint32_t state[5], const std::uint8_t* p, std::size_t nblocks) noexcept;

void sha1_blocks_portable(std::uint32_t state[5], const std::uint8_t* p, std::size_t nblocks) noexcept;

class sha1_context {
 public:
  void update(const std::uint8_t* p, std::size_t n) noexcept;
  // The digest of everything fed so far; the context must not be used after.
  [[nodiscard]] std::array<std::uint8_t, 20> finish() noexcept;

 private:
  std::uint32_t FState[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};
  std::uint8_t FBlock[64] = {};
  std::size_t FFill = 0;
  std::uint64_t FLength = 0;  // bytes fed so far
  sha1_blocks_fn FBlocks = nullptr;
};

}  // namespace ZYL_dstruct::detail

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

#include <cstddef>
#include <cstdint>

#include "ZYL_dstruct/detail/md_context.h"

namespace ZYL_dstruct::detail {

// Compresses nblocks 64-byte blocks at p into the five state words.
using sha1_blocks_fn = void (*)(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept;

void sha1_blocks_portable(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept;

struct sha1_algo {
  using word = std::uint32_t;
  static constexpr std::size_t kStateWords = 5, kDigestSize = 20;
  static constexpr word kInit[kStateWords] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};
  static sha1_blocks_fn blocks() noexcept;
};

using sha1_context = md_context<sha1_algo>;

}  // namespace ZYL_dstruct::detail

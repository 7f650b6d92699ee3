// Library: zyl / Package: ZYL_dstruct / Module: detail/sha2_impl
//
// Internal: the SHA-2 digests (FIPS 180-4) over data that arrives in
// pieces. SHA-224 and SHA-256 share the compression of 64-byte blocks,
// SHA-384, SHA-512 and SHA-512/256 that of 128-byte blocks; they differ in
// the initial state and in how many leading bytes of the state form the
// digest. The compression runs in the fastest variant this CPU offers.
//
// Example:
//   sha256_context c;
//   c.update(p, n);
//   std::array<std::uint8_t, 32> d = c.finish();
#pragma once

#include <cstddef>
#include <cstdint>

#include "ZYL_dstruct/detail/md_context.h"

namespace ZYL_dstruct::detail {

using sha256_blocks_fn = void (*)(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept;
using sha512_blocks_fn = void (*)(std::uint64_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept;

void sha256_blocks_portable(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept;
void sha512_blocks_portable(std::uint64_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept;

struct sha256_blocks {
  using word = std::uint32_t;
  static constexpr std::size_t kStateWords = 8;
  static sha256_blocks_fn blocks() noexcept;
};

struct sha512_blocks {
  using word = std::uint64_t;
  static constexpr std::size_t kStateWords = 8;
  static sha512_blocks_fn blocks() noexcept;
};

struct sha224_algo : sha256_blocks {
  static constexpr std::size_t kDigestSize = 28;
  static constexpr word kInit[8] = {0xc1059ed8, 0x367cd507, 0x3070dd17, 0xf70e5939,
                                    0xffc00b31, 0x68581511, 0x64f98fa7, 0xbefa4fa4};
};

struct sha256_algo : sha256_blocks {
  static constexpr std::size_t kDigestSize = 32;
  static constexpr word kInit[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                    0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
};

struct sha384_algo : sha512_blocks {
  static constexpr std::size_t kDigestSize = 48;
  static constexpr word kInit[8] = {0xcbbb9d5dc1059ed8, 0x629a292a367cd507, 0x9159015a3070dd17, 0x152fecd8f70e5939,
                                    0x67332667ffc00b31, 0x8eb44a8768581511, 0xdb0c2e0d64f98fa7, 0x47b5481dbefa4fa4};
};

struct sha512_algo : sha512_blocks {
  static constexpr std::size_t kDigestSize = 64;
  static constexpr word kInit[8] = {0x6a09e667f3bcc908, 0xbb67ae8584caa73b, 0x3c6ef372fe94f82b, 0xa54ff53a5f1d36f1,
                                    0x510e527fade682d1, 0x9b05688c2b3e6c1f, 0x1f83d9abfb41bd6b, 0x5be0cd19137e2179};
};

struct sha512_256_algo : sha512_blocks {
  static constexpr std::size_t kDigestSize = 32;
  static constexpr word kInit[8] = {0x22312194fc2bf72c, 0x9f555fa3c84c64c2, 0x2393b86b6f53b151, 0x963877195940eabd,
                                    0x96283ee2a88effe3, 0xbe5e1e2553863992, 0x2b0199fc2c85b8aa, 0x0eb72ddc81c52ca2};
};

using sha224_context = md_context<sha224_algo>;
using sha256_context = md_context<sha256_algo>;
using sha384_context = md_context<sha384_algo>;
using sha512_context = md_context<sha512_algo>;
using sha512_256_context = md_context<sha512_256_algo>;

}  // namespace ZYL_dstruct::detail

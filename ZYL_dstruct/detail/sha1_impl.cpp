// Library: zyl / Package: ZYL_dstruct / Module: detail/sha1_impl
#include "ZYL_dstruct/detail/sha1_impl.h"

#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "ZYL_dstruct/detail/x86/sha1_shani.h"

namespace ZYL_dstruct::detail {
namespace {

constexpr std::uint32_t rol(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

constexpr std::uint32_t load_be32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

sha1_blocks_fn select_sha1() noexcept {
#if ZYL_ARCH_X86
  if (has_cpu_features(kCpuSha | kCpuSsse3 | kCpuSse41)) return &sha1_blocks_shani;
#endif
  return &sha1_blocks_portable;
}

dispatched<sha1_blocks_fn> g_sha1{&select_sha1};

}  // namespace

void sha1_blocks_portable(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept {
  for (; nblocks > 0; --nblocks, p += 64) {
    // The message schedule is kept as a rolling window of 16 words.
    std::uint32_t w[16];
    for (int i = 0; i < 16; ++i) w[i] = load_be32(p + 4 * i);
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
    auto word = [&w](int i) {
      if (i < 16) return w[i];
      const std::uint32_t x = rol(w[(i + 13) & 15] ^ w[(i + 8) & 15] ^ w[(i + 2) & 15] ^ w[i & 15], 1);
      w[i & 15] = x;
      return x;
    };
    auto round = [&](std::uint32_t f, std::uint32_t k, std::uint32_t wi) {
      const std::uint32_t t = rol(a, 5) + f + e + k + wi;
      e = d;
      d = c;
      c = rol(b, 30);
      b = a;
      a = t;
    };
    for (int i = 0; i < 20; ++i) round((b & c) | (~b & d), 0x5A827999u, word(i));
    for (int i = 20; i < 40; ++i) round(b ^ c ^ d, 0x6ED9EBA1u, word(i));
    for (int i = 40; i < 60; ++i) round((b & c) | (b & d) | (c & d), 0x8F1BBCDCu, word(i));
    for (int i = 60; i < 80; ++i) round(b ^ c ^ d, 0xCA62C1D6u, word(i));
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
    state[4] += e;
  }
}

sha1_blocks_fn sha1_algo::blocks() noexcept { return g_sha1.get(); }

}  // namespace ZYL_dstruct::detail

// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/sha1_shani
//
// The 80 rounds run as 20 groups of four (SHA1RNDS4). Group g uses message
// words W[4g..4g+3] in register m[g % 4]; once that register has been used,
// it also feeds the schedule of later groups: SHA1MSG1 starts the block for
// group g+3, an XOR adds to the one for g+2, and SHA1MSG2 completes the one
// for g+1. The E value of each group comes from the A of the group before
// (SHA1NEXTE), so two registers alternate.
#include "ZYL_dstruct/detail/x86/sha1_shani.h"

#if ZYL_ARCH_X86

#include <immintrin.h>

#include <utility>

namespace ZYL_dstruct::detail {
namespace {

#define ZYL_TARGET_SHA __attribute__((target("sha,ssse3,sse4.1")))

struct sha1_regs {
  __m128i abcd;
  __m128i e[2];
  __m128i m[4];
};

template <int G>
ZYL_TARGET_SHA inline void sha1_group(sha1_regs& r) {
  __m128i& w = r.m[G % 4];
  if constexpr (G == 0) {
    r.e[0] = _mm_add_epi32(r.e[0], w);
  } else {
    r.e[G & 1] = _mm_sha1nexte_epu32(r.e[G & 1], w);
  }
  r.e[(G + 1) & 1] = r.abcd;
  r.abcd = _mm_sha1rnds4_epu32(r.abcd, r.e[G & 1], G / 5);
  // Message schedule for the groups that are still to come (up to 19).
  if constexpr (G >= 3 && G + 1 <= 19) r.m[(G + 1) % 4] = _mm_sha1msg2_epu32(r.m[(G + 1) % 4], w);
  if constexpr (G >= 2 && G + 2 <= 19) r.m[(G + 2) % 4] = _mm_xor_si128(r.m[(G + 2) % 4], w);
  if constexpr (G >= 1 && G + 3 <= 19) r.m[(G + 3) % 4] = _mm_sha1msg1_epu32(r.m[(G + 3) % 4], w);
}

template <int... G>
ZYL_TARGET_SHA inline void sha1_groups(sha1_regs& r, std::integer_sequence<int, G...>) {
  (sha1_group<G>(r), ...);
}

ZYL_TARGET_SHA ZYL_X86_REALIGN void compress(std::uint32_t state[5], const std::uint8_t* p, std::size_t nblocks) {
  const __m128i byte_swap = _mm_set_epi64x(0x0001020304050607LL, 0x08090A0B0C0D0E0FLL);
  // The registers hold A..D with A in the top lane, and E in the top lane.
  __m128i abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
  __m128i e0 = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
  for (; nblocks > 0; --nblocks, p += 64) {
    // The rounds are one long dependency chain, so the out-of-order core
    // runs ahead only a little; fetch the input well before it is needed.
    _mm_prefetch(reinterpret_cast<const char*>(p + 512), _MM_HINT_T0);
    sha1_regs r;
    r.abcd = abcd;
    r.e[0] = e0;
    r.e[1] = _mm_setzero_si128();
    for (int i = 0; i < 4; ++i)
      r.m[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i)), byte_swap);
    sha1_groups(r, std::make_integer_sequence<int, 20>{});
    e0 = _mm_sha1nexte_epu32(r.e[0], e0);
    abcd = _mm_add_epi32(r.abcd, abcd);
  }
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1B));
  state[4] = static_cast<std::uint32_t>(_mm_extract_epi32(e0, 3));
}

#undef ZYL_TARGET_SHA

}  // namespace

void sha1_blocks_shani(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept {
  compress(state, p, nblocks);
}

}  // namespace ZYL_dstruct::detail

#endif  // ZYL_ARCH_X86

// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/sha256_shani
//
// The 64 rounds run as 16 groups of four, each two SHA256RNDS2 steps. The
// state is held as the register pair ABEF / CDGH that the instruction uses.
// Group g takes message words W[4g..4g+3] from register m[g % 4]; once used,
// that register also feeds the schedule: SHA256MSG1 starts the words of
// group g+3 in m[(g-1) % 4], and the words of group g+1 are completed by
// adding W[4g-3..4g] (PALIGNR of the last two groups) and SHA256MSG2.
#include "ZYL_dstruct/detail/x86/sha256_shani.h"

#if ZYL_ARCH_X86

#include <immintrin.h>

#include <utility>

#include "ZYL_dstruct/detail/sha2_rounds.h"

namespace ZYL_dstruct::detail {
namespace {

#define ZYL_TARGET_SHA __attribute__((target("sha,ssse3,sse4.1")))

struct sha256_regs {
  __m128i abef, cdgh;
  __m128i m[4];
};

template <int G>
ZYL_TARGET_SHA inline void sha256_group(sha256_regs& r) {
  const __m128i& w = r.m[G % 4];
  __m128i wk = _mm_add_epi32(w, _mm_loadu_si128(reinterpret_cast<const __m128i*>(sha2_traits<std::uint32_t>::K + 4 * G)));
  r.cdgh = _mm_sha256rnds2_epu32(r.cdgh, r.abef, wk);
  if constexpr (G >= 3 && G <= 14) {
    __m128i& next = r.m[(G + 1) % 4];
    next = _mm_add_epi32(next, _mm_alignr_epi8(w, r.m[(G + 3) % 4], 4));
    next = _mm_sha256msg2_epu32(next, w);
  }
  wk = _mm_shuffle_epi32(wk, 0x0E);
  r.abef = _mm_sha256rnds2_epu32(r.abef, r.cdgh, wk);
  if constexpr (G >= 1 && G <= 12) r.m[(G + 3) % 4] = _mm_sha256msg1_epu32(r.m[(G + 3) % 4], w);
}

template <int... G>
ZYL_TARGET_SHA inline void sha256_groups(sha256_regs& r, std::integer_sequence<int, G...>) {
  (sha256_group<G>(r), ...);
}

ZYL_TARGET_SHA ZYL_X86_REALIGN void compress(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) {
  const __m128i byte_swap = _mm_set_epi64x(0x0C0D0E0F08090A0BLL, 0x0405060700010203LL);
  // From the state words A..H to the pair ABEF (A in the top lane) / CDGH.
  const __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state));
  const __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4));
  const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
  const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
  __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
  __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);
  for (; nblocks > 0; --nblocks, p += 64) {
    // The rounds are one long dependency chain; fetch the input early.
    _mm_prefetch(reinterpret_cast<const char*>(p + 512), _MM_HINT_T0);
    sha256_regs r;
    r.abef = abef;
    r.cdgh = cdgh;
    for (int i = 0; i < 4; ++i)
      r.m[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i)), byte_swap);
    sha256_groups(r, std::make_integer_sequence<int, 16>{});
    abef = _mm_add_epi32(r.abef, abef);
    cdgh = _mm_add_epi32(r.cdgh, cdgh);
  }
  const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
  const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(feba, dchg, 0xF0));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(dchg, feba, 8));
}

#undef ZYL_TARGET_SHA

}  // namespace

void sha256_blocks_shani(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept {
  compress(state, p, nblocks);
}

}  // namespace ZYL_dstruct::detail

#endif  // ZYL_ARCH_X86

// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/sha512_avx2
//
// Two blocks are scheduled at once, one in each 128-bit half of the AVX2
// registers, two message words per half: register X[k] holds W[2k] and
// W[2k+1] of both blocks. The recurrence
//   W[i] = sigma1(W[i-2]) + W[i-7] + sigma0(W[i-15]) + W[i-16]
// never reaches back less than two words, so both words of X[k] come from
// X[k-8..k-1] at once; the unaligned pairs W[i-15..i-14] and W[i-7..i-6]
// are PALIGNRs of neighbouring registers (which shift within each half,
// exactly what two independent blocks need). The sums W + K of both blocks
// are stored, and the scalar rounds then run over the first block and the
// second; the vector units schedule while the integer units run rounds.
#include "ZYL_dstruct/detail/x86/sha512_avx2.h"

#if ZYL_ARCH_X86

#include <immintrin.h>

#include "ZYL_dstruct/detail/sha2_rounds.h"

namespace ZYL_dstruct::detail {
namespace {

#define ZYL_TARGET_AVX2 __attribute__((target("avx2,bmi2")))

template <int N>
ZYL_TARGET_AVX2 inline __m256i ror64(__m256i x) {
  return _mm256_or_si256(_mm256_srli_epi64(x, N), _mm256_slli_epi64(x, 64 - N));
}

ZYL_TARGET_AVX2 inline __m256i sigma0(__m256i x) {
  return _mm256_xor_si256(_mm256_xor_si256(ror64<1>(x), ror64<8>(x)), _mm256_srli_epi64(x, 7));
}

ZYL_TARGET_AVX2 inline __m256i sigma1(__m256i x) {
  return _mm256_xor_si256(_mm256_xor_si256(ror64<19>(x), ror64<61>(x)), _mm256_srli_epi64(x, 6));
}

// K[2k] and K[2k+1] in both halves.
ZYL_TARGET_AVX2 inline __m256i k_pair(int k) {
  return _mm256_broadcastsi128_si256(
      _mm_loadu_si128(reinterpret_cast<const __m128i*>(sha2_traits<std::uint64_t>::K + 2 * k)));
}

// W + K for the 80 rounds of the blocks at a and b: wk[k] holds the sums for
// words 2k and 2k+1 of a, then those of b.
ZYL_TARGET_AVX2 ZYL_X86_REALIGN void schedule(const std::uint8_t* a, const std::uint8_t* b, __m256i* wk) {
  const __m256i byte_swap = _mm256_set_epi64x(0x08090A0B0C0D0E0FLL, 0x0001020304050607LL, 0x08090A0B0C0D0E0FLL,
                                              0x0001020304050607LL);
  __m256i x[8];
  for (int k = 0; k < 8; ++k) {
    const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + 16 * k));
    const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 16 * k));
    x[k] = _mm256_shuffle_epi8(_mm256_inserti128_si256(_mm256_castsi128_si256(lo), hi, 1), byte_swap);
    _mm256_store_si256(wk + k, _mm256_add_epi64(x[k], k_pair(k)));
  }
  for (int k = 8; k < 40; ++k) {
    const __m256i w15 = _mm256_alignr_epi8(x[(k - 7) & 7], x[k & 7], 8);
    const __m256i w7 = _mm256_alignr_epi8(x[(k - 3) & 7], x[(k - 4) & 7], 8);
    x[k & 7] = _mm256_add_epi64(_mm256_add_epi64(x[k & 7], sigma0(w15)), _mm256_add_epi64(w7, sigma1(x[(k - 1) & 7])));
    _mm256_store_si256(wk + k, _mm256_add_epi64(x[k & 7], k_pair(k)));
  }
}

// The rounds of one block over its half (0 or 1) of the stored sums.
ZYL_TARGET_AVX2 void rounds(std::uint64_t* state, const __m256i* wk, int half) {
  const auto* sums = reinterpret_cast<const std::uint64_t*>(wk);
  sha2_rounds<std::uint64_t>(state, [sums, half](int t, int j) { return sums[4 * ((t + j) >> 1) + 2 * half + ((t + j) & 1)]; });
}

#undef ZYL_TARGET_AVX2

}  // namespace

void sha512_blocks_avx2(std::uint64_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept {
  alignas(32) __m256i wk[40];
  for (; nblocks >= 2; nblocks -= 2, p += 256) {
    schedule(p, p + 128, wk);
    rounds(state, wk, 0);
    rounds(state, wk, 1);
  }
  if (nblocks == 1) {
    schedule(p, p, wk);
    rounds(state, wk, 0);
  }
}

}  // namespace ZYL_dstruct::detail

#endif  // ZYL_ARCH_X86

// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/sha256_avx2
//
// Two blocks are scheduled at once, one in each 128-bit half of the AVX2
// registers, four message words per half: register x[k % 4] holds W[4k] to
// W[4k+3] of both blocks. In the recurrence
//   W[i] = sigma1(W[i-2]) + W[i-7] + sigma0(W[i-15]) + W[i-16]
// the last two words of a step depend on the first two of the same step,
// so sigma1 is applied twice: to the previous register's upper pair moved
// down (the zeros shifted in give sigma1(0) = 0 in the other words), then
// to the new lower pair moved up. The unaligned quadruples W[i-15..i-12]
// and W[i-7..i-4] are PALIGNRs of neighbouring registers (which shift
// within each half, as two independent blocks need). The sums W + K are
// stored.
//
// As in the SHA-512 kernel, the scalar rounds of a pair of blocks read the
// sums stored while the pair before ran, and the next pair's schedule is
// woven into them, two steps after every sixteen rounds; a pair is unrolled
// completely so the four schedule registers stay in registers, and the
// rounds use ANDN for the choice function and RORX for the rotations.
#include "ZYL_dstruct/detail/x86/sha256_avx2.h"

#if ZYL_ARCH_X86

#include <immintrin.h>

#include <utility>

#include "ZYL_dstruct/detail/sha2_impl.h"
#include "ZYL_dstruct/detail/sha2_rounds.h"

namespace ZYL_dstruct::detail {
namespace {

#define ZYL_TARGET_AVX2 __attribute__((target("avx2,bmi,bmi2"), always_inline)) inline

constexpr int kSteps = 16;  // schedule steps per pair: 64 words, four per step

template <int N>
ZYL_TARGET_AVX2 __m256i ror32(__m256i x) {
  return _mm256_or_si256(_mm256_srli_epi32(x, N), _mm256_slli_epi32(x, 32 - N));
}

ZYL_TARGET_AVX2 __m256i sigma0(__m256i x) {
  return _mm256_xor_si256(_mm256_xor_si256(ror32<7>(x), ror32<18>(x)), _mm256_srli_epi32(x, 3));
}

// ror 17 ^ ror 19 = ror 17 of (x ^ ror 2 of x): one rotation fewer.
ZYL_TARGET_AVX2 __m256i sigma1(__m256i x) {
  return _mm256_xor_si256(ror32<17>(_mm256_xor_si256(x, ror32<2>(x))), _mm256_srli_epi32(x, 10));
}

// The schedule of one pair of blocks (a and b) into out[0..15]: out[k] holds W + K for words 4k to 4k+3 of a,
// then those of b.
struct pair_schedule {
  const std::uint8_t* a;
  const std::uint8_t* b;
  __m256i* out;
  __m256i x[4];
};

template <int K>
ZYL_TARGET_AVX2 void schedule_step(pair_schedule& s) {
  if constexpr (K < 4) {
    const __m256i byte_swap = _mm256_set_epi64x(0x0C0D0E0F08090A0BLL, 0x0405060700010203LL, 0x0C0D0E0F08090A0BLL,
                                                0x0405060700010203LL);
    const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.a + 16 * K));
    const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.b + 16 * K));
    s.x[K] = _mm256_shuffle_epi8(_mm256_inserti128_si256(_mm256_castsi128_si256(lo), hi, 1), byte_swap);
  } else {
    const __m256i prev = s.x[(K - 1) & 3];
    const __m256i w15 = _mm256_alignr_epi8(s.x[(K - 3) & 3], s.x[K & 3], 4);
    const __m256i w7 = _mm256_alignr_epi8(prev, s.x[(K - 2) & 3], 4);
    __m256i w = _mm256_add_epi32(_mm256_add_epi32(s.x[K & 3], sigma0(w15)), w7);
    w = _mm256_add_epi32(w, sigma1(_mm256_srli_si256(prev, 8)));
    s.x[K & 3] = _mm256_add_epi32(w, sigma1(_mm256_slli_si256(w, 8)));
  }
  const __m256i k_quad = _mm256_broadcastsi128_si256(
      _mm_loadu_si128(reinterpret_cast<const __m128i*>(sha2_traits<std::uint32_t>::K + 4 * K)));
  _mm256_store_si256(s.out + K, _mm256_add_epi32(s.x[K & 3], k_quad));
}

template <int... K>
ZYL_TARGET_AVX2 void schedule_steps(pair_schedule& s, std::integer_sequence<int, K...>) {
  (schedule_step<K>(s), ...);
}

struct round_vars {
  std::uint32_t a, b, c, d, e, f, g, h, bc;
};

// Sixteen rounds of group G of a pair, then two steps of the next pair's
// schedule: groups 0-3 are the first block, 4-7 the second.
template <int G>
ZYL_TARGET_AVX2 void pair_group(std::uint32_t* state, round_vars& v, const std::uint32_t* sums, pair_schedule& next) {
  constexpr int t = 16 * (G % 4);
  if constexpr (G % 4 == 0)
    v = {state[0], state[1], state[2], state[3], state[4], state[5], state[6], state[7], state[1] ^ state[2]};
  // Word i of this block's half is at 8 * (i / 4) + i % 4 (t is a multiple of 4).
  const std::uint32_t* half = sums + 4 * (G / 4);
  const auto wk = [half](int tt, int j) { return half[2 * tt + 8 * (j >> 2) + (j & 3)]; };
  sha2_4_rounds<true>(v.a, v.b, v.c, v.d, v.e, v.f, v.g, v.h, v.bc, t, 0, wk);
  sha2_4_rounds<true>(v.a, v.b, v.c, v.d, v.e, v.f, v.g, v.h, v.bc, t, 4, wk);
  schedule_step<2 * G>(next);
  sha2_4_rounds<true>(v.a, v.b, v.c, v.d, v.e, v.f, v.g, v.h, v.bc, t, 8, wk);
  sha2_4_rounds<true>(v.a, v.b, v.c, v.d, v.e, v.f, v.g, v.h, v.bc, t, 12, wk);
  schedule_step<2 * G + 1>(next);
  if constexpr (G % 4 == 3) {
    state[0] += v.a;
    state[1] += v.b;
    state[2] += v.c;
    state[3] += v.d;
    state[4] += v.e;
    state[5] += v.f;
    state[6] += v.g;
    state[7] += v.h;
  }
}

template <int... G>
ZYL_TARGET_AVX2 void pair_groups(std::uint32_t* state, const __m256i* sums, pair_schedule& next,
                                 std::integer_sequence<int, G...>) {
  round_vars v;
  const auto* words = reinterpret_cast<const std::uint32_t*>(sums);
  (pair_group<G>(state, v, words, next), ...);
}

#undef ZYL_TARGET_AVX2

// Whole pairs of blocks (npairs > 0).
__attribute__((target("avx2,bmi,bmi2"), aligned(64))) ZYL_X86_REALIGN void compress_pairs(
    std::uint32_t* state, const std::uint8_t* p, std::size_t npairs) {
  // Two buffers: the rounds read one while the next pair is scheduled into the other.
  alignas(32) __m256i wk[2][kSteps];
  pair_schedule s{p, p + 64, wk[0], {}};
  schedule_steps(s, std::make_integer_sequence<int, kSteps>{});
  for (int cur = 0; npairs > 0; --npairs, cur ^= 1) {
    // After the last pair the schedule runs over that pair again, into the
    // spare buffer: the same work on memory that is known to be there.
    if (npairs > 1) p += 128;
    s.a = p;
    s.b = p + 64;
    s.out = wk[cur ^ 1];
    pair_groups(state, wk[cur], s, std::make_integer_sequence<int, 8>{});
  }
}

}  // namespace

void sha256_blocks_avx2(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept {
  if (nblocks >= 2) compress_pairs(state, p, nblocks / 2);
  // A lone last block is not worth a schedule of its own.
  if (nblocks % 2 == 1) sha256_blocks_portable(state, p + 64 * (nblocks - 1), 1);
}

}  // namespace ZYL_dstruct::detail

#endif  // ZYL_ARCH_X86

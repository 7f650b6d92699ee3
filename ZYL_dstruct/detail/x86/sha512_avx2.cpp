// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/sha512_avx2
//
// Two blocks are scheduled at once, one in each 128-bit half of the AVX2
// registers, two message words per half: register x[k % 8] holds W[2k] and
// W[2k+1] of both blocks. The recurrence
//   W[i] = sigma1(W[i-2]) + W[i-7] + sigma0(W[i-15]) + W[i-16]
// never reaches back less than two words, so both words of a register come
// from the eight before at once; the unaligned pairs W[i-15..i-14] and
// W[i-7..i-6] are PALIGNRs of neighbouring registers (which shift within
// each half, as two independent blocks need). The sums W + K are stored.
//
// The scalar rounds of a pair of blocks read the sums stored while the pair
// before ran, and the schedule of the next pair is woven into them, four
// steps after every sixteen rounds, so the vector units work while the
// integer units run the rounds. A pair is unrolled completely, so the eight
// schedule registers stay in registers. The rounds use ANDN (BMI1) for the
// choice function and RORX (BMI2) for the rotations: the integer units are
// the bottleneck, so every operation saved there counts. The unrolled loop
// is some 20 KB of code; where it lands relative to a 64-byte line changed
// its speed by a third in one build, so the function is aligned.
#include "ZYL_dstruct/detail/x86/sha512_avx2.h"

#if ZYL_ARCH_X86

#include <immintrin.h>

#include <utility>

#include "ZYL_dstruct/detail/sha2_impl.h"
#include "ZYL_dstruct/detail/sha2_rounds.h"

namespace ZYL_dstruct::detail {
namespace {

#define ZYL_TARGET_AVX2 __attribute__((target("avx2,bmi,bmi2"), always_inline)) inline

constexpr int kSteps = 40;  // schedule steps per pair: 80 words, two per step

template <int N>
ZYL_TARGET_AVX2 __m256i ror64(__m256i x) {
  return _mm256_or_si256(_mm256_srli_epi64(x, N), _mm256_slli_epi64(x, 64 - N));
}

ZYL_TARGET_AVX2 __m256i sigma0(__m256i x) {
  return _mm256_xor_si256(_mm256_xor_si256(ror64<1>(x), ror64<8>(x)), _mm256_srli_epi64(x, 7));
}

ZYL_TARGET_AVX2 __m256i sigma1(__m256i x) {
  return _mm256_xor_si256(_mm256_xor_si256(ror64<19>(x), ror64<61>(x)), _mm256_srli_epi64(x, 6));
}

// The schedule of one pair of blocks (a and b) into out[0..39]: out[k] holds W + K for words 2k and 2k+1 of a,
// then those of b.
struct pair_schedule {
  const std::uint8_t* a;
  const std::uint8_t* b;
  __m256i* out;
  __m256i x[8];
};

template <int K>
ZYL_TARGET_AVX2 void schedule_step(pair_schedule& s) {
  if constexpr (K < 8) {
    const __m256i byte_swap = _mm256_set_epi64x(0x08090A0B0C0D0E0FLL, 0x0001020304050607LL, 0x08090A0B0C0D0E0FLL,
                                                0x0001020304050607LL);
    const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.a + 16 * K));
    const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.b + 16 * K));
    s.x[K] = _mm256_shuffle_epi8(_mm256_inserti128_si256(_mm256_castsi128_si256(lo), hi, 1), byte_swap);
  } else {
    const __m256i w15 = _mm256_alignr_epi8(s.x[(K - 7) & 7], s.x[K & 7], 8);
    const __m256i w7 = _mm256_alignr_epi8(s.x[(K - 3) & 7], s.x[(K - 4) & 7], 8);
    s.x[K & 7] =
        _mm256_add_epi64(_mm256_add_epi64(s.x[K & 7], sigma0(w15)), _mm256_add_epi64(w7, sigma1(s.x[(K - 1) & 7])));
  }
  const __m256i k_pair = _mm256_broadcastsi128_si256(
      _mm_loadu_si128(reinterpret_cast<const __m128i*>(sha2_traits<std::uint64_t>::K + 2 * K)));
  _mm256_store_si256(s.out + K, _mm256_add_epi64(s.x[K & 7], k_pair));
}

template <int... K>
ZYL_TARGET_AVX2 void schedule_steps(pair_schedule& s, std::integer_sequence<int, K...>) {
  (schedule_step<K>(s), ...);
}

struct round_vars {
  std::uint64_t a, b, c, d, e, f, g, h, bc;
};

// Sixteen rounds of group G of a pair, then four steps of the next pair's
// schedule: groups 0-4 are the first block, 5-9 the second.
template <int G>
ZYL_TARGET_AVX2 void pair_group(std::uint64_t* state, round_vars& v, const std::uint64_t* sums, pair_schedule& next) {
  constexpr int t = 16 * (G % 5);
  if constexpr (G % 5 == 0)
    v = {state[0], state[1], state[2], state[3], state[4], state[5], state[6], state[7], state[1] ^ state[2]};
  // Word i of this block's half is at 4 * (i / 2) + i % 2 (t is even).
  const std::uint64_t* half = sums + 2 * (G / 5);
  const auto wk = [half](int tt, int j) { return half[2 * tt + 4 * (j >> 1) + (j & 1)]; };
  sha2_4_rounds<true>(v.a, v.b, v.c, v.d, v.e, v.f, v.g, v.h, v.bc, t, 0, wk);
  schedule_step<4 * G>(next);
  sha2_4_rounds<true>(v.a, v.b, v.c, v.d, v.e, v.f, v.g, v.h, v.bc, t, 4, wk);
  schedule_step<4 * G + 1>(next);
  sha2_4_rounds<true>(v.a, v.b, v.c, v.d, v.e, v.f, v.g, v.h, v.bc, t, 8, wk);
  schedule_step<4 * G + 2>(next);
  sha2_4_rounds<true>(v.a, v.b, v.c, v.d, v.e, v.f, v.g, v.h, v.bc, t, 12, wk);
  schedule_step<4 * G + 3>(next);
  if constexpr (G % 5 == 4) {
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
ZYL_TARGET_AVX2 void pair_groups(std::uint64_t* state, const __m256i* sums, pair_schedule& next,
                                 std::integer_sequence<int, G...>) {
  round_vars v;
  const auto* words = reinterpret_cast<const std::uint64_t*>(sums);
  (pair_group<G>(state, v, words, next), ...);
}

#undef ZYL_TARGET_AVX2

// Whole pairs of blocks (npairs > 0).
__attribute__((target("avx2,bmi,bmi2"), aligned(64))) ZYL_X86_REALIGN void compress_pairs(
    std::uint64_t* state, const std::uint8_t* p, std::size_t npairs) {
  // Two buffers: the rounds read one while the next pair is scheduled into the other.
  alignas(32) __m256i wk[2][kSteps];
  pair_schedule s{p, p + 128, wk[0], {}};
  schedule_steps(s, std::make_integer_sequence<int, kSteps>{});
  for (int cur = 0; npairs > 0; --npairs, cur ^= 1) {
    // After the last pair the schedule runs over that pair again, into the
    // spare buffer: the same work on memory that is known to be there.
    if (npairs > 1) p += 256;
    s.a = p;
    s.b = p + 128;
    s.out = wk[cur ^ 1];
    pair_groups(state, wk[cur], s, std::make_integer_sequence<int, 10>{});
  }
}

}  // namespace

void sha512_blocks_avx2(std::uint64_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept {
  if (nblocks >= 2) compress_pairs(state, p, nblocks / 2);
  // A lone last block is not worth a schedule of its own.
  if (nblocks % 2 == 1) sha512_blocks_portable(state, p + 128 * (nblocks - 1), 1);
}

}  // namespace ZYL_dstruct::detail

#endif  // ZYL_ARCH_X86

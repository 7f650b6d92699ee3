// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/bitops_x86
#include "ZYL_dstruct/detail/x86/bitops_x86.h"

#if ZYL_ARCH_X86
#include <immintrin.h>

#include "ZYL_dstruct/detail/bitops_impl.h"

namespace ZYL_dstruct::detail {
namespace {

using v2u64 = std::uint64_t __attribute__((vector_size(16)));
using v4u64 = std::uint64_t __attribute__((vector_size(32)));

}  // namespace

__attribute__((target("popcnt"))) std::uint64_t popcount_popcnt(const std::uint8_t* p, std::size_t n) noexcept {
  // Four independent sums keep the POPCNT units busy.
  std::uint64_t c0 = 0, c1 = 0, c2 = 0, c3 = 0;
  std::size_t i = 0;
  for (; i + 32 <= n; i += 32) {
    std::uint64_t w[4];
    __builtin_memcpy(w, p + i, 32);
    c0 += static_cast<std::uint64_t>(__builtin_popcountll(w[0]));
    c1 += static_cast<std::uint64_t>(__builtin_popcountll(w[1]));
    c2 += static_cast<std::uint64_t>(__builtin_popcountll(w[2]));
    c3 += static_cast<std::uint64_t>(__builtin_popcountll(w[3]));
  }
  return c0 + c1 + c2 + c3 + popcount_table(p + i, n - i);
}

// Nibble lookup with VPSHUFB: each byte's count is the sum of the counts of
// its two halves. Byte counters take at most 31 rounds (31 x 8 < 256) before
// VPSADBW folds them into 64-bit sums.
__attribute__((target("avx2"))) ZYL_X86_REALIGN std::uint64_t popcount_avx2(const std::uint8_t* p,
                                                                          std::size_t n) noexcept {
  const __m256i lookup = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4,  //
                                          0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
  const __m256i low = _mm256_set1_epi8(0x0F);
  const __m256i zero = _mm256_setzero_si256();
  __m256i total = zero;
  std::size_t i = 0;
  while (n - i >= 32) {
    const std::size_t rounds = (n - i) / 32 < 31 ? (n - i) / 32 : 31;
    __m256i bytes = zero;
    for (std::size_t r = 0; r < rounds; ++r, i += 32) {
      const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
      const __m256i lo = _mm256_shuffle_epi8(lookup, _mm256_and_si256(v, low));
      const __m256i hi = _mm256_shuffle_epi8(lookup, _mm256_and_si256(_mm256_srli_epi16(v, 4), low));
      bytes = _mm256_add_epi8(bytes, _mm256_add_epi8(lo, hi));
    }
    total = _mm256_add_epi64(total, _mm256_sad_epu8(bytes, zero));
  }
  std::uint64_t lanes[4];
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(lanes), total);
  return lanes[0] + lanes[1] + lanes[2] + lanes[3] + popcount_table(p + i, n - i);
}

__attribute__((target("sse2"))) ZYL_X86_REALIGN void combine_sse2(std::uint8_t* a, const std::uint8_t* b,
                                                                  std::size_t n, TLogicOp op) noexcept {
  combine_body<v2u64>(a, b, n, op);
}

__attribute__((target("avx2"))) ZYL_X86_REALIGN void combine_avx2(std::uint8_t* a, const std::uint8_t* b,
                                                                  std::size_t n, TLogicOp op) noexcept {
  combine_body<v4u64>(a, b, n, op);
}

}  // namespace ZYL_dstruct::detail
#endif

// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/crc32_pclmul
//
// Folding: the message is a polynomial over GF(2); the CRC is the message
// times x^32 modulo P. A 128-bit chunk A followed by n more bits is congruent
// to A.hi * (x^(n+96) mod P) + A.lo * (x^(n+32) mod P) + (the following bits)
// in bit-reflected form, so multiplying by precomputed constants moves a
// chunk forward by n bits without changing the remainder. Four accumulators
// move forward 512 bits per step; at the end they are folded into one,
// reduced from 128 to 64 to 32 bits, and a Barrett reduction by P yields the
// register. Unaligned loads are used throughout; the portable code handles
// short inputs and the tail of fewer than 16 bytes.
#include "ZYL_dstruct/detail/x86/crc32_pclmul.h"

#if ZYL_ARCH_X86

#include <immintrin.h>

#include "ZYL_dstruct/detail/crc32_impl.h"

namespace ZYL_dstruct::detail {
namespace {

#define ZYL_TARGET_PCLMUL __attribute__((target("pclmul,sse4.1")))

// Bit-reflected constants of the polynomial 04C11DB7 (shifted one bit for
// the reflected product):
//   k1 = x^(4*128+32) mod P, k2 = x^(4*128-32) mod P   fold by 512 bits
//   k3 = x^(128+32) mod P,   k4 = x^(128-32) mod P     fold by 128 bits
//   k5 = x^64 mod P                                    fold 64 -> 32 bits
//   P' and u' = floor(x^64 / P)                        Barrett reduction
constexpr std::uint64_t kK1 = 0x154442BD4, kK2 = 0x1C6E41596;
constexpr std::uint64_t kK3 = 0x1751997D0, kK4 = 0x0CCAA009E;
constexpr std::uint64_t kK5 = 0x163CD6124;
constexpr std::uint64_t kPoly = 0x1DB710641, kMu = 0x1F7011641;

ZYL_TARGET_PCLMUL inline __m128i load(const std::uint8_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// x moved forward by the distance k encodes, plus the next chunk.
ZYL_TARGET_PCLMUL inline __m128i fold(__m128i x, __m128i k, __m128i next) {
  return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11)), next);
}

// Folds the remaining 16-byte blocks into x and reduces it to the register
// (n a multiple of 16).
ZYL_TARGET_PCLMUL inline std::uint32_t finish(__m128i x, const std::uint8_t* p, std::size_t n) {
  const __m128i k34 = _mm_set_epi64x(static_cast<long long>(kK4), static_cast<long long>(kK3));
  for (; n >= 16; n -= 16, p += 16) x = fold(x, k34, load(p));

  // 128 -> 64 bits: the low half moved forward by 64 bits onto the high half.
  x = _mm_xor_si128(_mm_srli_si128(x, 8), _mm_clmulepi64_si128(x, k34, 0x10));
  // 64 -> 32 bits (adding the 32 zero bits that multiply the message by x^32).
  const __m128i mask32 = _mm_set_epi32(0, 0, 0, -1);
  const __m128i k5 = _mm_set_epi64x(0, static_cast<long long>(kK5));
  x = _mm_xor_si128(_mm_srli_si128(x, 4), _mm_clmulepi64_si128(_mm_and_si128(x, mask32), k5, 0x00));
  // Barrett reduction: q = floor(x / P) via u', then x - q * P.
  const __m128i pu = _mm_set_epi64x(static_cast<long long>(kMu), static_cast<long long>(kPoly));
  __m128i q = _mm_clmulepi64_si128(_mm_and_si128(x, mask32), pu, 0x10);
  q = _mm_clmulepi64_si128(_mm_and_si128(q, mask32), pu, 0x00);
  x = _mm_xor_si128(x, q);
  return static_cast<std::uint32_t>(_mm_extract_epi32(x, 1));
}

// The register for n bytes at p, n a multiple of 16 and at least 64.
ZYL_TARGET_PCLMUL ZYL_X86_REALIGN std::uint32_t fold_blocks(std::uint32_t crc, const std::uint8_t* p,
                                                            std::size_t n) {
  __m128i x0 = _mm_xor_si128(load(p), _mm_cvtsi32_si128(static_cast<int>(crc)));
  __m128i x1 = load(p + 16), x2 = load(p + 32), x3 = load(p + 48);
  p += 64;
  n -= 64;

  const __m128i k12 = _mm_set_epi64x(static_cast<long long>(kK2), static_cast<long long>(kK1));
  for (; n >= 64; n -= 64, p += 64) {
    _mm_prefetch(reinterpret_cast<const char*>(p + 1024), _MM_HINT_T0);
    x0 = fold(x0, k12, load(p));
    x1 = fold(x1, k12, load(p + 16));
    x2 = fold(x2, k12, load(p + 32));
    x3 = fold(x3, k12, load(p + 48));
  }

  const __m128i k34 = _mm_set_epi64x(static_cast<long long>(kK4), static_cast<long long>(kK3));
  __m128i x = fold(x0, k34, x1);
  x = fold(x, k34, x2);
  x = fold(x, k34, x3);
  return finish(x, p, n);
}

// The same folding on 256-bit registers: each holds two consecutive 128-bit
// chunks, and four of them move forward 1024 bits per step with the
// constants x^(1024+32) mod P and x^(1024-32) mod P in both halves. At the
// end the eight chunks, in message order, are folded into one as above.
#define ZYL_TARGET_VPCLMUL __attribute__((target("vpclmulqdq,pclmul,avx2,sse4.1")))

constexpr std::uint64_t kK1024a = 0x1E88EF372, kK1024b = 0x14A7FE880;

ZYL_TARGET_VPCLMUL inline __m256i load256(const std::uint8_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

ZYL_TARGET_VPCLMUL inline __m256i fold256(__m256i y, __m256i k, __m256i next) {
  return _mm256_xor_si256(_mm256_xor_si256(_mm256_clmulepi64_epi128(y, k, 0x00), _mm256_clmulepi64_epi128(y, k, 0x11)),
                          next);
}

// The register for n bytes at p, n a multiple of 16 and at least 256.
ZYL_TARGET_VPCLMUL ZYL_X86_REALIGN std::uint32_t fold_blocks_vpclmul(std::uint32_t crc, const std::uint8_t* p,
                                                                     std::size_t n) {
  __m256i y0 = _mm256_xor_si256(load256(p), _mm256_zextsi128_si256(_mm_cvtsi32_si128(static_cast<int>(crc))));
  __m256i y1 = load256(p + 32), y2 = load256(p + 64), y3 = load256(p + 96);
  p += 128;
  n -= 128;

  const __m256i k = _mm256_set_epi64x(static_cast<long long>(kK1024b), static_cast<long long>(kK1024a),
                                      static_cast<long long>(kK1024b), static_cast<long long>(kK1024a));
  for (; n >= 128; n -= 128, p += 128) {
    _mm_prefetch(reinterpret_cast<const char*>(p + 2048), _MM_HINT_T0);
    y0 = fold256(y0, k, load256(p));
    y1 = fold256(y1, k, load256(p + 32));
    y2 = fold256(y2, k, load256(p + 64));
    y3 = fold256(y3, k, load256(p + 96));
  }

  const __m128i k34 = _mm_set_epi64x(static_cast<long long>(kK4), static_cast<long long>(kK3));
  __m128i x = fold(_mm256_castsi256_si128(y0), k34, _mm256_extracti128_si256(y0, 1));
  for (const __m256i y : {y1, y2, y3}) {
    x = fold(x, k34, _mm256_castsi256_si128(y));
    x = fold(x, k34, _mm256_extracti128_si256(y, 1));
  }
  return finish(x, p, n);
}

#undef ZYL_TARGET_VPCLMUL

}  // namespace

std::uint32_t crc32_vpclmul(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept {
  if (n < 256) return crc32_pclmul(crc, p, n);
  const std::size_t blocks = n & ~std::size_t{15};
  crc = fold_blocks_vpclmul(crc, p, blocks);
  return crc32_slice1(crc, p + blocks, n - blocks);
}

std::uint32_t crc32_pclmul(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept {
  if (n < 64) return crc32_slice16(crc, p, n);
  const std::size_t blocks = n & ~std::size_t{15};
  crc = fold_blocks(crc, p, blocks);
  return crc32_slice1(crc, p + blocks, n - blocks);
}

}  // namespace ZYL_dstruct::detail

#undef ZYL_TARGET_PCLMUL

#endif  // ZYL_ARCH_X86

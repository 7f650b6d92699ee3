// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/crc16_pclmul
//
// Folding, most significant bit first: each 16-byte chunk is loaded with its
// bytes reversed, so bit 127 of the register is the first bit of the chunk
// and bit i is the coefficient of x^i. A chunk A = H x^64 + L followed by n
// more bits is congruent modulo P to H (x^(n+64) mod P) + L (x^n mod P) at
// the position of those bits; both products have fewer than 80 bits, so the
// sum is a 128-bit value aligned with the chunk n bits further on, and that
// chunk is XORed onto it. The register enters as the first two message bytes
// XORed with it (for a register without inversion that is the same as
// starting from it).
//
// When everything has been folded into one chunk A, the message read so far
// is congruent to A, so the register is the CRC of A's sixteen bytes from a
// zero register: one step of the sliced table code. The portable code handles
// short inputs and the tail of fewer than 16 bytes.
#include "ZYL_dstruct/detail/x86/crc16_pclmul.h"

#if ZYL_ARCH_X86

#include <immintrin.h>

#include "ZYL_dstruct/detail/crc16_impl.h"

namespace ZYL_dstruct::detail {
namespace {

#define ZYL_TARGET_PCLMUL __attribute__((target("pclmul,ssse3,sse4.1")))

// x^n mod P for P = x^16 + x^12 + x^5 + 1.
constexpr std::uint64_t xpow_mod(unsigned n) {
  std::uint32_t r = 1;
  for (unsigned i = 0; i < n; ++i) {
    r <<= 1;
    if (r & 0x10000) r ^= 0x11021;
  }
  return r;
}
static_assert(xpow_mod(16) == 0x1021);

// Fold distances in bits: 512 (four accumulators), 128 (one chunk), and 1024
// (four 256-bit accumulators).
constexpr std::uint64_t kHi512 = xpow_mod(512 + 64), kLo512 = xpow_mod(512);
constexpr std::uint64_t kHi128 = xpow_mod(128 + 64), kLo128 = xpow_mod(128);
constexpr std::uint64_t kHi1024 = xpow_mod(1024 + 64), kLo1024 = xpow_mod(1024);

ZYL_TARGET_PCLMUL inline __m128i byte_reverse_mask() {
  return _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
}

// The chunk at p as a polynomial, first bit highest.
ZYL_TARGET_PCLMUL inline __m128i load(const std::uint8_t* p, __m128i reverse) {
  return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), reverse);
}

ZYL_TARGET_PCLMUL inline __m128i constants(std::uint64_t hi, std::uint64_t lo) {
  return _mm_set_epi64x(static_cast<long long>(hi), static_cast<long long>(lo));
}

// x moved forward by the distance k encodes, plus the next chunk.
ZYL_TARGET_PCLMUL inline __m128i fold(__m128i x, __m128i k, __m128i next) {
  return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11)), next);
}

// Folds the remaining 16-byte blocks into x (n a multiple of 16) and returns
// the register.
ZYL_TARGET_PCLMUL inline std::uint16_t finish(__m128i x, const std::uint8_t* p, std::size_t n, __m128i reverse) {
  const __m128i k128 = constants(kHi128, kLo128);
  for (; n >= 16; n -= 16, p += 16) x = fold(x, k128, load(p, reverse));
  alignas(16) std::uint8_t bytes[16];
  _mm_store_si128(reinterpret_cast<__m128i*>(bytes), _mm_shuffle_epi8(x, reverse));
  return crc16_slice16(0, bytes, 16);
}

// The register entered into the first chunk's top sixteen bits.
ZYL_TARGET_PCLMUL inline __m128i first_chunk(std::uint16_t crc, const std::uint8_t* p, __m128i reverse) {
  return _mm_xor_si128(load(p, reverse), _mm_set_epi64x(static_cast<long long>(std::uint64_t{crc} << 48), 0));
}

// The register for n bytes at p, n a multiple of 16 and at least 64.
ZYL_TARGET_PCLMUL ZYL_X86_REALIGN std::uint16_t fold_blocks(std::uint16_t crc, const std::uint8_t* p,
                                                            std::size_t n) {
  const __m128i reverse = byte_reverse_mask();
  __m128i x0 = first_chunk(crc, p, reverse);
  __m128i x1 = load(p + 16, reverse), x2 = load(p + 32, reverse), x3 = load(p + 48, reverse);
  p += 64;
  n -= 64;

  const __m128i k512 = constants(kHi512, kLo512);
  for (; n >= 64; n -= 64, p += 64) {
    x0 = fold(x0, k512, load(p, reverse));
    x1 = fold(x1, k512, load(p + 16, reverse));
    x2 = fold(x2, k512, load(p + 32, reverse));
    x3 = fold(x3, k512, load(p + 48, reverse));
  }

  const __m128i k128 = constants(kHi128, kLo128);
  __m128i x = fold(x0, k128, x1);
  x = fold(x, k128, x2);
  x = fold(x, k128, x3);
  return finish(x, p, n, reverse);
}

// The same on 256-bit registers: each holds two consecutive chunks (the byte
// reversal works within each 128-bit half), and four of them move forward
// 1024 bits per step. At the end the eight chunks, in message order, are
// folded into one.
#define ZYL_TARGET_VPCLMUL __attribute__((target("vpclmulqdq,pclmul,avx2,ssse3,sse4.1")))

ZYL_TARGET_VPCLMUL inline __m256i load256(const std::uint8_t* p, __m256i reverse) {
  return _mm256_shuffle_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), reverse);
}

ZYL_TARGET_VPCLMUL inline __m256i fold256(__m256i y, __m256i k, __m256i next) {
  return _mm256_xor_si256(_mm256_xor_si256(_mm256_clmulepi64_epi128(y, k, 0x00), _mm256_clmulepi64_epi128(y, k, 0x11)),
                          next);
}

// The register for n bytes at p, n a multiple of 16 and at least 256.
ZYL_TARGET_VPCLMUL ZYL_X86_REALIGN std::uint16_t fold_blocks_vpclmul(std::uint16_t crc, const std::uint8_t* p,
                                                                     std::size_t n) {
  const __m128i reverse = byte_reverse_mask();
  const __m256i reverse256 = _mm256_broadcastsi128_si256(reverse);
  __m256i y0 = _mm256_set_m128i(load(p + 16, reverse), first_chunk(crc, p, reverse));
  __m256i y1 = load256(p + 32, reverse256), y2 = load256(p + 64, reverse256), y3 = load256(p + 96, reverse256);
  p += 128;
  n -= 128;

  const __m256i k = _mm256_broadcastsi128_si256(constants(kHi1024, kLo1024));
  for (; n >= 128; n -= 128, p += 128) {
    y0 = fold256(y0, k, load256(p, reverse256));
    y1 = fold256(y1, k, load256(p + 32, reverse256));
    y2 = fold256(y2, k, load256(p + 64, reverse256));
    y3 = fold256(y3, k, load256(p + 96, reverse256));
  }

  const __m128i k128 = constants(kHi128, kLo128);
  __m128i x = fold(_mm256_castsi256_si128(y0), k128, _mm256_extracti128_si256(y0, 1));
  for (const __m256i y : {y1, y2, y3}) {
    x = fold(x, k128, _mm256_castsi256_si128(y));
    x = fold(x, k128, _mm256_extracti128_si256(y, 1));
  }
  return finish(x, p, n, reverse);
}

#undef ZYL_TARGET_VPCLMUL

}  // namespace

std::uint16_t crc16_vpclmul(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept {
  if (n < 256) return crc16_pclmul(crc, p, n);
  const std::size_t blocks = n & ~std::size_t{15};
  crc = fold_blocks_vpclmul(crc, p, blocks);
  return crc16_slice1(crc, p + blocks, n - blocks);
}

std::uint16_t crc16_pclmul(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept {
  if (n < 64) return crc16_slice16(crc, p, n);
  const std::size_t blocks = n & ~std::size_t{15};
  crc = fold_blocks(crc, p, blocks);
  return crc16_slice1(crc, p + blocks, n - blocks);
}

}  // namespace ZYL_dstruct::detail

#undef ZYL_TARGET_PCLMUL

#endif  // ZYL_ARCH_X86

// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/base64_simd
//
// Encoding: twelve source bytes are spread over sixteen byte lanes so that
// each lane's 32-bit word holds one group of three; two multiplications move
// the four 6-bit fields of each group into separate bytes. A digit value
// becomes its character by adding an offset that depends only on its range
// (0-25, 26-51, 52-61, 62, 63), chosen with one byte shuffle.
//
// A line of 45 bytes is covered by overlapping pieces: 12-byte pieces at 0,
// 12, 24 and 33 (128-bit), or 24-byte pieces at 0 and 21 (256-bit); the
// overlapping characters are written twice with the same value. No load
// reaches past the line's 45 bytes.
//
// Decoding: the high and low nibble of each character each select a set of
// classes from a small table; a character is a digit exactly when the two
// sets are disjoint. Its value is the character plus an offset chosen by its
// high nibble ('/' shares its nibble with '+' and is told apart by a
// comparison). Multiply-adds then pack four 6-bit values into three bytes.
// A block with a non-digit still yields the whole groups before it; line
// ends there are skipped and decoding goes on behind them.
#include "ZYL_dstruct/detail/x86/base64_simd.h"

#if ZYL_ARCH_X86

#include <immintrin.h>

#include "ZYL_dstruct/detail/base64_impl.h"

namespace ZYL_dstruct::detail {
namespace {

#define ZYL_TARGET_SSSE3 __attribute__((target("ssse3")))
#define ZYL_TARGET_AVX2 __attribute__((target("avx2,ssse3")))

// ---- encoding -------------------------------------------------------------

// Spread masks for the 12 bytes at offset 0 or 4 of a 16-byte load: lane
// word i gets bytes (1, 0, 2, 1) of group i.
ZYL_TARGET_SSSE3 inline __m128i spread_at0() {
  return _mm_set_epi8(10, 11, 9, 10, 7, 8, 6, 7, 4, 5, 3, 4, 1, 2, 0, 1);
}
ZYL_TARGET_SSSE3 inline __m128i spread_at4() {
  return _mm_set_epi8(14, 15, 13, 14, 11, 12, 10, 11, 8, 9, 7, 8, 5, 6, 4, 5);
}
// Offset to add to a digit value, indexed by its range code (see to_chars).
ZYL_TARGET_SSSE3 inline __m128i char_offsets() {
  return _mm_setr_epi8('a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
                       '0' - 52, '0' - 52, '+' - 62, '/' - 63, 'A', 0, 0);
}

ZYL_TARGET_SSSE3 inline __m128i load(const std::uint8_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Spread groups (one per 32-bit word) to their four digit values.
ZYL_TARGET_SSSE3 inline __m128i to_digits(__m128i in) {
  const __m128i ac = _mm_mulhi_epu16(_mm_and_si128(in, _mm_set1_epi32(0x0FC0FC00)), _mm_set1_epi32(0x04000040));
  const __m128i bd = _mm_mullo_epi16(_mm_and_si128(in, _mm_set1_epi32(0x003F03F0)), _mm_set1_epi32(0x01000010));
  return _mm_or_si128(ac, bd);
}

// Digit values to characters. Range code: 0..51 -> 0, 52..61 -> 1..10,
// 62 -> 11, 63 -> 12; then 0..25 -> 13.
ZYL_TARGET_SSSE3 inline __m128i to_chars(__m128i d) {
  __m128i code = _mm_subs_epu8(d, _mm_set1_epi8(51));
  code = _mm_or_si128(code, _mm_and_si128(_mm_cmpgt_epi8(_mm_set1_epi8(26), d), _mm_set1_epi8(13)));
  return _mm_add_epi8(d, _mm_shuffle_epi8(char_offsets(), code));
}

ZYL_TARGET_SSSE3 inline void encode12(const std::uint8_t* src, __m128i spread, std::uint8_t* out) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), to_chars(to_digits(_mm_shuffle_epi8(load(src), spread))));
}

ZYL_TARGET_AVX2 inline __m256i to_digits256(__m256i in) {
  const __m256i ac =
      _mm256_mulhi_epu16(_mm256_and_si256(in, _mm256_set1_epi32(0x0FC0FC00)), _mm256_set1_epi32(0x04000040));
  const __m256i bd =
      _mm256_mullo_epi16(_mm256_and_si256(in, _mm256_set1_epi32(0x003F03F0)), _mm256_set1_epi32(0x01000010));
  return _mm256_or_si256(ac, bd);
}

ZYL_TARGET_AVX2 inline __m256i to_chars256(__m256i d) {
  __m256i code = _mm256_subs_epu8(d, _mm256_set1_epi8(51));
  code = _mm256_or_si256(code, _mm256_and_si256(_mm256_cmpgt_epi8(_mm256_set1_epi8(26), d), _mm256_set1_epi8(13)));
  return _mm256_add_epi8(d, _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(char_offsets()), code));
}

// The 24 bytes at src + 0 .. src + 23, read as 16 bytes from src and 16 from
// src + 8 (so nothing past src + 24 is touched).
ZYL_TARGET_AVX2 inline void encode24(const std::uint8_t* src, std::uint8_t* out) {
  const __m256i in = _mm256_inserti128_si256(_mm256_castsi128_si256(load(src)), load(src + 8), 1);
  const __m256i spread = _mm256_inserti128_si256(_mm256_castsi128_si256(spread_at0()), spread_at4(), 1);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), to_chars256(to_digits256(_mm256_shuffle_epi8(in, spread))));
}

// ---- decoding ------------------------------------------------------------

// Class sets: by high nibble 2 -> 01, 3 -> 02, 4 and 6 -> 04, 5 and 7 -> 08,
// anything else -> 10; by low nibble, the classes in which that nibble is
// not a digit (10 always).
ZYL_TARGET_SSSE3 inline __m128i classes_by_high() {
  return _mm_setr_epi8(0x10, 0x10, 0x01, 0x02, 0x04, 0x08, 0x04, 0x08, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10);
}
ZYL_TARGET_SSSE3 inline __m128i classes_by_low() {
  return _mm_setr_epi8(0x15, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x13, 0x1A, 0x1B, 0x1B, 0x1B, 0x1A);
}
// Character to value, by high nibble (index 1 is '/': nibble 2 minus 1).
ZYL_TARGET_SSSE3 inline __m128i value_offsets() {
  return _mm_setr_epi8(0, 16, 19, 4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0);
}

// Decodes 16 characters: returns the 12 bytes in the low lanes and sets
// bad to a mask of the characters that are not digits.
ZYL_TARGET_SSSE3 inline __m128i decode16(__m128i in, unsigned& bad) {
  const __m128i nib = _mm_set1_epi8(0x0F);
  const __m128i hi = _mm_and_si128(_mm_srli_epi32(in, 4), nib);
  const __m128i cls = _mm_and_si128(_mm_shuffle_epi8(classes_by_low(), _mm_and_si128(in, nib)),
                                    _mm_shuffle_epi8(classes_by_high(), hi));
  bad = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(cls, _mm_setzero_si128()))) ^ 0xFFFFu;
  const __m128i slash = _mm_cmpeq_epi8(in, _mm_set1_epi8('/'));
  const __m128i v = _mm_add_epi8(in, _mm_shuffle_epi8(value_offsets(), _mm_add_epi8(slash, hi)));
  const __m128i pairs = _mm_maddubs_epi16(v, _mm_set1_epi32(0x01400140));
  const __m128i words = _mm_madd_epi16(pairs, _mm_set1_epi32(0x00011000));
  return _mm_shuffle_epi8(words, _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1));
}

ZYL_TARGET_AVX2 inline __m256i decode32(__m256i in, std::uint32_t& bad) {
  const __m256i nib = _mm256_set1_epi8(0x0F);
  const __m256i hi = _mm256_and_si256(_mm256_srli_epi32(in, 4), nib);
  const __m256i cls =
      _mm256_and_si256(_mm256_shuffle_epi8(_mm256_broadcastsi128_si256(classes_by_low()), _mm256_and_si256(in, nib)),
                       _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(classes_by_high()), hi));
  bad = ~static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(cls, _mm256_setzero_si256())));
  const __m256i slash = _mm256_cmpeq_epi8(in, _mm256_set1_epi8('/'));
  const __m256i v =
      _mm256_add_epi8(in, _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(value_offsets()), _mm256_add_epi8(slash, hi)));
  const __m256i pairs = _mm256_maddubs_epi16(v, _mm256_set1_epi32(0x01400140));
  const __m256i words = _mm256_madd_epi16(pairs, _mm256_set1_epi32(0x00011000));
  const __m256i lanes = _mm256_shuffle_epi8(
      words, _mm256_broadcastsi128_si256(_mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1)));
  return _mm256_permutevar8x32_epi32(lanes, _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 3, 7));
}

// For a block at i whose non-digits are marked in bad: takes the whole
// groups before the first of them (i and k advance), then skips line ends
// there. False when the block stopped at anything else.
inline bool resume_after_line_end(const std::uint8_t* p, std::size_t n, std::uint32_t bad, std::size_t& i,
                                  std::size_t& k) {
  const std::size_t g = static_cast<std::size_t>(__builtin_ctz(bad)) / 4;
  i += g * 4;
  k += g * 3;
  if (!base64_line_end(p[i])) return false;
  while (i < n && base64_line_end(p[i])) ++i;
  return true;
}

}  // namespace

ZYL_TARGET_SSSE3 ZYL_X86_REALIGN void base64_encode_line_ssse3(const std::uint8_t* in, std::uint8_t* out) noexcept {
  encode12(in, spread_at0(), out);
  encode12(in + 12, spread_at0(), out + 16);
  encode12(in + 24, spread_at0(), out + 32);
  encode12(in + 29, spread_at4(), out + 44);
}

ZYL_TARGET_AVX2 ZYL_X86_REALIGN void base64_encode_line_avx2(const std::uint8_t* in, std::uint8_t* out) noexcept {
  encode24(in, out);
  encode24(in + 21, out + 28);
}

ZYL_TARGET_SSSE3 ZYL_X86_REALIGN std::size_t base64_decode_ssse3(const std::uint8_t* p, std::size_t n,
                                                                 std::uint8_t* out, std::size_t& used) noexcept {
  std::size_t i = 0, k = 0;
  while (i + 16 <= n) {
    _mm_prefetch(reinterpret_cast<const char*>(p + i + 1024), _MM_HINT_T0);
    unsigned bad = 0;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), decode16(load(p + i), bad));
    if (bad == 0) {
      i += 16;
      k += 12;
    } else if (!resume_after_line_end(p, n, bad, i, k)) {
      used = i;
      return k;
    }
  }
  const std::size_t k2 = base64_decode_portable(p + i, n - i, out + k, used);
  used += i;
  return k + k2;
}

ZYL_TARGET_AVX2 ZYL_X86_REALIGN std::size_t base64_decode_avx2(const std::uint8_t* p, std::size_t n,
                                                               std::uint8_t* out, std::size_t& used) noexcept {
  std::size_t i = 0, k = 0;
  while (i + 32 <= n) {
    _mm_prefetch(reinterpret_cast<const char*>(p + i + 2048), _MM_HINT_T0);
    std::uint32_t bad = 0;
    const __m256i in = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + k), decode32(in, bad));
    if (bad == 0) {
      i += 32;
      k += 24;
    } else if (!resume_after_line_end(p, n, bad, i, k)) {
      used = i;
      return k;
    }
  }
  const std::size_t k2 = base64_decode_ssse3(p + i, n - i, out + k, used);
  used += i;
  return k + k2;
}

#undef ZYL_TARGET_AVX2
#undef ZYL_TARGET_SSSE3

}  // namespace ZYL_dstruct::detail

#endif  // ZYL_ARCH_X86

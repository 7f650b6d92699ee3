// Library: zyl / Package: platform / Module: widen
#include "platform/widen.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zyl::detail {

bool widen_bytes(const std::uint8_t* Bytes, std::size_t Count, Char* Out) noexcept {
#if defined(__SSE2__)
  // Whole 16-byte pieces, the last one overlapping the one before instead of
  // a byte loop; 8 to 15 bytes as two overlapping 8-byte pieces.
  const __m128i zero = _mm_setzero_si128();
  __m128i high = zero;
  const auto widen16 = [&](std::size_t At) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Bytes + At));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Out + At), _mm_unpacklo_epi8(v, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Out + At + 8), _mm_unpackhi_epi8(v, zero));
    high = _mm_or_si128(high, v);
  };
  const auto widen8 = [&](std::size_t At) {
    const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(Bytes + At));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Out + At), _mm_unpacklo_epi8(v, zero));
    high = _mm_or_si128(high, v);
  };
  if (Count >= 16) {
    for (std::size_t i = 0; i + 16 <= Count; i += 16) widen16(i);
    if (Count % 16 != 0) widen16(Count - 16);
    return _mm_movemask_epi8(high) == 0;
  }
  if (Count >= 8) {
    widen8(0);
    widen8(Count - 8);
    return _mm_movemask_epi8(high) == 0;
  }
#endif
  std::uint8_t any = 0;
  for (std::size_t i = 0; i < Count; ++i) {
    any |= Bytes[i];
    Out[i] = Bytes[i];
  }
  return any < 0x80;
}

}  // namespace zyl::detail

// Library: zyl / Package: platform / Module: widen
#include "platform/widen.h"

#include <algorithm>

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

std::size_t widen_ascii_until(const std::uint8_t* Bytes, std::size_t Count, std::uint8_t Stop, String& Out,
                              std::size_t At) {
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i stop = _mm_set1_epi8(static_cast<char>(Stop));
  Char* out = Out.data() + At;
  std::size_t room = Out.size() > At ? Out.size() - At : 0;
  const auto make_room = [&](std::size_t End) {
    if (room >= End) return;
    Out.resize(std::max(At + End, Out.size() * 2));
    out = Out.data() + At;
    room = Out.size() - At;
  };
  const auto store = [&](std::size_t At16, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + At16), _mm_unpacklo_epi8(v, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + At16 + 8), _mm_unpackhi_epi8(v, zero));
  };
  const auto stops = [&](__m128i v) { return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, stop))); };
  std::size_t i = 0;
  // Two pieces a step while both are ASCII; a step with a high byte is left
  // to the piece-by-piece loop, which stops exactly at the piece holding it.
  for (; i + 32 <= Count; i += 32) {
    const __m128i v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Bytes + i));
    const __m128i v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Bytes + i + 16));
    if (_mm_movemask_epi8(_mm_or_si128(v0, v1)) != 0) break;
    make_room(i + 32);
    store(i, v0);
    store(i + 16, v1);
    const unsigned found = stops(v0) | stops(v1) << 16;
    if (found != 0) return i + static_cast<std::size_t>(__builtin_ctz(found));
  }
  for (; i + 16 <= Count; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Bytes + i));
    if (_mm_movemask_epi8(v) != 0) return kNoStop;
    make_room(i + 16);
    store(i, v);
    const unsigned found = stops(v);
    if (found != 0) return i + static_cast<std::size_t>(__builtin_ctz(found));
  }
#else
  (void)Bytes, (void)Count, (void)Stop, (void)Out, (void)At;
#endif
  return kNoStop;
}

}  // namespace zyl::detail

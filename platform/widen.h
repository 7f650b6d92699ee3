// Library: zyl / Package: platform / Module: widen (internal)
//
// Widening bytes to UTF-16 code units one for one (byte b becomes character
// b), the step under Latin-1 text and under line readers that meet mostly
// ASCII.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/hoststring.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zyl::detail {

// Writes Count characters to Out, one per byte, and tells whether every byte
// was ASCII (below 0x80). Sixteen bytes at a time where the compiler targets
// SSE2.
//   widen_bytes("ab\xE9", 3, out)  -> false, out = u"ab\u00E9"
bool widen_bytes(const std::uint8_t* Bytes, std::size_t Count, Char* Out) noexcept;

// Reading and widening in one pass, for line readers: widens the bytes of
// [Bytes, Bytes + Count) that come before the first Stop byte into Out from
// index At (Out grows as needed; it is never shrunk, so reused storage is
// not zero-filled) and returns their number. Works in whole 16-byte pieces:
// returns kNoStop when no Stop byte lies in them, when a piece read holds a
// byte of 0x80 or above, or where the compiler does not target SSE2; Out's
// contents from At are then unspecified and the caller takes the general
// path. Inline: line readers call it once per line.
//   widen_ascii_until("abc\nxxxxxxxxxxxxxxx", 19, '\n', out, 0)  -> 3, out[0..3) = u"abc"
inline constexpr std::size_t kNoStop = static_cast<std::size_t>(-1);
inline std::size_t widen_ascii_until(const std::uint8_t* Bytes, std::size_t Count, std::uint8_t Stop, String& Out,
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

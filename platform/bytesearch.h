// Library: zyl / Package: platform / Module: bytesearch (internal)
//
// find_byte: the first occurrence of one byte in a short range, inline.
// Line readers call it once per line; lines are short, so a library call
// per line costs more than the search itself.
//
// Example:
//   const std::uint8_t text[] = "ab\ncd";
//   zyl::detail::find_byte(text, text + 5, '\n')  // == text + 2
#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zyl::detail {

// The first byte equal to Byte in [Begin, End), or nullptr. Sixteen bytes
// at a time where the compiler targets SSE2.
inline const std::uint8_t* find_byte(const std::uint8_t* Begin, const std::uint8_t* End, std::uint8_t Byte) noexcept {
#if defined(__SSE2__)
  const __m128i needle = _mm_set1_epi8(static_cast<char>(Byte));
  for (; End - Begin >= 16; Begin += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Begin));
    const int mask = _mm_movemask_epi8(_mm_cmpeq_epi8(v, needle));
    if (mask != 0) return Begin + __builtin_ctz(static_cast<unsigned>(mask));
  }
#endif
  for (; Begin != End; ++Begin)
    if (*Begin == Byte) return Begin;
  return nullptr;
}

}  // namespace zyl::detail

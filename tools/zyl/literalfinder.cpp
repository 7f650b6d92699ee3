// Candidates are the places where the literal's first and last bytes both
// occur at the right distance, tested 16 places at a time with SSE2 where
// the compiler targets it (elsewhere, and for the last few places, the
// first byte is looked for alone); each candidate is then compared in full. With
// ignore_case a letter is compared with bit 5 set, which folds A-Z onto a-z
// and maps no other byte onto a letter.
#include "literalfinder.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zyl_tool {
namespace {

bool is_lower_letter(unsigned char c) { return c >= 'a' && c <= 'z'; }

unsigned char fold(unsigned char c, bool ignore_case) {
  return ignore_case && c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c | 0x20) : c;
}

}  // namespace

LiteralFinder::LiteralFinder(std::string literal, bool ignore_case)
    : FLiteral(std::move(literal)), FIgnoreCase(ignore_case) {}

bool LiteralFinder::matches_at(const char* p) const {
  for (std::size_t i = 0; i < FLiteral.size(); ++i)
    if (fold(static_cast<unsigned char>(p[i]), FIgnoreCase) != static_cast<unsigned char>(FLiteral[i])) return false;
  return true;
}

const char* LiteralFinder::find(const char* begin, const char* end) const {
  const std::size_t n = FLiteral.size();
  if (static_cast<std::size_t>(end - begin) < n) return end;
  const char* const last_start = end - n;  // the last place the literal can start
  const char* p = begin;
  const auto first = static_cast<unsigned char>(FLiteral.front());
  // Letters are compared with bit 5 set when case is ignored.
  const bool fold_first = FIgnoreCase && is_lower_letter(first);
#if defined(__SSE2__)
  const auto last = static_cast<unsigned char>(FLiteral.back());
  const __m128i first_or = _mm_set1_epi8(fold_first ? 0x20 : 0);
  const __m128i last_or = _mm_set1_epi8(FIgnoreCase && is_lower_letter(last) ? 0x20 : 0);
  const __m128i first_v = _mm_set1_epi8(static_cast<char>(first));
  const __m128i last_v = _mm_set1_epi8(static_cast<char>(last));
  for (; last_start - p >= 16; p += 16) {
    const __m128i a = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), first_or);
    const __m128i b = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 1)), last_or);
    auto hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first_v), _mm_cmpeq_epi8(b, last_v))));
    while (hits != 0) {
      const char* at = p + __builtin_ctz(hits);
      if (matches_at(at)) return at;
      hits &= hits - 1;
    }
  }
#endif
  for (; p <= last_start; ++p) {
    if (!fold_first) {
      p = static_cast<const char*>(std::memchr(p, first, static_cast<std::size_t>(last_start - p) + 1));
      if (p == nullptr) return end;
    }
    if (matches_at(p)) return p;
  }
  return end;
}

}  // namespace zyl_tool

// Library: zyl / Package: ZYL_stringl / Module: strip
#include "ZYL_stringl/strip.h"

#include <algorithm>

namespace ZYL_stringl {
namespace {

constexpr Char kBlank = u' ';

// Index of the first character other than c at or after from (size() if none).
std::size_t skip_leading(const String& s, Char c, std::size_t from = 0) {
  const std::size_t i = s.find_first_not_of(c, from);
  return i == String::npos ? s.size() : i;
}

// One past the last character other than c (0 if none).
std::size_t skip_trailing(const String& s, Char c) {
  const std::size_t i = s.find_last_not_of(c);
  return i == String::npos ? 0 : i + 1;
}

}  // namespace

String StripLTBlanks(const String& S) {
  const std::size_t first = skip_leading(S, kBlank);
  if (first == S.size()) return String();
  return S.substr(first, skip_trailing(S, kBlank) - first);
}

String StripLeadingBlanks(const String& S) {
  if (S.empty()) return S;
  const std::size_t first = std::min(skip_leading(S, kBlank), S.size() - 1);
  return S.substr(first);
}

String StripTrailingBlanks(const String& S) { return StripTrailingChars(kBlank, S); }

String StripLeadingChars(Char C, const String& S) { return S.substr(skip_leading(S, C)); }

String StripTrailingChars(Char C, const String& S) {
  if (S.empty()) return S;
  return S.substr(0, std::max<std::size_t>(skip_trailing(S, C), 1));
}

String EnsureTrailingBkSlash(const String& S) { return EnsureTrailingChar(u'\\', S); }

String EnsureTrailingChar(Char C, const String& S) {
  if (S.empty() || S.back() == C) return S;
  return S + C;
}

String EnsureLeadingChar(Char C, const String& S) {
  if (S.empty() || S.front() == C) return S;
  return C + S;
}

}  // namespace ZYL_stringl

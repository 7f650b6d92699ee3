// Library: zyl / Package: ZYL_stringl / Module: tokenize
#include "ZYL_stringl/tokenize.h"

#include <algorithm>

#include "ZYL_stringl/replace.h"
#include "ZYL_zylbase/nametables.h"

namespace ZYL_stringl {
namespace {

// Splits S at the delimiters that split_here accepts; returns the token count.
template <typename Accept>
int split(const String& S, const String& Delimiter, TOpenStringArray& Tokens, Accept split_here) {
  Tokens.clear();
  std::size_t start = 0;
  if (!Delimiter.empty()) {
    for (std::size_t from = 0; Tokens.size() + 1 < static_cast<std::size_t>(kMaxTokens);) {
      const std::size_t at = S.find(Delimiter, from);
      if (at == String::npos) break;
      if (!split_here(at)) {
        from = at + 1;
        continue;
      }
      Tokens.push_back(S.substr(start, at - start));
      start = from = at + Delimiter.size();
    }
  }
  Tokens.push_back(S.substr(start));
  return static_cast<int>(Tokens.size());
}

}  // namespace

int Tokenize(const String& S, const String& Delimiter, TOpenStringArray& Tokens) {
  return split(S, Delimiter, Tokens, [](std::size_t) { return true; });
}

int Tokenize(const String& S, const String& Delimiter, Char Escape, TOpenStringArray& Tokens) {
  const int n = split(S, Delimiter, Tokens, [&S, Escape](std::size_t at) { return at == 0 || S[at - 1] != Escape; });
  const String escape(1, Escape);
  for (String& t : Tokens) {
    t = ReplaceStringInString(t, escape + escape, escape, true);
    t = ReplaceStringInString(t, escape + Delimiter, Delimiter, true);
  }
  return n;
}

int DetectCSVDelimiter(const String& S) {
  const auto& candidates = ZYL_zylbase::CSVDELIMITERS;
  int best = 0;
  std::ptrdiff_t best_count = 0;
  for (int i = 0; i < static_cast<int>(candidates.size()); ++i) {
    const std::ptrdiff_t n = std::count(S.begin(), S.end(), candidates[static_cast<std::size_t>(i)]);
    if (n > best_count) {
      best = i;
      best_count = n;
    }
  }
  return best;
}

}  // namespace ZYL_stringl

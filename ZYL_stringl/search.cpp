// Library: zyl / Package: ZYL_stringl / Module: search
#include "ZYL_stringl/search.h"

#include <algorithm>

#include "platform/casemap.h"
#include "ZYL_stringl/charclass.h"
#include "ZYL_stringl/detail/finder.h"

namespace ZYL_stringl {
namespace {

using detail::text_finder;

int position_of(std::size_t index) { return index == String::npos ? 0 : static_cast<int>(index + 1); }

}  // namespace

int NumberedPos(const String& SubStr, const String& S, int Start, bool IgnoreCase, int N) {
  if (N < 1) return 0;
  const text_finder finder(S, SubStr, IgnoreCase);
  std::size_t at = static_cast<std::size_t>(std::max(Start, 1) - 1);
  for (int k = 1;; ++k) {
    at = finder.next(at);
    if (at == text_finder::npos || k == N) return position_of(at);
    at += SubStr.size();
  }
}

int NumberedPosBw(const String& SubStr, const String& S, int Start, bool IgnoreCase, int N) {
  if (N < 1 || S.empty()) return 0;
  const text_finder finder(S, SubStr, IgnoreCase);
  std::size_t end = static_cast<std::size_t>(std::clamp(Start, 1, static_cast<int>(S.size())));
  for (int k = 1;; ++k) {
    const std::size_t at = finder.prev(end);
    if (at == text_finder::npos || k == N) return position_of(at);
    end = at;
  }
}

int PosLast(const String& SubStr, const String& S) {
  const text_finder finder(S, SubStr, false);
  std::size_t last = text_finder::npos;
  for (std::size_t at = finder.next(0); at != text_finder::npos; at = finder.next(at + SubStr.size())) last = at;
  return position_of(last);
}

int CountStringInString(const String& SubStr, const String& S, bool CaseSensitive) {
  const text_finder finder(S, SubStr, !CaseSensitive);
  int n = 0;
  for (std::size_t at = finder.next(0); at != text_finder::npos; at = finder.next(at + SubStr.size())) ++n;
  return n;
}

int CountCharInString(Char C, const String& S, bool CaseSensitive) {
  if (CaseSensitive) return static_cast<int>(std::count(S.begin(), S.end(), C));
  const Char up = zyl::detail::ascii_upper(C);
  return static_cast<int>(
      std::count_if(S.begin(), S.end(), [up](Char c) { return zyl::detail::ascii_upper(c) == up; }));
}

bool TestAllChar(const String& S, Char C) {
  return !S.empty() && S.find_first_not_of(C) == String::npos;
}

int FindFirstNonBlank(const String& S) { return position_of(S.find_first_not_of(u' ')); }

int FindFirstDigit(const String& S) {
  const auto it = std::find_if(S.begin(), S.end(), IsDigit);
  return it == S.end() ? 0 : static_cast<int>(it - S.begin() + 1);
}

}  // namespace ZYL_stringl

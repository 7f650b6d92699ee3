// Library: zyl / Package: ZYL_stringl / Module: replace
#include "ZYL_stringl/replace.h"

#include <algorithm>
#include <string_view>

#include "ZYL_stringl/charclass.h"
#include "ZYL_stringl/detail/finder.h"

namespace ZYL_stringl {
namespace {

template <typename Keep>
String replace_unless(const String& s, Keep keep) {
  String r = s;
  for (Char& c : r) {
    if (!keep(c)) c = u'_';
  }
  return r;
}

bool is_fn83_char(Char c) {
  if (IsDigitLetter(c)) return true;
  return c < 127 && std::u16string_view(u"!#$%&'()-.@^_`{}~").find(c) != std::u16string_view::npos;
}

}  // namespace

String ReplaceCharInString(const String& S, Char OldChar, Char NewChar) {
  String r = S;
  std::replace(r.begin(), r.end(), OldChar, NewChar);
  return r;
}

String ReplaceStringInString(const String& S, const String& Find, const String& Replace, bool IgnoreCase) {
  if (Find.empty()) return S;
  const detail::text_finder finder(S, Find, IgnoreCase);
  String r;
  std::size_t done = 0;
  for (std::size_t at; (at = finder.next(done)) != detail::text_finder::npos; done = at + Find.size()) {
    if (r.empty()) r.reserve(S.size());
    r.append(S, done, at - done).append(Replace);
  }
  if (done == 0) return S;
  return r.append(S, done, String::npos);
}

String RemoveCharInString(const String& S, Char C) {
  String r = S;
  r.erase(std::remove(r.begin(), r.end(), C), r.end());
  return r;
}

String RemoveMultiChars(const String& S, Char C) {
  String r = S;
  r.erase(std::unique(r.begin(), r.end(), [C](Char a, Char b) { return a == C && b == C; }), r.end());
  return r;
}

String RemoveControlChars(const String& S) {
  String r = S;
  r.erase(std::remove_if(r.begin(), r.end(), [](Char c) { return c < 32; }), r.end());
  return r;
}

String ReverseString(const String& S) { return String(S.rbegin(), S.rend()); }

String ReduceStringToAZ09(const String& S) { return replace_unless(S, IsDigitLetter); }

String ReduceStringToFN83CompliantChars(const String& S) { return replace_unless(S, is_fn83_char); }

}  // namespace ZYL_stringl

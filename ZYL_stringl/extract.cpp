// Library: zyl / Package: ZYL_stringl / Module: extract
#include "ZYL_stringl/extract.h"

#include "platform/casemap.h"
#include "ZYL_stringl/charclass.h"
#include "ZYL_stringl/strip.h"

namespace ZYL_stringl {
namespace {

String strip_if(String s, bool strip) { return strip ? StripLTBlanks(s) : s; }

bool starts_with_folded(const String& s, std::size_t at, const String& prefix) {
  if (s.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (zyl::detail::ascii_lower(s[at + i]) != zyl::detail::ascii_lower(prefix[i])) return false;
  }
  return true;
}

// Reads one parameter starting at index i; leaves i on its delimiter (or the end).
String read_param(const String& s, std::size_t& i, Char delimiter, Char quote) {
  while (i < s.size() && s[i] == u' ') ++i;
  if (i < s.size() && s[i] == quote) {
    String value;
    for (++i; i < s.size(); ++i) {
      if (s[i] != quote) {
        value += s[i];
      } else if (i + 1 < s.size() && s[i + 1] == quote) {
        value += quote;
        ++i;
      } else {
        ++i;
        break;
      }
    }
    while (i < s.size() && s[i] != delimiter) ++i;
    return value;
  }
  const std::size_t start = i;
  while (i < s.size() && s[i] != delimiter) ++i;
  return StripLTBlanks(s.substr(start, i - start));
}

}  // namespace

String ExtractAfterTrigger(const String& S, const String& Trigger, bool Strip) {
  const std::size_t at = Trigger.empty() ? String::npos : S.find(Trigger);
  if (at == String::npos) return String();
  return strip_if(S.substr(at + Trigger.size()), Strip);
}

String ExtractBeforeTrigger(const String& S, const String& Trigger, bool Strip) {
  const std::size_t at = Trigger.empty() ? String::npos : S.find(Trigger);
  if (at == String::npos) return String();
  return strip_if(S.substr(0, at), Strip);
}

void SplitString(const String& S, const String& Delimiter, bool Strip, String& Before, String& After) {
  const std::size_t at = Delimiter.empty() ? String::npos : S.find(Delimiter);
  if (at == String::npos) {
    Before.clear();
    After.clear();
    return;
  }
  // Build both before assigning: Before or After may be S itself.
  String before = strip_if(S.substr(0, at), Strip);
  String after = strip_if(S.substr(at + Delimiter.size()), Strip);
  Before = std::move(before);
  After = std::move(after);
}

String ExtractSubString(const String& S, int N, const String& Delimiter) {
  if (N < 0) return String();
  if (Delimiter.empty()) return N == 0 ? S : String();
  std::size_t field = 0;
  for (int k = 0; k < N; ++k) {
    const std::size_t at = S.find(Delimiter, field);
    if (at == String::npos) return String();
    field = at + Delimiter.size();
  }
  if (starts_with_folded(S, field, Delimiter)) return String();
  const std::size_t end = S.find(Delimiter, field + 1);
  return S.substr(field, end == String::npos ? String::npos : end - field);
}

String ExtractWordFromString(const String& S, int Pos) {
  int first = 0, last = 0;
  return ExtractWordFromString(S, Pos, first, last);
}

String ExtractWordFromString(const String& S, int Pos, int& First, int& Last) {
  First = Last = 0;
  if (Pos < 1 || static_cast<std::size_t>(Pos) > S.size()) return String();
  std::size_t first = static_cast<std::size_t>(Pos - 1);
  std::size_t last = first;
  if (!is_word_sep(S[first])) {
    while (first > 0 && !is_word_sep(S[first - 1])) --first;
    while (last + 1 < S.size() && !is_word_sep(S[last + 1])) ++last;
  }
  First = static_cast<int>(first + 1);
  Last = static_cast<int>(last + 1);
  return S.substr(first, last - first + 1);
}

String ExtractParam(const String& S, int Index, Char Delimiter, Char Quote, const String& Default) {
  if (Index < 0) return Default;
  std::size_t i = 0;
  for (int k = 0;; ++k) {
    String value = read_param(S, i, Delimiter, Quote);
    if (k == Index) return value;
    if (i >= S.size()) return Default;
    ++i;  // past the delimiter
  }
}

}  // namespace ZYL_stringl

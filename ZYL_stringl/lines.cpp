// Library: zyl / Package: ZYL_stringl / Module: lines
#include "ZYL_stringl/lines.h"

#include <algorithm>

namespace ZYL_stringl {
namespace {

constexpr zyl::Char kLF = u'\n';
constexpr zyl::Char kCR = u'\r';

// True when the control character at index i ends the line in this mode.
bool ends_line(const String& s, std::size_t i, int mode) {
  const zyl::Char c = s[i];
  const zyl::Char before = i > 0 ? s[i - 1] : zyl::Char(0);
  switch (mode) {
    case 0: return c == kLF;
    case 1: return c == kCR;
    case 2: return c == kLF || c == kCR;
    case 3: return c == kCR && before == kLF;
    case 4: return c == kLF && before == kCR;
    default: return false;
  }
}

// The line starting at index start (< s.size()): where the next one starts
// and whether this one ends with a line end (LF, CR LF or CR).
struct line_span {
  std::size_t next;
  bool terminated;
};

line_span line_at(const String& s, std::size_t start) {
  const std::size_t e = s.find_first_of(u"\r\n", start);
  if (e == String::npos) return {s.size(), false};
  if (s[e] == kCR && e + 1 < s.size() && s[e + 1] == kLF) return {e + 2, true};
  return {e + 1, true};
}

}  // namespace

String ReadLnString(const String& S, int& Pos, bool& AtEnd, int Mode) {
  AtEnd = false;
  String line;
  std::size_t i = std::min(static_cast<std::size_t>(std::max(Pos, 1) - 1), S.size());
  while (true) {
    // Take the stretch of ordinary characters in one go.
    std::size_t j = i;
    while (j < S.size() && S[j] >= 32) ++j;
    line.append(S, i, j - i);
    if (j == S.size()) {
      Pos = static_cast<int>(S.size() + 1);
      AtEnd = true;
      return line;
    }
    i = j + 1;
    if (ends_line(S, j, Mode)) {
      Pos = static_cast<int>(i + 1);
      return line;
    }
  }
}

int TextLineCoords(const String& S, int Pos, int& Line, int& Col) {
  if (Pos >= 1) {
    if (static_cast<std::size_t>(Pos) > S.size() + 1) {
      Line = Col = 0;
      return 0;
    }
    const std::size_t target = static_cast<std::size_t>(Pos - 1);
    std::size_t start = 0;
    int line = 1;
    while (start < S.size()) {
      const line_span l = line_at(S, start);
      // An unterminated last line also owns the end-of-text position.
      if (target < l.next || !l.terminated) break;
      start = l.next;
      ++line;
    }
    Line = line;
    Col = static_cast<int>(target - start + 1);
    return Pos;
  }
  if (Line < 1 || Col < 1) return 0;
  std::size_t start = 0;
  for (int l = 1; l < Line; ++l) {
    if (start >= S.size()) return 0;
    const line_span span = line_at(S, start);
    if (!span.terminated) return 0;
    start = span.next;
  }
  std::size_t width = 1;  // a line at the end of the text holds only the end position
  if (start < S.size()) {
    const line_span span = line_at(S, start);
    width = span.terminated ? span.next - start : S.size() - start + 1;
  }
  if (static_cast<std::size_t>(Col) > width) return 0;
  return static_cast<int>(start + static_cast<std::size_t>(Col));
}

}  // namespace ZYL_stringl

// Library: zyl / Package: ZYL_dstruct / Module: detail/strnumscan
#include "ZYL_dstruct/detail/strnumscan.h"

#include <algorithm>
#include <string>

#include "ZYL_zylbase/detail/numberscan.h"

namespace ZYL_dstruct::detail {
namespace {

using namespace zyl::detail::fpnum;

// The state-table column of one upper-cased character: the stream scanner's
// classes, except that only the character 32 is a blank.
Class string_class_of(char16_t c, bool AllowExp, int DecPChar) {
  if (c > 0xFF || c == u'\t' || c == u'\r' || c == u'\n') return cOther;
  return class_of(static_cast<std::uint8_t>(c), AllowExp, DecPChar);
}

// The stream scanner's table, except that an exponent marker or its sign
// followed by anything else (the end of the string included) ends the number
// instead of failing it: "1E" is a complete number here.
constexpr State kStringNext[9][cClasses] = {
    {},
    {kSep, kInt, kSign, kFailed, kStart, kFailed},
    {kSep, kInt, kFailed, kFailed, kFailed, kFailed},
    {kSep, kInt, kDone, kE, kDone, kDone},
    {kFailed, kFrac, kDone, kE, kDone, kDone},
    {kFailed, kFrac, kDone, kE, kDone, kDone},
    {kFailed, kExp, kExpSign, kFailed, kFailed, kDone},
    {kFailed, kExp, kFailed, kFailed, kFailed, kDone},
    {kDone, kExp, kDone, kDone, kDone, kDone},
};

}  // namespace

StringNumberScan scan_string_number(std::u16string_view S, int& Pos, bool AllowExp, int DecPChar) {
  StringNumberScan r;
  std::string text;
  long exponent = 0;  // saturates just above the guard
  State state = kStart;
  do {
    char16_t c = u'Z';
    if (Pos >= 1 && static_cast<std::size_t>(Pos) <= S.size()) c = S[static_cast<std::size_t>(Pos - 1)];
    ++Pos;
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
    const State prev = state;
    state = kStringNext[state][string_class_of(c, AllowExp, DecPChar)];
    if (state == kExp) {
      if (prev != kExp) exponent = 0;
      exponent = std::min(exponent * 10 + (c - u'0'), zyl::detail::kFPNumExponentGuard + 1);
    }
    // Blanks taken in the start state are not gathered: the conversion would
    // ignore them anyway.
    if (state != kDone && state != kFailed && c != u' ' && exponent <= zyl::detail::kFPNumExponentGuard)
      text.push_back(c == u',' ? '.' : static_cast<char>(c));
  } while (state != kDone && state != kFailed);
  --Pos;
  r.State = state;
  r.ExponentTooLarge = exponent > zyl::detail::kFPNumExponentGuard;
  if (state == kFailed) return r;
  if (!text.empty() && text.back() == '.') text.push_back('0');
  const long double v = zyl::detail::fpnum_text_value(text);
  r.Value = static_cast<double>(std::clamp<long double>(v, -zyl::detail::kFPNumClamp, zyl::detail::kFPNumClamp));
  return r;
}

bool is_float_text(std::u16string_view S) {
  if (S.empty()) return false;
  int pos = 1;
  const StringNumberScan r = scan_string_number(S, pos, true, zyl::detail::kDecPoint);
  return r.State == kDone && !r.ExponentTooLarge;
}

}  // namespace ZYL_dstruct::detail

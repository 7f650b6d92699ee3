// Library: zyl / Package: ZYL_dstruct / Module: strnumscan
#include "ZYL_dstruct/detail/strnumscan.h"

#include <algorithm>
#include <string>

#include "ZYL_zylbase/detail/numberscan.h"

namespace zyl::detail {
namespace {

enum State : std::int8_t { kFailed = -1, kStart = 1, kSign, kInt, kSep, kFrac, kE, kExpSign, kExp, kDone };
enum Class : std::uint8_t { cSep, cDigit, cSign, cE, cBlank, cOther };

constexpr State kNext[9][6] = {
    {},                                                  // (unused)
    {kSep, kInt, kSign, kFailed, kStart, kFailed},       // 1 start
    {kSep, kInt, kFailed, kFailed, kFailed, kFailed},    // 2 after the sign
    {kSep, kInt, kDone, kE, kDone, kDone},               // 3 integer digits
    {kFailed, kFrac, kDone, kE, kDone, kDone},           // 4 after the separator
    {kFailed, kFrac, kDone, kE, kDone, kDone},           // 5 fraction digits
    {kFailed, kExp, kExpSign, kFailed, kFailed, kDone},  // 6 after E
    {kFailed, kExp, kFailed, kFailed, kFailed, kDone},   // 7 after the exponent sign
    {kDone, kExp, kDone, kDone, kDone, kDone},           // 8 exponent digits
};

Class class_of(Char c, bool AllowExp, int DecPChar) {
  if (c == u'.' && (DecPChar == kDecPoint || DecPChar == kDecEither)) return cSep;
  if (c == u',' && (DecPChar == kDecComma || DecPChar == kDecEither)) return cSep;
  if (c >= u'0' && c <= u'9') return cDigit;
  if (c == u'+' || c == u'-') return cSign;
  if (c == u'E') return AllowExp ? cE : cOther;
  if (c == u' ') return cBlank;
  return cOther;
}

}  // namespace

StringNumber scan_string_number(std::u16string_view S, std::int32_t& Pos, bool AllowExp, int DecPChar) {
  std::string text;
  long exponent = 0;  // the exponent digits read, saturating above the guard
  State state = kStart;
  do {
    // A position before the start counts as beyond the end: nothing is read there.
    const bool inside = Pos >= 1 && static_cast<std::size_t>(Pos) <= S.size();
    Char c = inside ? S[static_cast<std::size_t>(Pos) - 1] : u'Z';
    if (c >= u'a' && c <= u'z') c = static_cast<Char>(c - 32);
    ++Pos;
    const State prev = state;
    state = kNext[state][class_of(c, AllowExp, DecPChar)];
    if (state == kExp) {
      if (prev != kExp) exponent = 0;
      exponent = std::min(exponent * 10 + (c - u'0'), kFPNumExponentGuard + 1);
    }
    // Blanks taken at the start are not part of the number.
    if (state != kDone && state != kFailed && c != u' ' && exponent <= kFPNumExponentGuard)
      text.push_back(c == u',' ? '.' : static_cast<char>(c));
  } while (state != kDone && state != kFailed);
  --Pos;

  StringNumber r;
  r.long_exponent = exponent > kFPNumExponentGuard;
  if (state == kFailed) return r;
  r.ok = true;
  // An exponent marker without digits adds nothing to the number before it.
  if (!text.empty() && (text.back() == '+' || text.back() == '-')) text.pop_back();
  if (!text.empty() && text.back() == 'E') text.pop_back();
  if (!text.empty() && text.back() == '.') text.push_back('0');
  const long double v = fpnum_text_value(text);
  r.value = std::clamp<long double>(v, -kFPNumClamp, kFPNumClamp);
  return r;
}

}  // namespace zyl::detail

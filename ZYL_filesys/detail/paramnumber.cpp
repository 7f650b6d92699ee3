// Library: zyl / Package: ZYL_filesys / Module: paramnumber (internal)
#include "ZYL_filesys/detail/paramnumber.h"

#include <algorithm>
#include <string>

#include "ZYL_zylbase/detail/numberscan.h"

namespace ZYL_filesys::detail {

std::int32_t scan_param_int(std::u16string_view Text) {
  std::size_t i = 0;
  while (i + 1 < Text.size() && Text[i] == u' ') ++i;  // never past the last character
  bool negative = false;
  if (i < Text.size() && (Text[i] == u'-' || Text[i] == u'+')) negative = Text[i++] == u'-';
  std::uint32_t value = 0;  // unsigned: wraps without undefined behaviour
  for (; i < Text.size() && Text[i] >= u'0' && Text[i] <= u'9'; ++i) value = value * 10u + (Text[i] - u'0');
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

double scan_param_double(std::u16string_view Text) {
  using namespace zyl::detail::fpnum;
  std::string text;
  long exponent = 0;
  State state = kStart;
  for (std::size_t i = 0; state != kDone && state != kFailed; ++i) {
    char16_t wide = i < Text.size() ? Text[i] : u'Z';
    if (wide >= u'a' && wide <= u'z') wide = static_cast<char16_t>(wide - 32);
    const auto c = static_cast<std::uint8_t>(wide > 0xFF ? '#' : wide);
    const Class k = class_of(c, true, zyl::detail::kDecEither);
    const State prev = state;
    if (state == kStart && k == cBlank && c != ' ') {
      state = kFailed;
    } else if (state == kE && k != cSign && k != cDigit && k != cE && k != cSep && c != ' ') {
      state = kDone;
    } else {
      state = kNext[state][k];
    }
    if (state == kExp) {
      if (prev != kExp) exponent = 0;
      exponent = std::min(exponent * 10 + (c - '0'), zyl::detail::kFPNumExponentGuard + 1);
    }
    if (state != kDone && state != kFailed && c > ' ' && exponent <= zyl::detail::kFPNumExponentGuard)
      text.push_back(c == ',' ? '.' : static_cast<char>(c));
  }
  if (state == kFailed) return 0.0;
  if (!text.empty() && text.back() == 'E') text.pop_back();
  if (!text.empty() && text.back() == '.') text.push_back('0');
  const long double v = zyl::detail::fpnum_text_value(text);
  return static_cast<double>(std::clamp<long double>(v, -zyl::detail::kFPNumClamp, zyl::detail::kFPNumClamp));
}

}  // namespace ZYL_filesys::detail

// Library: zyl / Package: ZYL_zylcolors / Module: colorhex
#include "ZYL_zylcolors/colorhex.h"

namespace ZYL_zylcolors {

namespace {

// The value of a hexadecimal digit, or -1.
int hex_digit(zyl::Char c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

}  // namespace

zyl::String ColorToHexStr(TColor Color) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  zyl::String text(8, u'0');
  for (int i = 7; i >= 0; --i, Color >>= 4) text[static_cast<std::size_t>(i)] = kDigits[Color & 0xF];
  return text;
}

TColor HexStrToColor(const zyl::String& Text) {
  std::size_t pos = Text.find_first_not_of(u' ');
  const std::size_t end = Text.find_last_not_of(u' ') + 1;  // 0 for blank text
  if (pos == zyl::String::npos) return 0;
  if (Text[pos] == u'$') ++pos;
  while (pos < end && Text[pos] == u' ') ++pos;
  TColor value = 0;
  for (int digit; pos < end && (digit = hex_digit(Text[pos])) >= 0; ++pos)
    value = value * 16 + static_cast<TColor>(digit);
  return value;
}

}  // namespace ZYL_zylcolors

// Library: zyl / Package: ZYL_htmlsupport / Module: hexdigit
//
// The value of one hexadecimal digit, for percent-decoding and numeric
// character references.
//   u'7' ⇒ 7   u'b' ⇒ 11   u'F' ⇒ 15   u'g' ⇒ -1   u'\uFF11' ⇒ -1 (ASCII only)
#pragma once

namespace zyl::detail {

[[nodiscard]] constexpr int hex_digit_value(char16_t c) noexcept {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

}  // namespace zyl::detail

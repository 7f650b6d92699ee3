// Library: zyl / Package: ZYL_htmlsupport / Module: charref
#include "ZYL_htmlsupport/detail/charref.h"

#include <array>

#include "ZYL_htmlsupport/detail/hexdigit.h"
#include "ZYL_htmlsupport/detail/namedentities.h"

namespace zyl::detail {
namespace {

constexpr char32_t kMaxCodePoint = 0x10FFFF;

// HTML reads numeric references to the C1 controls 128..159 as the
// characters that Windows code page 1252 puts there, since that is what
// pages using them mean; the five codes 1252 leaves empty stay as they are.
constexpr std::array<char16_t, 32> kC1Replacements{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int digit_value(char16_t c, bool hex) noexcept {
  if (hex) return hex_digit_value(c);
  return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

bool is_name_char(char16_t c) noexcept {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

std::optional<CharRef> read_numeric(std::u16string_view Text) noexcept {
  // Text starts with "&#".
  std::size_t i = 2;
  const bool hex = i < Text.size() && (Text[i] == u'x' || Text[i] == u'X');
  if (hex) ++i;
  const std::size_t first_digit = i;
  char32_t value = 0;
  bool too_big = false;
  for (; i < Text.size(); ++i) {
    const int d = digit_value(Text[i], hex);
    if (d < 0) break;
    // Once past the largest code point the value is no character; the
    // remaining digits are still read so the reference is seen whole.
    if (!too_big) {
      value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
      too_big = value > kMaxCodePoint;
    }
  }
  if (i == first_digit || i >= Text.size() || Text[i] != u';' || too_big) return std::nullopt;
  if (value == 0 || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
  if (value >= 0x80 && value <= 0x9F) value = kC1Replacements[value - 0x80];
  return CharRef{value, i + 1};
}

std::optional<CharRef> read_named(std::u16string_view Text) noexcept {
  // Text starts with "&"; the name is letters and digits, then ";".
  std::size_t i = 1;
  while (i < Text.size() && i <= kMaxEntityNameLength && is_name_char(Text[i])) ++i;
  if (i >= Text.size() || Text[i] != u';') return std::nullopt;
  const char32_t code = lookup_named_entity(Text.substr(1, i - 1));
  if (code == 0) return std::nullopt;
  return CharRef{code, i + 1};
}

}  // namespace

std::optional<CharRef> read_char_ref(std::u16string_view Text) noexcept {
  if (Text.size() < 3 || Text[0] != u'&') return std::nullopt;
  return Text[1] == u'#' ? read_numeric(Text) : read_named(Text);
}

void append_code_point(std::u16string& Out, char32_t Code) {
  if (Code < 0x10000) {
    Out += static_cast<char16_t>(Code);
    return;
  }
  const char32_t v = Code - 0x10000;
  Out += static_cast<char16_t>(0xD800 + (v >> 10));
  Out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
}

}  // namespace zyl::detail

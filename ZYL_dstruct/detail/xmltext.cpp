// Library: zyl / Package: ZYL_dstruct / Module: xmltext
#include "ZYL_dstruct/detail/xmltext.h"

#include "ZYL_zylbase/detail/tagreader.h"
#include "platform/casemap.h"

namespace zyl::detail {
namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

int hex_value(Char c) noexcept {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

bool is_high_surrogate(Char c) noexcept { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low_surrogate(Char c) noexcept { return c >= 0xDC00 && c <= 0xDFFF; }

// The character of a reference's digits ("65", "x41"); 0 when they do not
// name a character XML allows in a reference.
char32_t reference_value(std::u16string_view Digits) noexcept {
  int base = 10;
  if (!Digits.empty() && (Digits.front() == u'x' || Digits.front() == u'X')) {
    base = 16;
    Digits.remove_prefix(1);
  }
  if (Digits.empty() || Digits.size() > 8) return 0;
  char32_t v = 0;
  for (Char c : Digits) {
    const int d = hex_value(c);
    if (d < 0 || d >= base) return 0;
    v = v * static_cast<char32_t>(base) + static_cast<char32_t>(d);
  }
  if (v == 0 || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  return v;
}

}  // namespace

bool xml_can_carry(std::u16string_view S) noexcept {
  for (std::size_t i = 0; i < S.size(); ++i) {
    const Char c = S[i];
    if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') return false;
    if (c == 0xFFFE || c == 0xFFFF || is_low_surrogate(c)) return false;
    if (is_high_surrogate(c)) {
      if (i + 1 >= S.size() || !is_low_surrogate(S[i + 1])) return false;
      ++i;
    }
  }
  return true;
}

void append_xml_escaped(String& Out, std::u16string_view S) {
  for (Char c : S) {
    switch (c) {
      case u'&': Out += u"&amp;"; break;
      case u'<': Out += u"&lt;"; break;
      case u'>': Out += u"&gt;"; break;
      case u'"': Out += u"&quot;"; break;
      case u'\t': Out += u"&#9;"; break;
      case u'\n': Out += u"&#10;"; break;
      case u'\r': Out += u"&#13;"; break;
      default: Out.push_back(c);
    }
  }
}

void append_hex_units(String& Out, std::u16string_view S, int Digits) {
  for (Char c : S)
    for (int shift = (Digits - 1) * 4; shift >= 0; shift -= 4) Out.push_back(kHexDigits[(c >> shift) & 0xF]);
}

std::optional<String> parse_hex_units(std::u16string_view Hex, int Digits) {
  const auto step = static_cast<std::size_t>(Digits);
  if (Hex.size() % step != 0) return std::nullopt;
  String out;
  out.reserve(Hex.size() / step);
  for (std::size_t i = 0; i < Hex.size(); i += step) {
    unsigned v = 0;
    for (std::size_t k = 0; k < step; ++k) {
      const int d = hex_value(Hex[i + k]);
      if (d < 0) return std::nullopt;
      v = v * 16 + static_cast<unsigned>(d);
    }
    out.push_back(static_cast<Char>(v));
  }
  return out;
}

String xml_unescape(std::u16string_view S) {
  String out;
  out.reserve(S.size());
  std::size_t i = 0;
  while (i < S.size()) {
    const std::size_t amp = S.find(u'&', i);
    if (amp == std::u16string_view::npos) {
      out.append(S.substr(i));
      break;
    }
    out.append(S.substr(i, amp - i));
    i = amp + 1;
    const std::size_t semi = S.find(u';', i);
    // The longest reference is "&#x10FFFF;": a ";" further away ends none.
    if (semi == std::u16string_view::npos || semi - i > 9) {
      out.push_back(u'&');
      continue;
    }
    const std::u16string_view name = S.substr(i, semi - i);
    char32_t ch = 0;
    if (name == u"amp") ch = u'&';
    else if (name == u"lt") ch = u'<';
    else if (name == u"gt") ch = u'>';
    else if (name == u"quot") ch = u'"';
    else if (name == u"apos") ch = u'\'';
    else if (!name.empty() && name.front() == u'#') ch = reference_value(name.substr(1));
    if (ch == 0) {
      out.push_back(u'&');
      continue;
    }
    if (ch > 0xFFFF) {
      ch -= 0x10000;
      out.push_back(static_cast<Char>(0xD800 + (ch >> 10)));
      out.push_back(static_cast<Char>(0xDC00 + (ch & 0x3FF)));
    } else {
      out.push_back(static_cast<Char>(ch));
    }
    i = semi + 1;
  }
  return out;
}

void append_text_attribute(String& Out, std::u16string_view Name, std::u16string_view Value) {
  Out.push_back(u' ');
  Out.append(Name);
  if (xml_can_carry(Value)) {
    Out += u"=\"";
    append_xml_escaped(Out, Value);
  } else {
    Out += u"hex=\"";
    append_hex_units(Out, Value, 4);
  }
  Out.push_back(u'"');
}

std::optional<String> read_text_attribute(std::u16string_view Attributes, std::u16string_view Name) {
  const String plain = LowerCase(Name);
  const String hex = plain + u"hex";
  std::size_t pos = 0;
  String name, value;
  while (next_attribute(Attributes, pos, name, value) == AttributeStep::Pair) {
    const String lower = LowerCase(name);
    if (lower == plain) return xml_unescape(value);
    if (lower == hex) return parse_hex_units(value, 4);
  }
  return std::nullopt;
}

std::optional<std::int64_t> parse_xml_integer(std::u16string_view S) noexcept {
  bool negative = false;
  if (!S.empty() && S.front() == u'-') {
    negative = true;
    S.remove_prefix(1);
  }
  if (S.empty() || S.size() > 18) return std::nullopt;
  std::int64_t v = 0;
  for (Char c : S) {
    if (c < u'0' || c > u'9') return std::nullopt;
    v = v * 10 + (c - u'0');
  }
  return negative ? -v : v;
}

}  // namespace zyl::detail

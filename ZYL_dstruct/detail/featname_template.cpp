// Library: zyl / Package: ZYL_dstruct / Module: detail/featname_template
#include "ZYL_dstruct/detail/featname_template.h"

#include <algorithm>
#include <cstdlib>

#include "platform/numtext.h"

namespace ZYL_dstruct::detail {
namespace {

using zyl::String;

constexpr std::int32_t kMaxWidth = 255;
constexpr std::size_t kMaxText = 65536;

// Leading blanks, an optional sign, digits; 0 without digits. Saturates far
// above any accepted width.
std::int32_t read_width(std::u16string_view Arg) {
  std::size_t i = 0;
  while (i < Arg.size() && Arg[i] == u' ') ++i;
  bool negative = false;
  if (i < Arg.size() && (Arg[i] == u'+' || Arg[i] == u'-')) negative = Arg[i++] == u'-';
  std::int32_t w = 0;
  for (; i < Arg.size() && Arg[i] >= u'0' && Arg[i] <= u'9'; ++i) w = std::min(w * 10 + (Arg[i] - u'0'), 1000000);
  return negative ? -w : w;
}

bool shape_decimal(std::int64_t Value, std::int32_t w, String& Out) {
  if (w > kMaxWidth || w < -kMaxWidth) return false;
  if (w == 0) {
    Out = zyl::IntToStr(Value);
  } else if (w > 0) {
    const String text = zyl::IntToStr(Value);
    const auto width = static_cast<std::size_t>(w);
    Out = text.size() < width ? String(width - text.size(), u' ') + text : text.substr(text.size() - width);
  } else {
    const String digits = zyl::IntToStr(Value < 0 ? -Value : Value);
    const auto width = static_cast<std::size_t>(-w);
    Out = digits.size() < width ? String(width - digits.size(), u'0') + digits : digits.substr(digits.size() - width);
    if (Value < 0) Out.insert(Out.begin(), u'-');
  }
  return true;
}

String shape_hex(std::int32_t Value, std::int32_t w) {
  const auto digits = static_cast<std::size_t>(std::clamp(w, 1, 8));
  const String all = zyl::IntToHex(static_cast<std::uint32_t>(Value), 8);
  return all.substr(8 - digits);
}

}  // namespace

bool expand_feat_name_template(const String& Template, std::int32_t Number, std::int32_t Index, zyl::TDateTime Time,
                               String& Out) {
  String text = Template;
  for (std::size_t p; (p = text.find(u"<%")) != String::npos;) {
    const std::size_t q = text.find(u"%>");
    if (q == String::npos || q < p + 2) return false;
    const zyl::Char letter = text[p + 2];
    const std::u16string_view arg = std::u16string_view(text).substr(p + 3, q > p + 3 ? q - (p + 3) : 0);
    String repl;
    switch (letter) {
      case u'D': case u'd':
        if (!shape_decimal(Number, read_width(arg), repl)) return false;
        break;
      case u'I': case u'i':
        if (!shape_decimal(Index, read_width(arg), repl)) return false;
        break;
      case u'H': case u'h': repl = shape_hex(Number, read_width(arg)); break;
      case u'T': case u't': repl = zyl::FormatDateTime(String(arg), Time); break;
      default: return false;
    }
    text.replace(p, q + 2 - p, repl);
    if (text.size() > kMaxText) return false;
  }
  Out = std::move(text);
  return true;
}

}  // namespace ZYL_dstruct::detail

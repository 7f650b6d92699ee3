// Library: zyl / Package: ZYL_htmlsupport / Module: urlcoding
#include "ZYL_htmlsupport/urlcoding.h"

#include <array>

#include "ZYL_htmlsupport/detail/hexdigit.h"
#include "platform/casemap.h"

namespace ZYL_htmlsupport {
namespace {

constexpr std::u16string_view kReserved = u"!*'();:@&=+$,/?%#[] ";

constexpr std::array<bool, 128> reserved_table() {
  std::array<bool, 128> t{};
  for (const char16_t c : kReserved) t[c] = true;
  return t;
}
constexpr std::array<bool, 128> kIsReserved = reserved_table();

String decode_pass(const String& Text) {
  String out;
  out.reserve(Text.size());
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == u'%' && i + 2 < Text.size()) {
      const int hi = zyl::detail::hex_digit_value(Text[i + 1]);
      const int lo = zyl::detail::hex_digit_value(Text[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out += static_cast<Char>(hi * 16 + lo);
        i += 2;
        continue;
      }
    }
    out += Text[i];
  }
  return out;
}

}  // namespace

String URLEncode(const String& Text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  String out;
  out.reserve(Text.size());
  for (const Char c : Text) {
    if (c < 128 && kIsReserved[c]) {
      out += u'%';
      out += static_cast<Char>(kHex[c >> 4]);
      out += static_cast<Char>(kHex[c & 15]);
    } else {
      out += c;
    }
  }
  return out;
}

String URLDecode(const String& Text) { return decode_pass(decode_pass(Text)); }

String ExtractHTTPPath(const String& URL) {
  String path = URL;
  const std::size_t scheme = zyl::LowerCase(URL).find(u"http://");
  if (scheme != String::npos) path.erase(0, scheme + 7);
  const std::size_t slash = path.rfind(u'/');
  if (slash != String::npos) path.erase(slash + 1);
  return path;
}

}  // namespace ZYL_htmlsupport

// Library: zyl / Package: ZYL_stringl / Module: hexchars
#include "ZYL_stringl/hexchars.h"

#include <algorithm>

#include "ZYL_stringl/detail/hexreader.h"

namespace ZYL_stringl {

zyl::String ProcessHexChars(const zyl::String& S) {
  zyl::String out;
  out.reserve(S.size());
  for (std::size_t i = 0; i < S.size(); ++i) {
    if (S[i] == u'\\' && i + 1 < S.size()) {
      if (S[i + 1] == u'#') {
        const std::size_t digits = std::min<std::size_t>(2, S.size() - i - 2);
        int pos = 1;
        out.push_back(static_cast<zyl::Char>(detail::read_hex(std::u16string_view(S).substr(i + 2, digits), pos)));
        i += 1 + digits;
        continue;
      }
      if (S[i + 1] == u'\\') {
        out.push_back(u'\\');
        ++i;
        continue;
      }
    }
    out.push_back(S[i]);
  }
  return out;
}

}  // namespace ZYL_stringl

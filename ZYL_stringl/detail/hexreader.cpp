// Library: zyl / Package: ZYL_stringl / Module: detail/hexreader
#include "ZYL_stringl/detail/hexreader.h"

namespace ZYL_stringl::detail {

std::uint64_t read_hex(std::u16string_view Text, int& Pos) {
  const int len = static_cast<int>(Text.size());
  if (Pos < 1) Pos = 1;
  if (Pos > len) return 0;
  while (Pos < len && Text[static_cast<std::size_t>(Pos - 1)] == u' ') ++Pos;
  if (Pos == 1 && Text[0] == u'$') ++Pos;
  std::uint64_t value = 0;
  for (; Pos <= len; ++Pos) {
    char16_t c = Text[static_cast<std::size_t>(Pos - 1)];
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
    unsigned digit;
    if (c >= u'0' && c <= u'9') {
      digit = c - u'0';
    } else if (c >= u'A' && c <= u'F') {
      digit = c - u'A' + 10;
    } else {
      break;
    }
    value = value * 16 + digit;
  }
  return value;
}

}  // namespace ZYL_stringl::detail

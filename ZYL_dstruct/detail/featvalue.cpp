// Library: zyl / Package: ZYL_dstruct / Module: detail/featvalue
#include "ZYL_dstruct/detail/featvalue.h"

#include <algorithm>

#include "ZYL_dstruct/detail/strnumscan.h"
#include "ZYL_zylbase/detail/numberscan.h"
#include "platform/numtext.h"

namespace ZYL_dstruct::detail {
namespace {

bool is_digit(char16_t c) noexcept { return c >= u'0' && c <= u'9'; }

bool equals_ignoring_ascii_case(std::u16string_view S, std::u16string_view Lower) noexcept {
  return S.size() == Lower.size() && std::equal(S.begin(), S.end(), Lower.begin(), [](char16_t a, char16_t b) {
           return (a >= u'A' && a <= u'Z' ? static_cast<char16_t>(a + 32) : a) == b;
         });
}

}  // namespace

bool is_integer_text(std::u16string_view S) noexcept {
  if (S.empty()) return false;
  if (S.size() == 1) return is_digit(S[0]);
  if (!is_digit(S[0]) && S[0] != u'+' && S[0] != u'-') return false;
  return std::all_of(S.begin() + 1, S.end(), is_digit);
}

bool is_float_text(std::u16string_view S) {
  if (S.empty()) return false;
  std::int32_t pos = 1;
  const zyl::detail::StringNumber r = zyl::detail::scan_string_number(S, pos, true, zyl::detail::kDecPoint);
  return r.ok && !r.long_exponent;
}

double float_value(std::u16string_view S) {
  constexpr zyl::Extended kLimit = 1.7e308L;
  return static_cast<double>(std::clamp(zyl::StrToFloat(zyl::String(S)), -kLimit, kLimit));
}

bool is_tristate_text(std::u16string_view S) noexcept {
  return equals_ignoring_ascii_case(S, u"true") || equals_ignoring_ascii_case(S, u"false");
}

std::u16string_view default_value(TFeatKind Kind) noexcept {
  return Kind == TFeatKind::fkInteger || Kind == TFeatKind::fkDouble ? u"0" : u"";
}

std::int32_t feature_number(std::int32_t FirstNum, std::int32_t Offset, std::int32_t Delta) noexcept {
  const std::uint32_t n = static_cast<std::uint32_t>(FirstNum) +
                          static_cast<std::uint32_t>(Offset) * static_cast<std::uint32_t>(Delta);
  return static_cast<std::int32_t>(n);
}

}  // namespace ZYL_dstruct::detail

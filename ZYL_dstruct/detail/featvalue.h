// Library: zyl / Package: ZYL_dstruct / Module: detail/featvalue
//
// Internal: the value texts of the feature matrix, shared by the matrix and
// its file reader.
//
//   is_integer_text: "7" "+12" "-5" "007" ⇒ true;  "" "+" "1.5" " 1" ⇒ false
//   is_float_text: "1.5" "-2E3" " 7" "1." ".5" "1E" "12abc" ⇒ true;
//                  "" "+" "E5" "1E5000" ⇒ false
//   float_value: the whole text converted ("1.5" ⇒ 1.5, " 7" ⇒ 7);
//                "12abc" "1,5" "1.5 2" "1E" raise EConvertError
//   is_tristate_text: "true" "FALSE" "True" ⇒ true;  "" "yes" ⇒ false
//   default_value: fkInteger, fkDouble ⇒ "0"; every other kind ⇒ ""
//   feature_number(10, 2, 5) ⇒ 20 (wraps in 32 bits instead of overflowing)
#pragma once

#include <cstdint>
#include <string_view>

#include "ZYL_dstruct/featmatprops.h"

namespace ZYL_dstruct::detail {

[[nodiscard]] bool is_integer_text(std::u16string_view S) noexcept;
// S read from its first character by the string number scanner (exponent
// allowed, "." the only separator) forms a complete number whose exponent
// does not exceed 4200 in magnitude; what follows the number is not examined.
[[nodiscard]] bool is_float_text(std::u16string_view S);
// The whole of S converted by StrToFloat ("." the separator, blanks around
// it allowed), limited to +-1.7e308 as the scanner limits its numbers.
// Raises StrToFloat's EConvertError for a text it rejects, so a trailing
// "abc" or a decimal comma is never silently dropped.
[[nodiscard]] double float_value(std::u16string_view S);
[[nodiscard]] bool is_tristate_text(std::u16string_view S) noexcept;
[[nodiscard]] std::u16string_view default_value(TFeatKind Kind) noexcept;
// FirstNum + Offset * Delta modulo 2^32.
[[nodiscard]] std::int32_t feature_number(std::int32_t FirstNum, std::int32_t Offset, std::int32_t Delta) noexcept;

}  // namespace ZYL_dstruct::detail

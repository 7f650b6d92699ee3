// Library: zyl / Package: ZYL_dstruct / Module: detail/featvalue
//
// Internal: the value texts of the feature matrix, shared by the matrix and
// its file reader.
//
//   is_integer_text: "7" "+12" "-5" "007" ⇒ true;  "" "+" "1.5" " 1" ⇒ false
//   is_tristate_text: "true" "FALSE" "True" ⇒ true;  "" "yes" ⇒ false
//   default_value: fkInteger, fkDouble ⇒ "0"; every other kind ⇒ ""
//   feature_number(10, 2, 5) ⇒ 20 (wraps in 32 bits instead of overflowing)
#pragma once

#include <cstdint>
#include <string_view>

#include "ZYL_dstruct/featmatprops.h"

namespace ZYL_dstruct::detail {

[[nodiscard]] bool is_integer_text(std::u16string_view S) noexcept;
[[nodiscard]] bool is_tristate_text(std::u16string_view S) noexcept;
[[nodiscard]] std::u16string_view default_value(TFeatKind Kind) noexcept;
// FirstNum + Offset * Delta modulo 2^32.
[[nodiscard]] std::int32_t feature_number(std::int32_t FirstNum, std::int32_t Offset, std::int32_t Delta) noexcept;

}  // namespace ZYL_dstruct::detail

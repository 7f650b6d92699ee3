// Library: zyl / Package: platform / Module: pos
//
// The host framework's substring search: 1-based positions, 0 for "not
// found". An empty substring is never found.
//
// Example:
//   zyl::Pos(u"b", u"abcb")          // == 2
//   zyl::PosEx(u"b", u"abcb", 3)     // == 4
//   zyl::PosEx(u"b", u"abcb", 5)     // == 0
#pragma once

#include <string_view>

#include "platform/api.h"

namespace zyl {

// Position of the first occurrence of SubStr in S; 0 when absent or SubStr is empty.
[[nodiscard]] ZYL_API int Pos(std::u16string_view SubStr, std::u16string_view S) noexcept;

// As Pos, searching from position Offset on; 0 when Offset < 1 or Offset > length of S.
[[nodiscard]] ZYL_API int PosEx(std::u16string_view SubStr, std::u16string_view S, int Offset = 1) noexcept;

}  // namespace zyl

// Library: zyl / Package: ZYL_stringl / Module: parlist
//
// Lists of numbers and Booleans as one line of text, "[1,2,3]" style.
//
// Each item is written followed by ",": integers in decimal, Booleans as
// "TRUE"/"FALSE", reals by AutoFormatData with the given significant digits.
// At most MaxCount items are written when MaxCount lies in 1 .. count-1, and
// "...," stands for the rest. The final "," becomes "]" with Brackets (the
// list then starts with "["), or is removed without. TrailingComma appends
// a "," at the very end. An empty list is "[]" or the empty string.
//
//   CreateParList(TIntArray{1, 2, 3}, false, 0, true)    ⇒ u"[1,2,3]"
//   CreateParList(TIntArray{1, 2, 3}, false, 2, true)    ⇒ u"[1,2,...]"
//   CreateParList(TIntArray{1, 2, 3}, true, 0, false)    ⇒ u"1,2,3,"
//   CreateParList(TDoubleArray{0.5, 2}, false, 0, 3, true) ⇒ u"[0.50,2.00]"
//
// The dynamic-array forms take the shared array types; the open-array forms
// take any contiguous sequence (std::array, a C array, a span).
#pragma once

#include <cstdint>
#include <span>

#include "platform/hoststring.h"
#include "ZYL_zylbase/arrays.h"

namespace ZYL_stringl {

using zyl::String;

[[nodiscard]] ZYL_API String CreateParList(const ZYL_zylbase::TIntArray& Items, bool TrailingComma, int MaxCount,
                                           bool Brackets);
[[nodiscard]] ZYL_API String CreateParList(std::span<const std::int32_t> Items, bool TrailingComma, int MaxCount,
                                           bool Brackets);
[[nodiscard]] ZYL_API String CreateParList(std::span<const bool> Items, bool TrailingComma, int MaxCount,
                                           bool Brackets);
[[nodiscard]] ZYL_API String CreateParList(const ZYL_zylbase::TDoubleArray& Items, bool TrailingComma, int MaxCount,
                                           int SignificantDigits, bool Brackets);
[[nodiscard]] ZYL_API String CreateParList(std::span<const double> Items, bool TrailingComma, int MaxCount,
                                           int SignificantDigits, bool Brackets);

}  // namespace ZYL_stringl

// Library: zyl / Package: ZYL_stringl / Module: varianttext
//
// ConvertVariant: a variant, or an array of variants of up to three
// dimensions, as readable text.
//
// A single value: null "NULL"; integer types in decimal; single and double
// as strff(value, 10, -2); Booleans "TRUE"/"FALSE"; strings as they are;
// every other type "(unknown type: N)" with its type code.
//
// An array (an array whose elements are arrays gives the second dimension,
// and theirs the third, as read from the first element of each level):
//   "Array[lo,hi][lo,hi]...:" CR LF, then the values. At most 12 elements of
//   the first dimension (then "..."), 10 of the second (then " ......") and
//   3 of the third (then " ... more layers") are shown. An array without
//   elements (or whose high bound is below 0) is "undefined array". Elements
//   missing from a ragged array show as empty fields.
//
//   ConvertVariant(Variant(42))          ⇒ u"42"
//   ConvertVariant(a) for a = [1, 2, 3]  ⇒ u"Array[0,2]:\r\n1,2,3"
//   2 x 2: "Array[0,1][0,1]:\r\n" "a00,a10\r\n" "a01,a11\r\n"   (one line per
//   second-dimension index, first-dimension index along the line)
#pragma once

#include "platform/hoststring.h"
#include "platform/variant.h"

namespace ZYL_stringl {

[[nodiscard]] ZYL_API zyl::String ConvertVariant(const zyl::Variant& V);

}  // namespace ZYL_stringl

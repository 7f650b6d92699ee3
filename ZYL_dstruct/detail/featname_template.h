// Library: zyl / Package: ZYL_dstruct / Module: detail/featname_template
//
// Internal: expands one feature-name template (TFeatureMatrix::
// GenerateFeatNames). While the text holds "<%", the first "<%" ... first
// "%>" is a placeholder; its letter (case-insensitive) and argument give:
//
//   <%D w%>   Number in decimal, shaped by the integer w
//   <%I w%>   Index, shaped the same way
//   <%H w%>   Number as upper-case hexadecimal, exactly max(1, w) digits (at
//             most 8, higher digits dropped; 32-bit two's complement)
//   <%T pat%> Time formatted with the date/time pattern pat
//
// Shaping: w = 0 plain; w > 0 right-aligned in w characters (blanks on the
// left) or only the last w characters when longer; w < 0 exactly |w| digits
// with leading zeros (higher digits dropped), "-" in front when negative.
//
// Fails (false, Out unspecified) when a "%>" is missing or stands before the
// first "<%", for any other letter, for a D or I width beyond 255 in
// magnitude, and when the text grows beyond 65536 characters (a T pattern can
// write new placeholders, which are expanded in turn).
//
//   "F<%D-3%>_<%I%>", Number 10, Index 1  ⇒ "F010_1"
//   "x<%d 4%>", Number -5                  ⇒ "x  -5"
//   "<%H2%>", Number 300                   ⇒ "2C"
#pragma once

#include <cstdint>

#include "platform/datetime.h"
#include "platform/hoststring.h"

namespace ZYL_dstruct::detail {

[[nodiscard]] bool expand_feat_name_template(const zyl::String& Template, std::int32_t Number, std::int32_t Index,
                                             zyl::TDateTime Time, zyl::String& Out);

}  // namespace ZYL_dstruct::detail

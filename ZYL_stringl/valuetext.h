// Library: zyl / Package: ZYL_stringl / Module: valuetext
//
// Booleans, three-state values, durations and choices as text, and back for
// the three-state value.
//
//   BoolToStr(true, 2)                        ⇒ u".T."
//   StrToTriState(u"  YES ")                  ⇒ TTriState::tsTrue
//   TriStateToStr(TTriState::tsUndefined, 2)  ⇒ u"unknown"
//   BinString(x > 0, u"pos", u"neg")          ⇒ the chosen text
//   SortableNumericString(u"3.25", u'.', 4)   ⇒ u"   3.25"
//   TimeString(3725.5, 0)                     ⇒ u"01:02:05.50"
//   StringIx(u"b", TStrArray{u"a", u"b"})     ⇒ 2
#pragma once

#include <cstdint>
#include <span>

#include "platform/hoststring.h"
#include "ZYL_zylbase/enums.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;
using ZYL_zylbase::TTriState;

// The text of a Boolean in one of eight pairs:
//   0 "TRUE"/"FALSE"  1 "T"/"F"  2 ".T."/".F."  3 "1"/"0"  4 "-1"/"0"
//   5 "FF"/"00"  6 "YES"/"NO"  7 "GOOD"/"BAD"; any other kind as 0.
[[nodiscard]] ZYL_API String BoolToStr(bool Value, int Kind);

// "true", "1", "+1", "yes" ⇒ tsTrue; "false", "-1", "no" ⇒ tsFalse; anything
// else ⇒ tsUndefined. Compared after ASCII lower-casing and removing leading
// and trailing blanks.
[[nodiscard]] ZYL_API TTriState StrToTriState(const String& S);

// Kind 1: "-1"/"1"/"0"; kind 2: "no"/"yes"/"unknown"; kind 0 and any other:
// "false"/"true"/"" (for tsFalse/tsTrue/tsUndefined).
[[nodiscard]] ZYL_API String TriStateToStr(TTriState Value, int Kind);

// IfTrue when Condition holds, else IfFalse.
[[nodiscard]] ZYL_API String BinString(bool Condition, const String& IfTrue, const String& IfFalse);

// The text without leading and trailing blanks, shifted right with blanks so
// that its first C stands in column N (1-based). A text whose C already
// stands at or beyond N, or that has no C, is only stripped. Numbers aligned
// on their decimal character this way sort correctly as text.
[[nodiscard]] ZYL_API String SortableNumericString(const String& S, Char C, int N);

// A duration in seconds as clock text (negative, NaN and infinite durations
// count as 0; hours are never wrapped, 70000 hours print as "70000"):
//   0  hh:mm:ss.cc      1  hh:mm:ss      2  "hh" + "h" + mm (hours blank-filled)
//   3  hh h mm ' ss "   4  hh:mm         5  12-hour clock " 1:05p", "12:05a"
//   other formats give the empty string. Hundredths are cut, not rounded.
//   TimeString(3725.5, 3) ⇒ u" 1h02'05\""
[[nodiscard]] ZYL_API String TimeString(double Seconds, std::uint8_t Format);

// The 1-based index of the first entry equal to S, 0 when none is. Without
// CaseSensitive both sides are compared after ASCII lower-casing.
[[nodiscard]] ZYL_API int StringIx(const String& S, std::span<const String> Entries);
[[nodiscard]] ZYL_API int StringIx(const String& S, bool CaseSensitive, std::span<const String> Entries);

}  // namespace ZYL_stringl

// Library: zyl / Package: ZYL_zylbase / Module: localetables
//
// Month, weekday and number names in four languages, the names of the
// languages and their ISO 639 codes. Each table is indexed first by the
// ordinal of TLanguage (Ord(lgUnknown) == 0, ..., Ord(lgSpanish) == 4), then
// by the item; the lgUnknown row holds neutral codes (M01, D01, N00, ???).
//
// The data are Latin-1 byte strings (at most the length given in brackets),
// exactly as stored on the original platform; the accessors below widen
// them to String, so "J\344n" reads back as u"Jän".
//
//   table          items per language, in order           accessor index
//   MonthShort[4]  12 months, January first               month 1..12
//   MonthLong[10]  12 months, January first               month 1..12
//   WeekDayShort[3] 7 days, Monday first                  day 1..7 (Monday = 1)
//   WeekDayLong[10] 7 days, Monday first                  day 1..7 (Monday = 1)
//   NumWords[6]    the numbers 0 to 12                     the number 0..12
//   LanguageID[15] the name of a language (2nd index) written in a language (1st)
//   ISO639_2Char[2], ISO639_3Char[3]   codes by TLanguage
//
// The accessors count as people do (January is month 1, Monday is day 1,
// "zero" is number word 0) and raise EZYLError for an index out of range.
//
// Example:
//   month_long(TLanguage::lgFrench, 2)          // == u"février "  (trailing blank kept)
//   weekday_short(TLanguage::lgGerman, 7)       // == u"So"
//   number_word(TLanguage::lgGerman, 12)        // == u"zwölf"
//   language_name(TLanguage::lgGerman, TLanguage::lgFrench)  // == u"französisch"
#pragma once

#include <array>
#include <string_view>

#include "platform/hoststring.h"
#include "ZYL_zylbase/enums.h"

namespace ZYL_zylbase {

inline constexpr std::size_t kLanguageCount = 5;

template <std::size_t N>
using TLocaleRow = std::array<std::string_view, N>;
template <std::size_t N>
using TLocaleTable = std::array<TLocaleRow<N>, kLanguageCount>;

extern ZYL_API const TLocaleTable<12> MonthShort;
extern ZYL_API const TLocaleTable<12> MonthLong;
extern ZYL_API const TLocaleTable<7> WeekDayShort;
extern ZYL_API const TLocaleTable<7> WeekDayLong;
extern ZYL_API const TLocaleTable<13> NumWords;
extern ZYL_API const TLocaleTable<kLanguageCount> LanguageID;
extern ZYL_API const TLocaleRow<kLanguageCount> ISO639_2Char;
extern ZYL_API const TLocaleRow<kLanguageCount> ISO639_3Char;

// The short / long name of Month (1..12) in Lang.
[[nodiscard]] ZYL_API zyl::String month_short(TLanguage Lang, int Month);
[[nodiscard]] ZYL_API zyl::String month_long(TLanguage Lang, int Month);
// The short / long name of Day (1..7, Monday = 1) in Lang.
[[nodiscard]] ZYL_API zyl::String weekday_short(TLanguage Lang, int Day);
[[nodiscard]] ZYL_API zyl::String weekday_long(TLanguage Lang, int Day);
// The word for Number (0..12) in Lang.
[[nodiscard]] ZYL_API zyl::String number_word(TLanguage Lang, int Number);
// The name of the language Named, written in the language WrittenIn.
[[nodiscard]] ZYL_API zyl::String language_name(TLanguage WrittenIn, TLanguage Named);
// The two- and three-letter ISO 639 codes of Lang ("??" / "???" for lgUnknown).
[[nodiscard]] ZYL_API zyl::String iso639_2(TLanguage Lang);
[[nodiscard]] ZYL_API zyl::String iso639_3(TLanguage Lang);

}  // namespace ZYL_zylbase

// Library: zyl / Package: ZYL_zylbase / Module: nametables
//
// The text names of enumeration values (used in XML output and by client
// components), the CSV delimiters with their names, and the names of the
// distance modes. Every table is indexed by the ordinal of its enumeration.
// Each xml... entry is the value's name, except xmlVarKind[5], which is
// "bool" (the value is Bool).
//
// Example:
//   xmlFrameStyle[Ord(TFrameStyle::fsLowered)]    // == u"fsLowered"
//   CSVDELIMITERS[Ord(TCSVDelimiters::csvTab)]    // == u'\t'
//   ResolveCSVDelimiter(u';')                     // == TCSVDelimiters::csvSemicolon
//   ResolveCSVDelimiter(u'\0')                    // == TCSVDelimiters::csvUnknown
#pragma once

#include <array>
#include <string_view>

#include "platform/hoststring.h"
#include "ZYL_zylbase/enums.h"

namespace ZYL_zylbase {

template <std::size_t N>
using TNameTable = std::array<std::u16string_view, N>;

extern ZYL_API const TNameTable<3> xmlVerticalAlignment;
extern ZYL_API const TNameTable<3> xmlAlignment;  // the host's TAlignment
extern ZYL_API const TNameTable<3> xmlBkgFill;
extern ZYL_API const TNameTable<3> xmlBoundingBox;
extern ZYL_API const TNameTable<2> xmlColorScheme;
extern ZYL_API const TNameTable<5> xmlFigType;
extern ZYL_API const TNameTable<4> xmlScaleType;
extern ZYL_API const TNameTable<3> xmlYearLength;
extern ZYL_API const TNameTable<3> xmlDateOrder;
extern ZYL_API const TNameTable<4> xmlDateForTime;
extern ZYL_API const TNameTable<2> xmlShadowStyle;
extern ZYL_API const TNameTable<6> xmlFrameStyle;
extern ZYL_API const TNameTable<3> xmlTimeFormat;
extern ZYL_API const TNameTable<4> xmlDirection;
extern ZYL_API const TNameTable<5> xmlLanguage;
extern ZYL_API const TNameTable<7> xmlVarKind;
extern ZYL_API const TNameTable<4> xmlMouseBoxState;
extern ZYL_API const TNameTable<19> xmlMouseActMode;
extern ZYL_API const TNameTable<2> xmlZoomState;
extern ZYL_API const TNameTable<6> xmlCrossHMode;
extern ZYL_API const TNameTable<5> xmlTxtLblMode;
extern ZYL_API const TNameTable<4> xmlTxtLblAttachMode;
extern ZYL_API const TNameTable<4> xmlFontStyle;  // the host's font styles

// One character per TCSVDelimiters value: code 0, blank, ";", ",", ":", tab.
extern ZYL_API const std::array<zyl::Char, 6> CSVDELIMITERS;
// The names: undefined, blank, semicolon, comma, colon, tab.
extern ZYL_API const TNameTable<6> CSVDELIMITERIDS;
// "Jaccard coefficient", "Manhattan", "Euclidean", "squared Euclidean",
// "Dice coefficient", "user defined".
extern ZYL_API const TNameTable<6> DistModeId;

// The delimiter whose CSVDELIMITERS character is C (searching csvBlank to
// csvTab); csvUnknown for any other character, code 0 included.
[[nodiscard]] ZYL_API TCSVDelimiters ResolveCSVDelimiter(zyl::Char C) noexcept;

}  // namespace ZYL_zylbase

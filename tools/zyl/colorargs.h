// Colours and key-colour sets as the zyl tool's commands take them.
#pragma once

#include <string>
#include <vector>

#include "platform/events.h"
#include "ZYL_zylcolors/colorarray.h"

namespace zyl_tool {

// A colour argument: RRGGBB (six hexadecimal digits, red first), $BBGGRR
// (a TColor value in hexadecimal, 1 to 8 digits) or a colour name of the
// named-colour table (any case). Raises UsageError for anything else.
//   "FF8000" -> 0x0080FF    "$0080FF" -> 0x0080FF    "orange" -> 0x00A5FF
zyl::TColor parse_color(const std::string& text);

// A key-colour set: the name of a predefined set (Geo1, Geo2, Geo3, Rainbow,
// Circle, MorgenStemning, Contrast; any case, "ColorArray_" allowed in
// front) or colours as parse_color takes them, separated by commas.
std::vector<zyl::TColor> parse_key_colors(const std::string& text);

// Makes Colors hold the named-colour table, in table order (so ColorToIndex
// finds the nearest named colour).
void fill_with_named_colors(ZYL_zylcolors::TColorArray& Colors);

// The colour red first, as RRGGBB.
std::string rrggbb_text(zyl::TColor color);

}  // namespace zyl_tool

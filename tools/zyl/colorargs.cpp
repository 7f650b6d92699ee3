// Colours and key-colour sets as the zyl tool's commands take them.
#include "colorargs.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <span>
#include <utility>

#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool all_hex(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
}

}  // namespace

zyl::TColor parse_color(const std::string& text) {
  if (text.size() >= 2 && text.size() <= 9 && text[0] == '$' && all_hex(text.substr(1)))
    return zyl::HexStrToColor(zyl::from_ascii(text));
  if (text.size() == 6 && all_hex(text))
    return zyl::ReverseRGBColor(zyl::HexStrToColor(zyl::from_ascii(text)));
  const std::string wanted = lower(text);
  for (std::size_t i = 0; i < zyl::AllZYLColorNames.size(); ++i)
    if (lower(zyl::to_utf8(zyl::AllZYLColorNames[i])) == wanted) return zyl::AllZYLColors[i];
  throw UsageError("unknown colour '" + text + "' (give a colour name, RRGGBB or $BBGGRR)");
}

std::vector<zyl::TColor> parse_key_colors(const std::string& text) {
  const std::pair<const char*, std::span<const zyl::TColor>> sets[] = {
      {"geo1", zyl::ColorArray_Geo1},       {"geo2", zyl::ColorArray_Geo2},
      {"geo3", zyl::ColorArray_Geo3},       {"rainbow", zyl::ColorArray_Rainbow},
      {"circle", zyl::ColorArray_Circle},   {"morgenstemning", zyl::ColorArray_MorgenStemning},
      {"contrast", zyl::ColorArray_Contrast}};
  std::string name = lower(text);
  if (name.rfind("colorarray_", 0) == 0) name.erase(0, 11);
  for (const auto& [set_name, colors] : sets)
    if (name == set_name) return {colors.begin(), colors.end()};
  std::vector<zyl::TColor> keys;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    keys.push_back(parse_color(text.substr(start, comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return keys;
}

void fill_with_named_colors(ZYL_zylcolors::TColorArray& Colors) {
  Colors.Resize(static_cast<std::int32_t>(zyl::AllZYLColors.size()));
  for (std::size_t i = 0; i < zyl::AllZYLColors.size(); ++i)
    Colors.SetColorElem(static_cast<std::int32_t>(i + 1), zyl::AllZYLColors[i]);
}

std::string rrggbb_text(zyl::TColor color) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(zyl::ReverseRGBColor(color)));
  return text;
}

}  // namespace zyl_tool

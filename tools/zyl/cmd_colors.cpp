// zyl colors [--png FILE] [NAME|RRGGBB|$BBGGRR ...]
// Describes colours in every colour model with their nearest named colour;
// without colours lists the named-colour table. With --png, draws the
// colours (or the whole table, 16 to a row) as swatches.
#include <cstdio>
#include <string>

#include "colorargs.h"
#include "colorpicture.h"
#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::string num(double v, int decimals) { return zyl::to_utf8(zyl::Str(v, 0, decimals)); }

void print_named_table() {
  for (std::size_t i = 0; i < zyl::AllZYLColors.size(); ++i)
    std::printf("%3zu  %-22s %s\n", i, zyl::to_utf8(zyl::AllZYLColorNames[i]).c_str(),
                rrggbb_text(zyl::AllZYLColors[i]).c_str());
}

// The named colour nearest to c, through a colour array of the whole table.
void print_nearest(const zyl::TColorArray& named, zyl::TColor c) {
  double distance = 1;
  const std::int32_t pos = named.ColorToIndex(c, distance);
  std::printf("  nearest  %s (distance %s)\n",
              zyl::to_utf8(zyl::AllZYLColorNames[static_cast<std::size_t>(pos - 1)]).c_str(),
              num(distance, 4).c_str());
}

void describe(const zyl::TColorArray& named, const std::string& arg, zyl::TColor c) {
  const int r = static_cast<int>(c & 0xFF), g = static_cast<int>((c >> 8) & 0xFF),
            b = static_cast<int>((c >> 16) & 0xFF);
  std::printf("%s\n  name     %s\n", arg.c_str(), zyl::to_utf8(zyl::ObtainColorName(c)).c_str());
  std::printf("  RGB      %s  (%d, %d, %d)  TColor $%s\n", rrggbb_text(c).c_str(), r, g, b,
              zyl::to_utf8(zyl::ColorToHexStr(c)).c_str());
  double h, s, x;
  zyl::RGBtoHSL(r, g, b, h, s, x);
  std::printf("  HSL      %s  %s  %s\n", num(h, 2).c_str(), num(s, 4).c_str(), num(x, 4).c_str());
  zyl::RGBtoHSV(r, g, b, h, s, x);
  std::printf("  HSV      %s  %s  %s\n", num(h, 2).c_str(), num(s, 4).c_str(), num(x, 4).c_str());
  zyl::RGBtoHSI(r, g, b, h, s, x);
  std::printf("  HSI      %s  %s  %s\n", num(h, 2).c_str(), num(s, 4).c_str(), num(x, 4).c_str());
  double cy, m, y, k;
  zyl::RGBtoCMY(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b), cy, m, y);
  zyl::CMYtoCMYK(cy, m, y, k);
  std::printf("  CMYK     %s  %s  %s  %s\n", num(cy, 4).c_str(), num(m, 4).c_str(), num(y, 4).c_str(),
              num(k, 4).c_str());
  print_nearest(named, c);
}

int run_colors(Args& args) {
  std::string png;
  const bool want_png = args.option("--png", png);
  const std::vector<std::string> names = args.positional();
  std::vector<zyl::TColor> colors;
  for (const std::string& n : names) colors.push_back(parse_color(n));
  if (want_png && !zyl::platform::png_available())
    throw zyl::platform::EPngError(u"PNG output not available in this build");

  if (names.empty()) {
    if (want_png) save_picture(png, swatch_sheet(zyl::AllZYLColors, 16));
    else print_named_table();
    return 0;
  }
  zyl::TColorArray named(nullptr);
  fill_with_named_colors(named);
  for (std::size_t i = 0; i < names.size(); ++i) describe(named, names[i], colors[i]);
  if (want_png) save_picture(png, swatch_sheet(colors, 16));
  return 0;
}

const CommandRegistration reg{{"colors", "[--png FILE] [NAME|RRGGBB|$BBGGRR ...]",
                               "describe colours in every colour model (no colours: list the named colours)",
                               run_colors}};

}  // namespace
}  // namespace zyl_tool

// The colours section of "zyl demo": a conversion table of named colours,
// blends at exact channel boundaries, a banded gradient with its nearest-
// colour search, and a gradient picture written beside the program.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "colorargs.h"
#include "colorpicture.h"
#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::string num(double v, int decimals) { return zyl::to_utf8(zyl::Str(v, 0, decimals)); }

void conversion_table() {
  std::printf("%-14s %-7s %-20s %-20s %s\n", "colour", "RRGGBB", "HSL", "HSV", "CMYK");
  for (const char* name : {"Red", "Orange", "Teal", "SkyBlue", "RebeccaPurple", "Wheat", "MedGray"}) {
    const zyl::TColor c = parse_color(name);
    double h, s, l, hv, sv, v, cy, m, y, k;
    zyl::ColorToHSL(c, h, s, l);
    zyl::ColorToHSV(c, hv, sv, v);
    zyl::RGBtoCMY(static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>(c >> 8),
                  static_cast<std::uint8_t>(c >> 16), cy, m, y);
    zyl::CMYtoCMYK(cy, m, y, k);
    const std::string hsl = num(h, 1) + " " + num(s, 3) + " " + num(l, 3);
    const std::string hsv = num(hv, 1) + " " + num(sv, 3) + " " + num(v, 3);
    std::printf("%-14s %-7s %-20s %-20s %s %s %s %s\n", name, rrggbb_text(c).c_str(), hsl.c_str(), hsv.c_str(),
                num(cy, 2).c_str(), num(m, 2).c_str(), num(y, 2).c_str(), num(k, 2).c_str());
  }
}

void blends() {
  std::printf("\nblending in 80-bit extended precision, truncated:\n");
  std::printf("  black to red at 0.6: %s  (255 * 0.6 = 152.99999999999999434)\n",
              rrggbb_text(zyl::InterpolateColor(0, 0xFF, 0.6)).c_str());
  zyl::TColorArray three(nullptr);
  three.Resize(3);
  three.FillByInterpolation(0, std::array<zyl::TColor, 2>{0x0000FF, 0xFF0000});
  std::printf("  3 positions, red to blue: %s %s %s\n", rrggbb_text(three.GetColorElem(1)).c_str(),
              rrggbb_text(three.GetColorElem(2)).c_str(), rrggbb_text(three.GetColorElem(3)).c_str());
  std::printf("  name of $00FFFF00: %s; 589 nm: %s; 700 nm: %s\n", zyl::to_utf8(zyl::ObtainColorName(0x00FFFF00)).c_str(),
              rrggbb_text(zyl::WavelengthToColor(589, 0.8)).c_str(), rrggbb_text(zyl::WavelengthToColor(700, 0.8)).c_str());
}

void banded_gradient(zyl::TColorArray& rainbow) {
  rainbow.FillByInterpolation(8, zyl::ColorArray_Rainbow);
  std::printf("\nrainbow in 8 bands over 1000 positions:\n ");
  for (int pos = 1; pos <= 1000; pos += 111) std::printf(" %d:%s", pos, rrggbb_text(rainbow.GetColorElem(pos)).c_str());
  double distance = 0;
  const std::int32_t at = rainbow.ColorToIndex(parse_color("Gold"), distance);
  std::printf("\n  nearest to Gold: position %d, %s, distance %s\n", at, rrggbb_text(rainbow.GetColorElem(at)).c_str(),
              num(distance, 4).c_str());
}

// The picture's place depends on the machine, so it is reported on
// standard error and the tour's own output stays the same everywhere.
void gradient_picture(zyl::TColorArray& rainbow) {
  rainbow.FillByInterpolation(0, zyl::ColorArray_Rainbow);
  rainbow.LogTransform(0.4);
  const std::filesystem::path file =
      std::filesystem::path(program_path()).parent_path() / "zyl-demo-gradient.png";
  std::printf("\ngradient picture: rainbow, log scale 0.4, 1000 x 40 pixels (its place: standard error)\n");
  std::fflush(stdout);
  try {
    save_picture(file.string(), gradient_strip(rainbow, 40));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gradient picture not written: %s\n", e.what());
  }
}

void demo_colors() {
  conversion_table();
  blends();
  zyl::TColorArray rainbow(nullptr);
  banded_gradient(rainbow);
  gradient_picture(rainbow);
}

const DemoRegistration demo{{60, "Colours: conversions, names and gradients", demo_colors}};

}  // namespace
}  // namespace zyl_tool

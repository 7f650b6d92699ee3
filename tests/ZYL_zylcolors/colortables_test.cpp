// The named-colour tables against the X11 colour database, their order and
// their overrides, and name lookup.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "ZYL_zylcolors/colortables.h"
#include "ZYL_zylcolors/keycolors.h"

using namespace ZYL_zylcolors;

namespace {

constexpr TColor rrggbb(std::uint32_t v) { return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF); }

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Debian's X11 colour database (package x11-common), by lower-case name
// without blanks; the first line of a name wins. Windows programs under
// Wine reach the Linux file system as drive Z:.
std::map<std::string, TColor> x11_database() {
  std::map<std::string, TColor> db;
  for (const char* path : {"/usr/share/X11/rgb.txt", "Z:/usr/share/X11/rgb.txt"}) {
    std::ifstream in(path);
    if (!in) continue;
    std::string line;
    while (std::getline(in, line)) {
      if (line.empty() || line[0] == '!') continue;
      std::istringstream fields(line);
      std::uint32_t r, g, b;
      fields >> r >> g >> b;
      std::string word, name;
      while (fields >> word) name += word;
      db.emplace(lower(name), r | g << 8 | b << 16);
    }
    break;
  }
  return db;
}

std::string name_at(std::size_t i) { return zyl::to_utf8(AllZYLColorNames[i]); }

TEST(ColorTables, FurtherNamesTakeTheX11DatabaseValuesExceptTheOverrides) {
  const auto db = x11_database();
  ASSERT_GT(db.size(), 500u) << "install x11-common (scripts/install-deps.sh)";
  const std::map<std::string, std::uint32_t> overrides = {
      {"Bronze", 0x998877},  {"Carbon", 0x222222},        {"Crimson", 0xDC143C},  {"Indigo", 0x4B0082},
      {"RebeccaPurple", 0x663399}, {"SkyBlue", 0xA6CAF0}, {"SkyBlue1", 0x87CEEB}, {"WebGray", 0x808080},
      {"WebGreen", 0x008000}, {"WebMaroon", 0x800000},    {"WebPurple", 0x800080}};
  for (std::size_t i = 19; i < AllZYLColors.size(); ++i) {
    const std::string name = name_at(i);
    SCOPED_TRACE(name);
    if (const auto o = overrides.find(name); o != overrides.end()) {
      EXPECT_EQ(AllZYLColors[i], rrggbb(o->second));
      continue;
    }
    const auto it = db.find(lower(name));
    ASSERT_NE(it, db.end());
    EXPECT_EQ(AllZYLColors[i], it->second);
  }
}

TEST(ColorTables, StandardColorsComeFirstThenAlphabeticalNames) {
  const struct {
    const char* name;
    std::uint32_t rgb;
  } standard[] = {{"Black", 0x000000},  {"Maroon", 0x800000},     {"Green", 0x008000}, {"Olive", 0x808000},
                  {"Navy", 0x000080},   {"Purple", 0x800080},     {"Teal", 0x008080},  {"Gray", 0x808080},
                  {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},        {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
                  {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF},    {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF},
                  {"MoneyGreen", 0xC0DCC0}, {"Cream", 0xFFFBF0}, {"MedGray", 0xA0A0A4}};
  for (std::size_t i = 0; i < 19; ++i) {
    SCOPED_TRACE(standard[i].name);
    EXPECT_EQ(name_at(i), standard[i].name);
    EXPECT_EQ(AllZYLColors[i], rrggbb(standard[i].rgb));
  }
  EXPECT_EQ(name_at(19), "AliceBlue");
  EXPECT_EQ(name_at(465), "YellowGreen");
  for (std::size_t i = 20; i < AllZYLColorNames.size(); ++i)
    EXPECT_LT(lower(name_at(i - 1)), lower(name_at(i))) << "order at " << i;
  for (TColor c : AllZYLColors) EXPECT_EQ(c >> 24, 0u);
}

TEST(ColorTables, X11ColorsAreTheTableValuesOfTheirNames) {
  const char* names[] = {
      "AliceBlue", "AntiqueWhite", "Aqua", "Aquamarine", "Azure", "Beige", "Bisque", "Black", "BlanchedAlmond",
      "Blue", "BlueViolet", "Brown", "BurlyWood", "CadetBlue", "Chartreuse", "Chocolate", "Coral",
      "CornflowerBlue", "CornSilk", "Crimson", "Cyan", "DarkBlue", "DarkCyan", "DarkGoldenRod", "DarkGray",
      "DarkGreen", "DarkKhaki", "DarkMagenta", "DarkOliveGreen", "DarkOrange", "DarkOrchid", "DarkRed",
      "DarkSalmon", "DarkSeaGreen", "DarkSlateBlue", "DarkSlateGray", "DarkTurquoise", "DarkViolet", "DeepPink",
      "DeepSkyBlue", "DimGray", "DodgerBlue", "FireBrick", "FloralWhite", "ForestGreen", "Fuchsia", "Gainsboro",
      "GhostWhite", "Gold", "GoldenRod", "Gray", "Green", "GreenYellow", "HoneyDew", "HotPink", "IndianRed",
      "Indigo", "Ivory", "Khaki", "Lavender", "LavenderBlush", "LawnGreen", "LemonChiffon", "LightBlue",
      "LightCoral", "LightCyan", "LightGoldenRod", "LightGray", "LightGreen", "LightPink", "LightSalmon",
      "LightSeaGreen", "LightSkyBlue", "LightSlateBlue", "LightSlateGray", "LightSteelBlue", "LightYellow", "Lime",
      "LimeGreen", "Linen", "Magenta", "Maroon", "MediumAquamarine", "MediumBlue", "MediumOrchid", "MediumPurple",
      "MediumSeaGreen", "MediumSlateBlue", "MediumSpringGreen", "MediumTurquoise", "MediumVioletRed",
      "MidnightBlue", "MintCream", "MistyRose", "Moccasin", "NavajoWhite", "Navy", "OldLace", "Olive", "OliveDrab",
      "Orange", "OrangeRed", "Orchid", "PaleGoldenRod", "PaleGreen", "PaleTurquoise", "PaleVioletRed",
      "PapayaWhip", "PeachPuff", "Peru", "Pink", "Plum", "PowderBlue", "Purple", "RebeccaPurple", "Red",
      "RosyBrown", "RoyalBlue", "SaddleBrown", "Salmon", "SandyBrown", "SeaGreen", "SeaShell", "Sienna", "Silver",
      "SkyBlue", "SlateBlue", "SlateGray", "Snow", "SpringGreen", "SteelBlue", "Tan", "Thistle", "Tomato",
      "Turquoise", "Violet", "WebGray", "WebGreen", "WebMaroon", "WebPurple", "Wheat", "White", "WhiteSmoke",
      "Yellow", "YellowGreen"};
  ASSERT_EQ(std::size(names), X11Colors.size());
  for (std::size_t i = 0; i < X11Colors.size(); ++i) {
    SCOPED_TRACE(names[i]);
    std::size_t at = 0;
    while (at < AllZYLColorNames.size() && name_at(at) != names[i]) ++at;
    ASSERT_LT(at, AllZYLColorNames.size());
    EXPECT_EQ(X11Colors[i], AllZYLColors[at]);
  }
  EXPECT_EQ(X11Colors[50], rrggbb(0x808080));  // Gray: the standard colour, not X11's BEBEBE
}

TEST(ColorTables, PredefinedColors) {
  const TColor expected[47] = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080, 0xC0C0C0, 0x0000FF,
      0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF, rrggbb(0xC0DCC0), rrggbb(0xA6CAF0),
      rrggbb(0xFFFBF0), rrggbb(0xA0A0A4), 0xFF00000A, 0xFF000002, 0xFF00000C, 0xFF000001, 0xFF00000F,
      0xFF000014, 0xFF000010, 0xFF000012, 0xFF000009, 0x20000000, 0xFF000011, 0xFF00000D, 0xFF00000E,
      0xFF00000B, 0xFF000003, 0xFF000013, 0xFF000018, 0xFF000017, 0xFF000004, 0xFF000007, 0x1FFFFFFF,
      0xFF000000, 0xFF000015, 0xFF000016, 0xFF000005, 0xFF000006, 0xFF000008};
  for (std::size_t i = 0; i < 47; ++i) EXPECT_EQ(PredefinedColors[i], expected[i]) << "index " << i;
}

TEST(ColorTables, NameLookupReturnsTheFirstEqualEntry) {
  struct {
    TColor color;
    const char16_t* name;
  } cases[] = {
      {0x00FFFF00, u"Aqua"},     // before Cyan and Cyan1
      {rrggbb(0x808080), u"Gray"},  // before WebGray
      {0x00800000, u"Navy"},     // before NavyBlue, of the same value
      {rrggbb(0x998877), u"Bronze"},
      {rrggbb(0x87CEEB), u"SkyBlue1"},
      {rrggbb(0xA6CAF0), u"SkyBlue"},
      {0x00123456, u"00123456"},
      {0xFF000000, u"FF000000"},  // a system colour marker is no named colour
  };
  for (const auto& c : cases) EXPECT_EQ(ObtainColorName(c.color), c.name);
  // Every name of the table leads back to a colour of the same value.
  for (std::size_t i = 0; i < AllZYLColors.size(); ++i) {
    const zyl::String name = ObtainColorName(AllZYLColors[i]);
    const auto at = std::find(AllZYLColorNames.begin(), AllZYLColorNames.end(), name) - AllZYLColorNames.begin();
    ASSERT_LE(static_cast<std::size_t>(at), i);
    EXPECT_EQ(AllZYLColors[static_cast<std::size_t>(at)], AllZYLColors[i]);
  }
}

}  // namespace

namespace {

// The predefined key-colour sets, written red first as they are published.
TEST(KeyColors, EverySetHoldsItsPublishedColors) {
  const struct {
    const char* name;
    std::span<const TColor> colors;
    const char* rgb;
  } sets[] = {
      {"Geo1", ColorArray_Geo1, "BDD2DE 639F63 88BA89 ADCFA7 D2E5C5 F5F1CB EACE96 D8AE6C BD8635 946542 FCFAF0"},
      {"Geo2", ColorArray_Geo2, "7FAEDF 8CB6DE 9BBEE3 ADC9E2 BBCCDC ACBB90 C6C999 DAD7A4 DAC8A1 C5B69A C8AC96"},
      {"Geo3", ColorArray_Geo3, "2B8AFF 439CFF 61AFFF 89CAFF A8D1F9 85A84A C2CA5D F4ED74 F4C76D C09C5F C78556"},
      {"Rainbow", ColorArray_Rainbow, "200040 600080 0012EF 006EF5 00F4FF 18FF00 FFF600 FFC100 FF1300 8D0000 400000"},
      {"Circle", ColorArray_Circle, "FF0000 FFFF00 00FF00 00FFFF 0000FF FF00FF FF0000"},
      {"MorgenStemning", ColorArray_MorgenStemning, "000000 0E2F4E 802874 C21B71 EF614C FFFB2A FFFFFF"},
      {"Contrast", ColorArray_Contrast,
       "000000 0000FF 008000 FF0000 FF8000 808080 804040 FF00FF 000080 00FF00 18CDC5 008080 8000FF EEE141 800080 "
       "FF0080"},
  };
  for (const auto& set : sets) {
    SCOPED_TRACE(set.name);
    std::istringstream words(set.rgb);
    std::vector<TColor> expected;
    for (std::string w; words >> w;) expected.push_back(rrggbb(static_cast<std::uint32_t>(std::stoul(w, nullptr, 16))));
    EXPECT_EQ(std::vector<TColor>(set.colors.begin(), set.colors.end()), expected);
  }
}

}  // namespace

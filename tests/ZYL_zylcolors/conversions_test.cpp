// The colour conversions: exact channel boundaries, clamping, the colour
// models against their defining examples and each other, and random colours.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/random.h"
#include "ZYL_zylcolors/colorarray.h"
#include "ZYL_zylcolors/colorblend.h"
#include "ZYL_zylcolors/colorhex.h"
#include "ZYL_zylcolors/colormodels.h"
#include "ZYL_zylcolors/keycolors.h"
#include "ZYL_zylcolors/randomcolor.h"
#include "ZYL_zylcolors/wavelength.h"

using namespace ZYL_zylcolors;

namespace {

// TColor of a colour written red first.
constexpr TColor rrggbb(std::uint32_t v) { return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF); }

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ColorBlend, InterpolationTruncatesExtendedIntermediates) {
  struct Case {
    const char* label;
    TColor c1, c2;
    double frac;
    TColor expected;
  } cases[] = {
      {"black to white halfway", 0x000000, 0xFFFFFF, 0.5, 0x7F7F7F},
      {"frac above 1 gives c2", 0x123456, 0xABCDEF, 1.7, 0xABCDEF},
      {"frac below 0 gives c1", 0x123456, 0xABCDEF, -3, 0x123456},
      {"NaN counts as 0", 0x123456, 0xABCDEF, kNaN, 0x123456},
      {"255 * 0.6 is just below 153 in extended", 0x000000, 0x0000FF, 0.6, 0x000098},
      {"descending channel truncates towards zero", 0x0000FF, 0x000000, 0.6, 0x000066},
      {"top bytes ignored, result top byte 0", 0xFF000000, 0xAA0000FF, 1, 0x0000FF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(InterpolateColor(c.c1, c.c2, c.frac), c.expected);
  }
  EXPECT_EQ(MeanColor(0x000000, 0xFFFFFF), 0x7F7F7Fu);
}

TEST(ColorBlend, ThreeColorsMeetAtTheMiddleColor) {
  const TColor c1 = rrggbb(0xFF0000), c2 = rrggbb(0x00FF00), c3 = rrggbb(0x0000FF);
  EXPECT_EQ(Interpolate3Colors(c1, c2, c3, 0.5), c2);
  EXPECT_EQ(Interpolate3Colors(c1, c2, c3, 0.75), rrggbb(0x007F7F));
  EXPECT_EQ(Interpolate3Colors(c1, c2, c3, 0.25), rrggbb(0x7F7F00));
  EXPECT_EQ(Interpolate3Colors(c1, c2, c3, 2), c3);
  EXPECT_EQ(Interpolate3Colors(c1, c2, c3, -1), c1);
}

TEST(ColorBlend, ByteOperationsGrayAndDistance) {
  EXPECT_EQ(ReverseRGBColor(0xFF123456), 0x00563412u);
  EXPECT_EQ(InvertColor(0xFF123456), 0x00EDCBA9u);
  struct {
    int r, g, b, gray;
  } grays[] = {{255, 255, 255, 255}, {0, 0, 0, 0}, {5, 0, 0, 2},  // 1.5: ties go to even
               {0, 5, 5, 3},  // 3.5 - 2e-19 in extended: below the tie
               {255, 0, 0, 76}, {0, 255, 0, 150}, {0, 0, 255, 28}};
  for (const auto& g : grays) {
    SCOPED_TRACE(testing::Message() << g.r << "," << g.g << "," << g.b);
    EXPECT_EQ(RGBtoGray(g.r, g.g, g.b), g.gray);
  }
  EXPECT_EQ(RGBtoGrayColor(255, 0, 0), 0x4C4C4Cu);
  EXPECT_EQ(ColorToGrayColor(0x0000FF), 0x4C4C4Cu);
  EXPECT_EQ(ColorToGray(0xFF00FF00), 150);
  EXPECT_EQ(RGBColorDistance(0x000000, 0xFFFFFF), 1.0);
  EXPECT_EQ(RGBColorDistance(0xAB123456, 0x00123456), 0.0);
  EXPECT_DOUBLE_EQ(RGBColorDistance(0x000000, 0x0000FF), std::sqrt(1.0 / 3));
}

TEST(ColorHex, TextFormsAndTolerantParsing) {
  EXPECT_EQ(ColorToHexStr(0x000000FF), u"000000FF");
  EXPECT_EQ(ColorToHexStr(0xFEDCBA98), u"FEDCBA98");
  struct {
    const char16_t* text;
    TColor value;
  } cases[] = {
      {u" $ff ", 255},      {u"12G4", 0x12},           {u"", 0},          {u"xyz", 0},
      {u"   ", 0},          {u"$", 0},                 {u"$ 1a", 0x1A},   {u"00ff0000", 0xFF0000},
      {u"123456789", 0x23456789},  // the ninth digit wraps around
      {u"$$1", 0},          {u"\t1", 0},  // only code 32 is a blank
      {u"1 2", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(zyl::to_utf8(c.text));
    EXPECT_EQ(HexStrToColor(c.text), c.value);
  }
  for (TColor v : {0u, 1u, 0xFFu, 0x80000000u, 0xFFFFFFFFu}) EXPECT_EQ(HexStrToColor(ColorToHexStr(v)), v);
}

struct ModelCase {
  const char* label;
  int r, g, b;
  double h, s, x;
};

void expect_model(void (*fn)(std::int32_t, std::int32_t, std::int32_t, double&, double&, double&),
                  const ModelCase& c) {
  SCOPED_TRACE(c.label);
  double h = 99, s = 99, x = 99;
  fn(c.r, c.g, c.b, h, s, x);
  EXPECT_DOUBLE_EQ(h, c.h);
  EXPECT_DOUBLE_EQ(s, c.s);
  EXPECT_DOUBLE_EQ(x, c.x);
}

TEST(ColorModels, ToHueSaturationForms) {
  const ModelCase hsl[] = {
      {"red", 255, 0, 0, 0, 1, 0.5},
      {"mid gray", 128, 128, 128, 0, 0, 128 / 255.0},
      {"inputs above 255 clamp", 300, 0, 0, 0, 1, 0.5},
      {"negative inputs clamp", -5, 0, 255, 240, 1, 0.5},
      {"green wins a tie with blue", 0, 255, 255, 180, 1, 0.5},
      {"magenta wraps below 0", 255, 0, 255, 300, 1, 0.5},
      {"dark orange", 128, 64, 0, 30, 1, 64 / 255.0},
  };
  for (const auto& c : hsl) expect_model(RGBtoHSL, c);
  const ModelCase hsv[] = {
      {"black", 0, 0, 0, 0, 0, 0},
      {"gray has hue -1", 100, 100, 100, -1, 0, 100 / 255.0},
      {"red", 255, 0, 0, 0, 1, 1},
      {"tie red and green keeps red", 200, 200, 0, 60, 1, 200 / 255.0},
      {"blue", 0, 0, 255, 240, 1, 1},
      {"not clamped", 510, 0, 0, 0, 1, 2},
  };
  for (const auto& c : hsv) expect_model(RGBtoHSV, c);
  const ModelCase hsi[] = {
      {"black", 0, 0, 0, 0, 0, 0},
      {"gray has hue -1", 100, 100, 100, -1, 0, 100 / 255.0},
      {"red", 255, 0, 0, 0, 1, 1 / 3.0},
      {"cyan", 0, 255, 255, 180, 1, 2 / 3.0},
  };
  for (const auto& c : hsi) expect_model(RGBtoHSI, c);
  double h, s, l;
  ColorToHSL(rrggbb(0x00FF00), h, s, l);
  EXPECT_EQ(h, 120);
  ColorToHSV(0xFF0000FF, h, s, l);  // the top byte is ignored
  EXPECT_EQ(l, 1);
  ColorToHSI(rrggbb(0x0000FF), h, s, l);
  EXPECT_EQ(h, 240);
}

TEST(ColorModels, FromHueSaturationForms) {
  struct Case {
    const char* label;
    TColor (*fn)(double, double, double);
    double h, s, x;
    std::uint32_t rgb;  // red first
  } cases[] = {
      {"HSL red", HSLtoColor, 0, 1, 0.5, 0xFF0000},
      {"HSL green", HSLtoColor, 120, 1, 0.5, 0x00FF00},
      {"HSL -10 means 350 (blue 42.5 ties to even)", HSLtoColor, -10, 1, 0.5, 0xFF002A},
      {"HSL 360 means 0", HSLtoColor, 360, 1, 0.5, 0xFF0000},
      {"HSL 725 is still out of range: 0", HSLtoColor, 725, 1, 0.5, 0xFF0000},
      {"HSL NaN hue means 0", HSLtoColor, kNaN, 1, 0.5, 0xFF0000},
      {"HSL S and L clamp", HSLtoColor, 240, 7, -1, 0x000000},
      {"HSL 0.5 * 255 ties to even", HSLtoColor, 0, 0, 0.5, 0x808080},
      {"HSV red", HSVtoColor, 0, 1, 1, 0xFF0000},
      {"HSV 360 means 0", HSVtoColor, 360, 1, 1, 0xFF0000},
      {"HSV -10 means 0", HSVtoColor, -10, 1, 1, 0xFF0000},
      {"HSV sector 5", HSVtoColor, 330, 1, 1, 0xFF0080},
      {"HSV gray", HSVtoColor, 123, 0, 0.5, 0x808080},
      {"HSV clamps V", HSVtoColor, 120, 1, 2, 0x00FF00},
      {"HSI red", HSItoColor, 0, 1, 1 / 3.0, 0xFF0000},
      {"HSI 360 means 0", HSItoColor, 360, 1, 1 / 3.0, 0xFF0000},
      {"HSI channels clamp at 1", HSItoColor, 0, 1, 1, 0xFF0000},
      {"HSI gray", HSItoColor, 200, 0, 0.5, 0x808080},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(c.fn(c.h, c.s, c.x), rrggbb(c.rgb));
  }
  std::int32_t r, g, b;
  HSVtoRGB(240, 1, 1, r, g, b);
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0, 0, 255}));
}

// Every 7th colour of the cube goes to HSL and HSV and back unchanged.
TEST(ColorModels, RoundTripsThroughHSLAndHSV) {
  for (TColor c = 0; c <= 0xFFFFFF; c += 7 * 7 * 7 * 7 + 2) {
    double h, s, x;
    ColorToHSL(c, h, s, x);
    ASSERT_EQ(HSLtoColor(h, s, x), c) << std::hex << c;
    ColorToHSV(c, h, s, x);
    ASSERT_EQ(HSVtoColor(h < 0 ? 0 : h, s, x), c) << std::hex << c;
  }
}

TEST(ColorModels, CMYAndCMYK) {
  double c, m, y, k;
  RGBtoCMY(255, 0, 51, c, m, y);
  EXPECT_EQ(c, 0);
  EXPECT_EQ(m, 1);
  EXPECT_DOUBLE_EQ(y, 0.8);
  std::uint8_t r, g, b;
  CMYtoRGB(0.5, -2, 7, r, g, b);  // 127.5 ties to even; clamped
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{128, 255, 0}));
  c = 0.5, m = 0.7, y = 0.2;
  CMYtoCMYK(c, m, y, k);
  EXPECT_DOUBLE_EQ(k, 0.2);
  EXPECT_DOUBLE_EQ(c, 0.3);
  EXPECT_DOUBLE_EQ(m, 0.5);
  EXPECT_EQ(y, 0);
  c = 0.9, m = 0.1, y = -0.5;
  CMYKtoCMY(c, m, y, 0.3);
  EXPECT_EQ(c, 1);
  EXPECT_DOUBLE_EQ(m, 0.4);
  EXPECT_EQ(y, 0);
}

TEST(Wavelength, RangesAndIntensity) {
  struct {
    int w;
    double gamma;
    std::uint32_t rgb;
  } cases[] = {
      {379, 1, 0x000000}, {780, 1, 0x000000}, {650, 1, 0xFF0000},  // full intensity
      {750, 1, 0x8F0000},  // 0.3 + 0.7 * 30/80 = 0.5625: 143.4375
      {380, 1, 0x4C004C},  // r = b = 1, f = 0.3: 76.5 gives 76
      {440, 1, 0x0000FF}, {490, 1, 0x00FFFF}, {510, 1, 0x00FF00}, {580, 1, 0xFFFF00},
      {545, 0.5, 0xB4FF00},  // sqrt(0.5) * 255 = 180.3
      {600, -1, 0xFFFF00},   // channels above 255 are clamped
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.w);
    EXPECT_EQ(WavelengthToColor(c.w, c.gamma), rrggbb(c.rgb));
  }
}

TEST(RandomColors, DrawOrderAndRanges) {
  zyl::RandSeed = 1234;
  const std::int32_t b = zyl::Random(256), g = zyl::Random(256), r = zyl::Random(256);
  zyl::RandSeed = 1234;
  EXPECT_EQ(RandomColor(), static_cast<TColor>(r | (g << 8) | (b << 16)));

  zyl::RandSeed = 99;
  for (int i = 0; i < 2000; ++i) {
    const TColor c = RandomColor(10, 20, 200, 255, 7, 7);
    ASSERT_GE(c & 0xFF, 10u);
    ASSERT_LE(c & 0xFF, 20u);
    ASSERT_GE((c >> 8) & 0xFF, 200u);
    ASSERT_EQ((c >> 16) & 0xFF, 7u);
  }
  // A high bound below the low one: the generator gets an empty range and
  // gives 0, the channel is its low bound; the state still steps.
  zyl::RandSeed = 5;
  const TColor c = RandomColor(200, 100, 0, 255, 255, 0);
  zyl::RandSeed = 5;
  (void)zyl::Random(1);  // the blue draw
  const TColor green = static_cast<TColor>(zyl::Random(256));
  EXPECT_EQ(c, 200u | green << 8 | 255u << 16);
  EXPECT_EQ(zyl::Random(0), 0);  // the red draw took the same step
  EXPECT_EQ(RandomColor(200, 100, 0, 255, 255, 0) & 0xFF00FFu, 200u | 255u << 16);
}

// Bit patterns of many conversion results folded into one number, computed on
// the native build: the Windows build must produce exactly the same bits.
TEST(ColorModels, ResultsAreBitIdenticalAcrossTargets) {
  std::uint64_t hash = 1469598103934665603ull;
  auto fold = [&](double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    hash = (hash ^ bits) * 1099511628211ull;
  };
  for (TColor c = 0; c <= 0xFFFFFF; c += 4099) {
    double h, s, x;
    ColorToHSL(c, h, s, x), fold(h), fold(s), fold(x);
    ColorToHSV(c, h, s, x), fold(h), fold(s), fold(x);
    ColorToHSI(c, h, s, x), fold(h), fold(s), fold(x);
    fold(RGBColorDistance(c, 0x808080));
    fold(InterpolateColor(0, c, (c % 1000) / 999.0));
  }
  for (double h = -30; h < 400; h += 7.25)
    for (double s = 0; s <= 1; s += 0.125) {
      fold(HSLtoColor(h, s, 0.4));
      fold(HSVtoColor(h, s, 0.7));
      fold(HSItoColor(h, s, 0.3));
    }
  for (int w = 370; w < 790; ++w) fold(WavelengthToColor(w, 0.8));
  TColorArray gradient(nullptr);
  gradient.Resize(997);
  for (int levels : {0, 7}) {
    gradient.FillByInterpolation(levels, ColorArray_Rainbow);
    gradient.LogTransform(0.3);
    for (int i = 1; i <= 997; ++i) fold(gradient.GetColorElem(i));
  }
  EXPECT_EQ(hash, 0x9A0E47B33632D7E4u) << std::hex << hash;
}

}  // namespace

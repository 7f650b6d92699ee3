// Text on the canvas through the platform's text backend: extents, ink in
// the font colour inside the text's box, the brush behind it, styles, the
// installed font list, and character marks.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/bitmap.h"
#include "platform/screen.h"
#include "ZYL_zylbase/drawing.h"
#include "ZYL_zylbase/errors.h"
#include "ZYL_zylbase/marks.h"

using namespace zyl;

namespace {

// The box of pixels that are not Paper; empty (W = 0) when there are none.
struct Box {
  int x1 = 0, y1 = 0, x2 = -1, y2 = -1;
  int W() const { return x2 - x1 + 1; }
};
Box ink_box(const TCanvas& c, int W, int H, TColor Paper) {
  Box b{W, H, -1, -1};
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (c.Pixels(x, y) != Paper) {
        b.x1 = std::min(b.x1, x);
        b.y1 = std::min(b.y1, y);
        b.x2 = std::max(b.x2, x);
        b.y2 = std::max(b.y2, y);
      }
  return b;
}

TEST(Text, ExtentsGrowWithTextAndSize) {
  TBitmap b;
  TCanvas& c = b.Canvas();
  c.Font().SetName(u"DejaVu Sans");
  c.Font().SetHeight(-20);
  const int w1 = c.TextWidth(u"M"), w2 = c.TextWidth(u"MM"), h = c.TextHeight(u"M");
  EXPECT_GT(w1, 5);
  EXPECT_NEAR(w2, 2 * w1, 1);
  EXPECT_GE(h, 20);
  EXPECT_LE(h, 30);
  EXPECT_EQ(c.TextWidth(u""), 0);
  c.Font().SetHeight(-40);
  EXPECT_GT(c.TextWidth(u"M"), w1 + 5);
}

TEST(Text, InkInTheFontColourInsideTheBoxAndTheBrushBehind) {
  TBitmap b;
  b.SetSize(80, 40);
  TCanvas& c = b.Canvas();
  c.Font().SetName(u"DejaVu Sans");
  c.Font().SetHeight(-20);
  c.Font().SetColor(0x0000FF);
  c.Brush().SetColor(0x00FF00);
  c.TextOut(10, 5, u"Hg");
  const int w = c.TextWidth(u"Hg"), h = c.TextHeight(u"Hg");
  EXPECT_EQ(c.PenPos(), (TPoint{10 + w, 5}));
  const Box box = ink_box(c, 80, 40, 0xFFFFFF);
  EXPECT_EQ(box.x1, 10);
  EXPECT_EQ(box.y1, 5);
  EXPECT_EQ(box.x2, 10 + w - 1) << "the brush fills the text's box";
  EXPECT_EQ(box.y2, 5 + h - 1);
  int red = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 80; ++x) red += c.Pixels(x, y) == 0x0000FF;
  EXPECT_GT(red, 20) << "fully covered pixels take the font colour";

  TBitmap clear;
  clear.SetSize(80, 40);
  clear.Canvas().Font().Assign(&c.Font());
  clear.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  clear.Canvas().TextOut(10, 5, u"Hg");
  const Box ink = ink_box(clear.Canvas(), 80, 40, 0xFFFFFF);
  EXPECT_GT(ink.x1, 10 - 1);
  EXPECT_LT(ink.W(), w + 2);
  EXPECT_GT(ink.y1, 5) << "no brush: only the glyphs";
}

TEST(Text, TextFarOutsideIsClipped) {
  TBitmap b;
  b.SetSize(10, 10);
  b.Canvas().Font().SetHeight(-30);
  b.Canvas().TextOut(INT32_MAX - 5, INT32_MIN, u"Wide text");
  b.Canvas().TextOut(-1000000, 2, std::u16string(5000, u'W'));
  b.Canvas().TextOut(3, 3, u"");
  EXPECT_EQ(b.Canvas().Pixels(5, 5), 0xFFFFFFu);
}

TEST(Text, TheScreenListsTheInstalledFamiliesAndTrueTypeIsTold) {
  const std::vector<String> fonts = Screen().Fonts();
  ASSERT_FALSE(fonts.empty());
  EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end()));
  EXPECT_NE(std::find(fonts.begin(), fonts.end(), fonts.front()), fonts.end());
  bool any_truetype = false;
  for (const String& f : fonts) any_truetype = any_truetype || ZYL_zylbase::FontIsTrueType(f);
  EXPECT_TRUE(any_truetype);
  try {
    (void)ZYL_zylbase::FontIsTrueType(u"No Such Font 4711");
    ADD_FAILURE() << "no error";
  } catch (const ZYL_zylbase::EZYLError& e) {
    EXPECT_EQ(e.Message(), u"Font \"No Such Font 4711\" is not installed");
  }
}

TEST(Text, CharacterMarksDrawTheCharacterCentred) {
  for (const auto& [code, text] : {std::pair{65, u"A"}, {205, u"5"}, {200, u"0"}}) {
    TBitmap b, want;
    b.SetSize(40, 40);
    want.SetSize(40, 40);
    for (TBitmap* bm : {&b, &want}) {
      bm->Canvas().Font().SetHeight(-16);
      bm->Canvas().Pen().SetColor(0xFF0000);
    }
    b.Canvas().Brush().SetColor(0x123456);
    ZYL_zylbase::DrawMarkOnCanvas(b.Canvas(), static_cast<std::uint8_t>(code), 20, 20);
    EXPECT_EQ(b.Canvas().Brush().Style(), TBrushStyle::bsClear) << "left clear";
    EXPECT_EQ(b.Canvas().Font().Color(), 0xFF0000u) << "the font takes the pen colour";
    TCanvas& w = want.Canvas();
    w.Brush().SetStyle(TBrushStyle::bsClear);
    w.Font().SetColor(0xFF0000);
    w.TextOut(20 - w.TextWidth(text) / 2, 20 - w.TextHeight(text) / 2, text);
    EXPECT_EQ(b.Surface().Pixels, want.Surface().Pixels) << code;
    EXPECT_NE(ink_box(b.Canvas(), 40, 40, 0xFFFFFF).W(), 0);
  }
}

}  // namespace

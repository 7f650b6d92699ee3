// Frames (every style, the order of the lines and the pen colours),
// rectangle outlines and scaled font sizes.
#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/screen.h"
#include "ZYL_zylbase/drawing.h"

using namespace zyl;
using namespace ZYL_zylbase;

namespace {

constexpr TColor kPaper = 0xFFFFFF;
constexpr TColor c1 = 0x000001, c2 = 0x000002, c3 = 0x000003, c4 = 0x000004, c5 = 0x000005;

// The picture a 3-D frame on (L, T, R, B) must leave: the outer ring in
// P1 (top, left) and P2 (bottom, right), the inner ring in P3 and P4.
std::vector<TColor> expected_frame(int W, int H, int L, int T, int R, int B, const TColor (&p)[4]) {
  std::vector<TColor> px(static_cast<std::size_t>(W * H), kPaper);
  auto set = [&](int x, int y, TColor c) { px[static_cast<std::size_t>(y * W + x)] = c; };
  for (int x = L; x <= R; ++x) set(x, T, p[0]);
  for (int y = T + 1; y < B; ++y) set(L, y, p[0]);
  for (int y = T + 1; y < B; ++y) set(R, y, p[1]);
  for (int x = L; x <= R; ++x) set(x, B, p[1]);
  for (int x = L + 1; x < R; ++x) set(x, T + 1, p[2]);
  for (int y = T + 2; y < B - 1; ++y) set(L + 1, y, p[2]);
  for (int y = T + 2; y < B - 1; ++y) set(R - 1, y, p[3]);
  for (int x = L + 1; x < R; ++x) set(x, B - 1, p[3]);
  return px;
}

TEST(Frames, ThreeDimensionalStylesDrawTwoRingsInTheirColours) {
  struct Case {
    std::uint8_t style;
    TColor pens[4];
  };
  const Case cases[] = {
      {2, {c3, c1, c4, c2}},           // fsLowered
      {3, {c1, c4, c2, c3}},           // fsRaised
      {4, {c1, c3, c3, c1}},           // fsEmbossed
      {5, {c3, c1, c1, c3}},           // fsEngraved
      {0x80 | 3, {c1, c4, c2, c3}},    // only the low 7 bits count
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(int{k.style});
    TBitmap b;
    b.SetSize(25, 25);
    DrawFrame(b.Canvas(), static_cast<TFrameStyle>(k.style), 10, 10, 20, 20, c1, c2, c3, c4, c5);
    EXPECT_EQ(b.Surface().Pixels, expected_frame(25, 25, 10, 10, 20, 20, k.pens));
    EXPECT_EQ(b.Canvas().Pen().Color(), k.pens[3]) << "the pen keeps the last colour";
  }
}

TEST(Frames, RaisedFrameOfTheExample) {
  TBitmap b;
  b.SetSize(25, 25);
  DrawFrame(b.Canvas(), TFrameStyle::fsRaised, 10, 10, 20, 20, c1, c2, c3, c4, c5);
  const TCanvas& c = b.Canvas();
  for (int y = 11; y <= 19; ++y) {
    EXPECT_EQ(c.Pixels(10, y), c1);
    EXPECT_EQ(c.Pixels(20, y), c4);
  }
  for (int x = 10; x <= 20; ++x) {
    EXPECT_EQ(c.Pixels(x, 10), c1);
    EXPECT_EQ(c.Pixels(x, 20), c4);
  }
  for (int y = 12; y <= 18; ++y) {
    EXPECT_EQ(c.Pixels(11, y), c2);
    EXPECT_EQ(c.Pixels(19, y), c3);
  }
  for (int x = 11; x <= 19; ++x) {
    EXPECT_EQ(c.Pixels(x, 11), c2);
    EXPECT_EQ(c.Pixels(x, 19), c3);
  }
  EXPECT_EQ(c.Pixels(12, 12), kPaper);
  EXPECT_EQ(c.Pixels(21, 10), kPaper);
}

TEST(Frames, SimpleNoneAndUndefinedStyles) {
  TBitmap b;
  b.SetSize(8, 8);
  b.Canvas().Pen().SetColor(0x777777);
  for (std::uint8_t style : {0, 6, 7, 0x7F, 0x80}) {
    DrawFrame(b.Canvas(), static_cast<TFrameStyle>(style), 1, 1, 5, 5, c1, c2, c3, c4, c5);
    for (TColor px : b.Surface().Pixels) ASSERT_EQ(px, kPaper) << "style " << int{style} << " draws nothing";
  }
  EXPECT_EQ(b.Canvas().Pen().Color(), 0x777777u);
  DrawFrame(b.Canvas(), TFrameStyle::fsSimple, 1, 1, 5, 5, c1, c2, c3, c4, c5);
  TBitmap r;
  r.SetSize(8, 8);
  r.Canvas().Pen().SetColor(c5);
  DrawRectangle(r.Canvas(), 1, 1, 5, 5);
  EXPECT_EQ(b.Surface().Pixels, r.Surface().Pixels);
  int ring = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool edge = (x == 1 || x == 5 || y == 1 || y == 5) && x >= 1 && x <= 5 && y >= 1 && y <= 5;
      EXPECT_EQ(r.Canvas().Pixels(x, y), edge ? c5 : kPaper) << x << "," << y;
      ring += edge;
    }
  EXPECT_EQ(ring, 16) << "the outline closes, corners included";
  EXPECT_EQ(r.Canvas().PenPos(), (TPoint{1, 1}));
}

TEST(Frames, FramesAtTheEdgeOfTheCoordinateSpace) {
  TBitmap b;
  b.SetSize(4, 4);
  for (std::uint8_t style = 1; style <= 5; ++style)
    DrawFrame(b.Canvas(), static_cast<TFrameStyle>(style), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, c1, c2, c3, c4, c5);
  for (TColor px : b.Surface().Pixels) EXPECT_EQ(px, kPaper);
}

TEST(Fonts, ScaledSizeGivesTheScreenHeightAndKeepsTheResolution) {
  const std::int32_t screen = Screen().PixelsPerInch();
  for (std::int32_t own : {screen, 300, 72}) {
    TBitmap b;
    b.Canvas().Font().SetPixelsPerInch(own);
    SetCanvasFontSizeScaled(b.Canvas(), 12);
    EXPECT_EQ(b.Canvas().Font().PixelsPerInch(), own);
    EXPECT_EQ(b.Canvas().Font().Height(), -MulDiv(12, screen, 72)) << "font at " << own << " ppi";
  }
}

}  // namespace

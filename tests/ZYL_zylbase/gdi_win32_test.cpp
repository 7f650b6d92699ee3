// The package canvas against GDI itself: the same calls (marks, frames,
// lines, rectangles, ellipses, polygons) recorded on the canvas and replayed
// on a GDI memory device context must give the same pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <sstream>

#include "platform/bitmap.h"
#include "platform/gdireplay.h"
#include "ZYL_zylbase/drawing.h"
#include "ZYL_zylbase/marks.h"

using namespace zyl;

namespace {

constexpr TColor kPaper = 0xFFFFFF;

// Draws on a W x H bitmap, replays the recorded calls on GDI and returns
// the differing pixels as text (empty when equal).
std::string compare_with_gdi(int W, int H, const std::function<void(TCanvas&)>& Draw) {
  TBitmap b;
  b.SetSize(W, H);
  std::vector<detail::CanvasOp> ops;
  b.Canvas().set_op_observer([&](const detail::CanvasOp& op) { ops.push_back(op); });
  Draw(b.Canvas());
  const std::vector<TColor> gdi = platform::gdi_replay(W, H, kPaper, ops);
  std::ostringstream diff;
  int count = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const TColor ours = b.Canvas().Pixels(x, y), theirs = gdi[static_cast<std::size_t>(y * W + x)];
      if (ours != theirs && count++ < 8) diff << " (" << x << "," << y << ") ours " << std::hex << ours << " GDI " << theirs << std::dec;
    }
  if (count > 0) diff << " [" << count << " pixels differ]";
  return diff.str();
}

TEST(Gdi, EveryMarkMatches) {
  for (int code = 0; code < 52; ++code)
    EXPECT_EQ(compare_with_gdi(23, 23,
                               [&](TCanvas& c) {
                                 c.Pen().SetColor(0x0000C0);
                                 ZYL_zylbase::DrawMarkOnCanvas(c, static_cast<std::uint8_t>(code), 11, 11);
                               }),
              "")
        << "mark " << code;
}

TEST(Gdi, EveryFrameStyleMatches) {
  for (int style = 0; style <= 6; ++style)
    EXPECT_EQ(compare_with_gdi(25, 25,
                               [&](TCanvas& c) {
                                 ZYL_zylbase::DrawFrame(c, static_cast<ZYL_zylbase::TFrameStyle>(style), 3, 4, 20, 18, 1,
                                                        2, 3, 4, 5);
                               }),
              "")
        << "style " << style;
}

// True when GDI painted a pixel outside the box [X1, X2) x [Y1, Y2) (corners
// in any order): the GDI under test (Wine's) spills some ellipses' fill over
// whole rows; those cases say nothing about the rules and are left out.
bool gdi_spills(int W, int H, TPoint A, TPoint B, const std::function<void(TCanvas&)>& Draw) {
  TBitmap b;
  b.SetSize(W, H);
  std::vector<detail::CanvasOp> ops;
  b.Canvas().set_op_observer([&](const detail::CanvasOp& op) { ops.push_back(op); });
  Draw(b.Canvas());
  const std::vector<TColor> gdi = platform::gdi_replay(W, H, kPaper, ops);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const bool inside = x >= std::min(A.X, B.X) && x < std::max(A.X, B.X) && y >= std::min(A.Y, B.Y) && y < std::max(A.Y, B.Y);
      if (!inside && gdi[static_cast<std::size_t>(y * W + x)] != kPaper) return true;
    }
  return false;
}

TEST(Gdi, EllipsesOfEverySizeMatch) {
  // Every box from 4 x 4 to 40 x 40, outline and fill, fill alone, outline alone.
  int compared = 0;
  for (int w = 4; w <= 40; ++w)
    for (int h = 4; h <= 40; ++h)
      for (int variant = 0; variant < 3; ++variant) {
        const auto draw = [&](TCanvas& c) {
          c.Pen().SetColor(0x0000C0);
          c.Brush().SetColor(0x00C000);
          if (variant == 1) c.Pen().SetStyle(TPenStyle::psClear);
          if (variant == 2) c.Brush().SetStyle(TBrushStyle::bsClear);
          c.Ellipse(2, 3, 2 + w, 3 + h);
        };
        if (gdi_spills(48, 48, {2, 3}, {2 + w, 3 + h}, draw)) continue;
        ++compared;
        EXPECT_EQ(compare_with_gdi(48, 48, draw), "") << w << " x " << h << " variant " << variant;
      }
  // Wine spills the fill of a handful of sizes; nearly all must be compared.
  EXPECT_GT(compared, 37 * 37 * 3 - 20);
}

TEST(Gdi, HatchedBrushesMatch) {
  for (int style = static_cast<int>(TBrushStyle::bsHorizontal); style <= static_cast<int>(TBrushStyle::bsDiagCross); ++style)
    EXPECT_EQ(compare_with_gdi(30, 30,
                               [&](TCanvas& c) {
                                 c.Brush().SetColor(0x00C000);
                                 c.Brush().SetStyle(static_cast<TBrushStyle>(style));
                                 c.Rectangle(1, 2, 20, 17);
                                 c.Ellipse(9, 11, 29, 28);
                                 const TPoint tri[] = {{3, 29}, {25, 5}, {28, 26}};
                                 c.Pen().SetStyle(TPenStyle::psClear);
                                 c.Polygon(tri);
                               }),
              "")
        << "style " << style;
}

TEST(Gdi, RandomShapesMatch) {
  const unsigned seed = 1414;
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> coord(-5, 44);
  int spilled = 0;
  const char* names[] = {"line", "rectangle", "ellipse", "polygon", "dashed line", "clear-pen rectangle"};
  for (int n = 0; n < 600; ++n) {
    const int kind = n % 6;
    TPoint p[4];
    for (auto& q : p) q = {coord(gen), coord(gen)};
    if (kind == 2) {
      // Boxes thinner than 4 pixels follow no common rule (GDI's own
      // implementations differ there); corners in any order, crossing the edge.
      if (std::abs(p[0].X - p[1].X) < 4) p[1].X = p[0].X + 4;
      if (std::abs(p[0].Y - p[1].Y) < 4) p[1].Y = p[0].Y + 4;
    }
    const auto draw = [&](TCanvas& c) {
      c.Pen().SetColor(0x0000C0);
      c.Brush().SetColor(0x00C000);
      switch (kind) {
        case 0: c.MoveTo(p[0].X, p[0].Y); c.LineTo(p[1].X, p[1].Y); break;
        case 1: c.Rectangle(p[0].X, p[0].Y, p[1].X, p[1].Y); break;
        case 2: c.Ellipse(p[0].X, p[0].Y, p[1].X, p[1].Y); break;
        case 3: c.Polygon(p); break;
        case 4: c.Pen().SetStyle(TPenStyle::psDash); c.MoveTo(p[0].X, p[0].Y); c.LineTo(p[1].X, p[1].Y); break;
        case 5: c.Pen().SetStyle(TPenStyle::psClear); c.Rectangle(p[0].X, p[0].Y, p[1].X, p[1].Y); break;
      }
    };
    if (kind == 2 && gdi_spills(40, 40, p[0], p[1], draw)) {
      ++spilled;
      continue;
    }
    const std::string d = compare_with_gdi(40, 40, draw);
    EXPECT_EQ(d, "") << "seed " << seed << " case " << n << ": " << names[kind] << " (" << p[0].X << "," << p[0].Y
                     << ") (" << p[1].X << "," << p[1].Y << ") (" << p[2].X << "," << p[2].Y << ") (" << p[3].X << ","
                     << p[3].Y << ")";
  }
  EXPECT_LT(spilled, 20) << "ellipses left out because GDI painted outside their box";
}

}  // namespace

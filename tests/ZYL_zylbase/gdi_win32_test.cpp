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

// The pixels where the canvas and GDI differ: how many, and the first few
// as text.
struct Difference {
  int count = 0;
  std::string text;
  std::vector<TColor> gdi;  // GDI's pixels, rows top first
};

// Draws on a W x H bitmap, replays the recorded calls on GDI and compares.
Difference gdi_difference(int W, int H, const std::function<void(TCanvas&)>& Draw) {
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
  return {count, diff.str(), gdi};
}

// The differing pixels as text (empty when equal).
std::string compare_with_gdi(int W, int H, const std::function<void(TCanvas&)>& Draw) {
  return gdi_difference(W, H, Draw).text;
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

// True when Painted(x, y) holds for a pixel of the W x H picture outside the
// box [A, B) (corners in any order).
bool painted_outside(int W, int H, TPoint A, TPoint B, const std::function<bool(int, int)>& Painted) {
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const bool inside = x >= std::min(A.X, B.X) && x < std::max(A.X, B.X) && y >= std::min(A.Y, B.Y) && y < std::max(A.Y, B.Y);
      if (!inside && Painted(x, y)) return true;
    }
  return false;
}

// True when GDI painted outside the box [A, B) in D: the GDI under test
// (Wine's) spills some ellipses' fill over whole rows; those cases say
// nothing about the rules and are left out.
bool gdi_spills(const Difference& D, int W, int H, TPoint A, TPoint B) {
  return painted_outside(W, H, A, B, [&](int x, int y) { return D.gdi[static_cast<std::size_t>(y * W + x)] != kPaper; });
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
        const Difference d = gdi_difference(48, 48, draw);
        if (gdi_spills(d, 48, 48, {2, 3}, {2 + w, 3 + h})) continue;
        ++compared;
        EXPECT_EQ(d.text, "") << w << " x " << h << " variant " << variant;
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
    const Difference d = gdi_difference(40, 40, draw);
    if (kind == 2 && gdi_spills(d, 40, 40, p[0], p[1])) {
      ++spilled;
      continue;
    }
    EXPECT_EQ(d.text, "") << "seed " << seed << " case " << n << ": " << names[kind] << " (" << p[0].X << "," << p[0].Y
                     << ") (" << p[1].X << "," << p[1].Y << ") (" << p[2].X << "," << p[2].Y << ") (" << p[3].X << ","
                     << p[3].Y << ")";
  }
  EXPECT_LT(spilled, 20) << "ellipses left out because GDI painted outside their box";
}

constexpr TColor kWideBrush = 0x00C000;

// A drawing call with a pen wider than 1 pixel.
struct WideCall {
  enum Kind { kLine, kPolyline, kRectangle, kEllipse, kPolygon } kind;
  int width;
  TPenStyle style;
  TPoint p[4];
  TBrushStyle brush = TBrushStyle::bsSolid;
};

void draw_wide(TCanvas& C, const WideCall& K) {
  C.Pen().SetColor(0x0000C0);
  C.Pen().SetWidth(K.width);
  C.Pen().SetStyle(K.style);
  C.Brush().SetColor(kWideBrush);
  C.Brush().SetStyle(K.brush);
  const TPoint* p = K.p;
  switch (K.kind) {
    case WideCall::kLine: C.MoveTo(p[0].X, p[0].Y); C.LineTo(p[1].X, p[1].Y); break;
    case WideCall::kPolyline: C.MoveTo(p[0].X, p[0].Y); for (int i = 1; i < 4; ++i) C.LineTo(p[i].X, p[i].Y); break;
    case WideCall::kRectangle: C.Rectangle(p[0].X, p[0].Y, p[1].X, p[1].Y); break;
    case WideCall::kEllipse: C.Ellipse(p[0].X, p[0].Y, p[1].X, p[1].Y); break;
    case WideCall::kPolygon: C.Polygon(std::span<const TPoint>(p, 4)); break;
  }
}

std::string describe(const WideCall& K) {
  static const char* names[] = {"line", "polyline", "rectangle", "ellipse", "polygon"};
  std::ostringstream s;
  s << names[K.kind] << " width " << K.width << (K.style == TPenStyle::psInsideFrame ? " inside frame" : "");
  for (const TPoint& q : K.p) s << " (" << q.X << "," << q.Y << ")";
  return s.str();
}

// True when a psInsideFrame figure's box is narrower or lower than the pen:
// the canvas then covers the box (or its ellipse) with the pen, where the
// GDI under test draws the stroke inverted, across the box's edges.
bool pen_wider_than_box(const WideCall& K) {
  if (K.style != TPenStyle::psInsideFrame || (K.kind != WideCall::kRectangle && K.kind != WideCall::kEllipse)) return false;
  return std::abs(K.p[0].X - K.p[1].X) < K.width || std::abs(K.p[0].Y - K.p[1].Y) < K.width;
}

// True when the canvas drew something outside the box of K.p[0], K.p[1].
bool canvas_leaves_box(const WideCall& K, int W, int H) {
  TBitmap b;
  b.SetSize(W, H);
  draw_wide(b.Canvas(), K);
  return painted_outside(W, H, K.p[0], K.p[1], [&](int x, int y) { return b.Canvas().Pixels(x, y) != kPaper; });
}

// The box a figure's outline follows: K.p[0], K.p[1] sorted, shrunk for
// a psInsideFrame pen.
std::pair<TPoint, TPoint> outline_box(const WideCall& K) {
  TPoint a{std::min(K.p[0].X, K.p[1].X), std::min(K.p[0].Y, K.p[1].Y)};
  TPoint b{std::max(K.p[0].X, K.p[1].X), std::max(K.p[0].Y, K.p[1].Y)};
  if (K.style == TPenStyle::psInsideFrame) {
    a = {a.X + K.width / 2, a.Y + K.width / 2};
    b = {b.X - (K.width - 1) / 2, b.Y - (K.width - 1) / 2};
  }
  return {a, b};
}

// True when the GDI under test painted the brush outside the box of an
// ellipse's outline (its row-spilling fault, as above; it does not always
// strike the same call, so the very picture compared is checked).
bool gdi_brush_spills(const WideCall& K, const Difference& D, int W, int H) {
  if (K.kind != WideCall::kEllipse) return false;
  const auto [a, b] = outline_box(K);
  return painted_outside(W, H, a, b, [&](int x, int y) { return D.gdi[static_cast<std::size_t>(y * W + x)] == kWideBrush; });
}

TEST(Gdi, WidePenCasesMatch) {
  using K = WideCall;
  const TPenStyle solid = TPenStyle::psSolid, inside = TPenStyle::psInsideFrame;
  const WideCall cases[] = {
      {K::kLine, 5, solid, {{5, 5}, {15, 5}}},
      {K::kLine, 4, solid, {{5, 10}, {15, 10}}},
      {K::kLine, 6, solid, {{20, 3}, {20, 25}}},
      {K::kLine, 3, solid, {{3, 3}, {20, 9}}},
      {K::kLine, 4, solid, {{3, 10}, {12, 22}}},
      {K::kLine, 7, solid, {{30, 30}, {4, 6}}},
      {K::kLine, 9, solid, {{10, 30}, {30, 10}}},
      {K::kLine, 5, TPenStyle::psDash, {{2, 8}, {36, 8}}},  // drawn solid
      {K::kLine, 6, inside, {{2, 8}, {36, 20}}},            // like solid
      {K::kLine, 2, solid, {{12, 12}, {12, 12}}},           // no length: the caps alone
      {K::kLine, 3, solid, {{12, 12}, {12, 12}}},
      {K::kLine, 12, solid, {{12, 12}, {12, 12}}},
      {K::kLine, 8, solid, {{-30, 20}, {70, 25}}},
      {K::kPolyline, 6, solid, {{5, 5}, {20, 5}, {20, 20}, {8, 30}}},
      {K::kPolyline, 11, solid, {{5, 35}, {20, 5}, {35, 35}, {5, 20}}},
      {K::kRectangle, 5, solid, {{23, 3}, {38, 15}}},
      {K::kRectangle, 5, inside, {{3, 3}, {20, 15}}},
      {K::kRectangle, 6, inside, {{30, 30}, {4, 6}}},
      {K::kRectangle, 4, solid, {{5, 5}, {6, 20}}},  // one pixel wide
      {K::kRectangle, 7, solid, {{-10, -10}, {50, 50}}},
      {K::kRectangle, 8, solid, {{5, 5}, {30, 30}}, TBrushStyle::bsClear},
      {K::kRectangle, 6, inside, {{3, 3}, {37, 33}}, TBrushStyle::bsDiagCross},
      {K::kEllipse, 5, solid, {{3, 3}, {30, 20}}},
      {K::kEllipse, 4, inside, {{3, 3}, {30, 20}}},
      {K::kEllipse, 12, solid, {{6, 6}, {34, 34}}},
      {K::kEllipse, 7, inside, {{2, 2}, {38, 30}}, TBrushStyle::bsClear},
      {K::kEllipse, 5, solid, {{4, 6}, {36, 34}}, TBrushStyle::bsCross},
      {K::kEllipse, 3, solid, {{10, 10}, {13, 12}}},  // the smallest walk
      {K::kPolygon, 7, solid, {{5, 5}, {35, 10}, {20, 35}, {5, 5}}},
      {K::kPolygon, 4, solid, {{5, 5}, {35, 35}, {35, 5}, {5, 35}}},  // crossing itself
      {K::kPolygon, 6, solid, {{2, 20}, {20, 2}, {38, 20}, {20, 38}}, TBrushStyle::bsHorizontal},
      {K::kPolygon, 10, inside, {{-20, 20}, {20, -20}, {60, 20}, {20, 60}}},
  };
  for (const WideCall& k : cases)
    EXPECT_EQ(compare_with_gdi(40, 40, [&](TCanvas& c) { draw_wide(c, k); }), "") << describe(k);
}

// Random wide shapes in both styles, widths 2..12, crossing the edges. Every
// case matches GDI exactly but for two kinds, counted: psInsideFrame boxes
// narrower than the pen (the canvas keeps inside the box), and ellipses whose
// fill GDI spills over whole rows (left out).
TEST(Gdi, RandomWidePenShapesMatch) {
  const unsigned seed = 1415;
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> coord(-8, 47), width(2, 12);
  int narrow_boxes = 0, narrow_pixels = 0, narrow_max = 0, spills = 0;
  for (int n = 0; n < 2000; ++n) {
    WideCall k{static_cast<WideCall::Kind>(n % 5), width(gen),
               gen() % 2 == 0 ? TPenStyle::psInsideFrame : TPenStyle::psSolid, {}};
    for (auto& q : k.p) q = {coord(gen), coord(gen)};
    // Mostly solid brushes, a quarter clear or hatched.
    const int brush = static_cast<int>(gen() % 12);
    k.brush = brush < 9 ? TBrushStyle::bsSolid : brush == 9 ? TBrushStyle::bsClear : TBrushStyle::bsFDiagonal;
    const std::string label = "seed " + std::to_string(seed) + " case " + std::to_string(n) + ": " + describe(k);
    if (pen_wider_than_box(k)) {
      ++narrow_boxes;
      EXPECT_FALSE(canvas_leaves_box(k, 40, 40)) << label;
      const int differ = gdi_difference(40, 40, [&](TCanvas& c) { draw_wide(c, k); }).count;
      narrow_pixels += differ;
      narrow_max = std::max(narrow_max, differ);
      continue;
    }
    const Difference d = gdi_difference(40, 40, [&](TCanvas& c) { draw_wide(c, k); });
    if (d.count > 0 && gdi_brush_spills(k, d, 40, 40)) {
      ++spills;
      continue;
    }
    EXPECT_EQ(d.text, "") << label;
  }
  std::printf("inside-frame boxes narrower than the pen: %d (%d pixels differ from GDI, at most %d in one), "
              "left out as GDI spills: %d\n",
              narrow_boxes, narrow_pixels, narrow_max, spills);
  EXPECT_LT(spills, 60);
}

}  // namespace

// The raster canvas: GDI line rules (end point excluded, ties broken so that
// a line covers the same pixels in both directions), rectangles, ellipses
// and polygons with pen and brush, pen styles, and clipping of any
// coordinates.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "platform/bitmap.h"
#include "support/pixelart.h"

using namespace zyl;
using zyl::test::pixel_art;
using Art = std::vector<std::string>;

namespace {

constexpr TColor kInk = 0x0000FF;
constexpr TColor kPaper = 0xFFFFFF;
constexpr TColor kFill = 0x00FF00;

std::set<std::pair<int, int>> lit(const TBitmap& b, TColor Ink) {
  std::set<std::pair<int, int>> s;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Canvas().Pixels(x, y) == Ink) s.insert({x, y});
  return s;
}

struct Fixture {
  explicit Fixture(int W = 16, int H = 16) {
    bmp.SetSize(W, H);
    bmp.Canvas().Pen().SetColor(kInk);
    bmp.Canvas().Brush().SetColor(kFill);
  }
  TCanvas& c() { return bmp.Canvas(); }
  TBitmap bmp;
};

TEST(Canvas, LinesExcludeTheirEndPointAndBreakTiesAsGdi) {
  struct Case {
    const char* label;
    TPoint p, q;
    Art art;
  };
  const Case cases[] = {
      {"horizontal", {0, 0}, {4, 0}, {"####.", ".....", "....."}},
      {"vertical upwards", {1, 2}, {1, 0}, {".....", ".#...", ".#..."}},
      {"diagonal", {0, 0}, {3, 3}, {"#....", ".#...", "..#.."}},
      {"octant 1 ties round towards the start", {0, 0}, {4, 2}, {"##...", "..##.", "....."}},
      {"octant 5 ties round away from the start", {4, 2}, {0, 0}, {".#...", "..##.", "....#"}},
      {"steep octant 2", {0, 0}, {1, 3}, {"#....", "#....", ".#..."}},
      {"a zero-length line draws nothing", {2, 1}, {2, 1}, {".....", ".....", "....."}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.label);
    Fixture f(5, 3);
    f.c().MoveTo(k.p.X, k.p.Y);
    f.c().LineTo(k.q.X, k.q.Y);
    EXPECT_EQ(pixel_art(f.c(), 0, 0, 5, 3, kInk), k.art);
    EXPECT_EQ(f.c().PenPos(), k.q);
  }
}

TEST(Canvas, ALineAndItsReverseCoverTheSamePixelsApartFromTheEnds) {
  const unsigned seed = 20261208;
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> coord(0, 39);
  for (int n = 0; n < 2000; ++n) {
    const TPoint p{coord(gen), coord(gen)}, q{coord(gen), coord(gen)};
    Fixture a(40, 40), b(40, 40);
    a.c().MoveTo(p.X, p.Y);
    a.c().LineTo(q.X, q.Y);
    a.c().SetPixels(q.X, q.Y, kInk);
    b.c().MoveTo(q.X, q.Y);
    b.c().LineTo(p.X, p.Y);
    b.c().SetPixels(p.X, p.Y, kInk);
    ASSERT_EQ(lit(a.bmp, kInk), lit(b.bmp, kInk))
        << "seed " << seed << ": (" << p.X << "," << p.Y << ") to (" << q.X << "," << q.Y << ")";
  }
}

TEST(Canvas, ClippingKeepsExactlyTheVisiblePartOfEveryShape) {
  // Drawing with coordinates shifted by (-20, -20) on a small bitmap must
  // give the window (20..35, 20..35) of the same drawing on a large one.
  std::mt19937 gen(99);
  std::uniform_int_distribution<int> coord(0, 63);
  for (int n = 0; n < 300; ++n) {
    Fixture big(64, 64), small(16, 16);
    const int kind = n % 4;
    TPoint pts[4];
    for (auto& p : pts) p = {coord(gen), coord(gen)};
    for (int pass = 0; pass < 2; ++pass) {
      TCanvas& c = pass == 0 ? big.c() : small.c();
      const int d = pass == 0 ? 0 : -20;
      TPoint sh[4];
      for (int i = 0; i < 4; ++i) sh[i] = {pts[i].X + d, pts[i].Y + d};
      c.Pen().SetWidth(n % 3 + 1);
      if (kind == 0) {
        c.MoveTo(sh[0].X, sh[0].Y);
        c.LineTo(sh[1].X, sh[1].Y);
      } else if (kind == 1) {
        c.Rectangle(sh[0].X, sh[0].Y, sh[1].X, sh[1].Y);
      } else if (kind == 2) {
        c.Ellipse(sh[0].X, sh[0].Y, sh[1].X, sh[1].Y);
      } else {
        c.Polygon(sh);
      }
    }
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        ASSERT_EQ(small.c().Pixels(x, y), big.c().Pixels(x + 20, y + 20)) << "shape " << kind << " case " << n;
  }
}

TEST(Canvas, HugeAndNegativeCoordinatesAreClippedWithoutHarm) {
  Fixture f(8, 8);
  f.c().MoveTo(-1000000000, -1000000003);
  f.c().LineTo(1000000000, 999999997);  // the diagonal y = x - 3
  EXPECT_EQ(pixel_art(f.c(), 0, 0, 8, 8, kInk),
            (Art{"...#....", "....#...", ".....#..", "......#.", ".......#", "........", "........", "........"}));
  f.c().Pen().SetWidth(5);
  f.c().MoveTo(INT32_MIN, INT32_MAX);
  f.c().LineTo(INT32_MAX, INT32_MIN);
  f.c().Rectangle(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
  f.c().Ellipse(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
  const TPoint far[] = {{INT32_MIN, 0}, {INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MAX}};
  f.c().Polygon(far);
  f.c().SetPixels(-1, 0, kInk);
  f.c().SetPixels(8, 0, kInk);
  EXPECT_EQ(f.c().Pixels(8, 0), 0xFFFFFFFFu);
  EXPECT_EQ(f.c().Pixels(0, -1), 0xFFFFFFFFu);
  EXPECT_EQ(f.c().Pixels(3, 3), kFill) << "the huge rectangle's inside covers the bitmap";
}

TEST(Canvas, TheLargestTracedEllipseCoversItsMiddleAndOutlinesItsSides) {
  Fixture f(8, 8);
  f.c().Ellipse(-32764, -32764, 32772, 32772);  // 65536 pixels across, centred on the bitmap
  EXPECT_EQ(f.c().Pixels(4, 4), kFill);
  Fixture side(8, 8);
  side.c().Ellipse(0, -32764, 65536, 32772);  // the left tip row lies on y = 3 and 4
  EXPECT_EQ(side.c().Pixels(0, 4), kInk);
  EXPECT_EQ(side.c().Pixels(1, 4), kFill);
}

TEST(Canvas, RectanglesCoverTheCornersExclusiveOfTheSecond) {
  Fixture f(6, 5);
  f.c().Rectangle(4, 4, 0, 0);  // corners in any order
  EXPECT_EQ(pixel_art(f.c(), 0, 0, 6, 5, kInk), (Art{"####..", "#..#..", "#..#..", "####..", "......"}));
  EXPECT_EQ(pixel_art(f.c(), 0, 0, 6, 5, kFill), (Art{"......", ".##...", ".##...", "......", "......"}));

  Fixture clear_brush(6, 5);
  clear_brush.c().Brush().SetStyle(TBrushStyle::bsClear);
  clear_brush.c().Rectangle(0, 0, 4, 4);
  EXPECT_EQ(clear_brush.c().Pixels(1, 1), kPaper);

  Fixture clear_pen(6, 5);
  clear_pen.c().Pen().SetStyle(TPenStyle::psClear);
  clear_pen.c().Rectangle(0, 0, 4, 4);
  EXPECT_EQ(pixel_art(clear_pen.c(), 0, 0, 6, 5, kFill), (Art{"###...", "###...", "###...", "......", "......"}))
      << "without a pen the fill is one pixel smaller";

  Fixture thin(6, 5);
  thin.c().Rectangle(1, 1, 2, 4);
  EXPECT_EQ(pixel_art(thin.c(), 0, 0, 6, 5, kInk), (Art{"......", ".#....", ".#....", ".#....", "......"}));
}

TEST(Canvas, EllipsesOfTheMarkSizesAndAThinOne) {
  struct Case {
    int size, height;
    Art outline, inside;
  };
  const Case cases[] = {
      {4, 4, {".##.", "#..#", "#..#", ".##."}, {"....", ".##.", ".##.", "...."}},
      {5, 5, {".###.", "#...#", "#...#", "#...#", ".###."}, {".....", ".###.", ".###.", ".###.", "....."}},
      // As GDI draws it: the walk along the outline ends before the tip rows.
      {4, 7, {"....", ".##.", "#..#", "#..#", "#..#", ".##.", "...."}, {"....", "....", ".##.", ".##.", ".##.", "....", "...."}},
      {7, 7,
       {"..###..", ".#...#.", "#.....#", "#.....#", "#.....#", ".#...#.", "..###.."},
       {".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.size);
    Fixture f(10, 10);
    f.c().Ellipse(1, 1, 1 + k.size, 1 + k.height);
    EXPECT_EQ(pixel_art(f.c(), 1, 1, k.size, k.height, kInk), k.outline);
    EXPECT_EQ(pixel_art(f.c(), 1, 1, k.size, k.height, kFill), k.inside);
    EXPECT_EQ(f.c().Pixels(0, 0), kPaper);
  }
}

TEST(Canvas, HatchedBrushesPaintTheirPatternFromTheSurfaceOriginAndLeaveTheGaps) {
  struct Case {
    TBrushStyle style;
    Art fill;  // of a clear-pen rectangle (2, 1)-(12, 11): pixels 2..10, 1..9
  };
  const std::string E = "...........", V = "....#......";  // empty row, the vertical line alone
  const Case cases[] = {
      {TBrushStyle::bsHorizontal, {E, E, E, "..#########", E, E, E, E, E, E}},
      {TBrushStyle::bsCross, {E, V, V, "..#########", V, V, V, V, V, V}},
      {TBrushStyle::bsDiagCross, {E, "......#..#.", "..#..#....#", "...##......", "...##......", "..#..#....#",
                                  "......#..#.", ".......##..", ".......##..", "......#..#."}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(static_cast<int>(k.style));
    Fixture f(11, 10);
    f.c().Pen().SetStyle(TPenStyle::psClear);
    f.c().Brush().SetStyle(k.style);
    f.c().Rectangle(2, 1, 12, 11);
    EXPECT_EQ(pixel_art(f.c(), 0, 0, 11, 10, kFill), k.fill);
    EXPECT_EQ(f.c().Pixels(3, 2), kPaper) << "the gaps keep what was there";
  }
}

TEST(Canvas, PolygonsFillInsideAndOutlineTheClosedFigure) {
  Fixture f(8, 8);
  f.c().Pen().SetStyle(TPenStyle::psClear);
  const TPoint square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
  f.c().Polygon(square);
  EXPECT_EQ(pixel_art(f.c(), 0, 0, 7, 7, kFill),
            (Art{".......", ".####..", ".####..", ".####..", ".####..", ".......", "......."}))
      << "left and top edges inclusive, right and bottom exclusive";

  Fixture t(9, 6);
  const TPoint tri[] = {{1, 1}, {4, 4}, {7, 1}};
  t.c().Polygon(tri);
  EXPECT_EQ(pixel_art(t.c(), 0, 0, 9, 6, kInk),
            (Art{".........", ".#######.", "..#...#..", "...#.#...", "....#....", "........."}));
  EXPECT_EQ(pixel_art(t.c(), 0, 0, 9, 6, kFill),
            (Art{".........", ".........", "...###...", "....#....", ".........", "........."}));
  EXPECT_EQ(t.c().PenPos(), (TPoint{0, 0})) << "Polygon leaves the pen position alone";
}

TEST(Canvas, PenStylesAndWidths) {
  Fixture dash(40, 3);
  dash.c().Pen().SetStyle(TPenStyle::psDash);
  dash.c().MoveTo(0, 0);
  dash.c().LineTo(30, 0);
  EXPECT_EQ(pixel_art(dash.c(), 0, 0, 31, 1, kInk)[0], std::string(18, '#') + std::string(6, '.') + "######.");

  Fixture dot(10, 1);
  dot.c().Pen().SetStyle(TPenStyle::psDot);
  dot.c().MoveTo(0, 0);
  dot.c().LineTo(10, 0);
  EXPECT_EQ(pixel_art(dot.c(), 0, 0, 10, 1, kInk)[0], "###...###.");

  Fixture clear(5, 5);
  clear.c().Pen().SetStyle(TPenStyle::psClear);
  clear.c().MoveTo(0, 0);
  clear.c().LineTo(4, 4);
  EXPECT_TRUE(lit(clear.bmp, kInk).empty());

  Fixture wide(7, 5);
  wide.c().Pen().SetWidth(3);
  wide.c().MoveTo(1, 2);
  wide.c().LineTo(5, 2);
  EXPECT_EQ(pixel_art(wide.c(), 0, 0, 7, 5, kInk), (Art{".......", ".#####.", "#######", ".#####.", "......."}));
  wide.c().Pen().SetWidth(-4);
  EXPECT_EQ(wide.c().Pen().Width(), 1);
  wide.c().Pen().SetWidth(5000);
  EXPECT_EQ(wide.c().Pen().Width(), TPen::kMaxPenWidth);
}

}  // namespace

// Pens wider than 1 pixel on the raster canvas: round caps and joins, the
// band a line covers, psInsideFrame figures kept inside their box, the brush
// left to the inside of the stroke, and clipping of any coordinates.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <random>
#include <set>

#include "platform/bitmap.h"
#include "platform/widestroke.h"
#include "support/pixelart.h"

using namespace zyl;
using zyl::test::pixel_art;
using Art = std::vector<std::string>;
using Pixels = std::set<std::pair<int, int>>;

namespace {

constexpr TColor kInk = 0x0000FF;
constexpr TColor kFill = 0x00FF00;
constexpr TColor kPaper = 0xFFFFFF;

Pixels lit(const TBitmap& B, TColor Ink) {
  Pixels s;
  for (int y = 0; y < B.Height(); ++y)
    for (int x = 0; x < B.Width(); ++x)
      if (B.Canvas().Pixels(x, y) == Ink) s.insert({x, y});
  return s;
}

// A W x H bitmap with a pen of the width and style (ink) and a solid brush.
struct Sheet {
  Sheet(int W, int H, int PenWidth, TPenStyle Style = TPenStyle::psSolid) {
    bmp.SetSize(W, H);
    c().Pen().SetColor(kInk);
    c().Pen().SetWidth(PenWidth);
    c().Pen().SetStyle(Style);
    c().Brush().SetColor(kFill);
  }
  TCanvas& c() { return bmp.Canvas(); }
  void line(TPoint P, TPoint Q) {
    c().MoveTo(P.X, P.Y);
    c().LineTo(Q.X, Q.Y);
  }
  TBitmap bmp;
};

// Pixels drawn at all, in any colour.
Pixels painted(const TBitmap& B) {
  Pixels s;
  for (int y = 0; y < B.Height(); ++y)
    for (int x = 0; x < B.Width(); ++x)
      if (B.Canvas().Pixels(x, y) != kPaper) s.insert({x, y});
  return s;
}

TEST(WidePen, PicturesCheckedAgainstGdi) {
  struct Case {
    const char* label;
    std::function<void(Sheet&)> draw;
    int width;
    TPenStyle style;
    Art art;  // '#' pen, '+' brush
  };
  const Case cases[] = {
      {"a slanted line: the band's corners rounded to whole pixels, plus-sign caps",
       [](Sheet& s) { s.line({3, 3}, {20, 9}); }, 3, TPenStyle::psSolid,
       {".......................", ".......................", "...####................", "..########.............",
        "...##########..........", "......##########.......", ".........##########....", "............#########..",
        "...............######..", "..................####.", "....................#..", "......................."}},
      {"psInsideFrame: the outline shrunk into the box, the brush inside it",
       [](Sheet& s) { s.c().Rectangle(1, 1, 12, 10); }, 4, TPenStyle::psInsideFrame,
       {".......................", "..#########............", ".###########...........", ".###########...........",
        ".###########...........", ".####+++####...........", ".###########...........", ".###########...........",
        ".###########...........", "..#########............", ".......................", "......................."}},
      {"a line of no length draws its caps", [](Sheet& s) { s.line({4, 4}, {4, 4}); }, 6, TPenStyle::psSolid,
       {".......................", "...##..................", "..####.................", ".######................",
        ".######................", "..####.................", "...##..................", ".......................",
        ".......................", ".......................", ".......................", "......................."}},
      {"dashed styles are drawn solid", [](Sheet& s) { s.line({2, 5}, {20, 5}); }, 3, TPenStyle::psDashDot,
       {".......................", ".......................", ".......................", ".......................",
        "..###################..", ".#####################.", "..###################..", ".......................",
        ".......................", ".......................", ".......................", "......................."}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.label);
    Sheet s(23, 12, k.width, k.style);
    k.draw(s);
    Art got = pixel_art(s.c(), 0, 0, 23, 12, kInk);
    const Art brush = pixel_art(s.c(), 0, 0, 23, 12, kFill);
    for (std::size_t y = 0; y < got.size(); ++y)
      for (std::size_t x = 0; x < got[y].size(); ++x)
        if (brush[y][x] == '#') got[y][x] = '+';
    EXPECT_EQ(got, k.art);
  }
}

TEST(WidePen, ALineCoversItsWidthInRowsOrColumnsBetweenItsDiscCaps) {
  for (int w = 2; w <= 12; ++w) {
    SCOPED_TRACE(w);
    Sheet h(48, 48, w), v(48, 48, w);
    h.line({10, 20}, {30, 20});
    v.line({20, 30}, {20, 10});
    const Pixels hp = lit(h.bmp, kInk), vp = lit(v.bmp, kInk);
    // Between the caps: exactly rows (columns) 20 - w/2 .. 20 - w/2 + w - 1.
    for (int along = 10; along < 30; ++along)
      for (int across = 0; across < 48; ++across) {
        const bool in_band = across >= 20 - w / 2 && across < 20 - w / 2 + w;
        ASSERT_EQ(hp.count({along, across}) == 1, in_band) << "horizontal, column " << along << " row " << across;
        ASSERT_EQ(vp.count({across, along + 1}) == 1, in_band) << "vertical, row " << along + 1 << " column " << across;
      }
    // The caps are discs: the ellipse of the pen's box around each end.
    Sheet caps(48, 48, w);
    caps.line({10, 20}, {10, 20});
    caps.line({30, 20}, {30, 20});
    Sheet disc(48, 48, 1);
    disc.c().Pen().SetStyle(TPenStyle::psClear);
    disc.c().Brush().SetColor(kInk);
    for (const int cx : {10, 30}) disc.c().Ellipse(cx - w / 2, 20 - w / 2, cx - w / 2 + w, 20 - w / 2 + w);
    if (w != 3) {  // 3: the plus sign above
      EXPECT_EQ(lit(caps.bmp, kInk), lit(disc.bmp, kInk));
    }
    for (const auto& p : lit(caps.bmp, kInk)) EXPECT_EQ(hp.count(p), 1u) << "cap pixel " << p.first << "," << p.second;
  }
}

TEST(WidePen, PolygonOutlinesJoinRoundLikeTheirSidesDrawnAsLines) {
  const unsigned seed = 14003;
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> coord(-10, 50), width(2, 15);
  for (int n = 0; n < 200; ++n) {
    const int w = width(gen);
    const TPoint pts[] = {{coord(gen), coord(gen)}, {coord(gen), coord(gen)}, {coord(gen), coord(gen)},
                          {coord(gen), coord(gen)}};
    Sheet polygon(40, 40, w), lines(40, 40, w);
    polygon.c().Brush().SetStyle(TBrushStyle::bsClear);
    polygon.c().Polygon(pts);
    lines.c().MoveTo(pts[3].X, pts[3].Y);
    for (const TPoint& p : pts) lines.c().LineTo(p.X, p.Y);
    ASSERT_EQ(lit(polygon.bmp, kInk), lit(lines.bmp, kInk)) << "seed " << seed << " case " << n;
  }
}

TEST(WidePen, TheBrushFillsOnlyInsideTheStroke) {
  for (int w = 2; w <= 12; ++w) {
    SCOPED_TRACE(w);
    Sheet s(48, 48, w);
    s.c().Rectangle(5, 6, 40, 42);
    // The sides are lines through columns 5 and 39, rows 6 and 41.
    Pixels inner;
    for (int y = 6 - w / 2 + w; y < 41 - w / 2; ++y)
      for (int x = 5 - w / 2 + w; x < 39 - w / 2; ++x) inner.insert({x, y});
    EXPECT_EQ(lit(s.bmp, kFill), inner);
  }
}

TEST(WidePen, InsideFrameFiguresStayInsideTheirBox) {
  const unsigned seed = 14004;
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> coord(-5, 45), width(1, 30);
  for (int n = 0; n < 400; ++n) {
    const int w = width(gen);
    const int x1 = coord(gen), y1 = coord(gen), x2 = coord(gen), y2 = coord(gen);
    if (x1 == x2 || y1 == y2) continue;
    const int l = std::min(x1, x2), t = std::min(y1, y2), r = std::max(x1, x2), b = std::max(y1, y2);
    const bool ellipse = n % 2 == 1;
    Sheet s(40, 40, w, TPenStyle::psInsideFrame);
    if (ellipse)
      s.c().Ellipse(x1, y1, x2, y2);
    else
      s.c().Rectangle(x1, y1, x2, y2);
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const auto& [x, y] : painted(s.bmp)) {
      ASSERT_TRUE(x >= l && x < r && y >= t && y < b)
          << "seed " << seed << " case " << n << ": (" << x << "," << y << ") outside the box";
      left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
    }
    // Where the box lies on the surface a rectangle touches all its sides
    // (ellipses follow their outline, which leaves the tips of slim ones).
    if (l >= 0 && t >= 0 && r <= 40 && b <= 40 && !ellipse) {
      EXPECT_EQ((std::array<int, 4>{left, top, right, bottom}), (std::array<int, 4>{l, t, r - 1, b - 1}))
          << "seed " << seed << " case " << n << " width " << w;
    }
  }
  // A box narrower than the pen is covered by the pen.
  Sheet narrow(20, 20, 9, TPenStyle::psInsideFrame);
  narrow.c().Rectangle(2, 3, 8, 15);
  Pixels box;
  for (int y = 3; y < 15; ++y)
    for (int x = 2; x < 8; ++x) box.insert({x, y});
  EXPECT_EQ(lit(narrow.bmp, kInk), box);
}

TEST(WidePen, HugeCoordinatesAreClippedToTheSameVisiblePixels) {
  struct Case {
    const char* label;
    std::function<void(TCanvas&)> huge, small;
  };
  const Case cases[] = {
      {"a long diagonal", [](TCanvas& c) { c.MoveTo(-1000000000, -1000000000); c.LineTo(1000000000, 1000000000); },
       [](TCanvas& c) { c.MoveTo(-30, -30); c.LineTo(70, 70); }},
      {"a long slope", [](TCanvas& c) { c.MoveTo(-600000000, -200000000); c.LineTo(600000000, 200000000); },
       [](TCanvas& c) { c.MoveTo(-60, -20); c.LineTo(60, 20); }},
      {"a row across the whole range", [](TCanvas& c) { c.MoveTo(INT_MIN, 7); c.LineTo(INT_MAX, 7); },
       [](TCanvas& c) { c.MoveTo(-20, 7); c.LineTo(60, 7); }},
      {"a rectangle far larger than the surface",
       [](TCanvas& c) { c.Rectangle(INT_MIN, 5, INT_MAX, INT_MAX); },
       [](TCanvas& c) { c.Rectangle(-100, 5, 100, 100); }},
      {"an inside-frame rectangle from far away", [](TCanvas& c) {
         c.Pen().SetStyle(TPenStyle::psInsideFrame);
         c.Rectangle(INT_MAX, INT_MAX, 3, 4);
       },
       [](TCanvas& c) {
         c.Pen().SetStyle(TPenStyle::psInsideFrame);
         c.Rectangle(100, 100, 3, 4);
       }},
      {"a polygon with far corners", [](TCanvas& c) {
         const TPoint p[] = {{-1000000000, -1000000000}, {1000000000, 1000000000}, {-1000000000, 1000000000}};
         c.Polygon(p);
       },
       [](TCanvas& c) {
         const TPoint p[] = {{-100, -100}, {100, 100}, {-100, 100}};
         c.Polygon(p);
       }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.label);
    Sheet a(40, 40, 7), b(40, 40, 7);
    k.huge(a.c());
    k.small(b.c());
    EXPECT_EQ(lit(a.bmp, kInk), lit(b.bmp, kInk));
    EXPECT_EQ(lit(a.bmp, kFill), lit(b.bmp, kFill));
    EXPECT_FALSE(lit(a.bmp, kInk).empty());
  }
  // Ellipses of every size up to the whole range and the widest pen finish
  // and paint only the surface.
  for (const std::int64_t size : {std::int64_t{100}, std::int64_t{70000}, std::int64_t{1} << 31}) {
    Sheet e(40, 40, TPen::kMaxPenWidth);
    const auto half = static_cast<std::int32_t>(size / 2 - 1);
    e.c().Ellipse(20 - half, 20 - half, 20 + half, 20 + half);
    EXPECT_EQ(painted(e.bmp).size(), 1600u) << size;
  }
}

TEST(WidePen, SpansSubtract) {
  using detail::Span;
  struct Case {
    const char* label;
    std::vector<Span> a, b, want;
  };
  const Case cases[] = {
      {"nothing taken", {{0, 2, 8}}, {{1, 2, 8}}, {{0, 2, 8}}},
      {"a hole in the middle", {{0, 2, 8}}, {{0, 4, 5}}, {{0, 2, 4}, {0, 5, 8}}},
      {"both ends cut", {{0, 2, 8}}, {{0, 0, 3}, {0, 7, 9}}, {{0, 3, 7}}},
      {"all taken", {{0, 2, 8}, {1, 2, 8}}, {{0, 1, 9}, {1, 2, 8}}, {}},
      {"several in a row", {{3, 0, 4}, {3, 6, 10}}, {{3, 2, 7}}, {{3, 0, 2}, {3, 7, 10}}},
      {"rows in any order (as an ellipse's fill comes)", {{2, 0, 9}, {1, 0, 9}, {3, 0, 9}}, {{1, 0, 4}, {2, 5, 9}},
       {{1, 4, 9}, {2, 0, 5}, {3, 0, 9}}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.label);
    const std::vector<Span> got = detail::subtract_spans(k.a, k.b);
    ASSERT_EQ(got.size(), k.want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
      EXPECT_TRUE(got[i].Y == k.want[i].Y && got[i].X1 == k.want[i].X1 && got[i].X2 == k.want[i].X2) << i;
  }
}

}  // namespace

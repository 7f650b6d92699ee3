// The 52 marks: every mark's pixels derived from its definition (a table of
// the primitive calls each mark stands for, drawn on a second canvas), the
// printer variants, the brush rules, the mark bitmaps, and bitmaps printed.
#include <gtest/gtest.h>

#include <vector>

#include "platform/printer.h"
#include "support/pixelart.h"
#include "ZYL_zylbase/errors.h"
#include "ZYL_zylbase/marks.h"
#include "ZYL_zylbase/printbitmap.h"

using namespace zyl;
using namespace ZYL_zylbase;
using zyl::test::pixel_art;
using Art = std::vector<std::string>;

namespace {

constexpr TColor kInk = 0x0000C0;
constexpr TColor kPaper = 0xFFFFFF;

// One primitive of a mark, relative to its centre.
struct Op {
  char kind;  // L line, R rectangle, E ellipse, P polygon, X pixel, B bit rows
  std::vector<int> v;
};
enum Brush { kLines, kFilled, kOutline };
struct MarkDef {
  int code;
  Brush brush;
  std::vector<Op> ops;
};

Op L(int x1, int y1, int x2, int y2) { return {'L', {x1, y1, x2, y2}}; }
Op R(int x1, int y1, int x2, int y2) { return {'R', {x1, y1, x2, y2}}; }
Op E(int x1, int y1, int x2, int y2) { return {'E', {x1, y1, x2, y2}}; }
Op P(std::vector<int> xy) { return {'P', std::move(xy)}; }
Op X() { return {'X', {}}; }
Op B(std::vector<int> rows) { return {'B', std::move(rows)}; }
std::vector<Op> plus(int a, int b) { return {L(-a, 0, b, 0), L(0, -a, 0, b)}; }
std::vector<Op> cross(int a, int b) { return {L(-a, -a, b, b), L(-a, a, b, -b)}; }
std::vector<Op> closed(std::vector<int> xy) {
  std::vector<Op> ops;
  for (std::size_t i = 0; i < xy.size(); i += 2) {
    const std::size_t j = (i + 2) % xy.size();
    ops.push_back(L(xy[i], xy[i + 1], xy[j], xy[j + 1]));
  }
  return ops;
}
std::vector<Op> operator+(std::vector<Op> a, const std::vector<Op>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The definitions as the mark table states them (screen canvases).
std::vector<MarkDef> screen_marks() {
  std::vector<MarkDef> d{
      {0, kLines, {X()}},
      {1, kLines, {B({0x00, 0x00, 0x08, 0x1C, 0x08, 0x00, 0x00})}},
      {2, kLines, {B({0x00, 0x08, 0x08, 0x3E, 0x08, 0x08, 0x00})}},
      {3, kLines, {B({0x08, 0x08, 0x08, 0x7F, 0x08, 0x08, 0x08})}},
      {4, kLines, {B({0x00, 0x00, 0x14, 0x08, 0x14, 0x00, 0x00})}},
      {5, kLines, {B({0x00, 0x22, 0x14, 0x08, 0x14, 0x22, 0x00})}},
      {6, kLines, {B({0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41})}},
      {7, kFilled, {R(-1, -1, 2, 2)}},
      {8, kFilled, {R(-2, -2, 3, 3)}},
      {9, kFilled, {R(-3, -3, 4, 4)}},
      {10, kLines, closed({-1, -1, -1, 1, 1, 1, 1, -1})},
      {11, kLines, closed({-2, -2, -2, 2, 2, 2, 2, -2})},
      {12, kLines, closed({-3, -3, -3, 3, 3, 3, 3, -3})},
      {13, kLines, closed({-3, 0, 0, 3, 3, 0, 0, -3}) + std::vector<Op>{X()}},
      {14, kFilled, {P({-2, 0, 0, 2, 2, 0, 0, -2})}},
      {15, kFilled, {P({-3, 0, 0, 3, 3, 0, 0, -3})}},
      {16, kOutline, {E(-2, -2, 3, 3)}},
      {17, kOutline, {E(-3, -3, 4, 4)}},
      {18, kLines, {B({0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55})}},
      {19, kLines, closed({-3, 0, 0, 3, 3, 0, 0, -3})},
      {20, kLines, {L(0, 0, -3, 3), L(0, 0, 3, 3)}},
      {21, kLines, {L(0, 0, -4, 4), L(0, 0, 4, 4)}},
      {22, kLines, {L(0, 0, -3, -3), L(0, 0, 3, -3)}},
      {23, kLines, {L(0, 0, -4, -4), L(0, 0, 4, -4)}},
      {24, kFilled, {E(-3, -3, 4, 4)}},
      {25, kLines, {L(-3, -3, 4, 4), L(-3, -2, 3, 4), L(-2, -3, 4, 3), L(-3, 3, 4, -4), L(-3, 2, 3, -4), L(-2, 3, 4, -3)}},
      {26, kFilled, {E(-2, -2, 3, 3)}},
      {27, kOutline, {E(-2, -2, 2, 2)}},
      {28, kFilled, {E(-2, -2, 2, 2)}},
      {29, kFilled, {P({-2, 0, 0, 2, 2, 0})}},
      {30, kFilled, {P({-3, 0, 0, 3, 3, 0})}},
      {31, kOutline, {P({-2, 0, 0, 2, 2, 0})}},
      {32, kOutline, {P({-3, 0, 0, 3, 3, 0})}},
      {33, kOutline, {P({-4, -3, 0, 4, 4, -3})}},
      {34, kFilled, {P({-4, -3, 0, 4, 4, -3})}},
      {35, kOutline, {P({-4, 3, 0, -4, 4, 3})}},
      {36, kFilled, {P({-4, 3, 0, -4, 4, 3})}},
      {37, kLines, {L(-3, 0, 4, 0), L(0, 0, 0, -8)}},
      {38, kLines, {L(-3, -2, 4, -2), L(-3, 2, 4, 2), L(0, -2, 0, 2)}},
      {39, kOutline, std::vector<Op>{E(-3, -3, 4, 4)} + plus(3, 4)},
      {40, kOutline, {P({3, -2, -2, 0, 3, 2})}},
      {41, kFilled, {P({3, -2, -2, 0, 3, 2})}},
      {42, kOutline, {P({4, -3, -3, 0, 4, 3})}},
      {43, kFilled, {P({4, -3, -3, 0, 4, 3})}},
      {44, kOutline, {P({-3, -2, 2, 0, -3, 2})}},
      {45, kFilled, {P({-3, -2, 2, 0, -3, 2})}},
      {46, kOutline, {P({-4, -3, 3, 0, -4, 3})}},
      {47, kFilled, {P({-4, -3, 3, 0, -4, 3})}},
      {48, kOutline, std::vector<Op>{R(-3, -3, 4, 4)} + plus(3, 4)},
      {49, kOutline, std::vector<Op>{R(-2, -2, 3, 3)} + plus(4, 5)},
      {50, kLines, plus(4, 5) + cross(3, 4)},
      {51, kLines, plus(4, 5) + std::vector<Op>{L(-1, -3, 2, -3), L(-1, 3, 2, 3), L(-3, -1, -3, 2), L(3, -1, 3, 2)}},
  };
  return d;
}

// The printer's canvas draws these with lines instead.
std::vector<MarkDef> printer_variants() {
  return {
      {1, kLines, plus(2, 2)},
      {2, kLines, plus(3, 3)},
      {3, kLines, plus(4, 4)},
      {4, kLines, cross(2, 2)},
      {5, kLines, cross(3, 3)},
      {6, kLines, cross(4, 4)},
      {18, kLines, {B({0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55})}},
      {25, kLines, {L(-3, -3, 3, 3), L(-3, -2, 2, 3), L(-2, -3, 3, 2), L(-3, 3, 3, -3), L(-3, 2, 2, -3), L(-2, 3, 3, -2)}},
  };
}

// Draws a definition with the canvas primitives, centred on (cx, cy).
void draw_reference(TCanvas& c, const MarkDef& d, int cx, int cy) {
  c.Pen().SetColor(kInk);
  c.Brush().SetColor(d.brush == kFilled ? kInk : kPaper);
  c.Brush().SetStyle(d.brush == kOutline ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
  for (const Op& op : d.ops) {
    const auto& v = op.v;
    switch (op.kind) {
      case 'L': c.MoveTo(cx + v[0], cy + v[1]); c.LineTo(cx + v[2], cy + v[3]); break;
      case 'R': c.Rectangle(cx + v[0], cy + v[1], cx + v[2], cy + v[3]); break;
      case 'E': c.Ellipse(cx + v[0], cy + v[1], cx + v[2], cy + v[3]); break;
      case 'X': c.SetPixels(cx, cy, kInk); break;
      case 'P': {
        std::vector<TPoint> pts;
        for (std::size_t i = 0; i < v.size(); i += 2) pts.push_back({cx + v[i], cy + v[i + 1]});
        c.Polygon(pts);
        break;
      }
      case 'B':
        for (int r = 0; r < 7; ++r)
          for (int b = 0; b < 7; ++b)
            if ((v[static_cast<std::size_t>(r)] >> (6 - b)) & 1) c.SetPixels(cx - 3 + b, cy - 3 + r, kInk);
        break;
    }
  }
}

void prepare(TCanvas& c) {
  c.Pen().SetColor(kInk);
  c.Brush().SetColor(kPaper);
  c.Brush().SetStyle(TBrushStyle::bsSolid);
}

TEST(Marks, EveryMarkDrawsExactlyItsDefinition) {
  const auto defs = screen_marks();
  ASSERT_EQ(defs.size(), 52u);
  for (const MarkDef& d : defs) {
    SCOPED_TRACE(d.code);
    ASSERT_EQ(d.code, &d - defs.data());
    TBitmap got, want;
    got.SetSize(23, 23);
    want.SetSize(23, 23);
    prepare(got.Canvas());
    DrawMarkOnCanvas(got.Canvas(), static_cast<std::uint8_t>(d.code), 11, 11);
    draw_reference(want.Canvas(), d, 11, 11);
    EXPECT_EQ(pixel_art(got.Canvas(), 0, 0, 23, 23, kInk), pixel_art(want.Canvas(), 0, 0, 23, 23, kInk));
    EXPECT_EQ(got.Surface().Pixels, want.Surface().Pixels);
    EXPECT_EQ(got.Canvas().Brush().Color(), kPaper) << "the brush colour is restored";
  }
}

TEST(Marks, ThePatternsTableMatchesTheDrawnPixels) {
  for (const MarkPattern& p : MarkPatterns) {
    TBitmap b;
    b.SetSize(7, 7);
    prepare(b.Canvas());
    DrawMarkOnCanvas(b.Canvas(), p.Code, 3, 3);
    for (int r = 0; r < 7; ++r) {
      std::string row;
      for (int k = 6; k >= 0; --k) row.push_back((p.Rows[static_cast<std::size_t>(r)] >> k) & 1 ? '#' : '.');
      EXPECT_EQ(pixel_art(b.Canvas(), 0, r, 7, 1, kInk)[0], row) << "mark " << int{p.Code} << " row " << r;
    }
  }
}

TEST(Marks, ShapesAsTheyLook) {
  struct Case {
    int code;
    Art art;  // 9 x 9 around the centre
  };
  const Case cases[] = {
      {0, {".........", ".........", ".........", ".........", "....#....", ".........", ".........", ".........", "........."}},
      {7, {".........", ".........", ".........", "...###...", "...###...", "...###...", ".........", ".........", "........."}},
      {13, {".........", "....#....", "...#.#...", "..#...#..", ".#..#..#.", "..#...#..", "...#.#...", "....#....", "........."}},
      {16, {".........", ".........", "...###...", "..#...#..", "..#...#..", "..#...#..", "...###...", ".........", "........."}},
      {20, {".........", ".........", ".........", ".........", "....#....", "...#.#...", "..#...#..", ".........", "........."}},
      {38, {".........", ".........", ".#######.", "....#....", "....#....", "....#....", ".#######.", ".........", "........."}},
  };
  for (const Case& k : cases) {
    TBitmap b;
    b.SetSize(9, 9);
    prepare(b.Canvas());
    DrawMarkOnCanvas(b.Canvas(), static_cast<std::uint8_t>(k.code), 4, 4);
    EXPECT_EQ(pixel_art(b.Canvas(), 0, 0, 9, 9, kInk), k.art) << "mark " << k.code;
  }
}

TEST(Marks, ThePrinterCanvasUsesLinesForThePatterns) {
  TPrinter& p = Printer();
  p.SetPageSize(23, 23);
  p.BeginDoc();
  for (const MarkDef& d : printer_variants()) {
    SCOPED_TRACE(d.code);
    TCanvas& c = p.Canvas();
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(kPaper);
    c.Rectangle(-1, -1, 30, 30);
    c.Pen().SetColor(kInk);
    DrawMarkOnCanvas(c, static_cast<std::uint8_t>(d.code), 11, 11);
    const Art got = pixel_art(c, 0, 0, 23, 23, kInk);
    TBitmap want;
    want.SetSize(23, 23);
    draw_reference(want.Canvas(), d, 11, 11);
    EXPECT_EQ(got, pixel_art(want.Canvas(), 0, 0, 23, 23, kInk));
  }
  p.Abort();
  p.SetPageSize(2480, 3508);
}

TEST(Marks, BrushRules) {
  TBitmap b;
  b.SetSize(20, 20);
  TCanvas& c = b.Canvas();
  prepare(c);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  DrawMarkOnCanvas(c, 16, 10, 10);
  EXPECT_EQ(c.Brush().Style(), TBrushStyle::bsSolid) << "an outline shape leaves the brush solid";
  c.Brush().SetColor(0x123456);
  DrawMarkOnCanvas(c, 7, 10, 10);
  EXPECT_EQ(c.Brush().Color(), 0x123456u);
  EXPECT_EQ(c.Pixels(10, 10), kInk) << "filled with the pen colour";
  c.Brush().SetStyle(TBrushStyle::bsClear);
  DrawMarkOnCanvas(c, 3, 10, 10);
  EXPECT_EQ(c.Brush().Style(), TBrushStyle::bsClear) << "patterns leave the brush style alone";
}

TEST(Marks, MarksAtTheEdgeOfTheCoordinateSpaceAreClipped) {
  TBitmap b;
  b.SetSize(4, 4);
  prepare(b.Canvas());
  for (int code = 0; code < 52; ++code)
    for (std::int32_t v : {INT32_MIN, INT32_MAX, -3, 0, 3})
      DrawMarkOnCanvas(b.Canvas(), static_cast<std::uint8_t>(code), v, v);
  EXPECT_EQ(b.Canvas().Pixels(0, 0), kInk);
}

TEST(Marks, BitmapsClampTheirSizeAndCentreTheMark) {
  struct Case {
    std::int32_t size, edge, centre;
  };
  const Case cases[] = {{-5, 7, 3}, {0, 7, 3}, {2, 11, 5}, {255, 517, 258}, {1000, 517, 258}};
  for (const Case& k : cases) {
    const auto b = CreateMarkAsBitmap(0, kInk, 0x00FF00, k.size);
    EXPECT_EQ(b->Width(), k.edge);
    EXPECT_EQ(b->Height(), k.edge);
    int ink = 0;
    for (TColor px : b->Surface().Pixels) ink += px == kInk;
    EXPECT_EQ(ink, 1);
    EXPECT_EQ(b->Canvas().Pixels(k.centre, k.centre), kInk);
    EXPECT_EQ(b->Canvas().Pixels(0, 0), 0x00FF00u);
    EXPECT_EQ(b->Canvas().Pixels(k.edge - 1, k.edge - 1), 0x00FF00u);
  }
}

}  // namespace

namespace {

TEST(PrintBitmapTest, OneBitmapPixelPerPrinterPixelClippedToThePage) {
  TBitmap b;
  b.SetSize(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) b.Canvas().SetPixels(x, y, static_cast<TColor>(10 * y + x + 1));
  ZYL_zylbase::PrintBitmap(b, 0, 0);  // no print job: nothing happens
  TPrinter& p = Printer();
  p.SetPageSize(8, 6);
  p.BeginDoc();
  ZYL_zylbase::PrintBitmap(b, 5, 4);
  ZYL_zylbase::PrintBitmap(b, -2, -1);
  ZYL_zylbase::PrintBitmap(b, INT32_MAX, INT32_MIN);
  const Art want{"3.......", "........", "........", "........", ".....###", ".....###"};
  Art got;
  for (int y = 0; y < 6; ++y) {
    std::string row;
    for (int x = 0; x < 8; ++x) row.push_back(p.Canvas().Pixels(x, y) == kPaper ? '.' : '#');
    got.push_back(row);
  }
  got[0][0] = p.Canvas().Pixels(0, 0) == 13 ? '3' : '?';
  EXPECT_EQ(got, want);
  EXPECT_EQ(p.Canvas().Pixels(5, 4), 1u);
  EXPECT_EQ(p.Canvas().Pixels(7, 5), 13u);
  p.Abort();
  p.SetPageSize(2480, 3508);
}

}  // namespace

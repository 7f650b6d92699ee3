// Library: zyl / Package: ZYL_zylbase / Module: marks
#include "ZYL_zylbase/marks.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "platform/printer.h"
#include "ZYL_zylbase/errors.h"

namespace ZYL_zylbase {

const std::array<MarkPattern, 7> MarkPatterns{{
    {1, {0x00, 0x00, 0x08, 0x1C, 0x08, 0x00, 0x00}},
    {2, {0x00, 0x08, 0x08, 0x3E, 0x08, 0x08, 0x00}},
    {3, {0x08, 0x08, 0x08, 0x7F, 0x08, 0x08, 0x08}},
    {4, {0x00, 0x00, 0x14, 0x08, 0x14, 0x00, 0x00}},
    {5, {0x00, 0x22, 0x14, 0x08, 0x14, 0x22, 0x00}},
    {6, {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41}},
    {18, {0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55}},
}};

namespace {

// Drawing relative to the mark's centre; positions beyond the 32-bit range
// are kept at its edge.
class MarkPen {
 public:
  MarkPen(zyl::TCanvas& C, std::int32_t X, std::int32_t Y) : c(C), x(X), y(Y) {}

  void move(int dx, int dy) { c.MoveTo(px(dx), py(dy)); }
  void line(int dx, int dy) { c.LineTo(px(dx), py(dy)); }
  void segment(int x1, int y1, int x2, int y2) {
    move(x1, y1);
    line(x2, y2);
  }
  void plus(int a, int b) {
    segment(-a, 0, b, 0);
    segment(0, -a, 0, b);
  }
  void cross(int a, int b) {
    segment(-a, -a, b, b);
    segment(-a, a, b, -b);
  }
  void pixel(int dx, int dy) { c.SetPixels(px(dx), py(dy), c.Pen().Color()); }
  void pattern(const std::array<std::uint8_t, 7>& Rows) {
    for (int r = 0; r < 7; ++r)
      for (int b = 0; b < 7; ++b)
        if (Rows[static_cast<std::size_t>(r)] & (0x40 >> b)) pixel(b - 3, r - 3);
  }
  void rect(int x1, int y1, int x2, int y2) { c.Rectangle(px(x1), py(y1), px(x2), py(y2)); }
  void ellipse(int x1, int y1, int x2, int y2) { c.Ellipse(px(x1), py(y1), px(x2), py(y2)); }
  void polygon(std::initializer_list<std::pair<int, int>> Points) {
    std::vector<zyl::TPoint> pts;
    for (auto [dx, dy] : Points) pts.push_back({px(dx), py(dy)});
    c.Polygon(pts);
  }
  // A closed line through the points and back to the first.
  void closed(std::initializer_list<std::pair<int, int>> Points) {
    move(Points.begin()->first, Points.begin()->second);
    for (auto it = Points.begin() + 1; it != Points.end(); ++it) line(it->first, it->second);
    line(Points.begin()->first, Points.begin()->second);
  }

 private:
  static std::int32_t sat(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  }
  std::int32_t px(int d) const { return sat(std::int64_t{x} + d); }
  std::int32_t py(int d) const { return sat(std::int64_t{y} + d); }

  zyl::TCanvas& c;
  std::int32_t x, y;
};

// Filled shapes paint with the pen colour as brush colour.
void filled(zyl::TCanvas& C) { C.Brush().SetColor(C.Pen().Color()); }

// Outline shapes draw with a clear brush and leave it solid.
template <class F>
void outlined(zyl::TCanvas& C, F Draw) {
  C.Brush().SetStyle(zyl::TBrushStyle::bsClear);
  Draw();
  C.Brush().SetStyle(zyl::TBrushStyle::bsSolid);
}

const std::array<std::uint8_t, 7>& pattern_of(std::uint8_t Code) {
  return std::find_if(MarkPatterns.begin(), MarkPatterns.end(), [&](const MarkPattern& p) { return p.Code == Code; })->Rows;
}

void draw_shape(zyl::TCanvas& C, std::uint8_t Code, MarkPen& m, bool Printer) {
  switch (Code) {
    case 0: m.pixel(0, 0); break;
    case 1: case 2: case 3:
      if (Printer) m.plus(Code + 1, Code + 1);
      else m.pattern(pattern_of(Code));
      break;
    case 4: case 5: case 6:
      if (Printer) m.cross(Code - 2, Code - 2);
      else m.pattern(pattern_of(Code));
      break;
    case 7: case 8: case 9: {
      const int a = Code - 6;
      filled(C);
      m.rect(-a, -a, a + 1, a + 1);
      break;
    }
    case 10: case 11: case 12: {
      const int a = Code - 9;
      m.closed({{-a, -a}, {-a, a}, {a, a}, {a, -a}});
      break;
    }
    case 13:
      m.closed({{-3, 0}, {0, 3}, {3, 0}, {0, -3}});
      m.pixel(0, 0);
      break;
    case 14: case 15: {
      const int a = Code - 12;
      filled(C);
      m.polygon({{-a, 0}, {0, a}, {a, 0}, {0, -a}});
      break;
    }
    case 16: outlined(C, [&] { m.ellipse(-2, -2, 3, 3); }); break;
    case 17: outlined(C, [&] { m.ellipse(-3, -3, 4, 4); }); break;
    case 18:
      // On paper the checkerboard's set cells become single printer pixels.
      m.pattern(pattern_of(18));
      break;
    case 19: m.closed({{-3, 0}, {0, 3}, {3, 0}, {0, -3}}); break;
    case 20: case 21: {
      const int a = Code - 17;
      m.segment(0, 0, -a, a);
      m.segment(0, 0, a, a);
      break;
    }
    case 22: case 23: {
      const int a = Code - 19;
      m.segment(0, 0, -a, -a);
      m.segment(0, 0, a, -a);
      break;
    }
    case 24: filled(C); m.ellipse(-3, -3, 4, 4); break;
    case 25: {
      const int a = Printer ? 3 : 4, b = Printer ? 2 : 3;
      m.segment(-3, -3, a, a);
      m.segment(-3, -2, b, a);
      m.segment(-2, -3, a, b);
      m.segment(-3, 3, a, -a);
      m.segment(-3, 2, b, -a);
      m.segment(-2, 3, a, -b);
      break;
    }
    case 26: filled(C); m.ellipse(-2, -2, 3, 3); break;
    case 27: outlined(C, [&] { m.ellipse(-2, -2, 2, 2); }); break;
    case 28: filled(C); m.ellipse(-2, -2, 2, 2); break;
    case 29: case 30: {
      const int a = Code - 27;
      filled(C);
      m.polygon({{-a, 0}, {0, a}, {a, 0}});
      break;
    }
    case 31: case 32: {
      const int a = Code - 29;
      outlined(C, [&] { m.polygon({{-a, 0}, {0, a}, {a, 0}}); });
      break;
    }
    case 33: outlined(C, [&] { m.polygon({{-4, -3}, {0, 4}, {4, -3}}); }); break;
    case 34: filled(C); m.polygon({{-4, -3}, {0, 4}, {4, -3}}); break;
    case 35: outlined(C, [&] { m.polygon({{-4, 3}, {0, -4}, {4, 3}}); }); break;
    case 36: filled(C); m.polygon({{-4, 3}, {0, -4}, {4, 3}}); break;
    case 37:
      m.segment(-3, 0, 4, 0);
      m.segment(0, 0, 0, -8);
      break;
    case 38:
      m.segment(-3, -2, 4, -2);
      m.segment(-3, 2, 4, 2);
      m.segment(0, -2, 0, 2);
      break;
    case 39:
      outlined(C, [&] { m.ellipse(-3, -3, 4, 4); });
      m.plus(3, 4);
      break;
    case 40: outlined(C, [&] { m.polygon({{3, -2}, {-2, 0}, {3, 2}}); }); break;
    case 41: filled(C); m.polygon({{3, -2}, {-2, 0}, {3, 2}}); break;
    case 42: outlined(C, [&] { m.polygon({{4, -3}, {-3, 0}, {4, 3}}); }); break;
    case 43: filled(C); m.polygon({{4, -3}, {-3, 0}, {4, 3}}); break;
    case 44: outlined(C, [&] { m.polygon({{-3, -2}, {2, 0}, {-3, 2}}); }); break;
    case 45: filled(C); m.polygon({{-3, -2}, {2, 0}, {-3, 2}}); break;
    case 46: outlined(C, [&] { m.polygon({{-4, -3}, {3, 0}, {-4, 3}}); }); break;
    case 47: filled(C); m.polygon({{-4, -3}, {3, 0}, {-4, 3}}); break;
    case 48:
      outlined(C, [&] { m.rect(-3, -3, 4, 4); });
      m.plus(3, 4);
      break;
    case 49:
      outlined(C, [&] { m.rect(-2, -2, 3, 3); });
      m.plus(4, 5);
      break;
    case 50:
      m.plus(4, 5);
      m.cross(3, 4);
      break;
    case 51:
      m.plus(4, 5);
      m.segment(-1, -3, 2, -3);
      m.segment(-1, 3, 2, 3);
      m.segment(-3, -1, -3, 2);
      m.segment(3, -1, 3, 2);
      break;
    default: break;
  }
}

}  // namespace

void DrawMarkOnCanvas(zyl::TCanvas& Canvas, std::uint8_t Code, std::int32_t X, std::int32_t Y) {
  if (Code >= 52) {
    // A character: 200..209 are the digits.
    const zyl::String text(1, static_cast<zyl::Char>(Code >= 200 && Code <= 209 ? u'0' + (Code - 200) : Code));
    Canvas.Brush().SetStyle(zyl::TBrushStyle::bsClear);
    Canvas.Font().SetColor(Canvas.Pen().Color());
    const std::int32_t w = Canvas.TextWidth(text), h = Canvas.TextHeight(text);
    Canvas.TextOut(static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{X} - w / 2, INT32_MIN, INT32_MAX)),
                   static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{Y} - h / 2, INT32_MIN, INT32_MAX)), text);
    return;
  }
  const zyl::TColor saved = Canvas.Brush().Color();
  MarkPen m(Canvas, X, Y);
  draw_shape(Canvas, Code, m, &Canvas == &zyl::Printer().Canvas());
  Canvas.Brush().SetColor(saved);
}

std::unique_ptr<zyl::TBitmap> CreateMarkAsBitmap(std::uint8_t Code, zyl::TColor MarkColor, zyl::TColor BkgColor,
                                                 std::int32_t Size) {
  const std::int32_t size = std::clamp(Size, 0, 255);
  const std::int32_t edge = 2 * size + 7;
  auto bmp = std::make_unique<zyl::TBitmap>();
  bmp->SetSize(edge, edge);
  zyl::TCanvas& c = bmp->Canvas();
  c.Pen().SetColor(BkgColor);
  c.Brush().SetColor(BkgColor);
  c.Brush().SetStyle(zyl::TBrushStyle::bsSolid);
  c.Rectangle(0, 0, edge, edge);
  c.Pen().SetColor(MarkColor);
  DrawMarkOnCanvas(c, Code, size + 3, size + 3);
  return bmp;
}

}  // namespace ZYL_zylbase

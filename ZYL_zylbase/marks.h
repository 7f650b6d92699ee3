// Library: zyl / Package: ZYL_zylbase / Module: marks
//
// Data-point marks: 52 small shapes (codes 0..51) drawn centred on a point
// in the canvas's pen colour, and character marks (codes 52..255).
//
// Shapes (a = the size given per code; plus(a, b) is MoveTo(X-a, Y)
// LineTo(X+b, Y) MoveTo(X, Y-a) LineTo(X, Y+b); cross(a, b) is
// MoveTo(X-a, Y-a) LineTo(X+b, Y+b) MoveTo(X-a, Y+a) LineTo(X+b, Y-b)):
//   0 one pixel            1..3 plus, arms 1..3     4..6 diagonal cross 3, 5, 7
//   7..9 filled square     10..12 open square       13 open diamond + centre
//   14, 15 filled diamond  16, 17 open circle       18 7x7 checkerboard
//   19 open diamond        20..23 chevrons          24, 26, 28 filled circles
//   25 thick cross         27 open circle           29..36 triangles down/up
//   37 stem on a base      38 I-beam                39 circle with plus
//   40..47 triangles left/right                     48, 49 square with plus
//   50 eight-armed star    51 plus with four bars
// Marks 1..6 and 18 are pixel patterns (7 rows of 7 bits, below); on the
// global printer's canvas they are drawn with lines instead (plus and cross
// of one pixel more, and 18 as its set cells, one printer pixel each), and
// mark 25 is one pixel smaller.
//
// Brush rules for codes 0..51: the brush colour is saved and restored.
// Filled shapes paint with the brush colour set to the pen colour (the
// brush style is left as it is); outline shapes (rectangles, circles and
// polygons drawn open) set the brush style to clear and afterwards to solid,
// whatever it was before.
//
// Codes 52..255 write one character (200..209 the digits "0".."9") with a
// clear brush and the font colour set to the pen colour, centred on (X, Y);
// the font colour and brush style stay changed.
//
// Example:
//   DrawMarkOnCanvas(c, 7, 10, 10);    // 3x3 square at 9..11 in the pen colour
//   auto b = CreateMarkAsBitmap(16, clRed, clWhite, 2);   // 11x11, circle at (5, 5)
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/bitmap.h"

namespace ZYL_zylbase {

ZYL_API void DrawMarkOnCanvas(zyl::TCanvas& Canvas, std::uint8_t Code, std::int32_t X, std::int32_t Y);

// A new bitmap of (2 * size + 7) pixels square, size clamped to 0..255,
// filled with BkgColor, with the mark drawn in MarkColor at its centre
// (size + 3, size + 3). The caller owns the bitmap.
[[nodiscard]] ZYL_API std::unique_ptr<zyl::TBitmap> CreateMarkAsBitmap(std::uint8_t Code, zyl::TColor MarkColor,
                                                                       zyl::TColor BkgColor, std::int32_t Size);

// The pixel patterns: rows from Y-3 to Y+3, bit 6 = X-3 ... bit 0 = X+3.
struct MarkPattern {
  std::uint8_t Code;
  std::array<std::uint8_t, 7> Rows;
};
extern ZYL_API const std::array<MarkPattern, 7> MarkPatterns;

}  // namespace ZYL_zylbase

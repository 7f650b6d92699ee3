// Library: zyl / Package: platform / Module: raster (internal)
//
// The rasterization rules of the canvas, written once, independent of where
// pixels go. Coordinates are pixel positions; every routine calls its
// visitor only for pixels inside the clip rectangle [0, Width) x [0, Height)
// and does work proportional to the visible part, never to the (possibly
// huge) coordinates it was given.
//
// Lines (line_pixels): the cosmetic-line rule of the Windows GDI. A line from
// P to Q lights max(|dx|, |dy|) pixels, the first at P, never Q. Along the
// major axis every step moves one pixel; the minor offset after i steps is
// i * minor / major rounded to the nearest integer. Exact halves round away
// from P in the octants 3, 5, 6 and 8 and towards P in the others (octants
// counted clockwise on the screen from the positive x axis, y down), which is
// how GDI breaks ties.
//
// Filled shapes sample each pixel at its top-left corner (x, y): a polygon or
// rectangle covers the pixels whose corner lies inside, left and top edges
// inclusive, right and bottom edges exclusive (so a rectangle with corners
// (x1, y1, x2, y2) covers x1..x2-1, y1..y2-1). Polygons use the even-odd rule.
//
// Ellipses in a box of W x H pixels (x1..x2-1, y1..y2-1) follow GDI for
// 4 <= W, H <= 65536: the outline is traced by an error-term walk through
// one quadrant and mirrored, and each row covers the pixels between its
// outline runs (see raster.cpp). Thinner and larger boxes cover the pixels
// whose centre lies inside or on the inscribed ellipse, outlined by the
// covered pixels with an uncovered 4-neighbour.
//
// Example:
//   line_pixels({0, 0}, {4, 2}, 10, 10, [](std::int32_t i, std::int32_t x, std::int32_t y) {...});
//   // visits (0,0) (1,0) (2,1) (3,1): step indices 0..3
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "platform/events.h"

namespace zyl::detail {

// A horizontal run of pixels [X1, X2) on row Y.
struct Span {
  std::int32_t Y;
  std::int32_t X1;
  std::int32_t X2;
};

// Visits every pixel of the line P-Q (end excluded) inside [0, Width) x
// [0, Height) with its step index from P (0-based), which dashed pens count.
using LineVisitor = std::function<void(std::int64_t Step, std::int32_t X, std::int32_t Y)>;
void line_pixels(TPoint P, TPoint Q, std::int32_t Width, std::int32_t Height, const LineVisitor& Visit);

// The visible spans of the even-odd interior of a polygon, clipped.
std::vector<Span> polygon_spans(std::span<const TPoint> Points, std::int32_t Width, std::int32_t Height);

// The covered pixels of the ellipse in the box x1..x2-1, y1..y2-1 (corners
// in any order), as one span per row (clipped to the picture), and its
// outline pixels (clipped to a picture grown by Margin on every side, for
// wide pens).
struct EllipseShape {
  std::vector<Span> Fill;
  std::vector<TPoint> Outline;
};
EllipseShape ellipse_shape(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2, std::int32_t Width,
                           std::int32_t Height, std::int32_t Margin);

// The outline of the ellipse in the box as a closed path for a wide pen:
// its pixels in drawing order, anticlockwise on the screen, traced by
// ellipse_shape's walk (which also serves boxes of 3 x 2 and more here).
// A box under 3 pixels wide or 2 high is all outline: its path runs round
// the box's edge pixels (corners only). Empty for boxes over 65536 pixels.
std::vector<TPoint> ellipse_path(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2);

}  // namespace zyl::detail

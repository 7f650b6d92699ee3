// Library: zyl / Package: platform / Module: widestroke (internal)
//
// The area a pen wider than one pixel covers (a geometric pen with round
// caps and round joins, as GDI draws the pens its CreatePen makes with a
// width above 1), collected as spans so that every pixel is painted once.
//
// A stroke is the union of
//   - a body per segment P-Q: a horizontal segment covers the rows
//     Y - W/2 .. Y - W/2 + W - 1 from min(P.X, Q.X) up to, not including,
//     max(P.X, Q.X) (vertical ones likewise); a slanted one covers the
//     quadrilateral whose sides run parallel to P-Q at the pen's half width
//     either side, its corners rounded to whole pixels (the narrower half
//     rounded from W/2, the wider one from (W + 1)/2), filled like a polygon;
//   - a disc at every vertex (caps and joins alike): the ellipse of the box
//     of W x W pixels whose top-left pixel is (X - W/2, Y - W/2), by the
//     canvas's ellipse rule (W = 3 gives a plus sign).
// Only the rows and columns inside [0, Width) x [0, Height) are produced, and
// a segment or disc wholly outside costs nothing, so the work follows the
// visible part of the stroke, whatever the coordinates.
//
// Example:
//   WideStroke s(5, 20, 10);           // pen width 5 on a 20 x 10 surface
//   s.add_segment({2, 4}, {12, 4});
//   s.add_disc({2, 4}); s.add_disc({12, 4});
//   s.spans();   // rows 2..6: the body x 2..11 and the discs at both ends
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/events.h"
#include "platform/raster.h"

namespace zyl::detail {

class WideStroke {
 public:
  // PenWidth >= 2; Width and Height: the surface the spans are clipped to.
  WideStroke(std::int32_t PenWidth, std::int32_t Width, std::int32_t Height);

  void add_segment(TPoint P, TPoint Q);
  void add_disc(TPoint Centre);
  // A polyline through Points (closed: back to the first) with a disc at
  // every point.
  void add_polyline(std::span<const TPoint> Points, bool Closed);

  // The covered pixels: disjoint spans sorted by row, then column.
  std::vector<Span> spans() const;

 private:
  void add_span(std::int64_t Y, std::int64_t X1, std::int64_t X2);

  struct Run {
    std::int32_t X1, X2;
  };
  std::int32_t FPen, FWidth, FHeight;
  // The disc's rows as offsets from its centre.
  std::vector<Span> FDisc;
  // Per surface row, its covered runs: disjoint, sorted, not touching.
  std::vector<std::vector<Run>> FRows;
};

// The pixels of A that are not in B, sorted by row, then column. A's spans
// are disjoint, in any order; B is sorted as WideStroke::spans gives it.
std::vector<Span> subtract_spans(std::span<const Span> A, std::span<const Span> B);

// The rectangle [X1, X2) x [Y1, Y2) (empty when X1 >= X2 or Y1 >= Y2) as
// spans, clipped to [0, Width) x [0, Height).
std::vector<Span> rect_spans(std::int64_t X1, std::int64_t Y1, std::int64_t X2, std::int64_t Y2, std::int32_t Width,
                             std::int32_t Height);

}  // namespace zyl::detail

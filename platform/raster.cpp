// Library: zyl / Package: platform / Module: raster (internal)
#include "platform/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zyl::detail {
namespace {

// GDI's octant numbers 1..8 (clockwise from +x with y pointing down).
int octant(std::int64_t dx, std::int64_t dy) {
  if (dy > 0) {
    if (dx > 0) return dx > dy ? 1 : 2;
    return -dx > dy ? 4 : 3;
  }
  if (dx < 0) return -dx > -dy ? 5 : 6;
  return dx > -dy ? 8 : 7;
}

// In these octants a line passing exactly between two pixels takes the one
// farther from its start.
bool ties_round_away(int Octant) { return Octant == 3 || Octant == 5 || Octant == 6 || Octant == 8; }

// The minor-axis offset after Step steps: Step * Minor / Major rounded to
// nearest, exact halves upwards when Away. Exact in 64 bits for any int32
// coordinates (Step, Minor, Major < 2^32).
std::int64_t minor_offset(std::uint64_t Step, std::uint64_t Minor, std::uint64_t Major, bool Away) {
  const std::uint64_t product = Step * Minor;  // < 2^64
  const std::uint64_t q = product / Major;
  const std::uint64_t r = product % Major;
  const bool up = Away ? 2 * r >= Major : 2 * r > Major;
  return static_cast<std::int64_t>(q + (up ? 1 : 0));
}

std::int64_t clamp_range(std::int64_t v, std::int64_t lo, std::int64_t hi) { return std::min(std::max(v, lo), hi); }

}  // namespace

void line_pixels(TPoint P, TPoint Q, std::int32_t Width, std::int32_t Height, const LineVisitor& Visit) {
  const std::int64_t dx = std::int64_t{Q.X} - P.X;
  const std::int64_t dy = std::int64_t{Q.Y} - P.Y;
  if (dx == 0 && dy == 0) return;
  const std::int64_t adx = std::llabs(dx), ady = std::llabs(dy);
  const bool x_major = adx > ady;
  const std::int64_t major = x_major ? adx : ady;
  const std::int64_t minor = x_major ? ady : adx;
  const bool away = ties_round_away(octant(dx, dy));
  const std::int64_t major_inc = (x_major ? dx : dy) > 0 ? 1 : -1;
  const std::int64_t minor_inc = (x_major ? dy : dx) > 0 ? 1 : -1;
  const std::int64_t major_start = x_major ? P.X : P.Y;
  const std::int64_t minor_start = x_major ? P.Y : P.X;
  const std::int64_t major_limit = x_major ? Width : Height;  // visible: [0, limit)
  const std::int64_t minor_limit = x_major ? Height : Width;

  // The steps whose major coordinate is visible.
  std::int64_t first, last;
  if (major_inc > 0) {
    first = -major_start;
    last = major_limit - 1 - major_start;
  } else {
    first = major_start - (major_limit - 1);
    last = major_start;
  }
  first = clamp_range(first, 0, major);
  last = clamp_range(last, -1, major - 1);
  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t m = minor_start + minor_inc * minor_offset(static_cast<std::uint64_t>(i),
                                                                  static_cast<std::uint64_t>(minor),
                                                                  static_cast<std::uint64_t>(major), away);
    if (m < 0 || m >= minor_limit) continue;
    const std::int64_t a = major_start + major_inc * i;
    const auto x = static_cast<std::int32_t>(x_major ? a : m);
    const auto y = static_cast<std::int32_t>(x_major ? m : a);
    Visit(i, x, y);
  }
}

std::vector<Span> polygon_spans(std::span<const TPoint> Points, std::int32_t Width, std::int32_t Height) {
  std::vector<Span> spans;
  if (Points.size() < 3 || Width <= 0 || Height <= 0) return spans;
  std::int64_t ymin = Points[0].Y, ymax = Points[0].Y;
  for (const TPoint& p : Points) {
    ymin = std::min<std::int64_t>(ymin, p.Y);
    ymax = std::max<std::int64_t>(ymax, p.Y);
  }
  const std::int64_t row_first = std::max<std::int64_t>(ymin, 0);
  const std::int64_t row_end = std::min<std::int64_t>(ymax, Height);
  std::vector<long double> xs;
  for (std::int64_t y = row_first; y < row_end; ++y) {
    xs.clear();
    for (std::size_t i = 0; i < Points.size(); ++i) {
      const TPoint& a = Points[i];
      const TPoint& b = Points[(i + 1) % Points.size()];
      if (a.Y == b.Y) continue;
      const TPoint& lo = a.Y < b.Y ? a : b;
      const TPoint& hi = a.Y < b.Y ? b : a;
      if (y < lo.Y || y >= hi.Y) continue;
      // Products of two 33-bit magnitudes are exact in the 64-bit mantissa.
      const long double num = static_cast<long double>(y - lo.Y) * static_cast<long double>(std::int64_t{hi.X} - lo.X);
      xs.push_back(static_cast<long double>(lo.X) + num / static_cast<long double>(std::int64_t{hi.Y} - lo.Y));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
      const std::int64_t x1 = std::max<std::int64_t>(static_cast<std::int64_t>(std::ceil(xs[k])), 0);
      const std::int64_t x2 = std::min<std::int64_t>(static_cast<std::int64_t>(std::ceil(xs[k + 1])), Width);
      if (x1 < x2)
        spans.push_back({static_cast<std::int32_t>(y), static_cast<std::int32_t>(x1), static_cast<std::int32_t>(x2)});
    }
  }
  return spans;
}

namespace {

// The ellipse inscribed in a box of W x H pixels at (X0, Y0), W, H >= 1.
class Ellipse {
 public:
  Ellipse(std::int64_t X0, std::int64_t Y0, std::int64_t W, std::int64_t H) : x0(X0), y0(Y0), w(W), h(H) {}

  // True when the centre of pixel (x, y) lies inside or on the ellipse:
  // (2x+1-2x0-w)^2 h^2 + (2y+1-2y0-h)^2 w^2 <= w^2 h^2, exactly in integers
  // for boxes up to 2^15 pixels, in extended precision beyond.
  bool covers(std::int64_t x, std::int64_t y) const {
    const std::int64_t u = 2 * (x - x0) + 1 - w;
    const std::int64_t v = 2 * (y - y0) + 1 - h;
    if (w <= 32768 && h <= 32768) return u * u * h * h + v * v * w * w <= w * w * h * h;
    const long double fu = static_cast<long double>(u) / static_cast<long double>(w);
    const long double fv = static_cast<long double>(v) / static_cast<long double>(h);
    return fu * fu + fv * fv <= 1.0L;
  }

  // The covered pixels of row y as [a, b), empty when a >= b.
  std::pair<std::int64_t, std::int64_t> row(std::int64_t y) const {
    if (y < y0 || y >= y0 + h) return {0, 0};
    const long double v = (2.0L * static_cast<long double>(y - y0) + 1 - h) / static_cast<long double>(h);
    const long double t = 1.0L - v * v;
    if (t < 0) return {0, 0};
    const long double half = static_cast<long double>(w) / 2 * std::sqrt(t);
    const long double cx = static_cast<long double>(x0) + static_cast<long double>(w) / 2;
    const std::int64_t mid = x0 + (w - 1) / 2;
    std::int64_t a = std::min(static_cast<std::int64_t>(std::ceil(cx - half - 0.5L)), mid);
    while (a > x0 && covers(a - 1, y)) --a;
    while (a <= mid && !covers(a, y)) ++a;
    if (a > mid) return {0, 0};
    const std::int64_t b = x0 + (x0 + w - 1 - a) + 1;  // symmetric about the box centre
    return {a, b};
  }

 private:
  std::int64_t x0, y0, w, h;
};

}  // namespace

namespace {

// GDI's ellipse outline for a box of W x H pixels, 4 <= W, H <= kWalkLimit:
// an error-term walk through the lower-right quadrant, from the middle of the
// right side (x = W - 1, y = H / 2) until x passes the middle column; each
// step moves left when 2 * err >= dx, down when 2 * err <= dy (both may
// happen). The other quadrants are mirror images. The result holds, for each
// quadrant row y = H / 2 + k, the run [lo, hi] of outline pixels it visits
// (lo > hi when the walk ends before reaching the row, as at the tips of
// thin ellipses). All terms stay below 2^53 for W, H <= 2^16.
constexpr std::int64_t kWalkLimit = 65536;

struct Run {
  std::int64_t lo = 1, hi = 0;
};

std::vector<Run> quadrant_runs(std::int64_t W, std::int64_t H) {
  const std::int64_t a = W - 1, b = H - 1;
  const std::int64_t asq = 8 * a * a, bsq = 8 * b * b;
  std::int64_t dx = 4 * b * b * (1 - a), dy = 4 * a * a * (1 + b % 2);
  std::int64_t err = dx + dy + a * a * (b % 2);
  std::vector<Run> runs(static_cast<std::size_t>(b - H / 2 + 1));
  std::int64_t x = a, y = H / 2;
  while (x >= W / 2) {
    Run& r = runs[static_cast<std::size_t>(y - H / 2)];
    if (r.lo > r.hi) r.hi = x;
    r.lo = x;
    const std::int64_t e2 = 2 * err;
    if (e2 >= dx) {
      --x;
      err += dx += bsq;
    }
    if (e2 <= dy) {
      ++y;
      err += dy += asq;
    }
  }
  return runs;
}

// Adds row Y of an ellipse: covered pixels [A, B), outline pixels [A, C) and
// [D, B) (C > D: the whole row is outline).
void add_row(EllipseShape& Shape, std::int64_t Y, std::int64_t A, std::int64_t B, std::int64_t C, std::int64_t D,
             std::int32_t Width, std::int32_t Height, std::int32_t Margin) {
  const auto fill_clip = [&](std::int64_t v) { return std::clamp<std::int64_t>(v, 0, Width); };
  const auto clip = [&](std::int64_t v) { return std::clamp<std::int64_t>(v, -Margin, std::int64_t{Width} + Margin); };
  const auto yy = static_cast<std::int32_t>(Y);
  if (Y >= 0 && Y < Height && fill_clip(A) < fill_clip(B))
    Shape.Fill.push_back({yy, static_cast<std::int32_t>(fill_clip(A)), static_cast<std::int32_t>(fill_clip(B))});
  if (C > D) C = D = B;
  for (std::int64_t x = clip(A); x < clip(C); ++x) Shape.Outline.push_back({static_cast<std::int32_t>(x), yy});
  for (std::int64_t x = std::max(clip(D), clip(C)); x < clip(B); ++x)
    Shape.Outline.push_back({static_cast<std::int32_t>(x), yy});
}

bool row_visible(std::int64_t Y, std::int32_t Height, std::int32_t Margin) {
  return Y >= -Margin && Y < std::int64_t{Height} + Margin;
}

}  // namespace

EllipseShape ellipse_shape(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2, std::int32_t Width,
                           std::int32_t Height, std::int32_t Margin) {
  EllipseShape shape;
  const std::int64_t left = std::min(X1, X2), right = std::max(X1, X2);
  const std::int64_t top = std::min(Y1, Y2), bottom = std::max(Y1, Y2);
  if (left == right || top == bottom || Width <= 0 || Height <= 0) return shape;
  const std::int64_t w = right - left, h = bottom - top;
  if (w >= 4 && h >= 4 && w <= kWalkLimit && h <= kWalkLimit) {
    // GDI's walk; each row covers the span between its two outline runs.
    const std::vector<Run> runs = quadrant_runs(w, h);
    const std::int64_t a = w - 1, b = h - 1;
    for (std::size_t k = 0; k < runs.size(); ++k) {
      const Run& r = runs[k];
      if (r.lo > r.hi) continue;
      const std::int64_t yq = h / 2 + static_cast<std::int64_t>(k);
      const std::int64_t fill_a = left + a - r.hi, fill_b = left + r.hi + 1;
      const std::int64_t c = left + a - r.lo + 1, d = left + r.lo;
      if (row_visible(top + yq, Height, Margin)) add_row(shape, top + yq, fill_a, fill_b, c, d, Width, Height, Margin);
      if (b - yq != yq && row_visible(top + b - yq, Height, Margin))
        add_row(shape, top + b - yq, fill_a, fill_b, c, d, Width, Height, Margin);
    }
    return shape;
  }
  // Boxes thinner than 4 pixels (where GDI draws a rectangle's worth of
  // ellipse differently from one implementation to the next) and beyond the
  // walk's range: pixel centres inside the ellipse, outlined by the covered
  // pixels with an uncovered 4-neighbour.
  const Ellipse e(left, top, w, h);
  const std::int64_t row_first = std::max<std::int64_t>(top, -Margin);
  const std::int64_t row_end = std::min<std::int64_t>(bottom, std::int64_t{Height} + Margin);
  for (std::int64_t y = row_first; y < row_end; ++y) {
    const auto [a, b] = e.row(y);
    if (a >= b) continue;
    // Interior pixels: covered here and in both neighbouring rows, not at the row's ends.
    const auto [ua, ub] = e.row(y - 1);
    const auto [da, db] = e.row(y + 1);
    std::int64_t c = std::max({a + 1, ua, da});
    std::int64_t d = std::min({b - 1, ub, db});
    if (ua >= ub || da >= db) c = d = b;  // no interior: the whole row is outline
    add_row(shape, y, a, b, c, d, Width, Height, Margin);
  }
  return shape;
}

// The walk leaves boxes 1 or 2 pixels wide (or 1 high) without outline.
constexpr std::int64_t kPathMin = 3;

std::vector<TPoint> ellipse_path(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) {
  std::vector<TPoint> path;
  const std::int64_t left = std::min(X1, X2), right = std::max(X1, X2);
  const std::int64_t top = std::min(Y1, Y2), bottom = std::max(Y1, Y2);
  const std::int64_t w = right - left, h = bottom - top;
  if (w > kWalkLimit || h > kWalkLimit) return path;
  if (w < kPathMin || h < 2) {
    // Every pixel of so thin a box is outline: round its edge.
    const auto l = static_cast<std::int32_t>(left), t = static_cast<std::int32_t>(top);
    const auto r = static_cast<std::int32_t>(right - 1), b = static_cast<std::int32_t>(bottom - 1);
    return {{l, t}, {l, b}, {r, b}, {r, t}};
  }
  const std::vector<Run> runs = quadrant_runs(w, h);
  const std::int64_t a = w - 1, b = h - 1;
  const auto add = [&](std::int64_t x, std::int64_t y) {
    path.push_back({static_cast<std::int32_t>(left + x), static_cast<std::int32_t>(top + y)});
  };
  const auto n = static_cast<std::int64_t>(runs.size());
  // Clockwise on the screen from the middle of the right side, a quadrant
  // at a time, each the walk or its mirror image run backwards; then the
  // whole turned round, the order GDI's wide pens follow.
  for (std::int64_t k = 0; k < n; ++k)
    for (std::int64_t x = runs[k].hi; x >= runs[k].lo; --x) add(x, h / 2 + k);
  for (std::int64_t k = n - 1; k >= 0; --k)
    for (std::int64_t x = runs[k].lo; x <= runs[k].hi; ++x) add(a - x, h / 2 + k);
  for (std::int64_t k = 0; k < n; ++k)
    for (std::int64_t x = runs[k].hi; x >= runs[k].lo; --x) add(a - x, b - (h / 2 + k));
  for (std::int64_t k = n - 1; k >= 0; --k)
    for (std::int64_t x = runs[k].lo; x <= runs[k].hi; ++x) add(x, b - (h / 2 + k));
  std::reverse(path.begin(), path.end());
  return path;
}

}  // namespace zyl::detail

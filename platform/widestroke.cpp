// Library: zyl / Package: platform / Module: widestroke (internal)
#include "platform/widestroke.h"

#include <algorithm>
#include <cmath>

namespace zyl::detail {
namespace {

// Rounds half-way values upwards, as GDI rounds the pen's corner offsets.
std::int64_t round_half_up(double V) { return static_cast<std::int64_t>(std::floor(V + 0.5)); }

struct Corner {
  std::int64_t X, Y;
};

}  // namespace

WideStroke::WideStroke(std::int32_t PenWidth, std::int32_t Width, std::int32_t Height)
    : FPen(PenWidth), FWidth(std::max(Width, 0)), FHeight(std::max(Height, 0)),
      FRows(static_cast<std::size_t>(FHeight)) {
  const std::int32_t half = FPen / 2;
  if (FPen == 3) {  // the plus sign
    FDisc = {{-1, 0, 1}, {0, -1, 2}, {1, 0, 1}};
    return;
  }
  for (const Span& s : ellipse_shape(0, 0, FPen, FPen, FPen, FPen, 0).Fill)
    FDisc.push_back({s.Y - half, s.X1 - half, s.X2 - half});
}

void WideStroke::add_span(std::int64_t Y, std::int64_t X1, std::int64_t X2) {
  if (Y < 0 || Y >= FHeight) return;
  X1 = std::max<std::int64_t>(X1, 0);
  X2 = std::min<std::int64_t>(X2, FWidth);
  if (X1 >= X2) return;
  // Keep the row's runs disjoint and sorted, merging touching ones.
  std::vector<Run>& row = FRows[static_cast<std::size_t>(Y)];
  auto first = std::lower_bound(row.begin(), row.end(), X1, [](const Run& r, std::int64_t x) { return r.X2 < x; });
  auto last = first;
  std::int64_t a = X1, b = X2;
  while (last != row.end() && last->X1 <= b) {
    a = std::min<std::int64_t>(a, last->X1);
    b = std::max<std::int64_t>(b, last->X2);
    ++last;
  }
  const Run merged{static_cast<std::int32_t>(a), static_cast<std::int32_t>(b)};
  if (first == last) {
    row.insert(first, merged);
  } else {
    *first = merged;
    row.erase(first + 1, last);
  }
}

void WideStroke::add_disc(TPoint Centre) {
  for (const Span& s : FDisc) add_span(std::int64_t{Centre.Y} + s.Y, std::int64_t{Centre.X} + s.X1, std::int64_t{Centre.X} + s.X2);
}

void WideStroke::add_segment(TPoint P, TPoint Q) {
  const std::int64_t dx = std::int64_t{Q.X} - P.X, dy = std::int64_t{Q.Y} - P.Y;
  if (dx == 0 && dy == 0) return;
  const std::int64_t half = FPen / 2;
  if (dy == 0 || dx == 0) {
    // An upright rectangle: the pen's width across, P to Q (end excluded) along.
    const bool horizontal = dy == 0;
    const std::int64_t a = horizontal ? std::min(P.X, Q.X) : P.X - half;
    const std::int64_t b = horizontal ? std::max(P.X, Q.X) : P.X - half + FPen;
    const std::int64_t top = horizontal ? P.Y - half : std::min(P.Y, Q.Y);
    const std::int64_t bottom = horizontal ? P.Y - half + FPen : std::max(P.Y, Q.Y);
    for (std::int64_t y = std::max<std::int64_t>(top, 0); y < std::min<std::int64_t>(bottom, FHeight); ++y)
      add_span(y, a, b);
    return;
  }
  // The pen's extent across the line, split into a narrower and a wider half.
  const double len = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
  const double width_x = FPen * static_cast<double>(std::llabs(dy)) / len;
  const double width_y = FPen * static_cast<double>(std::llabs(dx)) / len;
  Corner narrow{round_half_up(width_x / 2), round_half_up(width_y / 2)};
  Corner wide{round_half_up((width_x + 1) / 2), round_half_up((width_y + 1) / 2)};
  if (dx < 0) {
    narrow.Y = -narrow.Y;
    wide.Y = -wide.Y;
  }
  if (dy < 0) {
    std::swap(narrow, wide);
    narrow.X = -narrow.X;
    wide.X = -wide.X;
  }
  const Corner quad[4] = {{P.X - narrow.X, P.Y + narrow.Y},
                          {P.X + wide.X, P.Y - wide.Y},
                          {Q.X + wide.X, Q.Y - wide.Y},
                          {Q.X - narrow.X, Q.Y + narrow.Y}};
  std::int64_t ymin = quad[0].Y, ymax = quad[0].Y;
  for (const Corner& c : quad) {
    ymin = std::min(ymin, c.Y);
    ymax = std::max(ymax, c.Y);
  }
  // Filled like a polygon: pixel corners inside, left edges inclusive.
  for (std::int64_t y = std::max<std::int64_t>(ymin, 0); y < std::min<std::int64_t>(ymax, FHeight); ++y) {
    long double xs[4];
    int n = 0;
    for (int i = 0; i < 4; ++i) {
      const Corner& a = quad[i];
      const Corner& b = quad[(i + 1) % 4];
      if (a.Y == b.Y) continue;
      const Corner& lo = a.Y < b.Y ? a : b;
      const Corner& hi = a.Y < b.Y ? b : a;
      if (y < lo.Y || y >= hi.Y) continue;
      xs[n++] = static_cast<long double>(lo.X) + static_cast<long double>(y - lo.Y) *
                                                     static_cast<long double>(hi.X - lo.X) /
                                                     static_cast<long double>(hi.Y - lo.Y);
    }
    for (int i = 1; i < n; ++i)  // at most four crossings: insertion sort
      for (int k = i; k > 0 && xs[k] < xs[k - 1]; --k) std::swap(xs[k], xs[k - 1]);
    for (int k = 0; k + 1 < n; k += 2) {
      const long double x1 = std::clamp<long double>(std::ceil(xs[k]), -1, FWidth + 1.0L);
      const long double x2 = std::clamp<long double>(std::ceil(xs[k + 1]), -1, FWidth + 1.0L);
      add_span(y, static_cast<std::int64_t>(x1), static_cast<std::int64_t>(x2));
    }
  }
}

void WideStroke::add_polyline(std::span<const TPoint> Points, bool Closed) {
  // Far from the surface a segment and its discs add nothing.
  const std::int64_t reach = FPen;
  const auto near = [&](TPoint A, TPoint B) {
    return std::max(A.X, B.X) + reach >= 0 && std::min(A.X, B.X) - reach < FWidth &&
           std::max(A.Y, B.Y) + reach >= 0 && std::min(A.Y, B.Y) - reach < FHeight;
  };
  for (std::size_t i = 0; i < Points.size(); ++i) {
    if (near(Points[i], Points[i])) add_disc(Points[i]);
    const bool last = i + 1 == Points.size();
    if (last && !Closed) break;
    const TPoint next = Points[last ? 0 : i + 1];
    if (near(Points[i], next)) add_segment(Points[i], next);
  }
}

std::vector<Span> WideStroke::spans() const {
  std::vector<Span> out;
  for (std::size_t y = 0; y < FRows.size(); ++y)
    for (const Run& r : FRows[y]) out.push_back({static_cast<std::int32_t>(y), r.X1, r.X2});
  return out;
}

std::vector<Span> subtract_spans(std::span<const Span> A, std::span<const Span> B) {
  std::vector<Span> sorted(A.begin(), A.end());
  std::sort(sorted.begin(), sorted.end(), [](const Span& x, const Span& y) { return x.Y != y.Y ? x.Y < y.Y : x.X1 < y.X1; });
  std::vector<Span> out;
  std::size_t j = 0;
  for (const Span& a : sorted) {
    while (j < B.size() && (B[j].Y < a.Y || (B[j].Y == a.Y && B[j].X2 <= a.X1))) ++j;
    std::int32_t x = a.X1;
    for (std::size_t k = j; k < B.size() && B[k].Y == a.Y && B[k].X1 < a.X2; ++k) {
      if (B[k].X1 > x) out.push_back({a.Y, x, B[k].X1});
      x = std::max(x, B[k].X2);
    }
    if (x < a.X2) out.push_back({a.Y, x, a.X2});
  }
  return out;
}

std::vector<Span> rect_spans(std::int64_t X1, std::int64_t Y1, std::int64_t X2, std::int64_t Y2, std::int32_t Width,
                             std::int32_t Height) {
  std::vector<Span> out;
  const std::int64_t a = std::max<std::int64_t>(X1, 0), b = std::min<std::int64_t>(X2, Width);
  if (a >= b) return out;
  for (std::int64_t y = std::max<std::int64_t>(Y1, 0); y < std::min<std::int64_t>(Y2, Height); ++y)
    out.push_back({static_cast<std::int32_t>(y), static_cast<std::int32_t>(a), static_cast<std::int32_t>(b)});
  return out;
}

}  // namespace zyl::detail

// Library: zyl / Package: platform / Module: canvas
#include "platform/canvas.h"

#include <algorithm>
#include <array>

#include "platform/raster.h"
#include "platform/textrender.h"

namespace zyl {
namespace {

// GDI's cosmetic dash patterns: alternating on and off lengths in pixels.
std::span<const std::uint8_t> dash_pattern(TPenStyle Style) {
  static constexpr std::array<std::uint8_t, 2> dash{18, 6};
  static constexpr std::array<std::uint8_t, 2> dot{3, 3};
  static constexpr std::array<std::uint8_t, 4> dash_dot{9, 6, 3, 6};
  static constexpr std::array<std::uint8_t, 6> dash_dot_dot{9, 3, 3, 3, 3, 3};
  switch (Style) {
    case TPenStyle::psDash: return dash;
    case TPenStyle::psDot: return dot;
    case TPenStyle::psDashDot: return dash_dot;
    case TPenStyle::psDashDotDot: return dash_dot_dot;
    default: return {};
  }
}

// True when the pixel at Step from a line's start is drawn by the pattern.
bool pattern_on(std::span<const std::uint8_t> Pattern, std::int64_t Step) {
  if (Pattern.empty()) return true;
  std::int64_t period = 0;
  for (std::uint8_t n : Pattern) period += n;
  std::int64_t pos = Step % period;
  for (std::size_t i = 0; i < Pattern.size(); ++i) {
    if (pos < Pattern[i]) return i % 2 == 0;
    pos -= Pattern[i];
  }
  return false;
}

}  // namespace

TColor TCanvas::Pixels(std::int32_t X, std::int32_t Y) const noexcept {
  if (X < 0 || Y < 0 || X >= FSurface->Width || Y >= FSurface->Height) return 0xFFFFFFFFu;
  return FSurface->Pixels[static_cast<std::size_t>(Y) * static_cast<std::size_t>(FSurface->Width) +
                          static_cast<std::size_t>(X)];
}

void TCanvas::emit(detail::CanvasOp::Kind Kind, std::vector<TPoint> Points, TColor Pixel) const {
  FObserver({Kind, std::move(Points), FPen.Color(), FPen.Width(), FPen.Style(), FBrush.Color(), FBrush.Style(), Pixel});
}

void TCanvas::SetPixels(std::int32_t X, std::int32_t Y, TColor Color) noexcept {
  if (FObserver) emit(detail::CanvasOp::kPixel, {{X, Y}}, Color);
  if (X < 0 || Y < 0 || X >= FSurface->Width || Y >= FSurface->Height) return;
  FSurface->Pixels[static_cast<std::size_t>(Y) * static_cast<std::size_t>(FSurface->Width) +
                   static_cast<std::size_t>(X)] = Color;
}

void TCanvas::fill_span(std::int32_t Y, std::int32_t X1, std::int32_t X2, TColor Color) {
  // Spans from the rasterizer are already clipped.
  auto row = FSurface->Pixels.begin() + static_cast<std::ptrdiff_t>(Y) * FSurface->Width;
  std::fill(row + X1, row + X2, Color);
}

namespace {

// The hatch patterns, rows top first, the leftmost pixel in the high bit;
// null for a solid brush.
const std::uint8_t* hatch_rows(TBrushStyle Style) {
  static constexpr std::uint8_t kRows[6][8] = {
      {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // bsHorizontal
      {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // bsVertical
      {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // bsFDiagonal
      {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // bsBDiagonal
      {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // bsCross
      {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // bsDiagCross
  };
  const auto i = static_cast<int>(Style) - static_cast<int>(TBrushStyle::bsHorizontal);
  return i >= 0 && i < 6 ? kRows[i] : nullptr;
}

}  // namespace

void TCanvas::brush_span(std::int32_t Y, std::int32_t X1, std::int32_t X2) {
  const std::uint8_t* rows = hatch_rows(FBrush.Style());
  if (rows == nullptr) {
    fill_span(Y, X1, X2, FBrush.Color());
    return;
  }
  const unsigned bits = rows[Y & 7];
  for (std::int32_t x = X1; x < X2; ++x)
    if (bits & (0x80u >> (x & 7))) SetPixels(x, Y, FBrush.Color());
}

void TCanvas::stamp(std::int32_t X, std::int32_t Y, TColor Color) {
  const std::int32_t w = FPen.Width();
  if (w == 1) {
    SetPixels(X, Y, Color);
    return;
  }
  const std::int64_t x0 = std::int64_t{X} - (w - 1) / 2, y0 = std::int64_t{Y} - (w - 1) / 2;
  const std::int64_t x1 = std::max<std::int64_t>(x0, 0), x2 = std::min<std::int64_t>(x0 + w, FSurface->Width);
  const std::int64_t y1 = std::max<std::int64_t>(y0, 0), y2 = std::min<std::int64_t>(y0 + w, FSurface->Height);
  for (std::int64_t y = y1; y < y2; ++y)
    if (x1 < x2) fill_span(static_cast<std::int32_t>(y), static_cast<std::int32_t>(x1), static_cast<std::int32_t>(x2), Color);
}

void TCanvas::pen_line(TPoint P, TPoint Q) {
  if (!pen_draws()) return;
  const auto pattern = dash_pattern(FPen.Style());
  const TColor color = FPen.Color();
  // Pixels of a wide pen's line lying just outside can still reach inside.
  const std::int32_t margin = FPen.Width() / 2 + 1;
  detail::line_pixels(P, Q, FSurface->Width, FSurface->Height, margin,
                      [&](std::int64_t Step, std::int32_t X, std::int32_t Y) {
                        if (pattern_on(pattern, Step)) stamp(X, Y, color);
                      });
}

void TCanvas::MoveTo(std::int32_t X, std::int32_t Y) {
  if (FObserver) emit(detail::CanvasOp::kMoveTo, {{X, Y}});
  FPenPos = {X, Y};
}

void TCanvas::LineTo(std::int32_t X, std::int32_t Y) {
  if (FObserver) emit(detail::CanvasOp::kLineTo, {{X, Y}});
  pen_line(FPenPos, {X, Y});
  FPenPos = {X, Y};
}

void TCanvas::Rectangle(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) {
  if (FObserver) emit(detail::CanvasOp::kRectangle, {{X1, Y1}, {X2, Y2}});
  const std::int64_t left = std::min(X1, X2), right = std::max(X1, X2);
  const std::int64_t top = std::min(Y1, Y2), bottom = std::max(Y1, Y2);
  if (left == right || top == bottom) return;
  if (brush_fills()) {
    // Without a pen GDI fills one pixel less to the right and bottom.
    const std::int64_t r = pen_draws() ? right : right - 1, b = pen_draws() ? bottom : bottom - 1;
    const std::int64_t x1 = std::max<std::int64_t>(left, 0), x2 = std::min<std::int64_t>(r, FSurface->Width);
    for (std::int64_t y = std::max<std::int64_t>(top, 0); y < std::min<std::int64_t>(b, FSurface->Height); ++y)
      if (x1 < x2) brush_span(static_cast<std::int32_t>(y), static_cast<std::int32_t>(x1), static_cast<std::int32_t>(x2));
  }
  if (!pen_draws()) return;
  const auto l = static_cast<std::int32_t>(left), t = static_cast<std::int32_t>(top);
  const auto r = static_cast<std::int32_t>(right - 1), b = static_cast<std::int32_t>(bottom - 1);
  if (l == r || t == b) {  // one pixel wide or high: a single line
    pen_line({l, t}, {l == r ? l : r + 1, t == b ? t : b + 1});
    return;
  }
  pen_line({l, t}, {r, t});
  pen_line({r, t}, {r, b});
  pen_line({r, b}, {l, b});
  pen_line({l, b}, {l, t});
}

void TCanvas::Ellipse(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) {
  if (FObserver) emit(detail::CanvasOp::kEllipse, {{X1, Y1}, {X2, Y2}});
  const detail::EllipseShape shape = detail::ellipse_shape(X1, Y1, X2, Y2, FSurface->Width, FSurface->Height, FPen.Width() / 2 + 1);
  if (brush_fills())
    for (const detail::Span& s : shape.Fill) brush_span(s.Y, s.X1, s.X2);
  if (pen_draws())
    for (const TPoint& p : shape.Outline) stamp(p.X, p.Y, FPen.Color());
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  if (FObserver) emit(detail::CanvasOp::kPolygon, {Points.begin(), Points.end()});
  if (Points.size() < 2) return;
  if (brush_fills())
    for (const detail::Span& s : detail::polygon_spans(Points, FSurface->Width, FSurface->Height))
      brush_span(s.Y, s.X1, s.X2);
  for (std::size_t i = 0; i < Points.size(); ++i) pen_line(Points[i], Points[(i + 1) % Points.size()]);
}

std::int32_t TCanvas::TextWidth(std::u16string_view Text) const { return platform::text_extent(FFont, Text).X; }

std::int32_t TCanvas::TextHeight(std::u16string_view Text) const { return platform::text_extent(FFont, Text).Y; }

namespace {

// Colour A covered by B to the extent Alpha / 255, channel by channel.
TColor blend(TColor A, TColor B, unsigned Alpha) {
  TColor out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const unsigned a = (A >> shift) & 0xFF, b = (B >> shift) & 0xFF;
    out |= static_cast<TColor>((a * (255 - Alpha) + b * Alpha + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

void TCanvas::TextOut(std::int32_t X, std::int32_t Y, std::u16string_view Text) {
  const platform::TextImage img = platform::render_text(FFont, Text);
  const std::int64_t x0 = X, y0 = Y;
  if (FBrush.Style() == TBrushStyle::bsSolid) {  // hatched brushes leave the text's background alone
    const std::int64_t x1 = std::max<std::int64_t>(x0, 0), x2 = std::min<std::int64_t>(x0 + img.Width, FSurface->Width);
    for (std::int64_t y = std::max<std::int64_t>(y0, 0); y < std::min<std::int64_t>(y0 + img.Height, FSurface->Height); ++y)
      if (x1 < x2) fill_span(static_cast<std::int32_t>(y), static_cast<std::int32_t>(x1), static_cast<std::int32_t>(x2), FBrush.Color());
  }
  const TColor ink = FFont.Color();
  for (std::int64_t r = std::max<std::int64_t>(0, -y0); r < img.Height && y0 + r < FSurface->Height; ++r)
    for (std::int64_t c = std::max<std::int64_t>(0, -x0); c < img.Width && x0 + c < FSurface->Width; ++c) {
      const unsigned a = img.Coverage[static_cast<std::size_t>(r * img.Width + c)];
      if (a == 0) continue;
      const auto x = static_cast<std::int32_t>(x0 + c), y = static_cast<std::int32_t>(y0 + r);
      SetPixels(x, y, blend(Pixels(x, y), ink, a));
    }
  FPenPos = {static_cast<std::int32_t>(std::clamp<std::int64_t>(x0 + img.Width, INT32_MIN, INT32_MAX)), Y};
}

}  // namespace zyl

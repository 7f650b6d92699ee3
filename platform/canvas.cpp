// Library: zyl / Package: platform / Module: canvas
#include "platform/canvas.h"

#include <algorithm>
#include <array>

#include "platform/raster.h"
#include "platform/widestroke.h"
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

void TCanvas::pen_line(TPoint P, TPoint Q) {
  if (!pen_draws()) return;
  if (wide_pen()) {
    // Round caps at both ends; GDI draws a line of no length as its caps.
    const TPoint ends[] = {P, Q};
    detail::WideStroke s(FPen.Width(), FSurface->Width, FSurface->Height);
    s.add_polyline(ends, false);
    paint(s.spans(), FPen.Color());
    return;
  }
  const auto pattern = dash_pattern(FPen.Style());
  const TColor color = FPen.Color();
  detail::line_pixels(P, Q, FSurface->Width, FSurface->Height, [&](std::int64_t Step, std::int32_t X, std::int32_t Y) {
    if (pattern_on(pattern, Step)) SetPixels(X, Y, color);
  });
}

void TCanvas::paint(std::span<const detail::Span> Spans, TColor Color) {
  for (const detail::Span& s : Spans) fill_span(s.Y, s.X1, s.X2, Color);
}

void TCanvas::brush_spans(std::span<const detail::Span> Spans) {
  for (const detail::Span& s : Spans) brush_span(s.Y, s.X1, s.X2);
}

void TCanvas::fill_and_stroke(std::span<const detail::Span> Fill, const detail::WideStroke& Stroke) {
  const std::vector<detail::Span> stroke = Stroke.spans();
  brush_spans(detail::subtract_spans(Fill, stroke));
  paint(stroke, FPen.Color());
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
  if (pen_draws() && wide_pen()) {
    wide_rectangle(left, top, right, bottom);
    return;
  }
  if (brush_fills()) {
    // Without a pen GDI fills one pixel less to the right and bottom.
    const std::int64_t r = pen_draws() ? right : right - 1, b = pen_draws() ? bottom : bottom - 1;
    brush_spans(detail::rect_spans(left, top, r, b, FSurface->Width, FSurface->Height));
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

namespace {

// The box a psInsideFrame pen of width W outlines so that its stroke stays
// inside [Left, Right) x [Top, Bottom); empty (Left >= Right or Top >=
// Bottom) when the pen is too wide for the box.
struct Box {
  std::int64_t Left, Top, Right, Bottom;
  bool empty() const { return Left >= Right || Top >= Bottom; }
};
Box inside_frame(Box B, std::int32_t W) {
  return {B.Left + W / 2, B.Top + W / 2, B.Right - (W - 1) / 2, B.Bottom - (W - 1) / 2};
}

TPoint point(std::int64_t X, std::int64_t Y) { return {static_cast<std::int32_t>(X), static_cast<std::int32_t>(Y)}; }

}  // namespace

void TCanvas::wide_rectangle(std::int64_t Left, std::int64_t Top, std::int64_t Right, std::int64_t Bottom) {
  const std::int32_t w = FPen.Width();
  const bool inside = FPen.Style() == TPenStyle::psInsideFrame;
  const Box box{Left, Top, Right, Bottom};
  const std::int32_t sw = FSurface->Width, sh = FSurface->Height;
  // Sides farther out than the widest pen are moved in to that distance:
  // the visible pixels stay the same and the corners stay within 32 bits.
  const auto near = [](std::int64_t v, std::int32_t limit) {
    return std::clamp<std::int64_t>(v, -2 * TPen::kMaxPenWidth, std::int64_t{limit} + 2 * TPen::kMaxPenWidth);
  };
  Box f = inside ? inside_frame(box, w) : box;
  if (inside && f.empty()) {
    // Too narrow for the pen: the pen covers the whole box.
    paint(detail::rect_spans(Left, Top, Right, Bottom, sw, sh), FPen.Color());
    return;
  }
  f = {near(f.Left, sw), near(f.Top, sh), near(f.Right, sw), near(f.Bottom, sh)};
  const TPoint corners[] = {point(f.Left, f.Top), point(f.Right - 1, f.Top), point(f.Right - 1, f.Bottom - 1),
                            point(f.Left, f.Bottom - 1)};
  detail::WideStroke s(w, sw, sh);
  s.add_polyline(corners, true);
  fill_and_stroke(brush_fills() ? detail::rect_spans(f.Left, f.Top, f.Right, f.Bottom, sw, sh) : std::vector<detail::Span>{},
                  s);
}

void TCanvas::Ellipse(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) {
  if (FObserver) emit(detail::CanvasOp::kEllipse, {{X1, Y1}, {X2, Y2}});
  if (pen_draws() && wide_pen()) {
    wide_ellipse(std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2));
    return;
  }
  const detail::EllipseShape shape = detail::ellipse_shape(X1, Y1, X2, Y2, FSurface->Width, FSurface->Height, 0);
  if (brush_fills()) brush_spans(shape.Fill);
  if (pen_draws())
    for (const TPoint& p : shape.Outline) SetPixels(p.X, p.Y, FPen.Color());
}

void TCanvas::wide_ellipse(std::int64_t Left, std::int64_t Top, std::int64_t Right, std::int64_t Bottom) {
  if (Left == Right || Top == Bottom) return;
  const std::int32_t w = FPen.Width();
  const std::int32_t sw = FSurface->Width, sh = FSurface->Height;
  const bool inside = FPen.Style() == TPenStyle::psInsideFrame;
  const auto to32 = [](std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  };
  const Box box{Left, Top, Right, Bottom};
  const Box f = inside ? inside_frame(box, w) : box;
  if (inside && f.empty()) {
    // Too small for the pen: the pen covers the whole ellipse of the box.
    paint(detail::ellipse_shape(to32(Left), to32(Top), to32(Right), to32(Bottom), sw, sh, 0).Fill, FPen.Color());
    return;
  }
  // The pen follows the outline pixels in drawing order; where there is no
  // such order (thin and huge boxes) a disc at every outline pixel.
  const detail::EllipseShape shape =
      detail::ellipse_shape(to32(f.Left), to32(f.Top), to32(f.Right), to32(f.Bottom), sw, sh, w / 2 + 1);
  detail::WideStroke s(w, sw, sh);
  const std::vector<TPoint> path = detail::ellipse_path(to32(f.Left), to32(f.Top), to32(f.Right), to32(f.Bottom));
  if (!path.empty())
    s.add_polyline(path, true);
  else
    for (const TPoint& p : shape.Outline) s.add_disc(p);
  fill_and_stroke(brush_fills() ? shape.Fill : std::vector<detail::Span>{}, s);
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  if (FObserver) emit(detail::CanvasOp::kPolygon, {Points.begin(), Points.end()});
  if (Points.size() < 2) return;
  const std::vector<detail::Span> fill =
      brush_fills() ? detail::polygon_spans(Points, FSurface->Width, FSurface->Height) : std::vector<detail::Span>{};
  if (pen_draws() && wide_pen()) {
    detail::WideStroke s(FPen.Width(), FSurface->Width, FSurface->Height);
    s.add_polyline(Points, true);
    fill_and_stroke(fill, s);
    return;
  }
  brush_spans(fill);
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

// Library: zyl / Package: platform / Module: canvas
//
// TCanvas: drawing on 32-bit pixels (each a TColor) with the rules of the
// Windows GDI, on every platform:
//   - LineTo draws from the pen position up to, not including, its end point
//     (the rasterization rule is in raster.h) and moves the pen there;
//   - Rectangle and Ellipse with corners (x1, y1, x2, y2) cover x1..x2-1 and
//     y1..y2-1: the brush fills the inside unless its style is bsClear (a
//     hatched brush paints only its hatch lines), the
//     pen draws the outline unless its style is psClear (with a clear pen a
//     rectangle's fill covers x1..x2-2, y1..y2-2, as in GDI);
//   - Polygon fills with the brush (even-odd rule) and outlines the closed
//     figure with the pen;
//   - 1-pixel pens in dashed styles repeat GDI's cosmetic patterns (dash 18
//     on 6 off, dot 3/3, dash-dot 9/6/3/6, dash-dot-dot 9/3/3/3/3/3) counted
//     from the start of each line;
//   - pens wider than 1 pixel draw solid, in every style but psClear, with
//     round caps and joins (the area widestroke.h describes): a line of
//     width W covers W rows (or columns) across and ends in discs, even a
//     line of no length; figures are outlined with the pen centred on their
//     outline, and the brush fills what the stroke leaves inside;
//   - psInsideFrame is psSolid, except that Rectangle and Ellipse outline the
//     box shrunk by Width / 2 at the top and left and (Width - 1) / 2 at the
//     bottom and right, so the whole stroke lies inside x1..x2-1, y1..y2-1;
//     a box narrower or lower than the pen is covered by the pen (the
//     rectangle, or the ellipse's pixels).
// Text comes from the platform's text backend (FreeType with fontconfig on
// POSIX, GDI on Windows).
// Every coordinate is accepted, however large or negative; what falls outside
// the surface is clipped and the work done is bounded by the surface's size.
//
// A canvas draws on a PixelSurface it does not own (a bitmap's or a printer
// page's); the surface must outlive the canvas.
//
// Example:
//   TBitmap b;  b.SetSize(10, 10);
//   b.Canvas().Pen().SetColor(0x0000FF);
//   b.Canvas().MoveTo(0, 0);  b.Canvas().LineTo(4, 0);   // pixels 0..3 of row 0 red
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/events.h"
#include "platform/font.h"

namespace zyl {

// Pixels in rows, top row first: Pixels[y * Width + x].
struct PixelSurface {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<TColor> Pixels;
};

enum class TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// Hatched styles paint their 8 x 8 pattern (aligned to the surface's origin)
// in the brush colour and leave the pixels between the hatch lines alone.
enum class TBrushStyle : std::uint8_t {
  bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};

class ZYL_API TPen {
 public:
  TColor Color() const noexcept { return FColor; }
  void SetColor(TColor Value) noexcept { FColor = Value; }
  // 1..kMaxPenWidth; other values are stored as the nearest limit (so the
  // work of a stroke stays bounded).
  static constexpr std::int32_t kMaxPenWidth = 1000;
  std::int32_t Width() const noexcept { return FWidth; }
  void SetWidth(std::int32_t Value) noexcept { FWidth = Value < 1 ? 1 : Value > kMaxPenWidth ? kMaxPenWidth : Value; }
  TPenStyle Style() const noexcept { return FStyle; }
  void SetStyle(TPenStyle Value) noexcept { FStyle = Value; }

 private:
  TColor FColor = 0;  // black
  std::int32_t FWidth = 1;
  TPenStyle FStyle = TPenStyle::psSolid;
};

class ZYL_API TBrush {
 public:
  TColor Color() const noexcept { return FColor; }
  void SetColor(TColor Value) noexcept { FColor = Value; }
  TBrushStyle Style() const noexcept { return FStyle; }
  void SetStyle(TBrushStyle Value) noexcept { FStyle = Value; }

 private:
  TColor FColor = 0xFFFFFF;  // white
  TBrushStyle FStyle = TBrushStyle::bsSolid;
};

namespace detail {
struct Span;
class WideStroke;
// One drawing call as the canvas received it, with the pen and brush of the
// moment (for replaying the same calls elsewhere, such as on a GDI device
// context to compare the rasterization).
struct CanvasOp {
  enum Kind : std::uint8_t { kMoveTo, kLineTo, kRectangle, kEllipse, kPolygon, kPixel };
  Kind kind;
  std::vector<TPoint> points;
  TColor pen_color;
  std::int32_t pen_width;
  TPenStyle pen_style;
  TColor brush_color;
  TBrushStyle brush_style;
  TColor pixel_color;
};
}  // namespace detail

class ZYL_API TCanvas {
 public:
  explicit TCanvas(PixelSurface& Surface) : FSurface(&Surface) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TPen& Pen() noexcept { return FPen; }
  TBrush& Brush() noexcept { return FBrush; }
  TFont& Font() noexcept { return FFont; }
  const TPen& Pen() const noexcept { return FPen; }
  const TBrush& Brush() const noexcept { return FBrush; }
  const TFont& Font() const noexcept { return FFont; }

  // An opaque value identifying the surface drawn on (the device context of
  // the host platform); equal for canvases on the same surface.
  std::uintptr_t Handle() const noexcept { return reinterpret_cast<std::uintptr_t>(FSurface); }

  TPoint PenPos() const noexcept { return FPenPos; }
  void MoveTo(std::int32_t X, std::int32_t Y);
  void LineTo(std::int32_t X, std::int32_t Y);
  void Rectangle(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2);
  void Ellipse(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2);
  // Fewer than 2 points draw nothing; 2 points draw the line there and back.
  void Polygon(std::span<const TPoint> Points);

  // Writes Text with its top-left corner at (X, Y) in the font (anti-aliased,
  // in the font's colour), first filling the text's box with the brush
  // when the brush is solid, and moves the pen position to (X + width, Y).
  // Texts are drawn and measured up to 65535 pixels wide. Raises
  // EInvalidGraphic in builds without text output.
  void TextOut(std::int32_t X, std::int32_t Y, std::u16string_view Text);
  // The advance width and the height (ascent plus descent) of Text in the
  // canvas's font, in pixels.
  std::int32_t TextWidth(std::u16string_view Text) const;
  std::int32_t TextHeight(std::u16string_view Text) const;

  // The colour of pixel (X, Y); -1 (0xFFFFFFFF, "no colour") outside.
  TColor Pixels(std::int32_t X, std::int32_t Y) const noexcept;
  // Sets pixel (X, Y); nothing happens outside the surface.
  void SetPixels(std::int32_t X, std::int32_t Y, TColor Color) noexcept;

  // Implementation detail: Observer sees every MoveTo, LineTo, Rectangle,
  // Ellipse, Polygon and SetPixels call (empty: none).
  void set_op_observer(std::function<void(const detail::CanvasOp&)> Observer) { FObserver = std::move(Observer); }

 private:
  void pen_line(TPoint P, TPoint Q);
  // Rectangle and Ellipse with a pen wider than 1, on the sorted box.
  void wide_rectangle(std::int64_t Left, std::int64_t Top, std::int64_t Right, std::int64_t Bottom);
  void wide_ellipse(std::int64_t Left, std::int64_t Top, std::int64_t Right, std::int64_t Bottom);
  // Paints clipped, disjoint spans in Color, or with the brush.
  void paint(std::span<const detail::Span> Spans, TColor Color);
  void brush_spans(std::span<const detail::Span> Spans);
  // Paints a figure drawn with a wide pen: the brush on the pixels of Fill
  // the stroke leaves, then the stroke, each pixel once.
  void fill_and_stroke(std::span<const detail::Span> Fill, const detail::WideStroke& Stroke);
  void fill_span(std::int32_t Y, std::int32_t X1, std::int32_t X2, TColor Color);
  // Fills [X1, X2) of row Y (already clipped) with the brush.
  void brush_span(std::int32_t Y, std::int32_t X1, std::int32_t X2);
  bool pen_draws() const noexcept { return FPen.Style() != TPenStyle::psClear; }
  bool wide_pen() const noexcept { return FPen.Width() > 1; }
  bool brush_fills() const noexcept { return FBrush.Style() != TBrushStyle::bsClear; }

  PixelSurface* FSurface;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  void emit(detail::CanvasOp::Kind Kind, std::vector<TPoint> Points, TColor Pixel = 0) const;

  TPoint FPenPos;
  std::function<void(const detail::CanvasOp&)> FObserver;
};

}  // namespace zyl

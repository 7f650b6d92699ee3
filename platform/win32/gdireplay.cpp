// Library: zyl / Package: platform / Module: gdireplay (Windows GDI)
#include "platform/gdireplay.h"

#include "platform/bitmap.h"
#include "platform/win32/gdihandles.h"
#include "platform/win32/win.h"

namespace zyl::platform {
namespace {

using win::ScopedDc;
using win::ScopedGdiObject;

int pen_style(TPenStyle S) {
  switch (S) {
    case TPenStyle::psSolid: return PS_SOLID;
    case TPenStyle::psDash: return PS_DASH;
    case TPenStyle::psDot: return PS_DOT;
    case TPenStyle::psDashDot: return PS_DASHDOT;
    case TPenStyle::psDashDotDot: return PS_DASHDOTDOT;
    case TPenStyle::psClear: return PS_NULL;
    case TPenStyle::psInsideFrame: return PS_INSIDEFRAME;
  }
  return PS_SOLID;
}

}  // namespace

std::vector<TColor> gdi_replay(std::int32_t Width, std::int32_t Height, TColor Background,
                               std::span<const detail::CanvasOp> Ops) {
  // Pens and brushes are created per call and released after the context
  // lets go of them (they are deselected before deletion).
  ScopedDc dc(::CreateCompatibleDC(nullptr));
  if (!dc.valid()) throw EInvalidGraphic(u"GDI could not create a device context");
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = Width;
  bi.bmiHeader.biHeight = -Height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ScopedGdiObject dib(::CreateDIBSection(dc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib.valid() || bits == nullptr) throw EInvalidGraphic(u"GDI could not create a bitmap");
  const HGDIOBJ old_bitmap = ::SelectObject(dc.get(), dib.get());
  auto* px = static_cast<std::uint32_t*>(bits);
  const std::size_t n = static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height);
  // DIB pixels are 0x00RRGGBB, TColor is 0x00BBGGRR.
  const auto swap = [](std::uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); };
  std::fill_n(px, n, swap(Background));
  for (const detail::CanvasOp& op : Ops) {
    ScopedGdiObject pen(::CreatePen(pen_style(op.pen_style), op.pen_width, op.pen_color));
    ScopedGdiObject brush(op.brush_style == TBrushStyle::bsClear ? nullptr : ::CreateSolidBrush(op.brush_color));
    const HGDIOBJ old_pen = ::SelectObject(dc.get(), pen.get());
    const HGDIOBJ old_brush = ::SelectObject(dc.get(), brush.valid() ? brush.get() : ::GetStockObject(NULL_BRUSH));
    const auto& p = op.points;
    switch (op.kind) {
      case detail::CanvasOp::kMoveTo: ::MoveToEx(dc.get(), p[0].X, p[0].Y, nullptr); break;
      case detail::CanvasOp::kLineTo: ::LineTo(dc.get(), p[0].X, p[0].Y); break;
      case detail::CanvasOp::kRectangle: ::Rectangle(dc.get(), p[0].X, p[0].Y, p[1].X, p[1].Y); break;
      case detail::CanvasOp::kEllipse: ::Ellipse(dc.get(), p[0].X, p[0].Y, p[1].X, p[1].Y); break;
      case detail::CanvasOp::kPolygon: {
        std::vector<POINT> pts;
        for (const TPoint& q : p) pts.push_back({q.X, q.Y});
        if (pts.size() >= 2) ::Polygon(dc.get(), pts.data(), static_cast<int>(pts.size()));
        break;
      }
      case detail::CanvasOp::kPixel: ::SetPixelV(dc.get(), p[0].X, p[0].Y, op.pixel_color); break;
    }
    ::SelectObject(dc.get(), old_pen);
    ::SelectObject(dc.get(), old_brush);
  }
  ::GdiFlush();
  std::vector<TColor> out(n);
  for (std::size_t i = 0; i < n; ++i) out[i] = swap(px[i]);
  ::SelectObject(dc.get(), old_bitmap);
  return out;
}

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: gdireplay (Windows GDI)
#include "platform/gdireplay.h"

#include "platform/bitmap.h"
#include "platform/win32/dibprint.h"
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

// DIB pixels are 0x00RRGGBB, TColor is 0x00BBGGRR.
std::uint32_t swap_rb(std::uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

// A memory device context drawing on Width x Height 32-bit pixels filled
// with Background.
class MemoryDc {
 public:
  MemoryDc(std::int32_t Width, std::int32_t Height, TColor Background);
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() { ::SelectObject(FDc.get(), FOldBitmap); }
  HDC get() const noexcept { return FDc.get(); }
  // The pixels drawn so far, rows top first.
  std::vector<TColor> pixels() const;

 private:
  ScopedDc FDc;
  ScopedGdiObject FDib;
  HGDIOBJ FOldBitmap = nullptr;
  std::uint32_t* FBits = nullptr;
  std::size_t FCount = 0;
};

MemoryDc::MemoryDc(std::int32_t Width, std::int32_t Height, TColor Background) : FDc(::CreateCompatibleDC(nullptr)) {
  if (!FDc.valid()) throw EInvalidGraphic(u"GDI could not create a device context");
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = Width;
  bi.bmiHeader.biHeight = -Height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  FDib.reset(::CreateDIBSection(FDc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!FDib.valid() || bits == nullptr) throw EInvalidGraphic(u"GDI could not create a bitmap");
  FOldBitmap = ::SelectObject(FDc.get(), FDib.get());
  FBits = static_cast<std::uint32_t*>(bits);
  FCount = static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height);
  std::fill_n(FBits, FCount, swap_rb(Background));
}

std::vector<TColor> MemoryDc::pixels() const {
  ::GdiFlush();
  std::vector<TColor> out(FCount);
  for (std::size_t i = 0; i < FCount; ++i) out[i] = swap_rb(FBits[i]);
  return out;
}

// A brush of the style; null for a clear brush.
HGDIOBJ create_brush(TBrushStyle S, TColor Color) {
  switch (S) {
    case TBrushStyle::bsSolid: return ::CreateSolidBrush(Color);
    case TBrushStyle::bsClear: return nullptr;
    case TBrushStyle::bsHorizontal: return ::CreateHatchBrush(HS_HORIZONTAL, Color);
    case TBrushStyle::bsVertical: return ::CreateHatchBrush(HS_VERTICAL, Color);
    case TBrushStyle::bsFDiagonal: return ::CreateHatchBrush(HS_FDIAGONAL, Color);
    case TBrushStyle::bsBDiagonal: return ::CreateHatchBrush(HS_BDIAGONAL, Color);
    case TBrushStyle::bsCross: return ::CreateHatchBrush(HS_CROSS, Color);
    case TBrushStyle::bsDiagCross: return ::CreateHatchBrush(HS_DIAGCROSS, Color);
  }
  return nullptr;
}

}  // namespace

std::vector<TColor> gdi_print_dib(std::int32_t Width, std::int32_t Height, TColor Background, const TBitmap& Bitmap,
                                  std::int32_t X, std::int32_t Y) {
  MemoryDc dc(Width, Height, Background);
  win::print_dib(dc.get(), Bitmap, X, Y);
  return dc.pixels();
}

std::vector<TColor> gdi_replay(std::int32_t Width, std::int32_t Height, TColor Background,
                               std::span<const detail::CanvasOp> Ops) {
  // Pens and brushes are created per call and released after the context
  // lets go of them (they are deselected before deletion).
  MemoryDc dc(Width, Height, Background);
  ::SetBkMode(dc.get(), TRANSPARENT);  // hatched brushes leave the gaps alone
  for (const detail::CanvasOp& op : Ops) {
    ScopedGdiObject pen(::CreatePen(pen_style(op.pen_style), op.pen_width, op.pen_color));
    ScopedGdiObject brush(create_brush(op.brush_style, op.brush_color));
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
  return dc.pixels();
}

}  // namespace zyl::platform

// Library: zyl / Package: ZYL_zylbase / Module: drawing
#include "ZYL_zylbase/drawing.h"

#include <array>

#include <algorithm>

#include "platform/screen.h"
#include "platform/textrender.h"
#include "ZYL_zylbase/errors.h"

namespace ZYL_zylbase {
namespace {

// V + D, kept inside the 32-bit range (frames at the very edge of the
// coordinate space must not overflow).
std::int32_t off(std::int32_t V, std::int32_t D) {
  const std::int64_t r = std::int64_t{V} + D;
  return static_cast<std::int32_t>(r > INT32_MAX ? INT32_MAX : r < INT32_MIN ? INT32_MIN : r);
}

}  // namespace

void DrawRectangle(zyl::TCanvas& Canvas, std::int32_t Left, std::int32_t Top, std::int32_t Right,
                   std::int32_t Bottom) {
  Canvas.MoveTo(Left, Top);
  Canvas.LineTo(Left, Bottom);
  Canvas.LineTo(Right, Bottom);
  Canvas.LineTo(Right, Top);
  Canvas.LineTo(Left, Top);
}

void DrawFrame(zyl::TCanvas& Canvas, TFrameStyle Style, std::int32_t Left, std::int32_t Top, std::int32_t Right,
               std::int32_t Bottom, zyl::TColor C1, zyl::TColor C2, zyl::TColor C3, zyl::TColor C4, zyl::TColor C5) {
  const int style = Ord(Style) & 0x7F;
  if (style == Ord(TFrameStyle::fsSimple)) {
    Canvas.Pen().SetColor(C5);
    DrawRectangle(Canvas, Left, Top, Right, Bottom);
    return;
  }
  // P1..P4 for fsLowered, fsRaised, fsEmbossed, fsEngraved.
  const std::array<std::array<zyl::TColor, 4>, 4> pens{{
      {C3, C1, C4, C2},
      {C1, C4, C2, C3},
      {C1, C3, C3, C1},
      {C3, C1, C1, C3},
  }};
  if (style < Ord(TFrameStyle::fsLowered) || style > Ord(TFrameStyle::fsEngraved)) return;
  const auto& p = pens[static_cast<std::size_t>(style - Ord(TFrameStyle::fsLowered))];
  const std::int32_t L = Left, T = Top, R = Right, B = Bottom;
  Canvas.Pen().SetColor(p[0]);
  Canvas.MoveTo(L, B);
  Canvas.LineTo(L, T);
  Canvas.LineTo(off(R, 1), T);
  Canvas.MoveTo(R, off(T, 1));
  Canvas.Pen().SetColor(p[1]);
  Canvas.LineTo(R, B);
  Canvas.LineTo(off(L, -1), B);
  Canvas.Pen().SetColor(p[2]);
  Canvas.MoveTo(off(L, 1), off(B, -1));
  Canvas.LineTo(off(L, 1), off(T, 1));
  Canvas.LineTo(R, off(T, 1));
  Canvas.MoveTo(off(R, -1), off(T, 2));
  Canvas.Pen().SetColor(p[3]);
  Canvas.LineTo(off(R, -1), off(B, -1));
  Canvas.LineTo(L, off(B, -1));
}

bool FontIsTrueType(const zyl::String& FontName) {
  const std::vector<zyl::String> fonts = zyl::Screen().Fonts();
  if (std::find(fonts.begin(), fonts.end(), FontName) == fonts.end())
    throw EZYLError(u"Font \"" + FontName + u"\" is not installed");
  return zyl::platform::font_is_truetype(FontName);
}

void SetCanvasFontSizeScaled(zyl::TCanvas& Canvas, std::int32_t Size) {
  zyl::TFont& font = Canvas.Font();
  const std::int32_t screen = zyl::Screen().PixelsPerInch();
  if (font.PixelsPerInch() == screen) {
    font.SetSize(Size);
    return;
  }
  const std::int32_t own = font.PixelsPerInch();
  font.SetPixelsPerInch(screen);
  font.SetSize(Size);
  font.SetPixelsPerInch(own);
}

}  // namespace ZYL_zylbase

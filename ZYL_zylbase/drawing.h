// Library: zyl / Package: ZYL_zylbase / Module: drawing
//
// Frames and rectangle outlines on a caller's canvas, and font sizes scaled
// to the screen's resolution. They keep no state.
//
// DrawFrame(style, L, T, R, B, c1..c5): c1 highlight, c2 inner light,
// c3 shadow, c4 dark shadow, c5 the colour of a simple frame. The style is
// read from its low 7 bits; fsNone and values above fsEngraved draw
// nothing. fsSimple is DrawRectangle in c5. The 3-D styles draw two rings,
// outer top-left P1, outer bottom-right P2, inner top-left P3, inner
// bottom-right P4, in this order:
//   P1: MoveTo(L, B) LineTo(L, T) LineTo(R+1, T) MoveTo(R, T+1)
//   P2: LineTo(R, B) LineTo(L-1, B)
//   P3: MoveTo(L+1, B-1) LineTo(L+1, T+1) LineTo(R, T+1) MoveTo(R-1, T+2)
//   P4: LineTo(R-1, B-1) LineTo(L, B-1)
//   style        P1  P2  P3  P4
//   fsLowered    c3  c1  c4  c2
//   fsRaised     c1  c4  c2  c3
//   fsEmbossed   c1  c3  c3  c1
//   fsEngraved   c3  c1  c1  c3
// The pen keeps the last colour used.
//
// Example:
//   DrawFrame(c, TFrameStyle::fsRaised, 10, 10, 20, 20, hi, light, shadow, dark, 0);
//   // row y = 10, x = 10..20 in hi; column x = 20, y = 11..19 in dark
#pragma once

#include <cstdint>

#include "platform/canvas.h"
#include "ZYL_zylbase/enums.h"

namespace ZYL_zylbase {

// With the current pen: MoveTo(L, T), LineTo(L, B), LineTo(R, B),
// LineTo(R, T), LineTo(L, T).
ZYL_API void DrawRectangle(zyl::TCanvas& Canvas, std::int32_t Left, std::int32_t Top, std::int32_t Right,
                           std::int32_t Bottom);

ZYL_API void DrawFrame(zyl::TCanvas& Canvas, TFrameStyle Style, std::int32_t Left, std::int32_t Top,
                       std::int32_t Right, std::int32_t Bottom, zyl::TColor C1, zyl::TColor C2, zyl::TColor C3,
                       zyl::TColor C4, zyl::TColor C5);

// True when the installed font family FontName has TrueType outlines
// (OpenType fonts with TrueType outlines included; CFF, Type 1 and bitmap
// fonts give false). A name not in Screen().Fonts() raises EZYLError
// "Font \"<name>\" is not installed".
[[nodiscard]] ZYL_API bool FontIsTrueType(const zyl::String& FontName);

// Sets the canvas font's size so that its height in pixels is Size points
// at the screen's resolution, whatever the font's own PixelsPerInch (which
// is left as it was).
ZYL_API void SetCanvasFontSizeScaled(zyl::TCanvas& Canvas, std::int32_t Size);

}  // namespace ZYL_zylbase

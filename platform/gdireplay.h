// Library: zyl / Package: platform / Module: gdireplay (internal, Windows only)
//
// Replays recorded canvas calls (detail::CanvasOp) on a GDI memory device
// context of Width x Height 32-bit pixels filled with Background, and
// returns its pixels as TColor values, rows top first. The tests compare the
// package canvas with GDI this way. Defined only in the Windows backend.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace zyl::platform {

std::vector<TColor> gdi_replay(std::int32_t Width, std::int32_t Height, TColor Background,
                               std::span<const detail::CanvasOp> Ops);

// Draws Bitmap at (X, Y) through the printer's bitmap steps
// (platform/win32/dibprint.h) on such a memory device context standing in
// for a printer's, and returns its pixels the same way.
std::vector<TColor> gdi_print_dib(std::int32_t Width, std::int32_t Height, TColor Background, const TBitmap& Bitmap,
                                  std::int32_t X, std::int32_t Y);

}  // namespace zyl::platform

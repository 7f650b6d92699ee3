// Library: zyl / Package: platform / Module: dibprint (Windows GDI, internal)
//
// print_dib draws a bitmap on a device context (a printer's, in practice)
// at (X, Y), one bitmap pixel per device pixel, as a device-independent
// bitmap: the header sizes are worked out, the header is allocated on the
// heap and the pixel rows as fixed global memory (GlobalAlloc, GlobalLock),
// both filled from the bitmap, then StretchDIBits copies them (source the
// whole bitmap, RGB colours, SRCCOPY). The memory is unlocked and freed on
// every path; a failing step raises EPrinter.
#pragma once

#include "platform/bitmap.h"
#include "platform/win32/win.h"

namespace zyl::platform::win {

void print_dib(HDC Dc, const TBitmap& Bitmap, int X, int Y);

}  // namespace zyl::platform::win

// Library: zyl / Package: ZYL_zylbase / Module: printbitmap
//
// PrintBitmap: copies a bitmap onto the global printer's canvas with its
// top-left corner at (X, Y), one bitmap pixel per printer pixel (no scaling
// to the printer's resolution). The print job is the caller's: outside
// BeginDoc/EndDoc the printer has no page and nothing is drawn. Pixels
// falling outside the page are clipped. On a system printer (Windows) the
// page, bitmap included, reaches the printer as one device-independent
// bitmap through StretchDIBits (platform/win32/dibprint.h).
//
// Example:
//   Printer().BeginDoc();  PrintBitmap(chart, 300, 300);  Printer().EndDoc();
#pragma once

#include <cstdint>

#include "platform/bitmap.h"

namespace ZYL_zylbase {

ZYL_API void PrintBitmap(const zyl::TBitmap& Bitmap, std::int32_t X, std::int32_t Y);

}  // namespace ZYL_zylbase

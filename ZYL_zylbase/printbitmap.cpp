// Library: zyl / Package: ZYL_zylbase / Module: printbitmap
#include "ZYL_zylbase/printbitmap.h"

#include <algorithm>

#include "platform/printer.h"

namespace ZYL_zylbase {

void PrintBitmap(const zyl::TBitmap& Bitmap, std::int32_t X, std::int32_t Y) {
  zyl::TCanvas& page = zyl::Printer().Canvas();
  const zyl::PixelSurface& src = Bitmap.Surface();
  const zyl::TPrinter& printer = zyl::Printer();
  const std::int32_t page_w = printer.Printing() ? printer.PageWidth() : 0;
  const std::int32_t page_h = printer.Printing() ? printer.PageHeight() : 0;
  // Only the rows and columns that land on the page are visited.
  const std::int64_t r0 = std::max<std::int64_t>(0, -std::int64_t{Y});
  const std::int64_t r1 = std::min<std::int64_t>(src.Height, std::int64_t{page_h} - Y);
  const std::int64_t c0 = std::max<std::int64_t>(0, -std::int64_t{X});
  const std::int64_t c1 = std::min<std::int64_t>(src.Width, std::int64_t{page_w} - X);
  for (std::int64_t r = r0; r < r1; ++r)
    for (std::int64_t c = c0; c < c1; ++c)
      page.SetPixels(static_cast<std::int32_t>(X + c), static_cast<std::int32_t>(Y + r),
                     src.Pixels[static_cast<std::size_t>(r * src.Width + c)]);
}

}  // namespace ZYL_zylbase

// The bitmap steps that send a page to a Windows printer, on a GDI memory
// device context standing in for the printer's: every bitmap pixel lands on
// one device pixel, also when the bitmap reaches over the edges.
#include <gtest/gtest.h>

#include "platform/gdireplay.h"
#include "platform/printdevice.h"

using namespace zyl;

namespace {

TEST(PrinterDib, OneDevicePixelPerBitmapPixelAtAnyOffset) {
  TBitmap b;
  b.SetSize(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) b.Canvas().SetPixels(x, y, static_cast<TColor>(0x010203 * (y * 7 + x + 1)));
  constexpr int W = 12, H = 9;
  constexpr TColor kBack = 0xA0B0C0;
  const TPoint offsets[] = {{0, 0}, {3, 2}, {-2, -1}, {8, 6}, {-7, 0}, {12, 9}};
  for (const TPoint o : offsets) {
    SCOPED_TRACE(std::to_string(o.X) + "," + std::to_string(o.Y));
    const std::vector<TColor> dc = platform::gdi_print_dib(W, H, kBack, b, o.X, o.Y);
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        const int bx = x - o.X, by = y - o.Y;
        const bool on = bx >= 0 && bx < 7 && by >= 0 && by < 5;
        ASSERT_EQ(dc[static_cast<std::size_t>(y * W + x)], on ? b.Canvas().Pixels(bx, by) : kBack) << x << "," << y;
      }
  }
  TBitmap empty;
  EXPECT_EQ(platform::gdi_print_dib(2, 2, kBack, empty, 0, 0), std::vector<TColor>(4, kBack)) << "nothing to print";
}

TEST(PrinterDib, TheSystemLookupAnswersWithAPrinterOrNone) {
  // Under Wine there is normally no printer; on a real system there may be
  // one. Either way the lookup must not fail, and a printer has a page.
  const std::unique_ptr<platform::PrintDevice> device = platform::default_print_device();
  if (!device) GTEST_SKIP() << "no default printer here";
  EXPECT_GT(device->page_width(), 0);
  EXPECT_GT(device->page_height(), 0);
}

}  // namespace

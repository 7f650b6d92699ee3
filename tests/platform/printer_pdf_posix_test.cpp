// The file printer's PDF read back by a PDF reader (poppler-utils): the
// image it extracts is the page pixel for pixel, and the page it renders at
// the page's resolution has the page's size and shows the page (the reader
// resamples the image, so single pixels along edges may differ).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/bitmap.h"
#include "platform/png.h"
#include "platform/printer.h"
#include "support/tempdir.h"

using namespace zyl;

namespace {

void draw_page(TCanvas& c) {
  c.Pen().SetColor(0x0000FF);
  c.Brush().SetColor(0x00C000);
  c.Rectangle(10, 10, 90, 50);
  c.Ellipse(30, 20, 70, 70);
  c.MoveTo(0, 79);
  c.LineTo(120, 0);
}

class PrinterPdf : public zyl::test::TempDirTest {};

TEST_F(PrinterPdf, APdfReaderShowsThePagePixelForPixel) {
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is not installed";
  if (!platform::png_available()) GTEST_SKIP() << "no PNG codec in this build";
  TPrinter& p = Printer();
  p.SetPageSize(120, 80);
  p.SetFileName(tmp.file("page.pdf"));
  p.BeginDoc();
  draw_page(p.Canvas());
  p.EndDoc();
  p.SetPageSize(2480, 3508);
  const std::string pdf = "'" + to_utf8(tmp.file("page.pdf")) + "' ";
  const std::string render = "pdftoppm -r 300 -png " + pdf + "'" + to_utf8(tmp.file("out")) + "'";
  const std::string extract = "pdfimages -png " + pdf + "'" + to_utf8(tmp.file("img")) + "'";
  ASSERT_EQ(std::system(render.c_str()), 0) << render;
  ASSERT_EQ(std::system(extract.c_str()), 0) << extract;
  TBitmap want;
  want.SetSize(120, 80);
  draw_page(want.Canvas());
  const auto differing = [&](const String& File) {
    const platform::PngImage img = platform::load_png(File, platform::TPngFormat::RGB);
    EXPECT_EQ(img.Width, 120u);
    EXPECT_EQ(img.Height, 80u);
    int count = 0;
    for (std::uint32_t y = 0; y < std::min(img.Height, 80u); ++y)
      for (std::uint32_t x = 0; x < std::min(img.Width, 120u); ++x) {
        const std::size_t at = (y * img.Width + x) * 3u;
        const TColor got = img.Pixels[at] | img.Pixels[at + 1] << 8 | img.Pixels[at + 2] << 16;
        count += got != want.Canvas().Pixels(static_cast<int>(x), static_cast<int>(y));
      }
    return count;
  };
  EXPECT_EQ(differing(tmp.file("img-000.png")), 0) << "the image in the file is the page";
  EXPECT_LT(differing(tmp.file("out-1.png")), 120 * 80 / 8) << "the rendered page shows it";
}

}  // namespace

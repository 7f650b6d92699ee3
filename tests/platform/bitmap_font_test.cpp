// Bitmaps (size limits, resizing, PNG round trip), the file printer, and
// fonts (size, height and resolution, copying).
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/bitmap.h"
#include "platform/pdfpages.h"
#include "platform/png.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "support/tempdir.h"

using namespace zyl;

namespace {

TEST(Bitmap, SizesOutsideTheLimitsRaiseAndChangeNothing) {
  struct Case {
    std::int32_t w, h;
    const char16_t* message;
  };
  const Case cases[] = {
      {-1, 5, u"Bitmap size -1 x 5 is invalid"},
      {5, INT32_MIN, u"Bitmap size 5 x -2147483648 is invalid"},
      {65536, 1, u"Bitmap size 65536 x 1 is too large (at most 65535 pixels on a side and 67108864 pixels in all)"},
      {1, 65536, u"Bitmap size 1 x 65536 is too large (at most 65535 pixels on a side and 67108864 pixels in all)"},
      {65535, 65535,
       u"Bitmap size 65535 x 65535 is too large (at most 65535 pixels on a side and 67108864 pixels in all)"},
      {INT32_MAX, INT32_MAX,
       u"Bitmap size 2147483647 x 2147483647 is too large (at most 65535 pixels on a side and 67108864 pixels in all)"},
  };
  TBitmap b;
  b.SetSize(3, 2);
  for (const Case& k : cases) {
    try {
      b.SetSize(k.w, k.h);
      ADD_FAILURE() << k.w << " x " << k.h << " accepted";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), k.message);
    }
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
  }
  b.SetSize(8192, 8192);  // exactly the pixel limit
  EXPECT_EQ(b.Surface().Pixels.size(), std::size_t{1} << 26);
}

TEST(Bitmap, ResizingKeepsThePixelsThatRemainAndAddsWhite) {
  TBitmap b;
  EXPECT_EQ(b.Width(), 0);
  b.SetSize(2, 2);
  b.Canvas().SetPixels(0, 0, 1);
  b.Canvas().SetPixels(1, 1, 2);
  b.SetWidth(3);
  EXPECT_EQ(b.Canvas().Pixels(0, 0), 1u);
  EXPECT_EQ(b.Canvas().Pixels(1, 1), 2u);
  EXPECT_EQ(b.Canvas().Pixels(2, 1), 0xFFFFFFu);
  b.SetHeight(1);
  EXPECT_EQ(b.Canvas().Pixels(1, 1), 0xFFFFFFFFu) << "outside now";
  EXPECT_EQ(b.Handle(), b.Canvas().Handle());
}

class BitmapFiles : public zyl::test::TempDirTest {};

TEST_F(BitmapFiles, PngRoundTripKeepsEveryPixel) {
  if (!platform::png_available()) GTEST_SKIP() << "no PNG codec in this build";
  TBitmap b;
  b.SetSize(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) b.Canvas().SetPixels(x, y, static_cast<TColor>(x * 0x010203 + y * 0x300000));
  b.SaveToFile(tmp.file("b.png"));
  const platform::PngImage img = platform::load_png(tmp.file("b.png"), platform::TPngFormat::RGB);
  EXPECT_EQ(img.Pixels[0 * 3 + 0], 0) << "red first in the file";
  EXPECT_EQ(img.Pixels[1 * 3 + 0], 3) << "x = 1: 0x010203 has red 3";
  EXPECT_EQ(img.Pixels[1 * 3 + 2], 1) << "and blue 1";
  TBitmap back;
  back.LoadFromFile(tmp.file("b.png"));
  EXPECT_EQ(back.Surface().Pixels, b.Surface().Pixels);
  EXPECT_EQ(back.Width(), 5);
  EXPECT_THROW(back.LoadFromFile(tmp.file("missing.png")), EInOutError);
  EXPECT_EQ(back.Width(), 5) << "unchanged after a failed load";
}

TEST_F(BitmapFiles, TheFilePrinterWritesOnePngPerPage) {
  if (!platform::png_available()) GTEST_SKIP() << "no PNG codec in this build";
  TPrinter& p = Printer();
  EXPECT_THROW(p.EndDoc(), EPrinter);
  p.SetPageSize(20, 10);
  p.SetFileName(tmp.file("job.png"));
  p.BeginDoc();
  EXPECT_THROW(p.BeginDoc(), EPrinter);
  p.Canvas().SetPixels(1, 1, 0x0000FF);
  p.NewPage();
  EXPECT_EQ(p.Canvas().Pixels(1, 1), 0xFFFFFFu) << "a new page is white";
  p.Canvas().SetPixels(2, 2, 0x00FF00);
  p.EndDoc();
  EXPECT_FALSE(p.Printing());
  TBitmap first, second;
  first.LoadFromFile(tmp.file("job.png"));
  second.LoadFromFile(tmp.file("job-2.png"));
  EXPECT_EQ(first.Width(), 20);
  EXPECT_EQ(first.Canvas().Pixels(1, 1), 0x0000FFu);
  EXPECT_EQ(second.Canvas().Pixels(2, 2), 0x00FF00u);
  EXPECT_EQ(second.Canvas().Pixels(1, 1), 0xFFFFFFu);
  EXPECT_EQ(p.Canvas().Pixels(0, 0), 0xFFFFFFFFu) << "no page outside a job";
  p.SetPageSize(2480, 3508);
}

// The PDF run-length filter, decoded as a reader would.
std::string run_length_decode(std::string_view in) {
  std::string out;
  for (std::size_t i = 0; i < in.size();) {
    const auto n = static_cast<unsigned char>(in[i++]);
    if (n == 128) break;
    if (n < 128) {
      out.append(in.substr(i, n + 1u));
      i += n + 1u;
    } else {
      out.append(257u - n, in[i++]);
    }
  }
  return out;
}

TEST(Pdf, RunLengthFilterRoundTrips) {
  std::mt19937 gen(5);
  for (int n = 0; n < 200; ++n) {
    std::string s(gen() % 700, '\0');
    for (auto& c : s) c = static_cast<char>(gen() % 3 == 0 ? gen() : 'x');
    const std::string enc = platform::run_length_encode(s);
    ASSERT_EQ(run_length_decode(enc), s) << n;
    ASSERT_EQ(enc.back(), '\x80');
  }
  EXPECT_EQ(platform::run_length_encode(std::string(300, 'a')).size(), 2u + 2u + 2u + 1u) << "128 + 128 + 44";
}

TEST_F(BitmapFiles, TheFilePrinterWritesAPdfWithOneImagePerPage) {
  TPrinter& p = Printer();
  p.SetPageSize(20, 10);
  p.SetFileName(tmp.file("job.PDF"));
  p.BeginDoc();
  p.Canvas().SetPixels(1, 1, 0x0000FF);
  p.NewPage();
  p.Canvas().SetPixels(2, 2, 0x00FF00);
  p.EndDoc();
  p.SetPageSize(2480, 3508);
  const std::string pdf = zyl::test::read_file_bytes(tmp.path() / "job.PDF");
  ASSERT_EQ(pdf.substr(0, 8), "%PDF-1.4");
  EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
  EXPECT_NE(pdf.find("/MediaBox [0 0 4.80 2.40]"), std::string::npos) << "20 x 10 pixels at 300 per inch";
  // Every cross-reference entry points at its object.
  const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
  ASSERT_EQ(pdf.substr(xref, 5), "xref\n");
  for (int obj = 1; obj <= 8; ++obj) {
    const std::size_t entry = xref + 5 + std::string("0 9\n").size() + 20u * static_cast<std::size_t>(obj);
    const std::size_t off = std::stoul(pdf.substr(entry, 10));
    EXPECT_EQ(pdf.substr(off, std::to_string(obj).size() + 6), std::to_string(obj) + " 0 obj") << obj;
  }
  // The two images, decoded: white pages with one coloured pixel each.
  std::size_t at = 0;
  for (int page = 0; page < 2; ++page) {
    at = pdf.find("/RunLengthDecode /Length ", at);
    ASSERT_NE(at, std::string::npos);
    const std::size_t len = std::stoul(pdf.substr(at + 25));
    const std::size_t data = pdf.find(">>\nstream\n", at) + 10;
    const std::string rgb = run_length_decode(std::string_view(pdf).substr(data, len));
    ASSERT_EQ(rgb.size(), 20u * 10u * 3u);
    std::string want(rgb.size(), '\xFF');
    const std::size_t px = page == 0 ? (1 * 20 + 1) * 3 : (2 * 20 + 2) * 3;
    want[px] = page == 0 ? '\xFF' : '\0';
    want[px + 1] = page == 0 ? '\0' : '\xFF';
    want[px + 2] = '\0';
    EXPECT_EQ(rgb, want) << "page " << page + 1;
    at = data + len;
  }
}

TEST(Font, SizeHeightAndResolution) {
  struct Case {
    std::int32_t size, ppi, height;
  };
  const Case cases[] = {{8, 96, -11}, {12, 96, -16}, {10, 72, -10}, {10, 300, -42}, {-9, 96, 12}, {0, 96, 0}};
  for (const Case& k : cases) {
    TFont f;
    f.SetPixelsPerInch(k.ppi);
    f.SetSize(k.size);
    EXPECT_EQ(f.Height(), k.height) << k.size << " pt at " << k.ppi;
  }
  TFont f;
  EXPECT_EQ(f.Size(), 8);
  EXPECT_EQ(f.Name(), u"Tahoma");
  f.SetPixelsPerInch(300);
  EXPECT_EQ(f.Height(), -11) << "the pixels stay";
  EXPECT_EQ(f.Size(), 3);
  f.SetPixelsPerInch(0);
  EXPECT_EQ(f.PixelsPerInch(), 1);
  f.SetHeight(INT32_MIN);
  EXPECT_EQ(f.Size(), 1) << "an overflowing conversion gives MulDiv's -1, negated";
}

TEST(Font, MulDivRoundsHalfAwayFromZero) {
  const std::int32_t rows[][4] = {{8, 96, 72, 11}, {3, 1, 2, 2}, {-3, 1, 2, -2}, {3, -1, 2, -2}, {5, 5, 0, -1},
                                  {INT32_MAX, 2, 1, -1}, {INT32_MAX, 2, 2, INT32_MAX}};
  for (const auto& r : rows) EXPECT_EQ(MulDiv(r[0], r[1], r[2]), r[3]) << r[0] << "*" << r[1] << "/" << r[2];
}

TEST(Font, AssignCopiesEverythingButTheHandlerAndNotifies) {
  TFont a, b;
  a.SetName(u"DejaVu Sans");
  a.SetPixelsPerInch(120);
  a.SetSize(14);
  a.SetColor(0x123456);
  a.SetStyle({TFontStyle::fsBold, TFontStyle::fsStrikeOut});
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(&a);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b.Name(), a.Name());
  EXPECT_EQ(b.Height(), a.Height());
  EXPECT_EQ(b.Size(), 14);
  EXPECT_EQ(b.Color(), 0x123456u);
  EXPECT_TRUE(b.Style().Contains(TFontStyle::fsStrikeOut));
  EXPECT_FALSE(b.Style().Contains(TFontStyle::fsItalic));
  EXPECT_FALSE(a.OnChange);
  EXPECT_EQ(Screen().PixelsPerInch() > 0, true);
}

}  // namespace

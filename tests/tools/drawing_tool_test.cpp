// zyl marks and zyl frame: the sheets they write, decoded and compared pixel
// by pixel with the marks and frames drawn by the library, and their usage
// errors.
#include <gtest/gtest.h>

#include "platform/png.h"
#include "support/tempdir.h"
#include "tools/tool_support.h"
#include "ZYL_zylbase/drawing.h"
#include "ZYL_zylbase/marks.h"

namespace zyl::test {
namespace {

using platform::PngImage;
using platform::TPngFormat;

TEST(DrawingTool, MarksSheetShowsEveryMarkMagnified) {
  if (!platform::png_available()) GTEST_SKIP() << "no PNG output in this build";
  TempDir tmp;
  const ToolResult r = run_tool("marks --size 1 --scale 4 -o " + quoted(tmp.file("m.png")));
  ASSERT_EQ(r.status, 0) << r.err;
  const PngImage img = platform::load_png(tmp.file("m.png"), TPngFormat::RGB);
  // Cells: 9 x 9 mark pixels of 4 x 4, 6 pixels of padding, a label band
  // of 7 (digits of one pixel).
  const std::uint32_t edge = 9 * 4, cell_w = edge + 12, cell_h = edge + 12 + 7;
  ASSERT_EQ(img.Width, 13 * cell_w + 1);
  ASSERT_EQ(img.Height, 5 * cell_h + 1) << "52 shapes and 5 character marks, 13 to a row";
  const std::uint8_t codes[57] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,  15,  16,  17,  18,
                                 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33,  34,  35,  36,  37,
                                 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 65, 88, 103, 200, 205};
  for (std::uint32_t cell = 0; cell < 57; ++cell) {
    const std::uint8_t code = codes[cell];
    const auto mark = ZYL_zylbase::CreateMarkAsBitmap(code, 0x000000, 0xFFFFFF, 1);
    const std::uint32_t x0 = cell % 13 * cell_w + 6, y0 = cell / 13 * cell_h + 6;
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 9; ++x)
        ASSERT_EQ(pixel(img, x0 + static_cast<std::uint32_t>(x) * 4 + 1, y0 + static_cast<std::uint32_t>(y) * 4 + 1),
                  mark->Canvas().Pixels(x, y))
            << "cell " << cell << " mark " << int{code} << " pixel " << x << "," << y;
  }
}

TEST(DrawingTool, FrameSheetShowsTheChosenStyles) {
  if (!platform::png_available()) GTEST_SKIP() << "no PNG output in this build";
  TempDir tmp;
  ASSERT_EQ(run_tool("frame --scale 2 -o " + quoted(tmp.file("all.png"))).status, 0);
  const ToolResult r = run_tool("frame fsEngraved --scale 1 -o " + quoted(tmp.file("one.png")));
  ASSERT_EQ(r.status, 0) << r.err;
  const PngImage all = platform::load_png(tmp.file("all.png"), TPngFormat::RGB);
  EXPECT_EQ(all.Width, 5 * (48 + 12) + 1u);
  const PngImage one = platform::load_png(tmp.file("one.png"), TPngFormat::RGB);
  ASSERT_EQ(one.Width, 24 + 12 + 1u);
  TBitmap want;
  want.SetSize(24, 24);
  want.Canvas().Pen().SetStyle(TPenStyle::psClear);
  want.Canvas().Brush().SetColor(0xC0C0C0);
  want.Canvas().Rectangle(0, 0, 25, 25);
  want.Canvas().Pen().SetStyle(TPenStyle::psSolid);
  ZYL_zylbase::DrawFrame(want.Canvas(), ZYL_zylbase::TFrameStyle::fsEngraved, 3, 3, 20, 20, 0xFFFFFF, 0xE0E0E0,
                         0x808080, 0x404040, 0);
  for (std::uint32_t y = 0; y < 24; ++y)
    for (std::uint32_t x = 0; x < 24; ++x)
      ASSERT_EQ(pixel(one, 6 + x, 6 + y), want.Canvas().Pixels(static_cast<int>(x), static_cast<int>(y))) << x << "," << y;
}

TEST(DrawingTool, UsageErrors) {
  struct Case {
    const char* args;
    const char* message;
  };
  const Case cases[] = {
      {"marks", "-o FILE.png is required"},
      {"marks --scale 0 -o x.png", "--scale needs an integer from 1 to 32, not '0'"},
      {"marks --size 256 -o x.png", "--size needs an integer from 0 to 255, not '256'"},
      {"frame fsWobbly -o x.png", "unknown frame style 'fsWobbly'"},
      {"frame fsRaised fsSimple -o x.png", "one frame style at most"},
  };
  for (const Case& c : cases) {
    const ToolResult r = run_tool(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
  }
}

}  // namespace
}  // namespace zyl::test

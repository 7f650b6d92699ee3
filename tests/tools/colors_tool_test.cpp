// zyl gradient and zyl colors: the pictures they write, decoded and checked
// against the library, their text, their usage errors, and the clear error
// of a build without PNG output.
#include <gtest/gtest.h>

#include "platform/png.h"
#include "support/tempdir.h"
#include "tools/tool_support.h"
#include "ZYL_zylcolors/colorarray.h"
#include "ZYL_zylcolors/colortables.h"
#include "ZYL_zylcolors/keycolors.h"

namespace zyl::test {
namespace {

using platform::PngImage;
using platform::TPngFormat;

TEST(ColorsTool, GradientStripShowsTheArrayPositionByPosition) {
  if (!platform::png_available()) GTEST_SKIP() << "no PNG output in this build";
  TempDir tmp;
  struct Case {
    const char* args;
    std::vector<TColor> keys;
    int levels, size;
    double gamma;  // < 0: no --log
    std::uint32_t height;
  } cases[] = {
      {"", {ZYL_zylcolors::ColorArray_Rainbow.begin(), ZYL_zylcolors::ColorArray_Rainbow.end()}, 0, 1000, -1, 40},
      {"--keys circle --levels 6 --size 300 --height 3",
       {ZYL_zylcolors::ColorArray_Circle.begin(), ZYL_zylcolors::ColorArray_Circle.end()}, 6, 300, -1, 3},
      {"--keys 'FF0000,Navy,$00FF00' --log 0.7 --size 50 --height 1", {0x0000FF, 0x800000, 0x00FF00}, 0, 50, 0.7, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const ToolResult r = run_tool(std::string("gradient ") + c.args + " -o " + quoted(tmp.file("g.png")));
    ASSERT_EQ(r.status, 0) << r.err;
    const PngImage img = platform::load_png(tmp.file("g.png"), TPngFormat::RGB);
    ASSERT_EQ(img.Width, static_cast<std::uint32_t>(c.size));
    ASSERT_EQ(img.Height, c.height);
    ZYL_zylcolors::TColorArray expected(nullptr);
    expected.Resize(c.size);
    expected.FillByInterpolation(c.levels, c.keys);
    if (c.gamma >= 0) expected.LogTransform(c.gamma);
    for (std::uint32_t x = 0; x < img.Width; x += 7) {
      ASSERT_EQ(pixel(img, x, 0), expected.GetColorElem(static_cast<int>(x + 1))) << "column " << x;
      ASSERT_EQ(pixel(img, x, c.height - 1), expected.GetColorElem(static_cast<int>(x + 1))) << "column " << x;
    }
  }
}

TEST(ColorsTool, SwatchSheetOfTheNamedColors) {
  if (!platform::png_available()) GTEST_SKIP() << "no PNG output in this build";
  TempDir tmp;
  const ToolResult r = run_tool("colors --png " + quoted(tmp.file("sheet.png")));
  ASSERT_EQ(r.status, 0) << r.err;
  const PngImage img = platform::load_png(tmp.file("sheet.png"), TPngFormat::RGB);
  EXPECT_EQ(img.Width, 16u * 32);
  EXPECT_EQ(img.Height, 30u * 32);  // 466 colours, 16 to a row
  for (std::size_t i = 0; i < ZYL_zylcolors::AllZYLColors.size(); i += 5) {
    const auto x = static_cast<std::uint32_t>(i % 16 * 32), y = static_cast<std::uint32_t>(i / 16 * 32);
    EXPECT_EQ(pixel(img, x + 14, y + 14), ZYL_zylcolors::AllZYLColors[i]) << "swatch " << i;
    EXPECT_EQ(pixel(img, x + 30, y + 14), 0x808080u) << "gap after swatch " << i;
  }
  // Colours given: a sheet of just those.
  ASSERT_EQ(run_tool("colors --png " + quoted(tmp.file("two.png")) + " Red 0000FF").status, 0);
  const PngImage two = platform::load_png(tmp.file("two.png"), TPngFormat::RGB);
  EXPECT_EQ(two.Width, 64u);
  EXPECT_EQ(pixel(two, 40, 10), 0xFF0000u);
}

TEST(ColorsTool, DescribesColorsInEveryModel) {
  const ToolResult r = run_tool("colors aqua FF8000 '$00563412'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find("FF8000\n")),
            "aqua\n"
            "  name     Aqua\n"
            "  RGB      00FFFF  (0, 255, 255)  TColor $00FFFF00\n"
            "  HSL      180.00  1.0000  0.5000\n"
            "  HSV      180.00  1.0000  1.0000\n"
            "  HSI      180.00  1.0000  0.6667\n"
            "  CMYK     1.0000  0.0000  0.0000  0.0000\n"
            "  nearest  Aqua (distance 0.0000)\n");
  EXPECT_NE(r.out.find("  name     000080FF\n"), std::string::npos);
  EXPECT_NE(r.out.find("  nearest  DarkOrange1 (distance 0.0023)\n"), std::string::npos);
  EXPECT_NE(r.out.find("$00563412\n  name     00563412\n  RGB      123456"), std::string::npos);

  const ToolResult table = run_tool("colors");
  ASSERT_EQ(table.status, 0);
  EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 466);
  EXPECT_NE(table.out.find(" 14  Aqua                   00FFFF\n"), std::string::npos);
}

TEST(ColorsTool, UsageErrors) {
  for (const char* args : {"colors NoSuchColour", "colors 12345", "colors '$123456789'", "gradient --size 0 -o x.png",
                           "gradient --keys Red,, -o x.png", "gradient --log 2 -o x.png", "gradient --levels x -o x.png",
                           "gradient", "gradient -o x.png extra"}) {
    SCOPED_TRACE(args);
    const ToolResult r = run_tool(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("usage:"), std::string::npos) << r.err;
  }
}

TEST(ColorsTool, WithoutPNGOutputThePictureCommandsSaySo) {
  if (platform::png_available()) GTEST_SKIP() << "this build has PNG output";
  TempDir tmp;
  for (std::string args : {"gradient -o ", "colors --png "}) {
    const ToolResult r = run_tool(args + quoted(tmp.file("p.png")));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("PNG output not available in this build"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(tmp.path() / "p.png"));
  }
}

}  // namespace
}  // namespace zyl::test

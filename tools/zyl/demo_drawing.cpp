// The drawing section of "zyl demo": marks and frames drawn on the package's
// own canvas (the marks sheet written beside the program), and a text label
// written to its XML form and read back.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "command.h"
#include "drawingsheet.h"
#include "privatetempdir.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

// Mark 3 and a raised frame as text, so the tour shows the exact pixels.
void pixels_as_text() {
  zyl::TBitmap b;
  b.SetSize(24, 9);
  b.Canvas().Pen().SetColor(0);
  zyl::DrawMarkOnCanvas(b.Canvas(), 3, 4, 4);
  zyl::DrawMarkOnCanvas(b.Canvas(), 16, 12, 4);
  zyl::DrawFrame(b.Canvas(), zyl::TFrameStyle::fsRaised, 16, 0, 23, 8, 0x1, 0x2, 0x3, 0x4, 0x5);
  std::printf("marks 3 and 16, and a raised frame (1 highlight, 2 light, 3 shadow, 4 dark):\n");
  for (int y = 0; y < b.Height(); ++y) {
    std::string row = "  ";
    for (int x = 0; x < b.Width(); ++x) {
      const zyl::TColor c = b.Canvas().Pixels(x, y);
      row.push_back(c == 0 ? '#' : c <= 5 ? static_cast<char>('0' + c) : '.');
    }
    std::printf("%s\n", row.c_str());
  }
}

// Its place depends on the machine: reported on standard error.
void marks_picture() {
  const std::filesystem::path file = std::filesystem::path(program_path()).parent_path() / "zyl-demo-marks.png";
  std::printf("\nmarks sheet: the marks magnified 8 times (its place: standard error)\n");
  std::fflush(stdout);
  try {
    save_bitmap(file.string(), *marks_sheet(sheet_codes(), 2, 8));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "marks sheet not written: %s\n", e.what());
  }
}

void label_round_trip() {
  zyl::TCustomTextLabel label;
  label.SetTxtLblCaption(u"Peak <A> & B");
  label.SetTxtLblPosX(12.5);
  label.SetTxtLblPosY(-3e-7);
  label.SetTxtLblColorBkg(0x00FFFF);  // yellow
  label.SetTxtLblScreenPos(zyl::TTxtLblAttachMode::tlamXOnly);
  label.SetTxtLblMode(zyl::TTxtLblMode::tlShadow);
  zyl::TFont font;
  font.SetName(u"DejaVu Sans");
  font.SetSize(11);
  font.SetStyle({zyl::TFontStyle::fsBold});
  label.SetTxtLblFont(font);

  PrivateTempDir dir("zyl-demo-label");
  zyl::TextFile f;
  f.Assign(dir.file("label.xml"));
  f.Rewrite();
  label.WriteToOpenXMLFile(f, true, u"Peak1", 2);
  f.CloseFile();
  std::printf("\na text label written as XML:\n");
  f.Reset();
  while (!f.Eof()) std::printf("| %s\n", zyl::to_utf8(f.ReadLn()).c_str());
  f.CloseFile();

  zyl::TCustomTextLabel back;
  f.Reset();
  const bool found = back.ReadFromOpenXMLFile(f, u"PEAK1");
  f.CloseFile();
  std::printf("read back with the id PEAK1: %s; caption \"%s\", x %s, y %s, font %s %d pt, style %s\n",
              found ? "found" : "not found", zyl::to_utf8(back.Caption()).c_str(), zyl::to_utf8(zyl::FloatToStr(back.PosX())).c_str(),
              zyl::to_utf8(zyl::FloatToStr(back.PosY())).c_str(),
              zyl::to_utf8(back.Font().Name()).c_str(), back.Font().Size(),
              zyl::to_utf8(zyl::xmlTxtLblMode[static_cast<std::size_t>(back.Mode())]).c_str());
}

void demo_drawing() {
  pixels_as_text();
  marks_picture();
  label_round_trip();
}

const DemoRegistration demo{{12, "Foundation: canvas, marks, frames and text labels", demo_drawing}};

}  // namespace
}  // namespace zyl_tool

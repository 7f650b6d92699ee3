// Pictures of colours for the zyl tool: gradient strips and swatch sheets.
#include "colorpicture.h"
#include "platform/program.h"

#include <cstdio>

namespace zyl_tool {
namespace {

using zyl::platform::PngImage;

void put_pixel(PngImage& img, std::uint32_t x, std::uint32_t y, zyl::TColor c) {
  const std::size_t at = (std::size_t{y} * img.Width + x) * 3;
  img.Pixels[at] = static_cast<std::uint8_t>(c & 0xFF);
  img.Pixels[at + 1] = static_cast<std::uint8_t>((c >> 8) & 0xFF);
  img.Pixels[at + 2] = static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

PngImage blank_image(std::uint32_t w, std::uint32_t h, std::uint8_t fill) {
  return PngImage{w, h, zyl::platform::TPngFormat::RGB, std::vector<std::uint8_t>(std::size_t{w} * h * 3, fill)};
}

}  // namespace

PngImage gradient_strip(const zyl::TColorArray& Colors, std::uint32_t Height) {
  const auto width = static_cast<std::uint32_t>(Colors.Size());
  PngImage img = blank_image(width, Height, 0);
  for (std::uint32_t x = 0; x < width; ++x) {
    const zyl::TColor c = Colors.GetColorElem(static_cast<std::int32_t>(x + 1));
    for (std::uint32_t y = 0; y < Height; ++y) put_pixel(img, x, y, c);
  }
  return img;
}

PngImage swatch_sheet(std::span<const zyl::TColor> Colors, std::uint32_t PerRow) {
  const auto count = static_cast<std::uint32_t>(Colors.size());
  const std::uint32_t columns = count < PerRow ? count : PerRow;
  const std::uint32_t rows = (count + PerRow - 1) / PerRow;
  PngImage img = blank_image(columns * kSwatchCell, rows * kSwatchCell, kSwatchBackground);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t left = i % PerRow * kSwatchCell, top = i / PerRow * kSwatchCell;
    for (std::uint32_t y = 0; y < kSwatchCell - kSwatchGap; ++y)
      for (std::uint32_t x = 0; x < kSwatchCell - kSwatchGap; ++x) put_pixel(img, left + x, top + y, Colors[i]);
  }
  return img;
}

void save_picture(const std::string& FileName, const PngImage& Image) {
  zyl::platform::save_png(zyl::platform::argument_file_name(FileName), Image);
  std::fprintf(stderr, "%u x %u pixels written to %s\n", Image.Width, Image.Height, FileName.c_str());
}

}  // namespace zyl_tool

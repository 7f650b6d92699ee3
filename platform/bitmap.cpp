// Library: zyl / Package: platform / Module: bitmap
#include "platform/bitmap.h"

#include <algorithm>
#include <string>

#include "platform/png.h"

namespace zyl {
namespace {

String size_text(std::int64_t W, std::int64_t H) {
  return from_utf8(std::to_string(W) + " x " + std::to_string(H));
}

}  // namespace

void detail::check_bitmap_size(std::int64_t W, std::int64_t H) {
  if (W < 0 || H < 0) throw EInvalidGraphic(u"Bitmap size " + size_text(W, H) + u" is invalid");
  if (W > kMaxBitmapSide || H > kMaxBitmapSide || W * H > kMaxBitmapPixels)
    throw EInvalidGraphic(u"Bitmap size " + size_text(W, H) +
                          u" is too large (at most 65535 pixels on a side and 67108864 pixels in all)");
}

TBitmap::TBitmap() : FCanvas(std::make_unique<TCanvas>(FSurface)) {}

void TBitmap::SetSize(std::int32_t NewWidth, std::int32_t NewHeight) {
  detail::check_bitmap_size(NewWidth, NewHeight);
  if (NewWidth == FSurface.Width && NewHeight == FSurface.Height) return;
  std::vector<TColor> pixels(static_cast<std::size_t>(NewWidth) * static_cast<std::size_t>(NewHeight), 0xFFFFFFu);
  const std::int32_t w = std::min(NewWidth, FSurface.Width), h = std::min(NewHeight, FSurface.Height);
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x)
      pixels[static_cast<std::size_t>(y) * NewWidth + x] = FSurface.Pixels[static_cast<std::size_t>(y) * FSurface.Width + x];
  FSurface.Pixels = std::move(pixels);
  FSurface.Width = NewWidth;
  FSurface.Height = NewHeight;
}

void TBitmap::SaveToFile(const String& FileName) const {
  platform::PngImage img;
  img.Width = static_cast<std::uint32_t>(FSurface.Width);
  img.Height = static_cast<std::uint32_t>(FSurface.Height);
  img.Format = platform::TPngFormat::RGB;
  img.Pixels.reserve(FSurface.Pixels.size() * 3);
  for (TColor c : FSurface.Pixels) {
    img.Pixels.push_back(static_cast<std::uint8_t>(c));
    img.Pixels.push_back(static_cast<std::uint8_t>(c >> 8));
    img.Pixels.push_back(static_cast<std::uint8_t>(c >> 16));
  }
  platform::save_png(FileName, img);
}

void TBitmap::LoadFromFile(const String& FileName) {
  const platform::PngImage img = platform::load_png(FileName, platform::TPngFormat::RGB);
  detail::check_bitmap_size(img.Width, img.Height);
  std::vector<TColor> pixels(static_cast<std::size_t>(img.Width) * img.Height);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = TColor{img.Pixels[3 * i]} | TColor{img.Pixels[3 * i + 1]} << 8 | TColor{img.Pixels[3 * i + 2]} << 16;
  FSurface.Pixels = std::move(pixels);
  FSurface.Width = static_cast<std::int32_t>(img.Width);
  FSurface.Height = static_cast<std::int32_t>(img.Height);
}

}  // namespace zyl

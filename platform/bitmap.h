// Library: zyl / Package: platform / Module: bitmap
//
// TBitmap: a picture of Width x Height 32-bit pixels with a TCanvas to draw
// on it, saved to and loaded from PNG files.
//
// A new bitmap is 0 x 0. SetSize keeps the pixels that remain inside and
// makes new ones white. Sizes are limited to kMaxBitmapSide pixels on a side
// and kMaxBitmapPixels pixels in all; a larger or negative size raises
// EInvalidGraphic and leaves the bitmap as it was.
//
// PNG goes through platform/png.h: where the build has no PNG support,
// SaveToFile and LoadFromFile raise EPngError.
//
// Example:
//   TBitmap b;  b.SetSize(16, 16);
//   b.Canvas().Brush().SetColor(0x00FF00);  b.Canvas().Rectangle(0, 0, 16, 16);
//   b.SaveToFile(u"green.png");
#pragma once

#include <cstdint>
#include <memory>

#include "platform/canvas.h"
#include "platform/exceptions.h"

namespace zyl {

// A picture operation with invalid arguments (such as an absurd size).
class ZYL_API EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

constexpr std::int32_t kMaxBitmapSide = 65535;
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 26;  // 256 MiB of pixels

class ZYL_API TBitmap {
 public:
  TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  std::int32_t Width() const noexcept { return FSurface.Width; }
  std::int32_t Height() const noexcept { return FSurface.Height; }
  void SetWidth(std::int32_t Value) { SetSize(Value, FSurface.Height); }
  void SetHeight(std::int32_t Value) { SetSize(FSurface.Width, Value); }
  // Raises EInvalidGraphic "Bitmap size W x H is invalid" for a negative
  // size and "Bitmap size W x H is too large (at most 65535 pixels on a side
  // and 67108864 pixels in all)" beyond the limits.
  void SetSize(std::int32_t NewWidth, std::int32_t NewHeight);

  TCanvas& Canvas() noexcept { return *FCanvas; }
  const TCanvas& Canvas() const noexcept { return *FCanvas; }
  // The pixels, row by row (read only; draw through the canvas).
  const PixelSurface& Surface() const noexcept { return FSurface; }

  // Opaque identity of the picture, the same as Canvas().Handle().
  std::uintptr_t Handle() const noexcept { return FCanvas->Handle(); }
  // 0: 32-bit pixels need no palette.
  std::uintptr_t Palette() const noexcept { return 0; }

  // Writes the picture as an 8-bit RGB PNG (whole or not at all); an empty
  // bitmap raises EPngError.
  void SaveToFile(const String& FileName) const;
  // Replaces size and pixels with the PNG file's (alpha ignored). Raises
  // EInOutError or EPngError and leaves the bitmap unchanged on failure.
  void LoadFromFile(const String& FileName);

 private:
  PixelSurface FSurface;
  std::unique_ptr<TCanvas> FCanvas;
};

namespace detail {
// Raises TBitmap::SetSize's EInvalidGraphic when W x H is negative or too large.
ZYL_API void check_bitmap_size(std::int64_t W, std::int64_t H);
}  // namespace detail

}  // namespace zyl

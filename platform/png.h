// Library: zyl / Package: platform / Module: png
//
// PNG pictures: encoding and decoding 8-bit RGB and RGBA pixel buffers, and
// saving and loading them by file name. Every module that writes pictures
// uses these.
//
// A PngImage holds Height rows, top row first, of Width pixels each, every
// pixel 3 bytes (R, G, B) or 4 bytes (R, G, B, A): Pixels.size() ==
// Width * Height * bytes per pixel.
//
// The codec is libpng. A build made without libpng (the Windows build, for
// which no libpng is at hand) still has these functions: png_available()
// says false and every other function raises EPngError "PNG output not
// available in this build".
//
// Example:
//   zyl::platform::PngImage img{2, 1, zyl::platform::TPngFormat::RGB, {255, 0, 0, 0, 0, 255}};
//   zyl::platform::save_png(u"red-blue.png", img);   // a red and a blue pixel
//   load_png(u"red-blue.png").Pixels                 // == img.Pixels
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/exceptions.h"
#include "platform/hoststring.h"

namespace zyl::platform {

// Bytes per pixel.
enum class TPngFormat : std::uint8_t { RGB = 3, RGBA = 4 };

struct ZYL_API PngImage {
  std::uint32_t Width = 0;
  std::uint32_t Height = 0;
  TPngFormat Format = TPngFormat::RGB;
  std::vector<std::uint8_t> Pixels;
};

// Malformed pictures, pictures too large, and builds without PNG support.
class ZYL_API EPngError : public Exception {
 public:
  using Exception::Exception;
};

// The largest picture these functions handle: 2^28 bytes of pixels (a
// 8192 x 8192 RGBA picture), and at most 2^20 pixels on a side.
constexpr std::uint64_t kMaxPngPixelBytes = std::uint64_t{1} << 28;
constexpr std::uint32_t kMaxPngSide = 1u << 20;

// True when this build can encode and decode PNG.
[[nodiscard]] ZYL_API bool png_available() noexcept;

// The PNG file bytes of Image (8 bits per channel, no interlacing, no
// metadata: equal images give equal bytes). Raises EPngError when the
// image is empty, larger than the limits above, or its Pixels size does not
// match its dimensions.
[[nodiscard]] ZYL_API std::string encode_png(const PngImage& Image);

// Decodes PNG file bytes of any colour type and bit depth into 8-bit pixels
// of the given format (alpha dropped for RGB, opaque alpha added for RGBA).
// Raises EPngError for data that is not a valid PNG or exceeds the limits.
[[nodiscard]] ZYL_API PngImage decode_png(std::string_view Bytes, TPngFormat Format);

// encode_png written to FileName through save_file (whole or not at all):
// EInOutError when the file cannot be written, EPngError as encode_png.
ZYL_API void save_png(const String& FileName, const PngImage& Image);

// decode_png of the whole file FileName: EInOutError when it cannot be read.
[[nodiscard]] ZYL_API PngImage load_png(const String& FileName, TPngFormat Format);

}  // namespace zyl::platform

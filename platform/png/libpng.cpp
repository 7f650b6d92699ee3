// Library: zyl / Package: platform / Module: png (libpng)
//
// Uses libpng's simplified interface, which reports errors through its
// result instead of a longjmp across our frames.
#include <png.h>

#include <memory>

#include "platform/png/codec.h"

namespace zyl::platform::detail {
namespace {

// Frees what a png_image has allocated, however its use ends.
struct ImageGuard {
  png_image& image;
  ~ImageGuard() { png_image_free(&image); }
};

[[noreturn]] void fail(const char* what, const png_image& image) {
  throw EPngError(from_latin1(std::string(what) + ": " + image.message));
}

png_uint_32 libpng_format(TPngFormat Format) {
  return Format == TPngFormat::RGBA ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
}

}  // namespace

const bool kPngCodecAvailable = true;

std::string png_codec_encode(const PngImage& Image) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = Image.Width;
  image.height = Image.Height;
  image.format = libpng_format(Image.Format);
  ImageGuard guard{image};
  png_alloc_size_t size = 0;
  // The first call measures, the second writes.
  if (!png_image_write_get_memory_size(image, size, 0, Image.Pixels.data(), 0, nullptr))
    fail("cannot encode PNG", image);
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, Image.Pixels.data(), 0, nullptr))
    fail("cannot encode PNG", image);
  bytes.resize(size);
  return bytes;
}

PngImage png_codec_decode(std::string_view Bytes, TPngFormat Format) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ImageGuard guard{image};
  if (!png_image_begin_read_from_memory(&image, Bytes.data(), Bytes.size())) fail("not a valid PNG", image);
  image.format = libpng_format(Format);
  const std::uint64_t bytes = std::uint64_t{image.width} * image.height * static_cast<unsigned>(Format);
  if (image.width > kMaxPngSide || image.height > kMaxPngSide || bytes > kMaxPngPixelBytes)
    throw EPngError(u"PNG picture too large");
  PngImage out{image.width, image.height, Format, std::vector<std::uint8_t>(static_cast<std::size_t>(bytes))};
  if (!png_image_finish_read(&image, nullptr, out.Pixels.data(), 0, nullptr)) fail("not a valid PNG", image);
  return out;
}

}  // namespace zyl::platform::detail

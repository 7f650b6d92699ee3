// Library: zyl / Package: platform / Module: png
#include "platform/png.h"

#include "platform/file.h"
#include "platform/png/codec.h"
#include "platform/savefile.h"

namespace zyl::platform {
namespace {

void check_image(const PngImage& Image) {
  if (!detail::kPngCodecAvailable) return;  // the codec raises its own error
  if (Image.Width == 0 || Image.Height == 0) throw EPngError(u"PNG picture without pixels");
  const std::uint64_t bytes = std::uint64_t{Image.Width} * Image.Height * static_cast<unsigned>(Image.Format);
  if (Image.Width > kMaxPngSide || Image.Height > kMaxPngSide || bytes > kMaxPngPixelBytes)
    throw EPngError(u"PNG picture too large");
  if (Image.Pixels.size() != bytes) throw EPngError(u"PNG pixel buffer does not match the picture size");
}

std::string read_whole_file(const String& FileName) {
  int error = 0;
  FileHandle f = open_file(FileName, FileAccess::Read, FileDisposition::OpenExisting, 0, error);
  const auto fail = [&] { throw EInOutError(u"Cannot read \"" + FileName + u"\": " + error_message(error), error); };
  if (!f.valid()) fail();
  const std::int64_t size = file_size(f, error);
  if (size < 0) fail();
  if (static_cast<std::uint64_t>(size) > 2 * kMaxPngPixelBytes) throw EPngError(u"PNG picture too large");
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (read_file(f, bytes.data(), size, error) != size) fail();
  return bytes;
}

}  // namespace

bool png_available() noexcept { return detail::kPngCodecAvailable; }

std::string encode_png(const PngImage& Image) {
  check_image(Image);
  return detail::png_codec_encode(Image);
}

PngImage decode_png(std::string_view Bytes, TPngFormat Format) { return detail::png_codec_decode(Bytes, Format); }

void save_png(const String& FileName, const PngImage& Image) { save_file(FileName, encode_png(Image)); }

PngImage load_png(const String& FileName, TPngFormat Format) {
  if (!png_available()) return decode_png({}, Format);  // raises the build's error
  return decode_png(read_whole_file(FileName), Format);
}

}  // namespace zyl::platform

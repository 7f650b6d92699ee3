// Library: zyl / Package: platform / Module: png (without a PNG library)
#include "platform/png/codec.h"

namespace zyl::platform::detail {
namespace {

[[noreturn]] void unavailable() { throw EPngError(u"PNG output not available in this build"); }

}  // namespace

const bool kPngCodecAvailable = false;

std::string png_codec_encode(const PngImage&) { unavailable(); }

PngImage png_codec_decode(std::string_view, TPngFormat) { unavailable(); }

}  // namespace zyl::platform::detail

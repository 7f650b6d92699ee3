// Library: zyl / Package: platform / Module: png (internal)
//
// The PNG codec behind platform/png.h. The build compiles exactly one of
// libpng.cpp (with libpng) and none.cpp (without). Arguments are checked by
// png.cpp before they arrive here.
#pragma once

#include <string>
#include <string_view>

#include "platform/png.h"

namespace zyl::platform::detail {

extern const bool kPngCodecAvailable;

// Encodes a checked image; raises EPngError on failure.
std::string png_codec_encode(const PngImage& Image);
// Decodes into Format; raises EPngError on failure or beyond the limits.
PngImage png_codec_decode(std::string_view Bytes, TPngFormat Format);

}  // namespace zyl::platform::detail

// Library: zyl / Package: ZYL_zylcolors / Module: randomcolor
//
// Random colours drawn from the package's process-wide generator
// (platform/random.h), so a given RandSeed always gives the same colours.
// Not synchronised: one thread at a time.
//
// Example:
//   zyl::RandSeed = 42;
//   RandomColor(200, 255, 0, 0, 0, 0)   // a red of 200..255, green and blue 0
#pragma once

#include <cstdint>

#include "platform/api.h"
#include "platform/events.h"

namespace ZYL_zylcolors {

using zyl::TColor;

// Draws blue, then green, then red, each uniform in 0..255.
[[nodiscard]] ZYL_API TColor RandomColor();

// Draws blue, then green, then red, each low + Random(high - low + 1),
// modulo 256. A high bound below its low bound gives the generator an empty
// range, for which it returns 0: that channel is then its low bound (the
// generator still steps).
[[nodiscard]] ZYL_API TColor RandomColor(std::uint8_t RedLow, std::uint8_t RedHigh, std::uint8_t GreenLow,
                                         std::uint8_t GreenHigh, std::uint8_t BlueLow, std::uint8_t BlueHigh);

}  // namespace ZYL_zylcolors

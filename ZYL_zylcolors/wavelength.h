// Library: zyl / Package: ZYL_zylcolors / Module: wavelength
//
// The colour of visible light of one wavelength.
//
//   WavelengthToColor(650, 1)   == 0x0000FF   (pure red)
//   WavelengthToColor(379, 1)   == 0          (black: outside 380..779 nm)
#pragma once

#include <cstdint>

#include "platform/api.h"
#include "platform/events.h"

namespace ZYL_zylcolors {

using zyl::TColor;

// Base channels by range (380-439 violet to blue, 440-489 blue to cyan,
// 490-509 cyan to green, 510-579 green to yellow, 580-644 yellow to red,
// 645-779 red), an intensity factor f falling off below 420 nm and above
// 700 nm, and each non-zero channel v becoming round(255 * (v * f)^Gamma)
// (ties to even). Wavelengths below 380 or from 780 on give black. A Gamma
// below 0 would lift channels above 255: they are clamped to 255; NaN gives 0.
[[nodiscard]] ZYL_API TColor WavelengthToColor(std::int32_t Wavelength, double Gamma);

}  // namespace ZYL_zylcolors

// Library: zyl / Package: ZYL_zylcolors / Module: wavelength
#include "ZYL_zylcolors/wavelength.h"

#include <cmath>

#include "platform/fpu.h"
#include "ZYL_zylcolors/detail/channels.h"

namespace ZYL_zylcolors {

using namespace detail;

namespace {

// The intensity of the light falls off towards both ends of the spectrum.
Extended intensity_factor(std::int32_t w) {
  Extended f;
  if (w > 700) f = 0.3L + 0.7L * (780 - w) / 80;
  else if (w >= 420) f = 1;
  else f = 0.3L + 0.7L * (w - 380) / 40;
  return f < 0 ? 0 : f;
}

std::int64_t output_channel(Extended v, Extended f, double gamma) {
  if (f == 0 || v == 0) return 0;
  const std::int64_t n = round_even_bounded(255 * std::exp(gamma * std::log(v * f)));
  return n < 0 ? 0 : n > 255 ? 255 : n;
}

}  // namespace

TColor WavelengthToColor(std::int32_t Wavelength, double Gamma) {
  zyl::platform::ExtendedPrecisionScope extended;
  const std::int32_t w = Wavelength;
  if (w < 380 || w >= 780) return 0;
  Extended r = 0, g = 0, b = 0;
  if (w < 440) {
    r = (440 - w) / 60.0L;
    b = 1;
  } else if (w < 490) {
    g = (w - 440) / 50.0L;
    b = 1;
  } else if (w < 510) {
    g = 1;
    b = (510 - w) / 20.0L;
  } else if (w < 580) {
    r = (w - 510) / 70.0L;
    g = 1;
  } else if (w < 645) {
    r = 1;
    g = (645 - w) / 65.0L;
  } else {
    r = 1;
  }
  const Extended f = intensity_factor(w);
  return rgb_color(output_channel(r, f, Gamma), output_channel(g, f, Gamma), output_channel(b, f, Gamma));
}

}  // namespace ZYL_zylcolors

// Library: zyl / Package: ZYL_zylcolors / Module: colormodels
#include "ZYL_zylcolors/colormodels.h"

#include <algorithm>
#include <cmath>

#include "platform/fpu.h"
#include "ZYL_zylcolors/detail/channels.h"

namespace ZYL_zylcolors {

using namespace detail;
using zyl::platform::ExtendedPrecisionScope;

namespace {

enum class Channel { red, green, blue };

struct RGBValues {
  Extended r, g, b;
};

// The hue in degrees of channels whose maximum lies in channel top and whose
// spread (maximum - minimum) is d, d != 0.
Extended hue_of(const RGBValues& c, Channel top, Extended d) {
  Extended h;
  switch (top) {
    case Channel::red: h = (c.g - c.b) / d; break;
    case Channel::green: h = (c.b - c.r) / d + 2; break;
    default: h = (c.r - c.g) / d + 4; break;
  }
  h *= 60;
  if (h < 0) h += 360;
  return h;
}

// The maximum as HSV and HSI define it: red, replaced by green when red is
// smaller, replaced by blue when that maximum is smaller (ties keep the earlier).
Channel top_channel(const RGBValues& c, Extended& max) {
  Channel top = Channel::red;
  max = c.r;
  if (c.r < c.g) {
    max = c.g;
    top = Channel::green;
  }
  if (max < c.b) {
    max = c.b;
    top = Channel::blue;
  }
  return top;
}

RGBValues exact_channels(std::int32_t R, std::int32_t G, std::int32_t B) {
  return {static_cast<Extended>(R), static_cast<Extended>(G), static_cast<Extended>(B)};
}

// The hue of HSL and HSI in [0, 360): one step of 360 towards the range, and
// anything still outside it (or NaN) taken as 0.
Extended corrected_hue(double H) {
  Extended h = H;
  if (h < 0) h += 360;
  if (h > 360) h -= 360;
  return h >= 0 && h < 360 ? h : 0;
}

Extended frac_of(Extended x) { return x - std::trunc(x); }

// (r, g, b) of the hue sector 0..5 with the largest component c and the
// second x, as HSL and HSI spread them.
RGBValues sector_values(std::int64_t sector, Extended c, Extended x) {
  switch (sector) {
    case 0: return {c, x, 0};
    case 1: return {x, c, 0};
    case 2: return {0, c, x};
    case 3: return {0, x, c};
    case 4: return {x, 0, c};
    default: return {c, 0, x};
  }
}

std::int32_t channel_of(Extended unit) { return static_cast<std::int32_t>(round_even_bounded(unit * 255)); }

}  // namespace

void RGBtoHSL(std::int32_t R, std::int32_t G, std::int32_t B, double& H, double& S, double& L) {
  ExtendedPrecisionScope extended;
  const RGBValues c{clamp_to(R / 255.0L, 0, 1), clamp_to(G / 255.0L, 0, 1), clamp_to(B / 255.0L, 0, 1)};
  const Extended max = std::max({c.r, c.g, c.b});
  const Extended min = std::min({c.r, c.g, c.b});
  const Extended d = max - min;
  const Extended l = (max + min) / 2;
  L = static_cast<double>(l);
  if (d == 0) {
    H = 0;
    S = 0;
    return;
  }
  // Red wins a tie for the maximum, then green.
  const Channel top = c.r == max ? Channel::red : c.g == max ? Channel::green : Channel::blue;
  H = static_cast<double>(hue_of(c, top, d));
  S = static_cast<double>(d / (1 - std::fabs(2 * l - 1)));
}

void RGBtoHSV(std::int32_t R, std::int32_t G, std::int32_t B, double& H, double& S, double& V) {
  ExtendedPrecisionScope extended;
  const RGBValues c = exact_channels(R, G, B);
  Extended max;
  const Channel top = top_channel(c, max);
  const Extended min = std::min({c.r, c.g, c.b});
  const Extended d = max - min;
  V = static_cast<double>(max / 255);
  if (max == 0) {
    S = 0;
    H = 0;
    return;
  }
  const Extended s = d / max;
  S = static_cast<double>(s);
  H = s == 0 ? -1 : static_cast<double>(hue_of(c, top, d));
}

void RGBtoHSI(std::int32_t R, std::int32_t G, std::int32_t B, double& H, double& S, double& I) {
  ExtendedPrecisionScope extended;
  const RGBValues c = exact_channels(R, G, B);
  Extended max;
  const Channel top = top_channel(c, max);
  const Extended min = std::min({c.r, c.g, c.b});
  const Extended i = (c.r + c.g + c.b) / 3 / 255;
  I = static_cast<double>(i);
  if (max == 0) {
    S = 0;
    H = 0;
    return;
  }
  const Extended s = 1 - (min / 255) / i;
  S = static_cast<double>(s);
  H = s == 0 ? -1 : static_cast<double>(hue_of(c, top, max - min));
}

void ColorToHSL(TColor Color, double& H, double& S, double& L) {
  RGBtoHSL(red_of(Color), green_of(Color), blue_of(Color), H, S, L);
}
void ColorToHSV(TColor Color, double& H, double& S, double& V) {
  RGBtoHSV(red_of(Color), green_of(Color), blue_of(Color), H, S, V);
}
void ColorToHSI(TColor Color, double& H, double& S, double& I) {
  RGBtoHSI(red_of(Color), green_of(Color), blue_of(Color), H, S, I);
}

void HSLtoRGB(double H, double S, double L, std::int32_t& R, std::int32_t& G, std::int32_t& B) {
  ExtendedPrecisionScope extended;
  const Extended h = corrected_hue(H);
  const Extended s = clamp_to(S, 0, 1);
  const Extended l = clamp_to(L, 0, 1);
  const Extended c = (1 - std::fabs(2 * l - 1)) * s;
  const std::int64_t sector = trunc_ext(h / 60);
  const Extended x = (1 - std::fabs(2 * frac_of(h / 120) - 1)) * c;
  const RGBValues v = sector_values(sector, c, x);
  const Extended m = l - c / 2;
  R = channel_of(v.r + m);
  G = channel_of(v.g + m);
  B = channel_of(v.b + m);
}

void HSVtoRGB(double H, double S, double V, std::int32_t& R, std::int32_t& G, std::int32_t& B) {
  ExtendedPrecisionScope extended;
  const Extended s = clamp_to(S, 0, 1);
  const Extended v = clamp_to(V, 0, 1);
  const Extended h = H >= 0 && H < 360 ? H : 0;
  if (s == 0) {
    R = G = B = channel_of(v);
    return;
  }
  const Extended f = h / 60;
  const std::int64_t sector = trunc_ext(f);
  const Extended F = f - sector;
  const Extended p = v * (1 - s);
  const Extended q = v * (1 - s * F);
  const Extended t = v * (1 - s * (1 - F));
  RGBValues out;
  switch (sector) {
    case 0: out = {v, t, p}; break;
    case 1: out = {q, v, p}; break;
    case 2: out = {p, v, t}; break;
    case 3: out = {p, q, v}; break;
    case 4: out = {t, p, v}; break;
    default: out = {v, p, q}; break;
  }
  R = channel_of(out.r);
  G = channel_of(out.g);
  B = channel_of(out.b);
}

void HSItoRGB(double H, double S, double I, std::int32_t& R, std::int32_t& G, std::int32_t& B) {
  ExtendedPrecisionScope extended;
  const Extended h = corrected_hue(H);
  const Extended s = clamp_to(S, 0, 1);
  const Extended i = clamp_to(I, 0, 1);
  const std::int64_t sector = trunc_ext(h / 60);
  const Extended z = 1 - std::fabs(2 * frac_of(h / 120) - 1);
  const Extended c = 3 * i * s / (1 + z);
  const RGBValues v = sector_values(sector, c, c * z);
  const Extended m = i * (1 - s);
  R = channel_of(std::min<Extended>(v.r + m, 1));
  G = channel_of(std::min<Extended>(v.g + m, 1));
  B = channel_of(std::min<Extended>(v.b + m, 1));
}

TColor HSLtoColor(double H, double S, double L) {
  std::int32_t r, g, b;
  HSLtoRGB(H, S, L, r, g, b);
  return rgb_color(r, g, b);
}
TColor HSVtoColor(double H, double S, double V) {
  std::int32_t r, g, b;
  HSVtoRGB(H, S, V, r, g, b);
  return rgb_color(r, g, b);
}
TColor HSItoColor(double H, double S, double I) {
  std::int32_t r, g, b;
  HSItoRGB(H, S, I, r, g, b);
  return rgb_color(r, g, b);
}

void RGBtoCMY(std::uint8_t R, std::uint8_t G, std::uint8_t B, double& C, double& M, double& Y) {
  ExtendedPrecisionScope extended;
  C = static_cast<double>(1 - R / 255.0L);
  M = static_cast<double>(1 - G / 255.0L);
  Y = static_cast<double>(1 - B / 255.0L);
}

void CMYtoRGB(double C, double M, double Y, std::uint8_t& R, std::uint8_t& G, std::uint8_t& B) {
  ExtendedPrecisionScope extended;
  R = static_cast<std::uint8_t>(channel_of(1 - clamp_to(C, 0, 1)));
  G = static_cast<std::uint8_t>(channel_of(1 - clamp_to(M, 0, 1)));
  B = static_cast<std::uint8_t>(channel_of(1 - clamp_to(Y, 0, 1)));
}

void CMYtoCMYK(double& C, double& M, double& Y, double& K) {
  ExtendedPrecisionScope extended;
  K = C;
  if (M < K) K = M;
  if (Y < K) K = Y;
  C = static_cast<double>(static_cast<Extended>(C) - K);
  M = static_cast<double>(static_cast<Extended>(M) - K);
  Y = static_cast<double>(static_cast<Extended>(Y) - K);
}

void CMYKtoCMY(double& C, double& M, double& Y, double K) {
  ExtendedPrecisionScope extended;
  C = static_cast<double>(clamp_to(static_cast<Extended>(C) + K, 0, 1));
  M = static_cast<double>(clamp_to(static_cast<Extended>(M) + K, 0, 1));
  Y = static_cast<double>(clamp_to(static_cast<Extended>(Y) + K, 0, 1));
}

}  // namespace ZYL_zylcolors

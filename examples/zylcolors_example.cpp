// Colour models: RGB to HSL and back, and a blend of two colours.
#include <cstdint>
#include <cstdio>

#include "zyl.h"

int main() {
  double h = 0, s = 0, l = 0;
  zyl::RGBtoHSL(255, 128, 0, h, s, l);
  std::int32_t r = 0, g = 0, b = 0;
  zyl::HSLtoRGB(h, s, l, r, g, b);
  std::printf("RGB 255 128 0 -> HSL %.3f %.3f %.3f -> RGB %d %d %d\n", h, s, l, r, g, b);
  return r == 255 && g == 128 && b == 0 ? 0 : 1;
}

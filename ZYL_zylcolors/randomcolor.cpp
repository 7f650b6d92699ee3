// Library: zyl / Package: ZYL_zylcolors / Module: randomcolor
#include "ZYL_zylcolors/randomcolor.h"

#include "platform/random.h"
#include "ZYL_zylcolors/detail/channels.h"

namespace ZYL_zylcolors {

namespace {

std::int32_t draw_channel(std::uint8_t low, std::uint8_t high) { return low + zyl::Random(high - low + 1); }

}  // namespace

TColor RandomColor() { return RandomColor(0, 255, 0, 255, 0, 255); }

TColor RandomColor(std::uint8_t RedLow, std::uint8_t RedHigh, std::uint8_t GreenLow, std::uint8_t GreenHigh,
                   std::uint8_t BlueLow, std::uint8_t BlueHigh) {
  // Sequenced draws: blue first, red last.
  const std::int32_t blue = draw_channel(BlueLow, BlueHigh);
  const std::int32_t green = draw_channel(GreenLow, GreenHigh);
  const std::int32_t red = draw_channel(RedLow, RedHigh);
  return detail::rgb_color(red, green, blue);
}

}  // namespace ZYL_zylcolors

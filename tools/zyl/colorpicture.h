// Pictures of colours for the zyl tool: gradient strips and swatch sheets.
#pragma once

#include <cstdint>
#include <span>

#include "platform/png.h"
#include "zyl.h"

namespace zyl_tool {

// A strip as wide as the array has positions, Height rows high: column x
// shows position x + 1.
zyl::platform::PngImage gradient_strip(const zyl::TColorArray& Colors, std::uint32_t Height);

// Square swatches of kSwatchCell pixels (the colour with a gray border of
// kSwatchGap on the right and bottom, so white and black both show), PerRow
// to a row, in order.
constexpr std::uint32_t kSwatchCell = 32;
constexpr std::uint32_t kSwatchGap = 4;
constexpr std::uint8_t kSwatchBackground = 0x80;
zyl::platform::PngImage swatch_sheet(std::span<const zyl::TColor> Colors, std::uint32_t PerRow);

// Saves Image and says where on standard error; raises EPngError in builds
// without PNG output, EInOutError when the file cannot be written.
void save_picture(const std::string& FileName, const zyl::platform::PngImage& Image);

}  // namespace zyl_tool

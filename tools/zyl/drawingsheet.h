// Pictures of the drawing helpers for the zyl tool: the marks sheet and the
// frame styles, magnified so that each canvas pixel is a visible square.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "zyl.h"

namespace zyl_tool {

// The codes of the marks sheet: the 52 shapes and, where this build has
// text output, a few character marks ("A", "X", "g", and 200 and 205, the
// digits 0 and 5).
std::vector<std::uint8_t> sheet_codes();

// Every mark of Codes in its own cell, Size pixels of margin around it
// (as CreateMarkAsBitmap), each pixel drawn Scale x Scale, with the code
// written under the cell; 13 cells to a row.
std::unique_ptr<zyl::TBitmap> marks_sheet(std::span<const std::uint8_t> Codes, std::int32_t Size, std::int32_t Scale);

// The frame styles side by side, each a 24 x 24 frame on a silver ground,
// magnified Scale times, its style's ordinal written under it.
std::unique_ptr<zyl::TBitmap> frames_sheet(std::span<const zyl::TFrameStyle> Styles, std::int32_t Scale);

// Saves the bitmap as PNG and says where on standard error.
void save_bitmap(const std::string& FileName, const zyl::TBitmap& Bitmap);

}  // namespace zyl_tool

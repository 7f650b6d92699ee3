// Library: zyl / Package: platform / Module: textrender (internal)
//
// The text backend of the canvas: a line of text rendered as coverage
// values (0 = background, 255 = ink), its extent, and the installed font
// families. FreeType with fontconfig on POSIX, GDI on Windows; a build
// without either raises EInvalidGraphic "Text output not available in this
// build" from every function except text_available().
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/font.h"

namespace zyl::platform {

struct TextImage {
  std::int32_t Width = 0;   // the advance width of the text
  std::int32_t Height = 0;  // the font's ascent plus descent
  std::vector<std::uint8_t> Coverage;  // Width * Height, rows top first
};

[[nodiscard]] ZYL_API bool text_available() noexcept;
// The text in Font (name, height in pixels, bold, italic, underline,
// strike-out); the colour is the caller's to apply.
TextImage render_text(const TFont& Font, std::u16string_view Text);
// Width and height of the text as render_text would give them.
TPoint text_extent(const TFont& Font, std::u16string_view Text);
// The installed font families, sorted, without duplicates.
std::vector<String> font_families();
// True when the family's regular face has TrueType outlines.
bool font_is_truetype(const String& Family);

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: textrender (builds without a text backend)
#include "platform/bitmap.h"
#include "platform/textrender.h"

namespace zyl::platform {
namespace {
[[noreturn]] void unavailable() { throw EInvalidGraphic(u"Text output not available in this build"); }
}  // namespace

bool text_available() noexcept { return false; }
TextImage render_text(const TFont&, std::u16string_view) { unavailable(); }
TPoint text_extent(const TFont&, std::u16string_view) { unavailable(); }
std::vector<String> font_families() { unavailable(); }
bool font_is_truetype(const String&) { unavailable(); }

}  // namespace zyl::platform

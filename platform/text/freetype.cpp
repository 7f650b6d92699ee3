// Library: zyl / Package: platform / Module: textrender (FreeType and fontconfig)
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TAGS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/bitmap.h"
#include "platform/textrender.h"

namespace zyl::platform {
namespace {

struct FcPatternFree {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternFree>;

[[noreturn]] void fail(const std::string& what) { throw EInvalidGraphic(from_utf8(what)); }

// fontconfig's configuration: loaded on first use, released at exit (so
// that nothing is left behind for leak checkers).
void fontconfig_ready() {
  static const struct Guard {
    Guard() { FcInit(); }
    ~Guard() { FcFini(); }
  } guard;
}

// One FreeType library and the faces opened so far, per thread (objects are
// used by one thread at a time, and FreeType faces must not be shared).
class Faces {
 public:
  Faces() {
    if (FT_Init_FreeType(&FLib) != 0) fail("FreeType could not be initialised");
  }
  ~Faces() {
    for (auto& [key, face] : FFaces) FT_Done_Face(face);
    FT_Done_FreeType(FLib);
  }
  Faces(const Faces&) = delete;
  Faces& operator=(const Faces&) = delete;

  // The face fontconfig picks for the family and style (its best
  // substitute when the family is not installed).
  FT_Face face(const String& Family, bool Bold, bool Italic) {
    const std::string family = to_utf8(Family);
    const std::string key = family + (Bold ? "|b" : "|") + (Italic ? "i" : "");
    if (const auto it = FFaces.find(key); it != FFaces.end()) return it->second;
    const auto [file, index] = match(family, Bold, Italic);
    FT_Face f = nullptr;
    if (FT_New_Face(FLib, file.c_str(), index, &f) != 0) fail("font file " + file + " could not be opened");
    FFaces.emplace(key, f);
    return f;
  }

 private:
  static std::pair<std::string, int> match(const std::string& Family, bool Bold, bool Italic) {
    fontconfig_ready();
    FcPatternPtr pat(FcPatternCreate());
    FcPatternAddString(pat.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(Family.c_str()));
    FcPatternAddInteger(pat.get(), FC_WEIGHT, Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat.get(), FC_SLANT, Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pat.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pat.get(), FcMatchPattern);
    FcDefaultSubstitute(pat.get());
    FcResult result = FcResultNoMatch;
    FcPatternPtr found(FcFontMatch(nullptr, pat.get(), &result));
    FcChar8* file = nullptr;
    int index = 0;
    if (!found || FcPatternGetString(found.get(), FC_FILE, 0, &file) != FcResultMatch)
      fail("no font found for \"" + Family + "\"");
    FcPatternGetInteger(found.get(), FC_INDEX, 0, &index);
    return {reinterpret_cast<const char*>(file), index};
  }

  FT_Library FLib = nullptr;
  std::map<std::string, FT_Face> FFaces;
};

Faces& faces() {
  thread_local Faces f;
  return f;
}

// The face for the font, sized: a negative height is the em size in pixels,
// a positive one the cell height (ascent plus descent).
FT_Face sized_face(const TFont& Font) {
  const TFontStyles st = Font.Style();
  FT_Face f = faces().face(Font.Name(), st.Contains(TFontStyle::fsBold), st.Contains(TFontStyle::fsItalic));
  std::int64_t px = std::llabs(std::int64_t{Font.Height()});
  if (Font.Height() > 0 && f->ascender - f->descender > 0)
    px = px * f->units_per_EM / (f->ascender - f->descender);
  px = std::clamp<std::int64_t>(px, 1, 2048);
  if (FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(px)) != 0) fail("font size could not be set");
  return f;
}

std::int32_t ascent_of(FT_Face f) { return static_cast<std::int32_t>((f->size->metrics.ascender + 63) >> 6); }
std::int32_t descent_of(FT_Face f) { return static_cast<std::int32_t>((-f->size->metrics.descender + 63) >> 6); }

// The code points of UTF-16 text (lone surrogates as U+FFFD).
std::u32string code_points(std::u16string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char32_t c = s[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
      out.push_back(0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00));
      ++i;
    } else {
      out.push_back(c >= 0xD800 && c < 0xE000 ? U'\uFFFD' : c);
    }
  }
  return out;
}

// Texts longer than this are measured and drawn only up to it, so a single
// call cannot ask for an unbounded picture.
constexpr std::int64_t kMaxTextWidth = 65535;

std::int32_t advance_width(FT_Face f, const std::u32string& cps) {
  std::int64_t pen = 0;
  for (char32_t c : cps) {
    if (FT_Load_Char(f, c, FT_LOAD_DEFAULT) != 0) continue;
    pen += f->glyph->advance.x;
    if ((pen >> 6) > kMaxTextWidth) break;
  }
  return static_cast<std::int32_t>(std::min<std::int64_t>((pen + 32) >> 6, kMaxTextWidth));
}

}  // namespace

bool text_available() noexcept { return true; }

TPoint text_extent(const TFont& Font, std::u16string_view Text) {
  FT_Face f = sized_face(Font);
  return {advance_width(f, code_points(Text)), ascent_of(f) + descent_of(f)};
}

TextImage render_text(const TFont& Font, std::u16string_view Text) {
  FT_Face f = sized_face(Font);
  const std::u32string cps = code_points(Text);
  TextImage img;
  img.Width = advance_width(f, cps);
  img.Height = ascent_of(f) + descent_of(f);
  const std::int32_t ascent = ascent_of(f);
  img.Coverage.assign(static_cast<std::size_t>(img.Width) * static_cast<std::size_t>(img.Height), 0);
  std::int64_t pen = 0;  // 26.6
  for (char32_t c : cps) {
    if ((pen >> 6) >= img.Width) break;
    if (FT_Load_Char(f, c, FT_LOAD_RENDER) != 0) continue;
    const FT_GlyphSlot g = f->glyph;
    const FT_Bitmap& bm = g->bitmap;
    const std::int64_t ox = (pen >> 6) + g->bitmap_left, oy = ascent - g->bitmap_top;
    for (unsigned r = 0; r < bm.rows; ++r)
      for (unsigned col = 0; col < bm.width; ++col) {
        const std::int64_t x = ox + col, y = oy + r;
        if (x < 0 || y < 0 || x >= img.Width || y >= img.Height) continue;
        const std::uint8_t v = bm.pixel_mode == FT_PIXEL_MODE_MONO
                                   ? ((bm.buffer[r * static_cast<unsigned>(bm.pitch) + col / 8] >> (7 - col % 8)) & 1) * 255
                                   : bm.buffer[r * static_cast<unsigned>(bm.pitch) + col];
        auto& px = img.Coverage[static_cast<std::size_t>(y * img.Width + x)];
        px = std::max(px, v);
      }
    pen += g->advance.x;
  }
  // Underline and strike-out as bars of the face's thickness.
  const auto bar = [&](std::int32_t y, std::int32_t thick) {
    for (std::int32_t t = 0; t < std::max(thick, 1); ++t)
      if (y + t >= 0 && y + t < img.Height)
        std::fill_n(img.Coverage.begin() + static_cast<std::ptrdiff_t>(y + t) * img.Width, img.Width, std::uint8_t{255});
  };
  const std::int64_t scale = f->size->metrics.y_scale;  // 16.16 units to 26.6 pixels
  const auto thick = static_cast<std::int32_t>((FT_MulFix(f->underline_thickness, scale) + 32) >> 6);
  if (Font.Style().Contains(TFontStyle::fsUnderline))
    bar(ascent - static_cast<std::int32_t>((FT_MulFix(f->underline_position, scale) + 32) >> 6), thick);
  if (Font.Style().Contains(TFontStyle::fsStrikeOut)) bar(ascent - ascent / 3, thick);
  return img;
}

std::vector<String> font_families() {
  fontconfig_ready();
  FcPatternPtr pat(FcPatternCreate());
  FcObjectSet* os = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* set = FcFontList(nullptr, pat.get(), os);
  FcObjectSetDestroy(os);
  std::vector<String> names;
  if (set != nullptr) {
    for (int i = 0; i < set->nfont; ++i) {
      FcChar8* fam = nullptr;
      for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &fam) == FcResultMatch; ++k)
        names.push_back(from_utf8(reinterpret_cast<const char*>(fam)));
    }
    FcFontSetDestroy(set);
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

bool font_is_truetype(const String& Family) {
  FT_Face f = faces().face(Family, false, false);
  if (!FT_IS_SFNT(f)) return false;
  FT_ULong length = 0;
  return FT_Load_Sfnt_Table(f, TTAG_glyf, 0, nullptr, &length) == 0 && length > 0;
}

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: textrender (Windows GDI)
#include <algorithm>
#include <set>

#include "platform/bitmap.h"
#include "platform/textrender.h"
#include "platform/win32/gdihandles.h"
#include "platform/win32/win.h"

namespace zyl::platform {
namespace {

using win::ScopedDc;
using win::ScopedGdiObject;

[[noreturn]] void fail(const char16_t* what) { throw EInvalidGraphic(what); }

constexpr std::int32_t kMaxTextWidth = 65535;

// A memory device context with the font selected; the font is released
// after the context (declaration order).
struct FontDc {
  explicit FontDc(const TFont& Font) : font(make_font(Font)), dc(::CreateCompatibleDC(nullptr)) {
    if (!dc.valid() || !font.valid()) fail(u"GDI could not create a font or device context");
    ::SelectObject(dc.get(), font.get());
  }
  static HGDIOBJ make_font(const TFont& F) {
    const std::wstring name = win::widen(F.Name()).substr(0, LF_FACESIZE - 1);
    const TFontStyles s = F.Style();
    return ::CreateFontW(std::clamp(F.Height(), -2048, 2048), 0, 0, 0, s.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL,
                         s.Contains(TFontStyle::fsItalic), s.Contains(TFontStyle::fsUnderline),
                         s.Contains(TFontStyle::fsStrikeOut), DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                         ANTIALIASED_QUALITY, DEFAULT_PITCH, name.c_str());
  }
  ScopedGdiObject font;
  ScopedDc dc;
};

TPoint extent(HDC Dc, std::u16string_view Text) {
  const std::wstring w = win::widen(Text);
  SIZE sz{};
  ::GetTextExtentPoint32W(Dc, w.c_str(), static_cast<int>(std::min<std::size_t>(w.size(), 65535)), &sz);
  TEXTMETRICW tm{};
  ::GetTextMetricsW(Dc, &tm);
  return {std::min<std::int32_t>(sz.cx, kMaxTextWidth), tm.tmHeight};
}

}  // namespace

bool text_available() noexcept { return true; }

TPoint text_extent(const TFont& Font, std::u16string_view Text) {
  FontDc f(Font);
  return extent(f.dc.get(), Text);
}

TextImage render_text(const TFont& Font, std::u16string_view Text) {
  FontDc f(Font);
  const TPoint size = extent(f.dc.get(), Text);
  TextImage img;
  img.Width = size.X;
  img.Height = size.Y;
  if (img.Width <= 0 || img.Height <= 0) return img;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = img.Width;
  bi.bmiHeader.biHeight = -img.Height;  // top row first
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ScopedGdiObject dib(::CreateDIBSection(f.dc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib.valid() || bits == nullptr) fail(u"GDI could not create a bitmap for text");
  const HGDIOBJ old = ::SelectObject(f.dc.get(), dib.get());
  auto* px = static_cast<std::uint32_t*>(bits);
  const std::size_t n = static_cast<std::size_t>(img.Width) * static_cast<std::size_t>(img.Height);
  std::fill_n(px, n, 0x00FFFFFFu);
  ::SetBkMode(f.dc.get(), TRANSPARENT);
  ::SetTextColor(f.dc.get(), RGB(0, 0, 0));
  const std::wstring w = win::widen(Text);
  ::TextOutW(f.dc.get(), 0, 0, w.c_str(), static_cast<int>(std::min<std::size_t>(w.size(), 65535)));
  ::GdiFlush();
  img.Coverage.resize(n);
  for (std::size_t i = 0; i < n; ++i) img.Coverage[i] = static_cast<std::uint8_t>(255 - ((px[i] >> 8) & 0xFF));
  ::SelectObject(f.dc.get(), old);
  return img;
}

namespace {
int CALLBACK collect_family(const LOGFONTW* Lf, const TEXTMETRICW*, DWORD, LPARAM Param) {
  auto* names = reinterpret_cast<std::set<String>*>(Param);
  if (Lf->lfFaceName[0] != L'@') names->insert(win::narrow(Lf->lfFaceName));
  return 1;
}
}  // namespace

std::vector<String> font_families() {
  ScopedDc dc(::CreateCompatibleDC(nullptr));
  std::set<String> names;
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  if (dc.valid()) ::EnumFontFamiliesExW(dc.get(), &lf, collect_family, reinterpret_cast<LPARAM>(&names), 0);
  return {names.begin(), names.end()};
}

bool font_is_truetype(const String& Family) {
  TFont font;
  font.SetName(Family);
  FontDc f(font);
  TEXTMETRICW tm{};
  if (!::GetTextMetricsW(f.dc.get(), &tm)) fail(u"GDI could not read the text metrics");
  return (tm.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

}  // namespace zyl::platform

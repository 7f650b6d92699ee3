// Library: zyl / Package: platform / Module: gdihandles (Windows GDI)
//
// Owners of the GDI handles the raster backends create: a memory device
// context (DeleteDC) and a GDI object such as a bitmap, font or pen
// (DeleteObject). Internal to the Win32 backends.
#pragma once

#include "platform/win32/win.h"

namespace zyl::platform::win {

struct DcTraits {
  using handle_type = HDC;
  static handle_type invalid() noexcept { return nullptr; }
  static void close(handle_type h) noexcept { ::DeleteDC(h); }
};
struct GdiObjectTraits {
  using handle_type = HGDIOBJ;
  static handle_type invalid() noexcept { return nullptr; }
  static void close(handle_type h) noexcept { ::DeleteObject(h); }
};
using ScopedDc = ScopedHandle<DcTraits>;
using ScopedGdiObject = ScopedHandle<GdiObjectTraits>;

}  // namespace zyl::platform::win

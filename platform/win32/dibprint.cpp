// Library: zyl / Package: platform / Module: dibprint (Windows GDI)
#include "platform/win32/dibprint.h"

#include <memory>

#include "platform/printer.h"

namespace zyl::platform::win {
namespace {

// Fixed global memory, locked while it is owned; unlocked and freed on
// destruction.
class LockedGlobal {
 public:
  explicit LockedGlobal(SIZE_T Bytes) : FMem(::GlobalAlloc(GMEM_FIXED, Bytes)) {
    if (FMem == nullptr) throw EPrinter(u"Not enough memory to print the bitmap");
    FData = ::GlobalLock(FMem);
    if (FData == nullptr) {
      ::GlobalFree(FMem);
      throw EPrinter(u"Not enough memory to print the bitmap");
    }
  }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;
  ~LockedGlobal() {
    ::GlobalUnlock(FMem);
    ::GlobalFree(FMem);
  }
  void* data() const noexcept { return FData; }

 private:
  HGLOBAL FMem;
  void* FData = nullptr;
};

}  // namespace

void print_dib(HDC Dc, const TBitmap& Bitmap, int X, int Y) {
  const PixelSurface& src = Bitmap.Surface();
  if (src.Width <= 0 || src.Height <= 0) return;
  // 1. The sizes: a bare header (32-bit pixels need no colour table) and
  // the rows, 4 bytes a pixel (always a multiple of 4, as rows must be).
  const std::size_t row_bytes = static_cast<std::size_t>(src.Width) * 4;
  const std::size_t image_bytes = row_bytes * static_cast<std::size_t>(src.Height);
  // 2. The header on the heap, the bits in fixed global memory.
  auto header = std::make_unique<BITMAPINFO>();
  LockedGlobal bits(image_bytes);
  // 3. Filled from the bitmap: bottom-up rows of 0x00RRGGBB.
  BITMAPINFOHEADER& h = header->bmiHeader;
  h.biSize = sizeof h;
  h.biWidth = src.Width;
  h.biHeight = src.Height;
  h.biPlanes = 1;
  h.biBitCount = 32;
  h.biCompression = BI_RGB;
  h.biSizeImage = static_cast<DWORD>(image_bytes);
  auto* out = static_cast<std::uint32_t*>(bits.data());
  for (std::int32_t y = 0; y < src.Height; ++y) {
    const TColor* row = src.Pixels.data() + static_cast<std::size_t>(src.Height - 1 - y) * static_cast<std::size_t>(src.Width);
    for (std::int32_t x = 0; x < src.Width; ++x) {
      const TColor c = row[x];  // 0x00BBGGRR
      *out++ = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  }
  // 4. One device pixel per bitmap pixel.
  const int lines = ::StretchDIBits(Dc, X, Y, src.Width, src.Height, 0, 0, h.biWidth, h.biHeight, bits.data(),
                                    header.get(), DIB_RGB_COLORS, SRCCOPY);
  if (lines == 0 || lines == static_cast<int>(GDI_ERROR)) throw EPrinter(u"The printer did not take the bitmap");
  // 5. The memory goes with header and bits, here or when a step throws.
}

}  // namespace zyl::platform::win

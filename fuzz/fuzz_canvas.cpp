// Canvas calls with arbitrary coordinates, sizes, pens and brushes, and the
// marks and frames drawn through them: no write outside the bitmap (the
// sanitizers watch), no unbounded work, bitmaps of absurd size refused.
#include <cstdint>
#include <cstring>
#include <vector>

#include "ZYL_zylbase/drawing.h"
#include "ZYL_zylbase/marks.h"
#include "platform/bitmap.h"

namespace {

class Input {
 public:
  Input(const std::uint8_t* D, std::size_t N) : d(D), n(N) {}
  bool more() const { return i < n; }
  std::uint8_t byte() { return i < n ? d[i++] : 0; }
  std::int32_t coord() {
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k) v = v << 8 | byte();
    // Mostly near the bitmap, sometimes anywhere in the 32-bit range.
    return (v & 0x80000000u) ? static_cast<std::int32_t>(v) : static_cast<std::int32_t>(v % 64) - 16;
  }

 private:
  const std::uint8_t* d;
  std::size_t n;
  std::size_t i = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  Input in(Data, Size);
  zyl::TBitmap b;
  try {
    b.SetSize(in.coord(), in.coord());
  } catch (const zyl::EInvalidGraphic&) {
    b.SetSize(32, 24);
  }
  if (static_cast<std::int64_t>(b.Width()) * b.Height() > 4096 * 4096) b.SetSize(32, 24);  // keep runs fast
  zyl::TCanvas& c = b.Canvas();
  while (in.more()) {
    switch (in.byte() % 10) {
      case 0: c.MoveTo(in.coord(), in.coord()); break;
      case 1: c.LineTo(in.coord(), in.coord()); break;
      case 2: c.Rectangle(in.coord(), in.coord(), in.coord(), in.coord()); break;
      case 3: c.Ellipse(in.coord(), in.coord(), in.coord(), in.coord()); break;
      case 4: {
        std::vector<zyl::TPoint> pts(in.byte() % 8);
        for (auto& p : pts) p = {in.coord(), in.coord()};
        c.Polygon(pts);
        break;
      }
      case 5: {
        // Mostly thin to moderately wide pens, now and then the widest.
        const std::uint8_t w = in.byte();
        c.Pen().SetWidth(w < 240 ? w % 16 : (w - 239) * 100);
        // Every style, psInsideFrame (the last) included.
        c.Pen().SetStyle(static_cast<zyl::TPenStyle>(in.byte() % 7));
        c.Brush().SetStyle(static_cast<zyl::TBrushStyle>(in.byte() % 8));
        break;
      }
      case 6: c.SetPixels(in.coord(), in.coord(), in.byte()); break;
      case 7: ZYL_zylbase::DrawMarkOnCanvas(c, static_cast<std::uint8_t>(in.byte() % 52), in.coord(), in.coord()); break;
      case 8:
        ZYL_zylbase::DrawFrame(c, static_cast<ZYL_zylbase::TFrameStyle>(in.byte()), in.coord(), in.coord(), in.coord(),
                               in.coord(), 1, 2, 3, 4, 5);
        break;
      case 9: {
        const auto m = ZYL_zylbase::CreateMarkAsBitmap(in.byte(), 0, 0xFFFFFF, in.coord());
        if (m->Width() > 517) std::abort();
        break;
      }
    }
  }
  return 0;
}

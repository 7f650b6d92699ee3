// Pictures of the drawing helpers for the zyl tool.
#include "drawingsheet.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>

#include "platform/textrender.h"
#include "platform/program.h"

namespace zyl_tool {
namespace {

constexpr zyl::TColor kWhite = 0xFFFFFF, kBlack = 0x000000, kGrid = 0xE0E0E0, kCellBorder = 0x808080;
constexpr zyl::TColor kLabel = 0x202020, kSilver = 0xC0C0C0;
constexpr std::int32_t kPerRow = 13;

// Digits 0-9 as 3 x 5 pixels, one row of 3 bits per entry (bit 2 = left),
// so that labels need no font.
constexpr std::array<std::array<std::uint8_t, 5>, 10> kDigits{{
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
}};

void fill(zyl::TCanvas& C, std::int32_t X, std::int32_t Y, std::int32_t W, std::int32_t H, zyl::TColor Color) {
  C.Pen().SetStyle(zyl::TPenStyle::psClear);
  C.Brush().SetStyle(zyl::TBrushStyle::bsSolid);
  C.Brush().SetColor(Color);
  C.Rectangle(X, Y, X + W + 1, Y + H + 1);  // a clear pen fills one pixel less
  C.Pen().SetStyle(zyl::TPenStyle::psSolid);
}

// The number N in pixel digits of Dot x Dot pixels, its top-left at (X, Y).
void draw_number(zyl::TCanvas& C, int N, std::int32_t X, std::int32_t Y, std::int32_t Dot) {
  const std::string text = std::to_string(N);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto& glyph = kDigits[static_cast<std::size_t>(text[i] - '0')];
    for (int r = 0; r < 5; ++r)
      for (int b = 0; b < 3; ++b)
        if (glyph[static_cast<std::size_t>(r)] & (4 >> b))
          fill(C, X + (static_cast<std::int32_t>(i) * 4 + b) * Dot, Y + r * Dot, Dot, Dot, kLabel);
  }
}

std::int32_t number_width(int N, std::int32_t Dot) { return (static_cast<std::int32_t>(std::to_string(N).size()) * 4 - 1) * Dot; }

// Copies Source into C at (X, Y), every pixel as a Scale x Scale square,
// with a light grid between the squares when they are large enough to see it.
void magnify(zyl::TCanvas& C, const zyl::TBitmap& Source, std::int32_t X, std::int32_t Y, std::int32_t Scale) {
  const bool grid = Scale >= 4;
  if (grid) fill(C, X, Y, Source.Width() * Scale, Source.Height() * Scale, kGrid);
  for (std::int32_t y = 0; y < Source.Height(); ++y)
    for (std::int32_t x = 0; x < Source.Width(); ++x)
      fill(C, X + x * Scale, Y + y * Scale, Scale - (grid ? 1 : 0), Scale - (grid ? 1 : 0), Source.Canvas().Pixels(x, y));
}

// A sheet of cells in rows of kPerRow, each cell Edge x Edge pixels of
// picture with a label band of Dot-sized digits under it. Draw(canvas, i,
// x, y) paints cell i's picture with its top-left at (x, y); Label(i) is
// the number written under it.
template <class F, class G>
std::unique_ptr<zyl::TBitmap> cell_sheet(std::size_t Count, std::int32_t Edge, std::int32_t Dot, F Draw, G Label) {
  const std::int32_t pad = 6, band = 7 * Dot;
  const std::int32_t cell_w = Edge + 2 * pad, cell_h = Edge + 2 * pad + band;
  const auto cols = static_cast<std::int32_t>(std::min<std::size_t>(Count, kPerRow));
  const auto rows = static_cast<std::int32_t>((Count + kPerRow - 1) / kPerRow);
  auto sheet = std::make_unique<zyl::TBitmap>();
  sheet->SetSize(cols * cell_w + 1, rows * cell_h + 1);
  zyl::TCanvas& c = sheet->Canvas();
  fill(c, 0, 0, sheet->Width(), sheet->Height(), kWhite);
  for (std::size_t i = 0; i < Count; ++i) {
    const std::int32_t x = static_cast<std::int32_t>(i % kPerRow) * cell_w;
    const std::int32_t y = static_cast<std::int32_t>(i / kPerRow) * cell_h;
    c.Brush().SetStyle(zyl::TBrushStyle::bsClear);
    c.Pen().SetColor(kCellBorder);
    c.Rectangle(x, y, x + cell_w + 1, y + cell_h + 1);
    Draw(c, i, x + pad, y + pad);
    const int n = Label(i);
    draw_number(c, n, x + (cell_w - number_width(n, Dot)) / 2, y + pad + Edge + pad / 2, Dot);
  }
  return sheet;
}

}  // namespace

std::vector<std::uint8_t> sheet_codes() {
  std::vector<std::uint8_t> codes(52);
  std::iota(codes.begin(), codes.end(), std::uint8_t{0});
  if (zyl::platform::text_available()) codes.insert(codes.end(), {65, 88, 103, 200, 205});
  return codes;
}

std::unique_ptr<zyl::TBitmap> marks_sheet(std::span<const std::uint8_t> Codes, std::int32_t Size, std::int32_t Scale) {
  const std::int32_t size = std::clamp(Size, 0, 255);
  const std::int32_t edge = (2 * size + 7) * Scale;
  return cell_sheet(
      Codes.size(), edge, std::max(1, Scale / 3),
      [&](zyl::TCanvas& C, std::size_t i, std::int32_t x, std::int32_t y) {
        const auto mark = zyl::CreateMarkAsBitmap(Codes[i], kBlack, kWhite, size);
        magnify(C, *mark, x, y, Scale);
      },
      [&](std::size_t i) { return int{Codes[i]}; });
}

std::unique_ptr<zyl::TBitmap> frames_sheet(std::span<const zyl::TFrameStyle> Styles, std::int32_t Scale) {
  constexpr std::int32_t kEdge = 24;
  return cell_sheet(
      Styles.size(), kEdge * Scale, std::max(1, Scale / 3),
      [&](zyl::TCanvas& C, std::size_t i, std::int32_t x, std::int32_t y) {
        zyl::TBitmap frame;
        frame.SetSize(kEdge, kEdge);
        fill(frame.Canvas(), 0, 0, kEdge, kEdge, kSilver);
        // highlight, inner light, shadow, dark shadow, simple frame
        zyl::DrawFrame(frame.Canvas(), Styles[i], 3, 3, kEdge - 4, kEdge - 4, 0xFFFFFF, 0xE0E0E0, 0x808080, 0x404040,
                       0x000000);
        magnify(C, frame, x, y, Scale);
      },
      [&](std::size_t i) { return zyl::Ord(Styles[i]); });
}

void save_bitmap(const std::string& FileName, const zyl::TBitmap& Bitmap) {
  Bitmap.SaveToFile(zyl::platform::argument_file_name(FileName));
  std::fprintf(stderr, "%d x %d pixels written to %s\n", Bitmap.Width(), Bitmap.Height(), FileName.c_str());
}

}  // namespace zyl_tool

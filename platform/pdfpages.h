// Library: zyl / Package: platform / Module: pdfpages
//
// A PDF file of picture pages, written by hand: one page per picture, each
// page exactly the picture's size at its resolution, the picture an 8-bit
// RGB image compressed with the PDF run-length filter (so blank paper costs
// little). The file printer writes its jobs this way.
//
// Example:
//   PdfPage p = pdf_page(bitmap, 300);           // A4 at 300 dpi: 595.2 x 841.92 pt
//   std::string file = encode_pdf({&p, 1});      // "%PDF-1.4" ... "%%EOF"
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/bitmap.h"

namespace zyl::platform {

struct PdfPage {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t PixelsPerInch = 300;
  std::string Image;  // RGB rows, top first, run-length encoded
};

// The page of a bitmap (its pixels compressed).
[[nodiscard]] ZYL_API PdfPage pdf_page(const TBitmap& Bitmap, std::int32_t PixelsPerInch);

// The whole PDF file.
[[nodiscard]] ZYL_API std::string encode_pdf(std::span<const PdfPage> Pages);

// The PDF run-length filter: runs of 2..128 equal bytes as (257 - n, byte),
// other bytes in literal groups of 1..128 as (n - 1, bytes), then 128.
[[nodiscard]] ZYL_API std::string run_length_encode(std::string_view Bytes);

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: pdfpages
#include "platform/pdfpages.h"

#include <algorithm>
#include <vector>

namespace zyl::platform {
namespace {

// Points (1/72 inch) with two decimals, "." always.
std::string points(std::int32_t Pixels, std::int32_t PixelsPerInch) {
  const std::int64_t hundredths = (std::int64_t{Pixels} * 7200 + PixelsPerInch / 2) / PixelsPerInch;
  const std::int64_t frac = hundredths % 100;
  return std::to_string(hundredths / 100) + (frac < 10 ? ".0" : ".") + std::to_string(frac);
}

}  // namespace

std::string run_length_encode(std::string_view Bytes) {
  std::string out;
  std::size_t i = 0;
  while (i < Bytes.size()) {
    std::size_t run = 1;
    while (i + run < Bytes.size() && run < 128 && Bytes[i + run] == Bytes[i]) ++run;
    if (run >= 2) {
      out.push_back(static_cast<char>(257 - run));
      out.push_back(Bytes[i]);
      i += run;
      continue;
    }
    // A literal group up to the next pair of equal bytes.
    std::size_t n = 1;
    while (i + n < Bytes.size() && n < 128 && !(i + n + 1 < Bytes.size() && Bytes[i + n] == Bytes[i + n + 1])) ++n;
    out.push_back(static_cast<char>(n - 1));
    out.append(Bytes.substr(i, n));
    i += n;
  }
  out.push_back(static_cast<char>(128));
  return out;
}

PdfPage pdf_page(const TBitmap& Bitmap, std::int32_t PixelsPerInch) {
  std::string rgb;
  rgb.reserve(Bitmap.Surface().Pixels.size() * 3);
  for (TColor c : Bitmap.Surface().Pixels) {
    rgb.push_back(static_cast<char>(c & 0xFF));
    rgb.push_back(static_cast<char>((c >> 8) & 0xFF));
    rgb.push_back(static_cast<char>((c >> 16) & 0xFF));
  }
  return {Bitmap.Width(), Bitmap.Height(), PixelsPerInch < 1 ? 1 : PixelsPerInch, run_length_encode(rgb)};
}

std::string encode_pdf(std::span<const PdfPage> Pages) {
  std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<std::size_t> offsets;  // of objects 1, 2, ...
  const auto object = [&](const std::string& body) {
    offsets.push_back(out.size());
    out += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
  };
  // Objects: 1 catalog, 2 page tree, then per page: page, contents, image.
  std::string kids;
  for (std::size_t p = 0; p < Pages.size(); ++p) kids += std::to_string(3 + 3 * p) + " 0 R ";
  object("<< /Type /Catalog /Pages 2 0 R >>");
  object("<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(Pages.size()) + " >>");
  for (std::size_t p = 0; p < Pages.size(); ++p) {
    const PdfPage& pg = Pages[p];
    const std::string w = points(pg.Width, pg.PixelsPerInch), h = points(pg.Height, pg.PixelsPerInch);
    const std::string page = std::to_string(3 + 3 * p), contents = std::to_string(4 + 3 * p),
                      image = std::to_string(5 + 3 * p);
    object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + w + " " + h + "] /Resources << /XObject << /Im0 " +
           image + " 0 R >> >> /Contents " + contents + " 0 R >>");
    const std::string draw = "q " + w + " 0 0 " + h + " 0 0 cm /Im0 Do Q";
    object("<< /Length " + std::to_string(draw.size()) + " >>\nstream\n" + draw + "\nendstream");
    object("<< /Type /XObject /Subtype /Image /Width " + std::to_string(pg.Width) + " /Height " +
           std::to_string(pg.Height) + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /RunLengthDecode /Length " +
           std::to_string(pg.Image.size()) + " >>\nstream\n" + pg.Image + "\nendstream");
  }
  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t off : offsets) {
    const std::string digits = std::to_string(off);
    out += std::string(10 - std::min<std::size_t>(10, digits.size()), '0') + digits + " 00000 n \n";
  }
  out += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
  return out;
}

}  // namespace zyl::platform

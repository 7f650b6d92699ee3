// Library: zyl / Package: platform / Module: printer
#include "platform/printer.h"

#include <string>

#include "platform/casemap.h"
#include "platform/savefile.h"

namespace zyl {

TPrinter::TPrinter() = default;

void TPrinter::SetPageSize(std::int32_t Width, std::int32_t Height) {
  detail::check_bitmap_size(Width, Height);
  FPageWidth = Width;
  FPageHeight = Height;
}

void TPrinter::blank_page() {
  FPage.SetSize(0, 0);
  FPage.SetSize(FPageWidth, FPageHeight);  // new pixels are white
}

void TPrinter::BeginDoc() {
  if (FPrinting) throw EPrinter(u"Printing in progress");
  FPdfPages.clear();
  blank_page();
  FPageNumber = 1;
  FPrinting = true;
}

bool TPrinter::to_pdf() const {
  return FFileName.size() >= 4 && LowerCase(std::u16string_view(FFileName).substr(FFileName.size() - 4)) == u".pdf";
}

void TPrinter::write_page() {
  if (to_pdf()) {
    FPdfPages.push_back(platform::pdf_page(FPage, kPixelsPerInch));
    return;
  }
  String name = FFileName;
  if (FPageNumber > 1) {
    const std::size_t slash = name.find_last_of(u"/\\");
    std::size_t dot = name.rfind(u'.');
    if (dot == String::npos || (slash != String::npos && dot < slash)) dot = name.size();
    name.insert(dot, u"-" + from_utf8(std::to_string(FPageNumber)));
  }
  FPage.SaveToFile(name);
}

void TPrinter::NewPage() {
  if (!FPrinting) throw EPrinter(u"Printer is not currently printing");
  write_page();
  blank_page();
  ++FPageNumber;
}

void TPrinter::EndDoc() {
  if (!FPrinting) throw EPrinter(u"Printer is not currently printing");
  FPrinting = false;
  write_page();
  FPage.SetSize(0, 0);
  if (to_pdf()) {
    const std::vector<platform::PdfPage> pages = std::move(FPdfPages);
    FPdfPages.clear();
    platform::save_file(FFileName, platform::encode_pdf(pages));
  }
}

void TPrinter::Abort() {
  FPrinting = false;
  FPdfPages.clear();
  FPage.SetSize(0, 0);
}

TPrinter& Printer() {
  static TPrinter printer;
  return printer;
}

}  // namespace zyl

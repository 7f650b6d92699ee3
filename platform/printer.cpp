// Library: zyl / Package: platform / Module: printer
#include "platform/printer.h"

#include <string>

#include "platform/casemap.h"
#include "platform/savefile.h"

namespace zyl {

TPrinter::TPrinter() = default;

TPrinter::~TPrinter() { end_job(); }

void TPrinter::SetPageSize(std::int32_t Width, std::int32_t Height) {
  detail::check_bitmap_size(Width, Height);
  FPageWidth = Width;
  FPageHeight = Height;
}

void TPrinter::blank_page() {
  const std::int32_t w = FDevice ? FDevice->page_width() : FPageWidth;
  const std::int32_t h = FDevice ? FDevice->page_height() : FPageHeight;
  FPage.SetSize(0, 0);
  FPage.SetSize(w, h);  // new pixels are white
}

void TPrinter::BeginDoc() {
  if (FPrinting) throw EPrinter(u"Printing in progress");
  FPdfPages.clear();
  if (!FToFile) FDevice = platform::default_print_device();
  try {
    if (FDevice) detail::check_bitmap_size(FDevice->page_width(), FDevice->page_height());
    blank_page();
    if (FDevice) FDevice->start_doc(FTitle);
  } catch (...) {
    FDevice.reset();
    FPage.SetSize(0, 0);
    throw;
  }
  FPageNumber = 1;
  FPrinting = true;
}

void TPrinter::end_job() noexcept {
  FPrinting = false;
  if (FDevice) FDevice->abort_doc();
  FDevice.reset();
  FPdfPages.clear();
  FPage.SetSize(0, 0);
}

bool TPrinter::to_pdf() const {
  return FFileName.size() >= 4 && LowerCase(std::u16string_view(FFileName).substr(FFileName.size() - 4)) == u".pdf";
}

void TPrinter::write_page() {
  if (FDevice) {
    FDevice->print_page(FPage);
    return;
  }
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
  if (FDevice) {
    // The job is over whether or not the printer takes the last page.
    const std::unique_ptr<platform::PrintDevice> device = std::move(FDevice);
    try {
      device->print_page(FPage);
      device->end_doc();
    } catch (...) {
      device->abort_doc();
      FPage.SetSize(0, 0);
      throw;
    }
    FPage.SetSize(0, 0);
    return;
  }
  write_page();
  FPage.SetSize(0, 0);
  if (to_pdf()) {
    const std::vector<platform::PdfPage> pages = std::move(FPdfPages);
    FPdfPages.clear();
    platform::save_file(FFileName, platform::encode_pdf(pages));
  }
}

void TPrinter::Abort() { end_job(); }

TPrinter& Printer() {
  static TPrinter printer;
  return printer;
}

}  // namespace zyl

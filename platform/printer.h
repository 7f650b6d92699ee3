// Library: zyl / Package: platform / Module: printer
//
// The global printer object. Between BeginDoc and EndDoc the printer's
// canvas draws on a page bitmap, white at the start of each page.
//
// Where it prints is chosen by BeginDoc: unless a file name was set, a job
// goes to the system's default printer when there is one (Windows; the page
// is the printer's printable area in its pixels, each finished page sent as
// one bitmap, see platform/printdevice.h). Otherwise it prints to files: the
// page is A4 at 300 pixels per inch, 2480 x 3508, unless SetPageSize was
// called, and EndDoc writes the pages: a FileName ending in ".pdf" (any
// case) gets one PDF file with a page per page (platform/pdfpages.h), any
// other name PNG files: FileName for the first page and FileName with "-2",
// "-3", ... before the extension for the pages after it.
//
// Outside a print job the canvas draws on an empty (0 x 0) surface, so
// drawing there does nothing. Calls out of order raise EPrinter:
// "Printing in progress" (BeginDoc twice), "Printer is not currently
// printing" (NewPage or EndDoc without BeginDoc).
//
// Example:
//   TPrinter& p = Printer();
//   p.SetFileName(u"page.png");  p.BeginDoc();
//   p.Canvas().Rectangle(100, 100, 400, 300);
//   p.EndDoc();                  // page.png written
#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "platform/pdfpages.h"
#include "platform/printdevice.h"

namespace zyl {

class ZYL_API EPrinter : public Exception {
 public:
  using Exception::Exception;
};

class ZYL_API TPrinter {
 public:
  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  TCanvas& Canvas() noexcept { return FPage.Canvas(); }
  const String& FileName() const noexcept { return FFileName; }
  // Setting a file name makes the following jobs print to files.
  void SetFileName(const String& Value) {
    FFileName = Value;
    FToFile = true;
  }
  // The document name a printer shows in its queue.
  const String& Title() const noexcept { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  // True while a job prints to a system printer rather than to files.
  bool PrintsToDevice() const noexcept { return FDevice != nullptr; }
  // The page size in printer pixels of file jobs, used by the next
  // BeginDoc; limited as bitmaps are (EInvalidGraphic).
  void SetPageSize(std::int32_t Width, std::int32_t Height);
  // The page size of the running job, else the one SetPageSize set.
  std::int32_t PageWidth() const noexcept { return FPrinting ? FPage.Width() : FPageWidth; }
  std::int32_t PageHeight() const noexcept { return FPrinting ? FPage.Height() : FPageHeight; }
  bool Printing() const noexcept { return FPrinting; }
  std::int32_t PageNumber() const noexcept { return FPageNumber; }

  void BeginDoc();
  // Writes the finished page and starts a white one.
  void NewPage();
  // Writes the last page, ends the job and frees the page.
  void EndDoc();
  // Ends the job without writing the current page.
  void Abort();

 private:
  void write_page();
  bool to_pdf() const;
  // Resolution of the page (300 pixels per inch).
  static constexpr std::int32_t kPixelsPerInch = 300;
  void blank_page();
  void end_job() noexcept;

  TBitmap FPage;
  std::unique_ptr<platform::PrintDevice> FDevice;  // the job's system printer, if any
  String FFileName = u"printer-output.png";
  String FTitle = u"Document";
  bool FToFile = false;
  std::int32_t FPageWidth = 2480;
  std::int32_t FPageHeight = 3508;
  std::int32_t FPageNumber = 0;
  std::vector<platform::PdfPage> FPdfPages;  // the finished pages of a PDF job
  bool FPrinting = false;
};

// The one printer object of the process.
[[nodiscard]] ZYL_API TPrinter& Printer();

}  // namespace zyl

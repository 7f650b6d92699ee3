// Library: zyl / Package: platform / Module: printer
//
// The global printer object. This build prints to files: between BeginDoc
// and EndDoc the printer's canvas draws on a page bitmap (A4 at 300 pixels
// per inch, 2480 x 3508, unless SetPageSize was called), white at the start
// of each page; EndDoc writes the pages as PNG files: FileName for a one-page
// job, and FileName with "-2", "-3", ... before the extension for the pages
// after the first.
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

namespace zyl {

class ZYL_API EPrinter : public Exception {
 public:
  using Exception::Exception;
};

class ZYL_API TPrinter {
 public:
  TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  TCanvas& Canvas() noexcept { return FPage.Canvas(); }
  const String& FileName() const noexcept { return FFileName; }
  void SetFileName(const String& Value) { FFileName = Value; }
  // The page size in printer pixels, used by the next BeginDoc; limited as
  // bitmaps are (EInvalidGraphic).
  void SetPageSize(std::int32_t Width, std::int32_t Height);
  std::int32_t PageWidth() const noexcept { return FPageWidth; }
  std::int32_t PageHeight() const noexcept { return FPageHeight; }
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
  void write_page() const;
  void blank_page();

  TBitmap FPage;
  String FFileName = u"printer-output.png";
  std::int32_t FPageWidth = 2480;
  std::int32_t FPageHeight = 3508;
  std::int32_t FPageNumber = 0;
  bool FPrinting = false;
};

// The one printer object of the process.
[[nodiscard]] ZYL_API TPrinter& Printer();

}  // namespace zyl

// Library: zyl / Package: platform / Module: printdevice (Windows GDI)
#include "platform/printdevice.h"

#include <string>

#include "platform/printer.h"
#include "platform/win32/dibprint.h"
#include "platform/win32/gdihandles.h"

namespace zyl::platform {
namespace {

using win::ScopedDc;

// The default printer through its GDI device context.
class GdiPrintDevice final : public PrintDevice {
 public:
  explicit GdiPrintDevice(ScopedDc Dc) : FDc(std::move(Dc)) {}
  ~GdiPrintDevice() override {
    if (FInDoc) ::AbortDoc(FDc.get());
  }

  std::int32_t page_width() const override { return ::GetDeviceCaps(FDc.get(), HORZRES); }
  std::int32_t page_height() const override { return ::GetDeviceCaps(FDc.get(), VERTRES); }

  void start_doc(const String& Title) override {
    const std::wstring title = win::widen(Title);
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = title.c_str();
    if (::StartDocW(FDc.get(), &info) <= 0) throw EPrinter(u"The printer could not start the document");
    FInDoc = true;
  }

  void print_page(const TBitmap& Page) override {
    if (::StartPage(FDc.get()) <= 0) throw EPrinter(u"The printer could not start a page");
    win::print_dib(FDc.get(), Page, 0, 0);
    if (::EndPage(FDc.get()) <= 0) throw EPrinter(u"The printer could not finish a page");
  }

  void end_doc() override {
    FInDoc = false;
    if (::EndDoc(FDc.get()) <= 0) throw EPrinter(u"The printer could not finish the document");
  }

  void abort_doc() noexcept override {
    if (FInDoc) ::AbortDoc(FDc.get());
    FInDoc = false;
  }

 private:
  ScopedDc FDc;
  bool FInDoc = false;
};

}  // namespace

std::unique_ptr<PrintDevice> system_print_device() {
  DWORD size = 0;
  ::GetDefaultPrinterW(nullptr, &size);  // asks for the size; fails when there is no default printer
  if (size == 0) return nullptr;
  std::wstring name(size, L'\0');
  if (!::GetDefaultPrinterW(name.data(), &size)) return nullptr;
  ScopedDc dc(::CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr));
  if (!dc.valid()) return nullptr;
  return std::make_unique<GdiPrintDevice>(std::move(dc));
}

}  // namespace zyl::platform

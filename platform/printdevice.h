// Library: zyl / Package: platform / Module: printdevice (internal)
//
// A system printer that the global printer (platform/printer.h) sends its
// finished pages to. The canvas of a print job always draws on a page
// bitmap of the device's size; each finished page goes to the device as one
// device-independent bitmap.
//
// default_print_device() opens the system's default printer, or returns
// null when there is none (always on POSIX, which prints to files only).
// Tests replace that lookup with set_print_device_source, so the selection
// of file or device runs without a printer.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/bitmap.h"

namespace zyl::platform {

class PrintDevice {
 public:
  virtual ~PrintDevice() = default;
  // The printable page in device pixels.
  virtual std::int32_t page_width() const = 0;
  virtual std::int32_t page_height() const = 0;
  virtual void start_doc(const String& Title) = 0;
  // Prints one finished page (StartPage, the page's pixels, EndPage).
  virtual void print_page(const TBitmap& Page) = 0;
  virtual void end_doc() = 0;
  // Cancels the document; never throws.
  virtual void abort_doc() noexcept = 0;
};

using PrintDeviceSource = std::function<std::unique_ptr<PrintDevice>()>;

[[nodiscard]] ZYL_API std::unique_ptr<PrintDevice> default_print_device();

// Replaces the lookup default_print_device() makes (an empty Source
// restores the system's); returns the previous one. For tests.
ZYL_API PrintDeviceSource set_print_device_source(PrintDeviceSource Source);

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: printdevice
#include "platform/printdevice.h"

#include <utility>

namespace zyl::platform {

// The backend's lookup of the default printer (platform/<os>/printdevice.cpp).
std::unique_ptr<PrintDevice> system_print_device();

namespace {
PrintDeviceSource& source() {
  static PrintDeviceSource s;
  return s;
}
}  // namespace

std::unique_ptr<PrintDevice> default_print_device() { return source() ? source()() : system_print_device(); }

PrintDeviceSource set_print_device_source(PrintDeviceSource Source) { return std::exchange(source(), std::move(Source)); }

}  // namespace zyl::platform

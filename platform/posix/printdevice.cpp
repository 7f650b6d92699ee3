// Library: zyl / Package: platform / Module: printdevice (POSIX)
#include "platform/printdevice.h"

namespace zyl::platform {

// Printing on POSIX goes to files only.
std::unique_ptr<PrintDevice> system_print_device() { return nullptr; }

}  // namespace zyl::platform

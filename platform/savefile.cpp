// Library: zyl / Package: platform / Module: savefile
#include "platform/savefile.h"

#include <random>
#include <string>

#include "platform/exceptions.h"
#include "platform/file.h"

namespace zyl::platform {
namespace {

constexpr int kErrWriteFault = 29;  // the host's run-time code for a failed write

// A name beside Name that no other writer is likely to pick at the same time.
String temporary_name_beside(const String& Name) {
  static std::random_device rd;
  return Name + u".~" + from_ascii(std::to_string(rd() & 0xFFFFFF)) + u".tmp";
}

}  // namespace

void save_file(const String& Name, std::string_view Bytes) {
  const auto fail = [&](int error) {
    throw EInOutError(u"Cannot write \"" + Name + u"\": " + error_message(error), error);
  };
  const String temp = temporary_name_beside(Name);
  int error = 0;
  {
    FileHandle f = open_file(temp, FileAccess::Write, FileDisposition::CreateAlways, 0, error);
    if (!f.valid()) fail(error);
    const auto n = static_cast<std::int64_t>(Bytes.size());
    if (write_file(f, Bytes.data(), n, error) != n && error == 0) error = kErrWriteFault;
    const int close_error = f.close();
    if (error == 0) error = close_error;
  }
  if (error == 0 && !replace_file(temp, Name, error) && error == 0) error = kErrWriteFault;
  if (error != 0) {
    int ignored = 0;
    delete_file(temp, ignored);
    fail(error);
  }
}

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: program (POSIX backend)
#include "platform/program.h"

#include "platform/posix/osname.h"

namespace zyl::platform {

std::vector<std::string> program_arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

String argument_file_name(const std::string& Argument) { return posix::from_os_name(Argument); }

std::string file_name_text(const String& Name) {
  std::string bytes;
  return posix::to_os_name(Name, bytes) ? bytes : to_utf8(Name);
}

std::vector<std::string> expand_file_argument(const std::string& Argument) { return {Argument}; }

void set_binary_stdio() {}

std::FILE* open_binary_read(const std::string& Utf8Name) { return std::fopen(Utf8Name.c_str(), "rb"); }

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: program (POSIX backend)
#include "platform/program.h"

namespace zyl::platform {

std::vector<std::string> program_arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void set_binary_stdio() {}

std::FILE* open_binary_read(const std::string& Utf8Name) { return std::fopen(Utf8Name.c_str(), "rb"); }

}  // namespace zyl::platform

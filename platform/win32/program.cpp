// Library: zyl / Package: platform / Module: program (Win32 backend)
#include "platform/program.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <memory>

#include "platform/win32/win.h"

namespace zyl::platform {

std::vector<std::string> program_arguments(int argc, char** argv) {
  int count = 0;
  const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> wide(::CommandLineToArgvW(::GetCommandLineW(), &count),
                                                              &::LocalFree);
  if (!wide) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> args;
  args.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) args.push_back(to_utf8(win::narrow(wide.get()[i])));
  return args;
}

String argument_file_name(const std::string& Argument) { return from_utf8(Argument); }

void set_binary_stdio() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
}

std::FILE* open_binary_read(const std::string& Utf8Name) {
  const std::wstring path = win::widen_path(from_utf8(Utf8Name));
  if (path.empty()) {
    errno = ENOENT;
    return nullptr;
  }
  return ::_wfopen(path.c_str(), L"rb");
}

}  // namespace zyl::platform

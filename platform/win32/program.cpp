// Library: zyl / Package: platform / Module: program (Win32 backend)
#include "platform/program.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
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

std::string file_name_text(const String& Name) { return to_utf8(Name); }

std::vector<std::string> expand_file_argument(const std::string& Argument) {
  const std::size_t last_part = Argument.find_last_of("\\/:");
  const std::size_t name_start = last_part == std::string::npos ? 0 : last_part + 1;
  if (Argument.find_first_of("*?", name_start) == std::string::npos) return {Argument};
  const std::wstring pattern = win::widen_path(from_utf8(Argument));
  if (pattern.empty()) return {Argument};
  WIN32_FIND_DATAW found;
  const win::ScopedFindHandle search(
      ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0));
  if (!search.valid()) return {Argument};
  std::vector<String> names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(win::narrow(found.cFileName));
  } while (::FindNextFileW(search.get(), &found));
  if (names.empty()) return {Argument};
  // Name order as Windows lists it: ignoring case, then by code.
  std::sort(names.begin(), names.end(), [](const String& a, const String& b) {
    const int c = ::CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.c_str()), static_cast<int>(a.size()),
                                         reinterpret_cast<const wchar_t*>(b.c_str()), static_cast<int>(b.size()), TRUE);
    return c == CSTR_LESS_THAN || (c == CSTR_EQUAL && a < b);
  });
  std::vector<std::string> files;
  for (const String& name : names) files.push_back(Argument.substr(0, name_start) + to_utf8(name));
  return files;
}

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

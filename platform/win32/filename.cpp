// Library: zyl / Package: platform / Module: filename (Win32 backend)
#include "platform/filename.h"

#include <vector>

#include "platform/win32/win.h"

namespace zyl {

String ExpandFileName(const String& Name) {
  if (Name.empty() || Name.find(u'\0') != String::npos) return Name;
  const std::wstring wide = platform::win::widen(Name);
  // The first call tells the size needed (terminator included); the result
  // may exceed MAX_PATH, up to the API's limit of 32767 characters.
  std::vector<wchar_t> buf(MAX_PATH + 1);
  for (int attempt = 0; attempt < 3; ++attempt) {
    const DWORD n = ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buf.size()), buf.data(), nullptr);
    if (n == 0) return Name;
    if (n < buf.size()) return platform::win::narrow(std::wstring_view(buf.data(), n));
    buf.resize(n + 1);
  }
  return Name;
}

}  // namespace zyl

// Library: zyl / Package: platform / Module: progassoc (Win32 backend)
#include "platform/progassoc.h"

#include "platform/win32/win.h"

namespace zyl::platform {
namespace {

// The default value of an existing key under HKEY_CLASSES_ROOT; false when
// the key cannot be opened (it is never created).
bool default_value(const String& Key, String& Value) {
  win::ScopedRegKey key;
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, win::widen(Key).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return false;
  key.reset(raw);
  Value.clear();
  DWORD type = 0, size = 0;
  if (::RegQueryValueExW(key.get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0)
    return true;
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  if (::RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
      ERROR_SUCCESS)
    return true;
  text.resize(std::wcslen(text.c_str()));
  Value = win::narrow(text);
  return true;
}

}  // namespace

String program_association(const String& Extension) {
  String command;
  if (default_value(u"." + Extension + u"\\shell\\open\\command", command)) return command;
  String file_type;
  if (default_value(u"." + Extension, file_type) && !file_type.empty() &&
      default_value(file_type + u"\\shell\\open\\command", command))
    return command;
  return String();
}

}  // namespace zyl::platform

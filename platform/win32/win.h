// Library: zyl / Package: platform / Module: win (Win32 backend support)
//
// The one place that includes <windows.h>. Every file in platform/win32/
// includes this header instead, so the macros are set the same way
// everywhere: no min/max macros, the lean subset of the API, and an explicit
// Windows version (mingw-w64 defaults to an old one that hides the ...Ex
// functions).
//
// It also offers what every Win32 backend needs: a move-only owner for each
// kind of handle, the conversion of the library's String to the wide API's
// form, and 64-bit values rebuilt from the API's high and low halves.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0601  // Windows 7

#include <windows.h>
// Left out by WIN32_LEAN_AND_MEAN; must follow <windows.h>.
#include <shellapi.h>

#include <cstdint>
#include <string>

#include "platform/hoststring.h"

namespace zyl::platform::win {

// ScopedHandle<Traits>: owns one handle and closes it through Traits::close.
// Traits::invalid() is the value meaning "no handle".
template <typename Traits>
class ScopedHandle {
 public:
  using handle_type = typename Traits::handle_type;

  ScopedHandle() = default;
  explicit ScopedHandle(handle_type h) : FHandle(h) {}
  ScopedHandle(ScopedHandle&& Other) noexcept : FHandle(Other.release()) {}
  ScopedHandle& operator=(ScopedHandle&& Other) noexcept {
    if (this != &Other) reset(Other.release());
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() { reset(); }

  bool valid() const noexcept { return FHandle != Traits::invalid(); }
  handle_type get() const noexcept { return FHandle; }
  handle_type release() noexcept {
    const handle_type h = FHandle;
    FHandle = Traits::invalid();
    return h;
  }
  void reset(handle_type h = Traits::invalid()) noexcept {
    if (valid()) Traits::close(FHandle);
    FHandle = h;
  }

 private:
  handle_type FHandle = Traits::invalid();
};

// Kernel object handles (files, processes, events) whose failure value is
// INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  using handle_type = HANDLE;
  static handle_type invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void close(handle_type h) noexcept { ::CloseHandle(h); }
};

// Search handles from FindFirstFileW.
struct FindHandleTraits {
  using handle_type = HANDLE;
  static handle_type invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void close(handle_type h) noexcept { ::FindClose(h); }
};

// Registry keys from RegOpenKeyExW.
struct RegKeyTraits {
  using handle_type = HKEY;
  static handle_type invalid() noexcept { return nullptr; }
  static void close(handle_type h) noexcept { ::RegCloseKey(h); }
};

using ScopedFileHandle = ScopedHandle<FileHandleTraits>;
using ScopedFindHandle = ScopedHandle<FindHandleTraits>;
using ScopedRegKey = ScopedHandle<RegKeyTraits>;

// wchar_t is a UTF-16 code unit on Windows, so String converts by copy.
inline std::wstring widen(std::u16string_view Text) { return std::wstring(Text.begin(), Text.end()); }
inline String narrow(std::wstring_view Text) { return String(Text.begin(), Text.end()); }

// The wide API form of a path: "/" becomes "\", and an absolute path too long
// for the classic API (MAX_PATH) gets the "\\?\" prefix that lifts the limit.
// An embedded NUL would silently cut the name short, so a name containing one
// yields an empty result, which every API rejects.
inline std::wstring widen_path(std::u16string_view Name) {
  if (Name.find(u'\0') != std::u16string_view::npos) return std::wstring();
  std::wstring path = widen(Name);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  const bool drive_absolute = path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
  const bool unc = path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\';
  if (path.size() >= MAX_PATH && path.rfind(L"\\\\?\\", 0) != 0) {
    if (drive_absolute) return L"\\\\?\\" + path;
    if (unc) return L"\\\\?\\UNC\\" + path.substr(2);
  }
  return path;
}

// 64-bit values that the API hands out as two DWORD halves.
constexpr std::uint64_t join64(DWORD High, DWORD Low) noexcept {
  return (static_cast<std::uint64_t>(High) << 32) | Low;
}

}  // namespace zyl::platform::win

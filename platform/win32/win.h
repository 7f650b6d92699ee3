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
#include <winspool.h>

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

// The longest path the wide API takes, in UTF-16 units, prefix included.
// Longer names are cut to 16 bits of length on the way and name another file.
constexpr std::size_t kMaxWidePath = 32767;

namespace detail {

inline bool starts_with(const std::wstring& Text, const wchar_t* Prefix) { return Text.rfind(Prefix, 0) == 0; }

// A device ("\\.\") or verbatim ("\\?\") path: passed on as written.
inline bool is_device_or_verbatim(const std::wstring& Path) {
  return starts_with(Path, L"\\\\.\\") || starts_with(Path, L"\\\\?\\");
}

inline bool is_drive_absolute(const std::wstring& Path) {
  return Path.size() >= 3 && Path[1] == L':' && Path[2] == L'\\';
}

inline bool is_unc(const std::wstring& Path) { return starts_with(Path, L"\\\\") && !is_device_or_verbatim(Path); }

}  // namespace detail

// The wide API form of a path: "/" becomes "\". A path that the classic API
// cannot take whole (MAX_PATH characters or more, or relative) is first made
// absolute and canonical as the classic API would ("." and ".." resolved,
// doubled separators merged, trailing dots and blanks dropped), then, if
// still too long, given the prefix that lifts the limit: "\\?\X:\..." for a
// drive path, "\\?\UNC\server\share\..." for a UNC path. Device ("\\.\")
// and verbatim ("\\?\") paths are passed on as written.
//
// Returns an empty string and sets Error for a name that must not reach the
// API: ERROR_INVALID_NAME for an embedded NUL (it would cut the name short),
// ERROR_FILENAME_EXCED_RANGE for a path longer than kMaxWidePath.
inline std::wstring widen_path(std::u16string_view Name, DWORD& Error) {
  Error = ERROR_SUCCESS;
  if (Name.find(u'\0') != std::u16string_view::npos) {
    Error = ERROR_INVALID_NAME;
    return std::wstring();
  }
  if (Name.size() > kMaxWidePath) {
    Error = ERROR_FILENAME_EXCED_RANGE;
    return std::wstring();
  }
  std::wstring path = widen(Name);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  if (detail::is_device_or_verbatim(path)) return path;
  const bool absolute = detail::is_drive_absolute(path) || detail::is_unc(path);
  if (absolute && path.size() < MAX_PATH) return path;
  const DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) {
    Error = ERROR_INVALID_NAME;
    return std::wstring();
  }
  std::wstring full(needed, L'\0');
  const DWORD n = ::GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (n == 0 || n >= needed) {
    Error = ERROR_INVALID_NAME;
    return std::wstring();
  }
  full.resize(n);
  if (full.size() < MAX_PATH) return path;  // the classic API takes it as it is
  if (detail::is_drive_absolute(full)) full = L"\\\\?\\" + full;
  else if (detail::is_unc(full)) full = L"\\\\?\\UNC\\" + full.substr(2);
  if (full.size() > kMaxWidePath) {
    Error = ERROR_FILENAME_EXCED_RANGE;
    return std::wstring();
  }
  return full;
}

// The same, for callers that only need to know that a name was refused.
inline std::wstring widen_path(std::u16string_view Name) {
  DWORD ignored = 0;
  return widen_path(Name, ignored);
}

// The single translation from the API's failure state to our error number.
// Errors are Windows system error codes (what error_message explains); a
// failure that left no code behind still has to read as a failure.
inline int last_error() noexcept {
  const DWORD e = ::GetLastError();
  return e == ERROR_SUCCESS ? static_cast<int>(ERROR_GEN_FAILURE) : static_cast<int>(e);
}

// 64-bit values that the API hands out as two DWORD halves.
constexpr std::uint64_t join64(DWORD High, DWORD Low) noexcept {
  return (static_cast<std::uint64_t>(High) << 32) | Low;
}

}  // namespace zyl::platform::win

// Library: zyl / Package: platform / Module: dirops (Win32 backend)
#include "platform/dirops.h"

#include "platform/win32/win.h"

namespace zyl::platform {
namespace {

using win::last_error;

// Runs Call on the wide form of Name; false and the error when it fails.
template <typename Call>
bool on_name(const String& Name, int& Error, Call call) {
  DWORD refused = 0;
  const std::wstring path = win::widen_path(Name, refused);
  if (refused != ERROR_SUCCESS) {
    Error = static_cast<int>(refused);
    return false;
  }
  if (!call(path.c_str())) {
    Error = last_error();
    return false;
  }
  return true;
}

// The identity of a file or directory: its volume and index on it.
bool identity(const String& Name, BY_HANDLE_FILE_INFORMATION& Info) {
  const std::wstring path = win::widen_path(Name);
  if (path.empty()) return false;
  win::ScopedFileHandle h(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return h.valid() && ::GetFileInformationByHandle(h.get(), &Info) != 0;
}

}  // namespace

bool get_attributes(const String& Name, std::int32_t& Attr, int& Error) {
  DWORD attributes = INVALID_FILE_ATTRIBUTES;
  if (!on_name(Name, Error, [&](const wchar_t* p) {
        attributes = ::GetFileAttributesW(p);
        return attributes != INVALID_FILE_ATTRIBUTES;
      }))
    return false;
  Attr = static_cast<std::int32_t>(attributes);
  return true;
}

bool create_directory(const String& Name, int& Error) {
  return on_name(Name, Error, [](const wchar_t* p) { return ::CreateDirectoryW(p, nullptr) != 0; });
}

bool remove_directory(const String& Name, int& Error) {
  return on_name(Name, Error, [](const wchar_t* p) { return ::RemoveDirectoryW(p) != 0; });
}

bool remove_link(const String& Name, int& Error) {
  return on_name(Name, Error, [](const wchar_t* p) {
    const DWORD attributes = ::GetFileAttributesW(p);
    // A link to a directory is a directory entry of its own.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      return ::RemoveDirectoryW(p) != 0;
    return ::DeleteFileW(p) != 0;
  });
}

bool create_link(const String&, const String&, int& Error) {
  Error = ERROR_NOT_SUPPORTED;
  return false;
}

bool same_entry(const String& A, const String& B) {
  BY_HANDLE_FILE_INFORMATION a, b;
  return identity(A, a) && identity(B, b) && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
         a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

bool copy_attributes(const FileHandle& Source, const String& Dest, int& Error) {
  constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                              FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                              FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(reinterpret_cast<HANDLE>(Source.native()), &info)) {
    Error = last_error();
    return false;
  }
  DWORD wanted = info.dwFileAttributes & kSettable & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
  if (wanted == 0) wanted = FILE_ATTRIBUTE_NORMAL;
  return on_name(Dest, Error, [&](const wchar_t* p) { return ::SetFileAttributesW(p, wanted) != 0; });
}

}  // namespace zyl::platform

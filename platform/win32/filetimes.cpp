// Library: zyl / Package: platform / Module: filetimes (Win32 backend)
#include "platform/filetimes.h"

#include "platform/win32/win.h"

namespace zyl::platform {
namespace {

FILETIME split(std::uint64_t Value) {
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(Value);
  ft.dwHighDateTime = static_cast<DWORD>(Value >> 32);
  return ft;
}

// Opened as the callers' contract says: write access, sharing write access.
// The read-only attribute refuses it also where the file system would let a
// privileged user write anyway.
win::ScopedFileHandle open_for_times(const String& Name, int& Error) {
  const std::wstring path = win::widen_path(Name);
  const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    Error = ERROR_ACCESS_DENIED;
    return win::ScopedFileHandle();
  }
  win::ScopedFileHandle h(path.empty() ? INVALID_HANDLE_VALUE
                                       : ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.valid()) Error = path.empty() ? static_cast<int>(ERROR_INVALID_NAME) : static_cast<int>(::GetLastError());
  return h;
}

}  // namespace

bool get_file_times(const String& Name, FileTimes& Times, int& Error) {
  const win::ScopedFileHandle h = open_for_times(Name, Error);
  if (!h.valid()) return false;
  FILETIME creation, access, write;
  if (!::GetFileTime(h.get(), &creation, &access, &write)) {
    Error = static_cast<int>(::GetLastError());
    return false;
  }
  Times.Creation = win::join64(creation.dwHighDateTime, creation.dwLowDateTime);
  Times.LastAccess = win::join64(access.dwHighDateTime, access.dwLowDateTime);
  Times.LastWrite = win::join64(write.dwHighDateTime, write.dwLowDateTime);
  return true;
}

bool set_file_times(const String& Name, const FileTimes& Times, int& Error) {
  const win::ScopedFileHandle h = open_for_times(Name, Error);
  if (!h.valid()) return false;
  // A null pointer leaves that time as it is.
  const FILETIME creation = split(Times.Creation), access = split(Times.LastAccess), write = split(Times.LastWrite);
  if (!::SetFileTime(h.get(), Times.Creation != 0 ? &creation : nullptr, Times.LastAccess != 0 ? &access : nullptr,
                     Times.LastWrite != 0 ? &write : nullptr)) {
    Error = static_cast<int>(::GetLastError());
    return false;
  }
  return true;
}

}  // namespace zyl::platform

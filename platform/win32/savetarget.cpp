// Library: zyl / Package: platform / Module: savetarget (Win32 backend)
#include "platform/savetarget.h"

#include <cstdio>
#include <string>

#include "platform/securerandom.h"
#include "platform/win32/win.h"

namespace zyl::platform::detail {
namespace {

constexpr int kMaxNameTries = 16;

using win::last_error;

String directory_of(const String& Path) {
  const std::size_t sep = Path.find_last_of(u"\\/");
  return sep == String::npos ? String() : Path.substr(0, sep + 1);
}

// The file a handle reached after every link, in the ordinary drive or UNC
// form (the API answers with the "\\?\" form).
String final_path(HANDLE File) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetFinalPathNameByHandleW(File, path.data(), static_cast<DWORD>(path.size()),
                                                FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (n == 0) return String();
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(n + 1);
  }
  if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return u"\\\\" + win::narrow(path.substr(8));
  if (path.rfind(L"\\\\?\\", 0) == 0) return win::narrow(path.substr(4));
  return win::narrow(path);
}

}  // namespace

bool resolve_save_target(const String& Name, SaveTarget& Target, int& Error) {
  const std::wstring path = win::widen_path(Name);
  if (path.empty()) {
    Error = ERROR_INVALID_NAME;
    return false;
  }
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES && ::GetLastError() == ERROR_FILE_NOT_FOUND) {
    Target = {Name, SaveRoute::Create};
    return true;
  }
  // What an ordinary open for writing refuses (a directory, the read-only
  // attribute, a file others hold without sharing) is refused here too.
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    Error = ERROR_ACCESS_DENIED;
    return false;
  }
  win::ScopedFileHandle probe(::CreateFileW(path.c_str(), GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!probe.valid()) {
    Error = last_error();
    return false;
  }
  if (::GetFileType(probe.get()) != FILE_TYPE_DISK) {
    Target = {Name, SaveRoute::Stream};
    return true;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(probe.get(), &info)) {
    Error = last_error();
    return false;
  }
  String resolved = Name;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    resolved = final_path(probe.get());
    if (resolved.empty()) {
      Error = last_error();
      return false;
    }
  }
  Target = {resolved, info.nNumberOfLinks > 1 ? SaveRoute::InPlace : SaveRoute::Replace};
  return true;
}

FileHandle open_save_target(const SaveTarget& Target, FileAccess Access, std::uint16_t ShareMode, int& Error) {
  return open_file(Target.Path, Access, FileDisposition::OpenExisting, ShareMode, Error);
}

FileHandle create_temporary_beside(SaveTarget& Target, String& TempName, int& Error) {
  const String dir = directory_of(Target.Path);
  for (int attempt = 0; attempt < kMaxNameTries; ++attempt) {
    char random_part[17];
    std::snprintf(random_part, sizeof random_part, "%016llx",
                  static_cast<unsigned long long>(secure_random64()));
    const String temp = dir + u".zyl-save-" + from_ascii(random_part) + u".tmp";
    const std::wstring path = win::widen_path(temp);
    // The attributes and security of a replaced file come over with
    // ReplaceFileW; a new file gets the directory's defaults.
    win::ScopedFileHandle h(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (h.valid()) {
      TempName = temp;
      Error = 0;
      return FileHandle(reinterpret_cast<std::intptr_t>(h.release()));
    }
    const DWORD e = ::GetLastError();
    if (e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS) {
      Error = last_error();
      return FileHandle();
    }
  }
  Error = ERROR_FILE_EXISTS;
  return FileHandle();
}

// Windows has no call that starts writing a range without waiting for it;
// FlushFileBuffers at the end does all of it.
void start_writeback(const FileHandle&, std::int64_t, std::int64_t) noexcept {}

bool flush_to_disk(const FileHandle& File, int& Error) {
  if (::FlushFileBuffers(reinterpret_cast<HANDLE>(File.native()))) return true;
  Error = last_error();
  return false;
}

bool commit_temporary(const String& TempName, const SaveTarget& Target, int& Error, bool Durable) {
  const std::wstring temp = win::widen_path(TempName);
  const std::wstring path = win::widen_path(Target.Path);
  // ReplaceFileW keeps the replaced file's attributes, security and creation
  // time; where the file system cannot do that, a plain replacing move still
  // swaps the contents in one step.
  if (Target.Route == SaveRoute::Replace &&
      ::ReplaceFileW(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
    return true;
  if (::MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | (Durable ? MOVEFILE_WRITE_THROUGH : 0)))
    return true;
  Error = last_error();
  return false;
}

}  // namespace zyl::platform::detail

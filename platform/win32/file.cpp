// Library: zyl / Package: platform / Module: file (Win32 backend)
#include "platform/file.h"

#include <algorithm>

#include "platform/win32/win.h"

namespace zyl::platform {
namespace {

HANDLE handle_of(const FileHandle& File) { return reinterpret_cast<HANDLE>(File.native()); }

using win::last_error;

// ReadFile/WriteFile take a DWORD count; chunks stay well below it.
constexpr std::int64_t kMaxIo = 1 << 30;

DWORD share_flags(std::uint16_t ShareMode) {
  switch (ShareMode & 0x00F0) {
    case 0x0010: return 0;                                     // fmShareExclusive
    case 0x0020: return FILE_SHARE_READ;                       // fmShareDenyWrite
    case 0x0030: return FILE_SHARE_WRITE;                      // fmShareDenyRead
    default: return FILE_SHARE_READ | FILE_SHARE_WRITE;        // compat, deny none
  }
}

bool move_pointer(HANDLE h, std::int64_t Offset, DWORD Method, std::int64_t& NewPos) {
  LARGE_INTEGER distance;
  distance.QuadPart = Offset;
  LARGE_INTEGER result;
  if (!::SetFilePointerEx(h, distance, &result, Method)) return false;
  NewPos = result.QuadPart;
  return true;
}

// The wide form of a name (win::widen_path); false and Error when the name
// is refused before any call (an embedded NUL, longer than the API takes).
bool wide_name(const String& Name, std::wstring& Out, int& Error) {
  DWORD error = ERROR_SUCCESS;
  Out = win::widen_path(Name, error);
  if (!Out.empty()) return true;
  Error = static_cast<int>(error != ERROR_SUCCESS ? error : ERROR_INVALID_NAME);
  return false;
}

// The absolute form of a wide path, as the API resolves it.
std::wstring full_path(const std::wstring& Path) {
  const DWORD needed = ::GetFullPathNameW(Path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return Path;
  std::wstring full(needed, L'\0');
  const DWORD n = ::GetFullPathNameW(Path.c_str(), needed, full.data(), nullptr);
  if (n == 0 || n >= needed) return Path;
  full.resize(n);
  return full;
}

// Two spellings of one path that differ only in the case of letters.
bool differ_in_case_only(const std::wstring& A, const std::wstring& B) {
  const std::wstring a = full_path(A);
  const std::wstring b = full_path(B);
  return a != b && a.size() == b.size() &&
         ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
             CSTR_EQUAL;
}

// The identity of the file Path names, matched by exact spelling (a
// case-sensitive directory may hold names that differ only in case).
bool exact_identity(const std::wstring& Path, BY_HANDLE_FILE_INFORMATION& Info) {
  const win::ScopedFileHandle h(::CreateFileW(Path.c_str(), FILE_READ_ATTRIBUTES,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING,
                                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT |
                                                  FILE_FLAG_POSIX_SEMANTICS,
                                              nullptr));
  return h.valid() && ::GetFileInformationByHandle(h.get(), &Info);
}

// True when To names an existing file other than From.
bool names_another_file(const std::wstring& From, const std::wstring& To) {
  BY_HANDLE_FILE_INFORMATION from, to;
  if (!exact_identity(To, to) || !exact_identity(From, from)) return false;
  return from.dwVolumeSerialNumber != to.dwVolumeSerialNumber || from.nFileIndexHigh != to.nFileIndexHigh ||
         from.nFileIndexLow != to.nFileIndexLow;
}

// Changes the case of a file's name. Some Windows implementations report a
// single in-place rename as done and keep the old spelling, so the file
// moves to a temporary name beside it and from there to the new spelling; if
// that second step fails, it moves back, so the file is never lost. A new
// spelling that is another file (a case-sensitive directory) is refused
// before anything moves: the way back could then be taken too.
bool rename_case(const std::wstring& From, const std::wstring& To, int& Error) {
  if (names_another_file(From, To)) {
    Error = ERROR_ALREADY_EXISTS;
    return false;
  }
  std::wstring temp;
  for (unsigned attempt = 0;; ++attempt) {
    temp = From + L".~case" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(attempt);
    if (::MoveFileExW(From.c_str(), temp.c_str(), 0)) break;
    const DWORD e = ::GetLastError();
    if ((e != ERROR_ALREADY_EXISTS && e != ERROR_FILE_EXISTS) || attempt == 100) {
      Error = last_error();
      return false;
    }
  }
  if (::MoveFileExW(temp.c_str(), To.c_str(), 0)) return true;
  Error = last_error();
  ::MoveFileExW(temp.c_str(), From.c_str(), 0);
  return false;
}

}  // namespace

int FileHandle::close() noexcept {
  if (!valid()) return 0;
  return ::CloseHandle(reinterpret_cast<HANDLE>(release())) ? 0 : last_error();
}

FileHandle open_file(const String& Name, FileAccess Access, FileDisposition Disposition,
                     std::uint16_t ShareMode, int& Error) {
  DWORD access = 0;
  switch (Access) {
    case FileAccess::Read: access = GENERIC_READ; break;
    case FileAccess::Write: access = GENERIC_WRITE; break;
    case FileAccess::ReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
  }
  const DWORD creation = Disposition == FileDisposition::CreateAlways ? CREATE_ALWAYS
                         : Disposition == FileDisposition::CreateNew  ? CREATE_NEW
                                                                       : OPEN_EXISTING;
  std::wstring path;
  if (!wide_name(Name, path, Error)) return FileHandle();
  // Without FILE_FLAG_BACKUP_SEMANTICS a directory does not open, which is
  // what a file stream wants (access denied, as on the original platform).
  win::ScopedFileHandle h(::CreateFileW(path.c_str(), access, share_flags(ShareMode), nullptr, creation,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.valid()) {
    Error = last_error();
    return FileHandle();
  }
  Error = 0;
  return FileHandle(reinterpret_cast<std::intptr_t>(h.release()));
}

FileHandle open_regular_file(const String& Name, std::uint16_t ShareMode, int& Error) {
  std::wstring path;
  if (!wide_name(Name, path, Error)) return FileHandle();
  // A directory does not open without FILE_FLAG_BACKUP_SEMANTICS; devices
  // and pipes open, and are told apart from disk files by their type.
  win::ScopedFileHandle h(::CreateFileW(path.c_str(), GENERIC_READ, share_flags(ShareMode), nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.valid()) {
    Error = last_error();
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (Error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      Error = kErrorNotRegularFile;
    return FileHandle();
  }
  if (::GetFileType(h.get()) != FILE_TYPE_DISK) {
    Error = kErrorNotRegularFile;
    return FileHandle();
  }
  Error = 0;
  return FileHandle(reinterpret_cast<std::intptr_t>(h.release()));
}

std::int64_t read_file(const FileHandle& File, void* Buffer, std::int64_t Count, int& Error) {
  auto* out = static_cast<char*>(Buffer);
  std::int64_t done = 0;
  while (done < Count) {
    DWORD n = 0;
    const auto want = static_cast<DWORD>(std::min(Count - done, kMaxIo));
    if (!::ReadFile(handle_of(File), out + done, want, &n, nullptr)) {
      // The writer of a pipe has gone: that is the end of the data.
      if (::GetLastError() == ERROR_BROKEN_PIPE) break;
      Error = last_error();
      return done > 0 ? done : -1;
    }
    if (n == 0) break;
    done += n;
  }
  return done;
}

std::int64_t write_file(const FileHandle& File, const void* Buffer, std::int64_t Count, int& Error) {
  const auto* in = static_cast<const char*>(Buffer);
  std::int64_t done = 0;
  while (done < Count) {
    DWORD n = 0;
    const auto want = static_cast<DWORD>(std::min(Count - done, kMaxIo));
    if (!::WriteFile(handle_of(File), in + done, want, &n, nullptr)) {
      Error = last_error();
      return done > 0 ? done : -1;
    }
    if (n == 0) {
      Error = ERROR_WRITE_FAULT;
      return done > 0 ? done : -1;
    }
    done += n;
  }
  return done;
}

std::int64_t seek_file(const FileHandle& File, std::int64_t Offset, TSeekOrigin Origin, int& Error) {
  const DWORD method = Origin == TSeekOrigin::soBeginning ? FILE_BEGIN
                       : Origin == TSeekOrigin::soCurrent ? FILE_CURRENT
                                                          : FILE_END;
  std::int64_t pos = 0;
  if (!move_pointer(handle_of(File), Offset, method, pos)) {
    Error = last_error();
    return -1;
  }
  return pos;
}

std::int64_t file_size(const FileHandle& File, int& Error) {
  DWORD high = 0;
  const DWORD low = ::GetFileSize(handle_of(File), &high);
  // INVALID_FILE_SIZE is also a valid low half of a large file; only the
  // error code tells them apart.
  if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) {
    Error = last_error();
    return -1;
  }
  return static_cast<std::int64_t>(win::join64(high, low));
}

bool resize_file(const FileHandle& File, std::int64_t Size, int& Error) {
  // SetEndOfFile works at the file pointer; put it back afterwards, since
  // resizing (as ftruncate does) leaves the position alone.
  const HANDLE h = handle_of(File);
  std::int64_t saved = 0;
  std::int64_t ignored = 0;
  if (Size < 0) {
    Error = ERROR_NEGATIVE_SEEK;
    return false;
  }
  if (!move_pointer(h, 0, FILE_CURRENT, saved) || !move_pointer(h, Size, FILE_BEGIN, ignored) ||
      !::SetEndOfFile(h)) {
    Error = last_error();
    move_pointer(h, saved, FILE_BEGIN, ignored);
    return false;
  }
  move_pointer(h, saved, FILE_BEGIN, ignored);
  return true;
}

bool delete_file(const String& Name, int& Error) {
  std::wstring path;
  if (!wide_name(Name, path, Error)) return false;
  if (!::DeleteFileW(path.c_str())) {
    Error = last_error();
    return false;
  }
  return true;
}

bool rename_file(const String& OldName, const String& NewName, int& Error) {
  std::wstring from, to;
  if (!wide_name(OldName, from, Error) || !wide_name(NewName, to, Error)) return false;
  if (differ_in_case_only(from, to)) return rename_case(from, to, Error);
  // Without MOVEFILE_REPLACE_EXISTING an existing target is never replaced
  // (ERROR_ALREADY_EXISTS). A file may move to another volume, as MoveFileW
  // allows.
  if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED)) {
    Error = last_error();
    return false;
  }
  return true;
}

String error_message(int Error) {
  if (Error == kErrorNotRegularFile) return u"not a regular file";
  wchar_t* text = nullptr;
  const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, static_cast<DWORD>(Error), 0,
                                   reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text != nullptr ? text : L"", n);
  if (text != nullptr) ::LocalFree(text);
  // The system's texts end with a line break; the host trims it.
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
    message.pop_back();
  if (message.empty()) return from_ascii("System error " + std::to_string(Error));
  return win::narrow(message);
}

}  // namespace zyl::platform

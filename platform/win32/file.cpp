// Library: zyl / Package: platform / Module: file (Win32 backend)
#include "platform/file.h"

#include <algorithm>

#include "platform/win32/win.h"

namespace zyl::platform {
namespace {

HANDLE handle_of(const FileHandle& File) { return reinterpret_cast<HANDLE>(File.native()); }

// The single translation from the API's failure state to our error number.
// Errors are Windows system error codes (what error_message explains); a
// failure that left no code behind still has to read as a failure.
int last_error() noexcept {
  const DWORD e = ::GetLastError();
  return e == ERROR_SUCCESS ? static_cast<int>(ERROR_GEN_FAILURE) : static_cast<int>(e);
}

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
  const DWORD creation = Disposition == FileDisposition::CreateAlways ? CREATE_ALWAYS : OPEN_EXISTING;
  const std::wstring path = win::widen_path(Name);
  if (path.empty()) {
    Error = ERROR_INVALID_NAME;
    return FileHandle();
  }
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
      return -1;
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
      return -1;
    }
    if (n == 0) {
      Error = ERROR_WRITE_FAULT;
      return -1;
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
  const std::wstring path = win::widen_path(Name);
  if (path.empty() || !::DeleteFileW(path.c_str())) {
    Error = path.empty() ? static_cast<int>(ERROR_INVALID_NAME) : last_error();
    return false;
  }
  return true;
}

bool rename_file(const String& OldName, const String& NewName, int& Error) {
  const std::wstring from = win::widen_path(OldName);
  const std::wstring to = win::widen_path(NewName);
  if (from.empty() || to.empty()) {
    Error = ERROR_INVALID_NAME;
    return false;
  }
  // Without MOVEFILE_REPLACE_EXISTING an existing target is never replaced
  // (ERROR_ALREADY_EXISTS), while a new spelling of the same name renames
  // in place. A file may move to another volume, as MoveFileW allows.
  if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED)) {
    Error = last_error();
    return false;
  }
  return true;
}

String error_message(int Error) {
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

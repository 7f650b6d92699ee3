// Library: zyl / Package: platform / Module: file
//
// The operating system's files, behind one OS-neutral interface. Names are
// the library's String and converted to the OS form inside the backend
// (UTF-8 on POSIX, UTF-16 on Windows). Errors are the OS error number
// (errno or GetLastError) returned through an out parameter; error_message
// turns one into text.
//
// Backends: platform/posix/file.cpp and platform/win32/file.cpp.
#pragma once

#include <cstdint>

#include "platform/hoststring.h"
#include "platform/stream.h"

namespace zyl::platform {

enum class FileAccess : std::uint8_t { Read, Write, ReadWrite };
// CreateNew creates a file only where none exists (O_EXCL, CREATE_NEW): it
// never opens or truncates an existing one, nor follows a link there.
enum class FileDisposition : std::uint8_t { OpenExisting, CreateAlways, CreateNew };

// A move-only owner of an open file. The destructor closes it and ignores
// failures; Close() reports them.
class ZYL_API FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(std::intptr_t Native) : FNative(Native) {}
  FileHandle(FileHandle&& Other) noexcept : FNative(Other.release()) {}
  FileHandle& operator=(FileHandle&& Other) noexcept;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle();

  bool valid() const noexcept { return FNative != kInvalid; }
  std::intptr_t native() const noexcept { return FNative; }
  std::intptr_t release() noexcept;
  // Closes the file; returns 0 or the OS error number.
  int close() noexcept;

  static constexpr std::intptr_t kInvalid = -1;

 private:
  std::intptr_t FNative = kInvalid;
};

// Opens or creates a file. ShareMode carries the host's fmShare... bits
// (enforced on Windows; POSIX has no mandatory sharing and ignores them).
// Returns an invalid handle and sets Error on failure.
ZYL_API FileHandle open_file(const String& Name, FileAccess Access, FileDisposition Disposition,
                             std::uint16_t ShareMode, int& Error);

// The error of an operation that reads file contents and was given a FIFO,
// socket, device or directory: "not a regular file". An application-defined
// code on Windows (bit 29), far from every errno value on POSIX.
inline constexpr int kErrorNotRegularFile = 0x20000001;

// Opens an existing regular file for reading with ShareMode as open_file
// does. Anything else is refused with kErrorNotRegularFile before its
// contents are read: a FIFO is not waited on, a device is not read.
ZYL_API FileHandle open_regular_file(const String& Name, std::uint16_t ShareMode, int& Error);

// Move up to Count bytes and return how many moved (read_file: fewer at the
// end of the file). When the OS fails part way, Error is set and the result
// is the count moved before the failure, or -1 when nothing moved; Error
// stays untouched otherwise.
ZYL_API std::int64_t read_file(const FileHandle& File, void* Buffer, std::int64_t Count, int& Error);
ZYL_API std::int64_t write_file(const FileHandle& File, const void* Buffer, std::int64_t Count,
                                int& Error);

// Each returns -1 and sets Error on failure. A failed seek leaves the file
// position where it was.
ZYL_API std::int64_t seek_file(const FileHandle& File, std::int64_t Offset, TSeekOrigin Origin,
                               int& Error);
ZYL_API std::int64_t file_size(const FileHandle& File, int& Error);

// Truncates or extends the file to Size bytes; false and Error on failure.
ZYL_API bool resize_file(const FileHandle& File, std::int64_t Size, int& Error);

// Deletes a file (not a directory); false and Error on failure.
ZYL_API bool delete_file(const String& Name, int& Error);

// Renames or moves a file. Never replaces another existing file: when NewName
// names a different file that exists, fails with the OS's "file exists"
// error and leaves both. Renaming a file to another spelling of itself (a
// change of case on a case-insensitive file system) renames it in place.
// False and Error on failure.
ZYL_API bool rename_file(const String& OldName, const String& NewName, int& Error);

// The OS's text for an error number (the host's SysErrorMessage).
ZYL_API String error_message(int Error);

}  // namespace zyl::platform

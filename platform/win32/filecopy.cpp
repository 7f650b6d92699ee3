// Library: zyl / Package: platform / Module: filecopy (Win32 backend)
//
// Windows has no copy call between two open handles; the buffered path
// with large blocks does the work.
#include "platform/filecopy.h"

#include "platform/filestream.h"
#include "platform/win32/win.h"

namespace zyl::platform {
namespace {

HANDLE handle_of(const FileHandle& File) { return reinterpret_cast<HANDLE>(File.native()); }

using win::last_error;

}  // namespace

namespace detail {

std::int64_t kernel_copy(const FileHandle&, const FileHandle&, std::int64_t, bool& End) {
  End = false;
  return 0;
}

}  // namespace detail

FileHandle create_copy_file(const String& Name, const FileHandle&, int& Error) {
  return open_file(Name, FileAccess::Write, FileDisposition::CreateNew, fmShareDenyWrite, Error);
}

bool copy_last_write_time(const FileHandle& Source, const FileHandle& Dest, int& Error) {
  FILETIME written;
  if (!::GetFileTime(handle_of(Source), nullptr, nullptr, &written) ||
      !::SetFileTime(handle_of(Dest), nullptr, nullptr, &written)) {
    Error = last_error();
    return false;
  }
  return true;
}

}  // namespace zyl::platform

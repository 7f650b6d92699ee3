// Library: zyl / Package: platform / Module: dirlist (Win32 backend)
#include "platform/dirlist.h"

#include "platform/filename.h"
#include "platform/win32/win.h"

namespace zyl::platform {

bool list_directory(const String& Dir, const std::function<void(const String& Name, EntryKind Kind)>& Visit) {
  const std::wstring pattern = win::widen_path(ExpandFileName(Dir + u"*"));
  if (pattern.empty()) return false;
  WIN32_FIND_DATAW d;
  win::ScopedFindHandle h(::FindFirstFileW(pattern.c_str(), &d));
  if (!h.valid()) return false;
  do {
    const String name = win::narrow(d.cFileName);
    if (name == u"." || name == u"..") continue;
    const bool directory = (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool link = (d.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    Visit(name, !directory ? EntryKind::File : link ? EntryKind::LinkedDirectory : EntryKind::Directory);
  } while (::FindNextFileW(h.get(), &d));
  return true;
}

}  // namespace zyl::platform

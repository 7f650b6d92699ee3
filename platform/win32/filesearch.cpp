// Library: zyl / Package: platform / Module: filesearch (Win32 backend)
#include "platform/filesearch.h"

#include "platform/filename.h"
#include "platform/win32/win.h"

namespace zyl {
namespace platform {

struct FindState {
  win::ScopedFindHandle Handle;
  std::int32_t Filter = 0;
};

namespace {

// The wide form of a search path: expanded first, so that a relative path
// that is too long for the classic API once the current directory is put in
// front can still take the "\\?\" prefix.
std::wstring search_path(const String& Path) { return win::widen_path(ExpandFileName(Path)); }

using win::last_error;

void take(const WIN32_FIND_DATAW& D, TSearchRec& F) {
  F.Name = win::narrow(D.cFileName);
  F.Attr = static_cast<std::int32_t>(D.dwFileAttributes);
  F.Size = (D.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0
               ? 0
               : static_cast<std::int64_t>(win::join64(D.nFileSizeHigh, D.nFileSizeLow));
}

// Moves on from D (already read) to the first entry that passes the filter.
int settle(TSearchRec& F, WIN32_FIND_DATAW& D) {
  FindState& s = *F.FState;
  while (!passes_attribute_filter(static_cast<std::int32_t>(D.dwFileAttributes), s.Filter))
    if (!::FindNextFileW(s.Handle.get(), &D)) return last_error();
  take(D, F);
  return 0;
}

}  // namespace

bool stored_entry_name(const String& Path, String& Name) {
  const String last = ExtractFileName(Path);
  if (last.empty() || last.find_first_of(u"*?") != String::npos) return false;
  const std::wstring path = search_path(Path);
  if (path.empty()) return false;
  WIN32_FIND_DATAW d;
  win::ScopedFindHandle h(::FindFirstFileW(path.c_str(), &d));
  if (!h.valid()) return false;
  Name = win::narrow(d.cFileName);
  return true;
}

}  // namespace platform

TSearchRec::TSearchRec() = default;
TSearchRec::~TSearchRec() = default;
TSearchRec::TSearchRec(TSearchRec&&) noexcept = default;
TSearchRec& TSearchRec::operator=(TSearchRec&&) noexcept = default;

int FindFirst(const String& Path, std::int32_t Attr, TSearchRec& F) {
  FindClose(F);
  const std::wstring path = platform::search_path(Path);
  if (path.empty()) return ERROR_INVALID_NAME;
  WIN32_FIND_DATAW d;
  platform::win::ScopedFindHandle h(::FindFirstFileW(path.c_str(), &d));
  if (!h.valid()) return platform::last_error();
  F.FState = std::make_unique<platform::FindState>();
  F.FState->Handle = std::move(h);
  F.FState->Filter = Attr;
  const int rc = platform::settle(F, d);
  if (rc != 0) FindClose(F);
  return rc;
}

int FindNext(TSearchRec& F) {
  if (!F.FState) return ERROR_NO_MORE_FILES;
  WIN32_FIND_DATAW d;
  if (!::FindNextFileW(F.FState->Handle.get(), &d)) return platform::last_error();
  return platform::settle(F, d);
}

void FindClose(TSearchRec& F) { F.FState.reset(); }

}  // namespace zyl

// Library: zyl / Package: platform / Module: filesearch (POSIX backend)
//
// A search lists the directory with readdir and matches each name against
// the mask itself, since POSIX has no case-insensitive lookup. A mask
// without wildcards is first tried as the exact name (one lstat), so looking
// up one file does not depend on the size of its directory in the usual case.
#include "platform/filesearch.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/posix/attributes.h"
#include "platform/posix/osname.h"

namespace zyl {
namespace platform {
namespace {

struct DirCloser {
  void operator()(DIR* d) const noexcept { ::closedir(d); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

bool has_wildcard(std::u16string_view Mask) { return Mask.find_first_of(u"*?") != std::u16string_view::npos; }

}  // namespace

struct FindState {
  std::string Dir;    // the directory part, "/" included, as the OS's bytes (empty: current directory)
  String Mask;
  std::int32_t Filter = 0;
  std::string Exact;  // the exact name already reported (skipped when listing)
  DirHandle Listing;  // opened on the first FindNext that needs it
  bool Opened = false;
};

namespace {

// Fills F from entry Name when it matches and passes the filter.
bool take_entry(FindState& S, const std::string& Name, TSearchRec& F) {
  const String name = posix::from_os_name(Name);
  if (!matches_file_mask(name, S.Mask)) return false;
  std::int32_t attr = 0;
  std::int64_t size = 0;
  const bool found = S.Listing ? posix::entry_attributes(::dirfd(S.Listing.get()), Name, Name, attr, size)
                               : posix::entry_attributes(AT_FDCWD, S.Dir + Name, Name, attr, size);
  if (!found || !passes_attribute_filter(attr, S.Filter)) return false;
  F.Name = name;
  F.Attr = attr;
  F.Size = size;
  return true;
}

int next_listed(TSearchRec& F) {
  FindState& s = *F.FState;
  if (!s.Opened) {
    s.Opened = true;
    s.Listing.reset(::opendir(s.Dir.empty() ? "." : s.Dir.c_str()));
    if (!s.Listing) return errno;
  }
  if (!s.Listing) return ENOENT;
  for (;;) {
    errno = 0;
    const dirent* e = ::readdir(s.Listing.get());
    if (e == nullptr) return errno != 0 ? errno : ENOENT;
    const std::string name(e->d_name);
    if (!s.Exact.empty() && name == s.Exact) continue;
    if (take_entry(s, name, F)) return 0;
  }
}

}  // namespace

bool stored_entry_name(const String& Path, String& Name) {
  if (Path.find(u'\0') != String::npos) return false;
  const std::size_t slash = Path.rfind(u'/');
  const String last = slash == String::npos ? Path : Path.substr(slash + 1);
  if (has_wildcard(last)) return false;
  struct stat st;
  std::string path;
  if (!posix::to_os_name(Path, path) || ::lstat(path.c_str(), &st) != 0) return false;
  Name = last;
  return true;
}

}  // namespace platform

TSearchRec::TSearchRec() = default;
TSearchRec::~TSearchRec() = default;
TSearchRec::TSearchRec(TSearchRec&&) noexcept = default;
TSearchRec& TSearchRec::operator=(TSearchRec&&) noexcept = default;

int FindFirst(const String& Path, std::int32_t Attr, TSearchRec& F) {
  FindClose(F);
  if (Path.find(u'\0') != String::npos) return EINVAL;
  const std::size_t slash = Path.rfind(u'/');
  auto state = std::make_unique<platform::FindState>();
  if (slash != String::npos) platform::posix::to_os_name(std::u16string_view(Path).substr(0, slash + 1), state->Dir);
  state->Mask = slash == String::npos ? Path : Path.substr(slash + 1);
  state->Filter = Attr;
  if (state->Mask.empty()) return ENOENT;
  F.FState = std::move(state);
  platform::FindState& s = *F.FState;
  if (!platform::has_wildcard(s.Mask)) {
    std::string exact;
    platform::posix::to_os_name(s.Mask, exact);
    if (platform::take_entry(s, exact, F)) {
      s.Exact = exact;
      return 0;
    }
  }
  const int rc = platform::next_listed(F);
  if (rc != 0) FindClose(F);
  return rc;
}

int FindNext(TSearchRec& F) {
  if (!F.FState) return ENOENT;
  return platform::next_listed(F);
}

void FindClose(TSearchRec& F) { F.FState.reset(); }

}  // namespace zyl

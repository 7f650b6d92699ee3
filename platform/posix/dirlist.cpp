// Library: zyl / Package: platform / Module: dirlist (POSIX backend)
#include "platform/dirlist.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/posix/osname.h"

namespace zyl::platform {
namespace {

struct DirCloser {
  void operator()(DIR* d) const noexcept { ::closedir(d); }
};

EntryKind kind_of(int DirFd, const dirent& Entry) {
  unsigned char type = Entry.d_type;
  struct stat st;
  if (type == DT_UNKNOWN) {  // file systems that do not say: look it up
    if (::fstatat(DirFd, Entry.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::File;
    type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
  }
  if (type == DT_DIR) return EntryKind::Directory;
  if (type == DT_LNK && ::fstatat(DirFd, Entry.d_name, &st, 0) == 0 && S_ISDIR(st.st_mode))
    return EntryKind::LinkedDirectory;
  return EntryKind::File;
}

}  // namespace

bool list_directory(const String& Dir, const std::function<void(const String& Name, EntryKind Kind)>& Visit) {
  std::string path;
  if (!posix::to_os_name(Dir, path)) return false;
  const std::unique_ptr<DIR, DirCloser> listing(::opendir(path.empty() ? "." : path.c_str()));
  if (!listing) return false;
  const int fd = ::dirfd(listing.get());
  while (const dirent* e = ::readdir(listing.get())) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    Visit(posix::from_os_name(e->d_name), kind_of(fd, *e));
  }
  return true;
}

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: attributes (POSIX backend support)
#include "platform/posix/attributes.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/filesearch.h"

namespace zyl::platform::posix {

bool entry_attributes(int DirFd, const std::string& Path, const std::string& Name, std::int32_t& Attr,
                      std::int64_t& Size) {
  struct stat st;
  if (::fstatat(DirFd, Path.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
  Attr = 0;
  if (S_ISLNK(st.st_mode)) {
    Attr |= faSymLink;
    struct stat target;
    if (::fstatat(DirFd, Path.c_str(), &target, 0) == 0) {
      st = target;
    } else {
      st.st_mode = S_IFREG | (st.st_mode & 07777);  // dangling: a file of size 0
      st.st_size = 0;
    }
  }
  if (S_ISDIR(st.st_mode)) {
    Attr |= faDirectory;
  } else if (S_ISREG(st.st_mode)) {
    Attr |= faArchive;
  } else {
    Attr |= faSysFile;
  }
  if ((st.st_mode & S_IWUSR) == 0) Attr |= faReadOnly;
  if (!Name.empty() && Name[0] == '.' && Name != "." && Name != "..") Attr |= faHidden;
  Size = S_ISREG(st.st_mode) ? static_cast<std::int64_t>(st.st_size) : 0;
  return true;
}

}  // namespace zyl::platform::posix

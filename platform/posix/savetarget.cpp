// Library: zyl / Package: platform / Module: savetarget (POSIX backend)
#include "platform/savetarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/posix/osname.h"
#include "platform/securerandom.h"

namespace zyl::platform::detail {
namespace {

// Linux's own limit on links followed while resolving one name.
constexpr int kMaxLinkHops = 40;
constexpr int kMaxNameTries = 16;

using posix::from_os_name;

// The OS form of a name, byte for byte; false for a name the OS would read
// differently (an embedded NUL would cut it short and name another file).
bool native_name(const String& Name, std::string& Native, int& Error) {
  return posix::to_os_name(Name, Native, Error);
}

std::string directory_of(const std::string& Path) {
  const std::size_t slash = Path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : Path.substr(0, slash);
}

// The text of a symbolic link, resolved against the link's own directory.
bool read_link(const std::string& Link, std::string& Next, int& Error) {
  std::string text(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink(Link.c_str(), text.data(), text.size());
    if (n < 0) {
      Error = errno;
      return false;
    }
    if (static_cast<std::size_t>(n) < text.size()) {
      text.resize(static_cast<std::size_t>(n));
      break;
    }
    text.resize(text.size() * 2);
  }
  Next = text.front() == '/' ? text : directory_of(Link) + "/" + text;
  return true;
}

// The kernel's rule for links in a sticky, world-writable directory (such as
// /tmp), where anyone may plant one: such a link is followed only when it
// belongs to the caller or to the directory's owner. Reading links here
// bypasses the kernel's own check, so it is made here too.
bool may_follow_link(const std::string& Link, const struct stat& LinkSt, int& Error) {
  struct stat dir;
  if (::stat(directory_of(Link).c_str(), &dir) != 0) {
    Error = errno;
    return false;
  }
  const bool shared = (dir.st_mode & S_ISVTX) != 0 && (dir.st_mode & S_IWOTH) != 0;
  if (!shared || LinkSt.st_uid == ::geteuid() || LinkSt.st_uid == dir.st_uid) return true;
  Error = EACCES;
  return false;
}

// Whether the file at Path (status St) can be replaced by renaming a new
// file over it: the directory must let the caller create files, and a sticky
// one (such as /tmp) lets only the file's or the directory's owner (or root)
// replace an entry.
bool replaceable(const std::string& Path, const struct stat& St) {
  const std::string dir = directory_of(Path);
  struct stat dir_st;
  if (::faccessat(AT_FDCWD, dir.c_str(), W_OK | X_OK, AT_EACCESS) != 0 || ::stat(dir.c_str(), &dir_st) != 0)
    return false;
  const uid_t me = ::geteuid();
  return (dir_st.st_mode & S_ISVTX) == 0 || me == 0 || St.st_uid == me || dir_st.st_uid == me;
}

// The names of Path's extended attributes (which carry POSIX ACLs, file
// capabilities and security labels); false when they cannot be listed.
bool list_attributes(const std::string& Path, std::string& Names) {
  for (;;) {
    const ssize_t size = ::llistxattr(Path.c_str(), nullptr, 0);
    if (size < 0) return errno == ENOTSUP;  // none can exist there
    Names.resize(static_cast<std::size_t>(size));
    const ssize_t got = size == 0 ? 0 : ::llistxattr(Path.c_str(), Names.data(), Names.size());
    if (got >= 0) {
      Names.resize(static_cast<std::size_t>(got));
      return true;
    }
    if (errno != ERANGE) return false;  // grew in between: ask again
  }
}

// Gives Fd every extended attribute of Path. False when one of them cannot be
// read or set (a file system without them, an attribute only a privileged
// process may set): the copy would then grant other access than the original.
bool copy_extended_attributes(const std::string& Path, int Fd) {
  std::string names;
  if (!list_attributes(Path, names)) return false;
  std::string value;
  for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
    const char* name = names.c_str() + at;
    for (;;) {
      const ssize_t size = ::lgetxattr(Path.c_str(), name, nullptr, 0);
      if (size < 0) return false;
      value.resize(static_cast<std::size_t>(size));
      const ssize_t got = size == 0 ? 0 : ::lgetxattr(Path.c_str(), name, value.data(), value.size());
      if (got >= 0) {
        value.resize(static_cast<std::size_t>(got));
        break;
      }
      if (errno != ERANGE) return false;
    }
    if (::fsetxattr(Fd, name, value.data(), value.size(), 0) != 0) return false;
  }
  return true;
}

bool is_writable_regular_or_stream(const std::string& Path, const struct stat& St, int& Error) {
  // Read-only means the owner's write bit is off, for every user (root too),
  // as an ordinary write through the library treats it.
  if (S_ISREG(St.st_mode) && (St.st_mode & S_IWUSR) == 0) {
    Error = EACCES;
    return false;
  }
  // A file this process may not open for writing must not be replaced
  // either, although renaming over it in a writable directory would work.
  if (::faccessat(AT_FDCWD, Path.c_str(), W_OK, AT_EACCESS) != 0) {
    Error = errno;
    return false;
  }
  return true;
}

// Gives the file Target's owner and group where the process may (the group
// alone when only that is allowed); otherwise it stays the saver's, as a
// file written anew would.
void copy_owner(int Fd, const struct stat& Target) {
  if (::fchown(Fd, Target.st_uid, Target.st_gid) == 0) return;
  if (::fchown(Fd, static_cast<uid_t>(-1), Target.st_gid) == 0) return;
}

}  // namespace

bool resolve_save_target(const String& Name, SaveTarget& Target, int& Error) {
  std::string path;
  if (!native_name(Name, path, Error)) return false;
  for (int hops = 0;; ++hops) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno != ENOENT) {
        Error = errno;
        return false;
      }
      // A new file. A link that leads nowhere is never written through: the
      // file it would create is one its planter chose (as cp refuses too).
      if (hops > 0) {
        Error = ENOENT;
        return false;
      }
      Target = {from_os_name(path), SaveRoute::Create};
      return true;
    }
    if (S_ISLNK(st.st_mode)) {
      if (hops == kMaxLinkHops) {
        Error = ELOOP;
        return false;
      }
      std::string next;
      if (!may_follow_link(path, st, Error) || !read_link(path, next, Error)) return false;
      path = std::move(next);
      continue;
    }
    if (S_ISDIR(st.st_mode)) {
      Error = EISDIR;
      return false;
    }
    if (!is_writable_regular_or_stream(path, st, Error)) return false;
    // A file with other names, or one that cannot be replaced where it is,
    // is written through itself.
    const SaveRoute route = !S_ISREG(st.st_mode)                          ? SaveRoute::Stream
                            : st.st_nlink > 1 || !replaceable(path, st) ? SaveRoute::InPlace
                                                                          : SaveRoute::Replace;
    Target = {from_os_name(path), route};
    return true;
  }
}

FileHandle open_save_target(const SaveTarget& Target, FileAccess Access, std::uint16_t, int& Error) {
  std::string path;
  if (!native_name(Target.Path, path, Error)) return FileHandle();
  // The path was resolved to its end: a link there now was put there since.
  const int flags = (Access == FileAccess::Write ? O_WRONLY : O_RDWR) | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
  int fd;
  do {
    fd = ::open(path.c_str(), flags);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    Error = errno;
    return FileHandle();
  }
  return FileHandle(fd);
}

FileHandle create_temporary_beside(SaveTarget& Target, String& TempName, int& Error) {
  std::string path;
  if (!native_name(Target.Path, path, Error)) return FileHandle();
  struct stat target_st{};
  const bool keep_identity = Target.Route == SaveRoute::Replace;
  if (keep_identity && ::stat(path.c_str(), &target_st) != 0) {
    Error = errno;
    return FileHandle();
  }
  // A private file until it carries the target's permissions; a new file gets
  // what an ordinary create gives (0666 less the umask, default ACLs).
  const mode_t create_mode = keep_identity ? 0600 : 0666;
  const std::string dir = directory_of(path);
  for (int attempt = 0; attempt < kMaxNameTries; ++attempt) {
    char random_part[17];
    std::snprintf(random_part, sizeof random_part, "%016llx",
                  static_cast<unsigned long long>(secure_random64()));
    const std::string temp = dir + "/.zyl-save-" + random_part + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, create_mode);
    if (fd < 0) {
      if (errno == EEXIST || errno == EINTR) continue;
      Error = errno;
      return FileHandle();
    }
    FileHandle file(fd);
    TempName = from_os_name(temp);
    if (keep_identity) {
      // Owner first: changing it clears set-user-ID bits that chmod then restores.
      copy_owner(fd, target_st);
      const bool mode_kept = ::fchmod(fd, target_st.st_mode & 07777) == 0;
      if (!mode_kept) Error = errno;
      // Without the target's ACLs and other attributes the new file would
      // grant other access than the old one: it is then written through.
      const bool attributes_kept = mode_kept && copy_extended_attributes(path, fd);
      if (!attributes_kept) {
        if (mode_kept) {
          Target.Route = SaveRoute::InPlace;
          Error = ENOTSUP;
        }
        file.close();
        ::unlink(temp.c_str());
        return FileHandle();
      }
    }
    return file;
  }
  Error = EEXIST;
  return FileHandle();
}

void start_writeback(const FileHandle& File, std::int64_t Offset, std::int64_t Length) noexcept {
#if defined(__linux__)
  ::sync_file_range(static_cast<int>(File.native()), Offset, Length, SYNC_FILE_RANGE_WRITE);
#else
  (void)File, (void)Offset, (void)Length;
#endif
}

bool flush_to_disk(const FileHandle& File, int& Error) {
  while (::fsync(static_cast<int>(File.native())) != 0) {
    if (errno == EINTR) continue;
    Error = errno;
    return false;
  }
  return true;
}

bool commit_temporary(const String& TempName, const SaveTarget& Target, int& Error, bool Durable) {
  std::string temp, path;
  if (!native_name(TempName, temp, Error) || !native_name(Target.Path, path, Error)) return false;
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    Error = errno;
    return false;
  }
  if (!Durable) return true;
  // The rename itself reaches the disk only with its directory. The new
  // contents are in place already, so a failure here is not reported.
  const int dir = ::open(directory_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace zyl::platform::detail

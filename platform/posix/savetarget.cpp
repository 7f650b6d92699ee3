// Library: zyl / Package: platform / Module: savetarget (POSIX backend)
#include "platform/savetarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/securerandom.h"

namespace zyl::platform::detail {
namespace {

// Linux's own limit on links followed while resolving one name.
constexpr int kMaxLinkHops = 40;
constexpr int kMaxNameTries = 16;

// The OS form of a name; false for a name the OS would read differently
// (an embedded NUL would cut it short and name another file).
bool native_name(const String& Name, std::string& Native, int& Error) {
  if (Name.find(u'\0') != String::npos) {
    Error = EINVAL;
    return false;
  }
  Native = to_utf8(Name);
  return true;
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
      // A new file, or the missing end of a link: created there.
      Target = {from_utf8(path), SaveRoute::Create};
      return true;
    }
    if (S_ISLNK(st.st_mode)) {
      if (hops == kMaxLinkHops) {
        Error = ELOOP;
        return false;
      }
      std::string next;
      if (!read_link(path, next, Error)) return false;
      // The library names files by String; a link text that does not survive
      // the trip through it would lead the save to another file.
      if (to_utf8(from_utf8(next)) != next) {
        Error = EILSEQ;
        return false;
      }
      path = std::move(next);
      continue;
    }
    if (S_ISDIR(st.st_mode)) {
      Error = EISDIR;
      return false;
    }
    if (!is_writable_regular_or_stream(path, st, Error)) return false;
    const SaveRoute route = !S_ISREG(st.st_mode) ? SaveRoute::Stream
                            : st.st_nlink > 1    ? SaveRoute::InPlace
                                                 : SaveRoute::Replace;
    Target = {from_utf8(path), route};
    return true;
  }
}

FileHandle create_temporary_beside(const SaveTarget& Target, String& TempName, int& Error) {
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
    TempName = from_utf8(temp);
    if (keep_identity) {
      // Owner first: changing it clears set-user-ID bits that chmod then restores.
      copy_owner(fd, target_st);
      if (::fchmod(fd, target_st.st_mode & 07777) != 0) {
        Error = errno;
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

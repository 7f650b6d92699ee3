// Library: zyl / Package: platform / Module: trash (POSIX backend)
//
// The freedesktop.org trash. A file goes to the trash on its own file system
// (a rename cannot cross file systems, and copying would not be a move): the
// home trash when it lives there, else the trash at the top of its mount.
// The .trashinfo file is created first and exclusively, which reserves the
// entry's name against other programs trashing at the same time.
#include "platform/trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/file.h"
#include "platform/posix/osname.h"

namespace zyl::platform {
namespace {

// Longest trash entry name: room for ".trashinfo" and a number within the
// file systems' 255-byte names. The full original name stays in Path=.
constexpr std::size_t kMaxEntryName = 200;
constexpr int kMaxNumber = 100000;

std::string parent_of(const std::string& Path) {
  const std::size_t slash = Path.rfind('/');
  return slash == 0 || slash == std::string::npos ? "/" : Path.substr(0, slash);
}

std::string home_trash() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && data[0] == '/') return std::string(data) + "/Trash";
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') return std::string();
  return std::string(home) + "/.local/share/Trash";
}

// The device of Path, or of its nearest existing ancestor.
dev_t device_of(std::string Path) {
  struct stat st;
  while (::stat(Path.c_str(), &st) != 0 && Path != "/") Path = parent_of(Path);
  return st.st_dev;
}

// The top directory of the mount that holds Path: its highest ancestor on
// the same device.
std::string top_dir(const std::string& Path, dev_t Device) {
  std::string dir = parent_of(Path);
  while (dir != "/") {
    const std::string up = parent_of(dir);
    struct stat st;
    if (::stat(up.c_str(), &st) != 0 || st.st_dev != Device) break;
    dir = up;
  }
  return dir;
}

// Creates Path and its missing parents (mode 0700); true when Path is a
// directory afterwards.
bool make_dirs(const std::string& Path, int& Error) {
  for (std::size_t pos = 1; pos <= Path.size(); ++pos) {
    if (pos < Path.size() && Path[pos] != '/') continue;
    const std::string part = Path.substr(0, pos);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      Error = errno;
      return false;
    }
  }
  struct stat st;
  if (::stat(Path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    Error = ENOTDIR;
    return false;
  }
  return true;
}

// A directory only the caller controls: a real directory (not a link),
// owned by the caller, and with Private, of mode 0700. Anything else may
// belong to another user, who could then read or remove what is trashed.
bool owned_directory(const std::string& Path, bool Private, int& Error) {
  struct stat st;
  if (::lstat(Path.c_str(), &st) != 0) {
    Error = errno;
    return false;
  }
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (Private && (st.st_mode & 07777) != 0700)) {
    Error = EACCES;
    return false;
  }
  return true;
}

// Path as a directory of the caller's own, created (mode 0700) when missing.
bool own_directory(const std::string& Path, bool Private, int& Error) {
  if (::mkdir(Path.c_str(), 0700) != 0 && errno != EEXIST) {
    Error = errno;
    return false;
  }
  return owned_directory(Path, Private, Error);
}

// The trash for a file on a file system other than the home one, taken only
// where no other user can reach into it: the administrator's $topdir/.Trash/$uid
// when $topdir/.Trash is a sticky directory and not a link, and the $uid
// directory is the caller's own (not a link, mode 0700); else
// $topdir/.Trash-$uid under the same conditions. Empty when neither is.
std::string top_trash(const std::string& Top, int& Error) {
  const std::string root = Top == "/" ? std::string() : Top;
  const std::string uid = std::to_string(::getuid());
  struct stat st;
  const std::string admin = root + "/.Trash";
  if (::lstat(admin.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0) {
    const std::string mine = admin + "/" + uid;
    if (own_directory(mine, true, Error)) return mine;
  }
  const std::string own = root + "/.Trash-" + uid;
  return own_directory(own, true, Error) ? own : std::string();
}

std::string url_escape(const std::string& Bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : Bytes) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '/' || b == '-' ||
        b == '.' || b == '_' || b == '~') {
      out += c;
    } else {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    }
  }
  return out;
}

std::string deletion_date() {
  const std::time_t now = std::time(nullptr);
  struct tm local;
  ::localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

// Base shortened to kMaxEntryName bytes, never inside a UTF-8 sequence.
std::string entry_base(std::string Base) {
  if (Base.size() <= kMaxEntryName) return Base;
  std::size_t cut = kMaxEntryName;
  while (cut > 0 && (static_cast<unsigned char>(Base[cut]) & 0xC0) == 0x80) --cut;
  return Base.substr(0, cut);
}

// "report.txt" numbered 2 is "report.2.txt"; ".profile" is ".profile.2".
std::string numbered(const std::string& Base, int Number) {
  const std::size_t dot = Base.rfind('.');
  if (dot == std::string::npos || dot == 0) return Base + "." + std::to_string(Number);
  return Base.substr(0, dot) + "." + std::to_string(Number) + Base.substr(dot);
}

bool write_all(int Fd, const std::string& Text) {
  std::size_t done = 0;
  while (done < Text.size()) {
    const ssize_t n = ::write(Fd, Text.data() + done, Text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Claims a free entry name in Trash by creating its info file exclusively
// with Info as its content; Entry receives the name.
bool reserve_entry(const std::string& Trash, const std::string& Base, const std::string& Info, std::string& Entry,
                   int& Error) {
  for (int number = 1; number <= kMaxNumber; ++number) {
    Entry = number == 1 ? Base : numbered(Base, number);
    const std::string info = Trash + "/info/" + Entry + ".trashinfo";
    const int fd = ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      Error = errno;
      return false;
    }
    struct stat st;
    const bool taken = ::lstat((Trash + "/files/" + Entry).c_str(), &st) == 0;  // left without its info file
    const bool written = !taken && write_all(fd, Info);
    if (!written) Error = errno;
    if (::close(fd) != 0 || !written) {
      ::unlink(info.c_str());
      if (taken) continue;
      return false;
    }
    return true;
  }
  Error = EEXIST;
  return false;
}

}  // namespace

bool move_to_trash(const String& Name, int& Error) {
  std::string path;
  if (!posix::to_os_name(Name, path) || path.empty() || path[0] != '/') {
    Error = EINVAL;
    return false;
  }
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) {
    Error = errno;
    return false;
  }
  std::string trash = home_trash();
  std::string recorded = path;  // the Path= of the info file
  const bool in_home = !trash.empty() && device_of(trash) == st.st_dev;
  if (!in_home) {
    const std::string top = top_dir(path, st.st_dev);
    trash = top_trash(top, Error);
    if (trash.empty()) return false;
    recorded = path.substr(top == "/" ? 1 : top.size() + 1);
  }
  // The home trash may be reached through a link of the user's own, but
  // must be the caller's; its parts, like a top trash's, must be too.
  if (in_home) {
    if (!make_dirs(trash, Error)) return false;
    struct stat home;
    if (::stat(trash.c_str(), &home) != 0 || home.st_uid != ::getuid()) {
      Error = EACCES;
      return false;
    }
  }
  if (!own_directory(trash + "/files", false, Error) || !own_directory(trash + "/info", false, Error)) return false;
  const std::string info =
      "[Trash Info]\nPath=" + url_escape(recorded) + "\nDeletionDate=" + deletion_date() + "\n";
  std::string entry;
  if (!reserve_entry(trash, entry_base(path.substr(path.rfind('/') + 1)), info, entry, Error)) return false;
  if (!rename_file(Name, posix::from_os_name(trash + "/files/" + entry), Error)) {
    ::unlink((trash + "/info/" + entry + ".trashinfo").c_str());
    return false;
  }
  return true;
}

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: treewalk (POSIX backend)
//
// Every directory is an open descriptor; every entry is reached relative to
// its directory's descriptor, links never followed (O_NOFOLLOW,
// AT_SYMLINK_NOFOLLOW, unlinkat never follows). Entering checks the device
// and inode of what was opened against those listed.
#include "platform/treewalk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/filesearch.h"
#include "platform/posix/attributes.h"
#include "platform/posix/osname.h"
#include "platform/posix/rename.h"

namespace zyl::platform {

struct WalkDir::State {
  FileHandle Fd;
  FileHandle ParentFd;  // the directory that holds it, for the start of a walk
  std::string Name;     // its name there (empty: found through "..")
  String Path;
  NodeId Id;
};

namespace {

using posix::from_os_name;
using posix::to_os_name;

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

int fd_of(const FileHandle& F) { return static_cast<int>(F.native()); }

NodeId id_of(const struct stat& St) {
  return NodeId{static_cast<std::uint64_t>(St.st_dev), static_cast<std::uint64_t>(St.st_ino)};
}

NodeType type_of(mode_t Mode) {
  if (S_ISREG(Mode)) return NodeType::File;
  if (S_ISDIR(Mode)) return NodeType::Directory;
  if (S_ISLNK(Mode)) return NodeType::Link;
  return NodeType::Special;
}

FileHandle open_at(int DirFd, const char* Name, int Flags, int& Error) {
  int fd;
  do {
    fd = ::openat(DirFd, Name, Flags);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) Error = errno;
  return fd < 0 ? FileHandle() : FileHandle(fd);
}

// True when Fd is still Expected; else Error = ESTALE (it was swapped).
bool is_identity(int Fd, const NodeId& Expected, struct stat& St, int& Error) {
  if (::fstat(Fd, &St) != 0) {
    Error = errno;
    return false;
  }
  if (id_of(St) == Expected) return true;
  Error = ESTALE;
  return false;
}

struct Listed {
  std::string Name;
  unsigned char Type;  // d_type: DT_UNKNOWN where the file system does not say
  ino_t Inode;
};

// The entries of DirFd other than "." and "..".
bool read_names(int DirFd, std::vector<Listed>& Names, int& Error) {
  const int fd = ::fcntl(DirFd, F_DUPFD_CLOEXEC, 0);  // fdopendir takes over a descriptor of its own
  if (fd < 0) {
    Error = errno;
    return false;
  }
  DIR* listing = ::fdopendir(fd);
  if (listing == nullptr) {
    Error = errno;
    ::close(fd);
    return false;
  }
  ::rewinddir(listing);  // the duplicate shares its position with earlier listings
  bool ok = true;
  for (;;) {
    errno = 0;
    const dirent* e = ::readdir(listing);
    if (e == nullptr) {
      if (errno != 0) {
        Error = errno;
        ok = false;
      }
      break;
    }
    if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
      Names.push_back({e->d_name, e->d_type, e->d_ino});
  }
  ::closedir(listing);
  return ok;
}

// An entry's kind bits and identity from the listing alone, where the
// listing tells a regular file or special file (no lookup; a file mounted
// over another shows the inode beneath, and then does not open).
bool kinds_from_listing(const Listed& L, const NodeId& Dir, DirEntry& E) {
  switch (L.Type) {
    case DT_REG: E.Type = NodeType::File; E.Attr = faArchive; break;
    case DT_FIFO: case DT_SOCK: case DT_CHR: case DT_BLK: E.Type = NodeType::Special; E.Attr = faSysFile; break;
    default: return false;  // directories need their identity, links their target's kind
  }
  if (L.Name[0] == '.') E.Attr |= faHidden;
  E.Id = NodeId{Dir.Volume, static_cast<std::uint64_t>(L.Inode)};
  return true;
}

String with_delimiter(const String& Path) {
  if (Path.empty() || Path.back() == u'/' || Path.back() == u'\\') return Path;
  return Path + u'/';
}

}  // namespace

WalkDir::WalkDir() = default;
WalkDir::~WalkDir() = default;
WalkDir::WalkDir(WalkDir&&) noexcept = default;
WalkDir& WalkDir::operator=(WalkDir&&) noexcept = default;
WalkDir::WalkDir(std::unique_ptr<State> S) : FState(std::move(S)) {}

bool WalkDir::valid() const noexcept { return FState && FState->Fd.valid(); }
const String& WalkDir::path() const noexcept { return FState->Path; }
NodeId WalkDir::id() const noexcept { return FState->Id; }

WalkDir WalkDir::open(const String& Path, bool FollowLink, int& Error) {
  std::string path;
  if (!to_os_name(Path, path, Error)) return WalkDir();
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  auto s = std::make_unique<State>();
  s->Path = with_delimiter(Path);
  const std::size_t slash = path.rfind('/');
  std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
  if (last.empty() || last == "." || last == "..") {
    // No name of its own in the path: opened as the system resolves it.
    s->Fd = open_at(AT_FDCWD, path.empty() ? "." : path.c_str(), kDirFlags & ~O_NOFOLLOW, Error);
  } else {
    const std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    s->ParentFd = open_at(AT_FDCWD, parent.c_str(), kDirFlags & ~O_NOFOLLOW, Error);
    if (!s->ParentFd.valid()) return WalkDir();
    s->Fd = open_at(fd_of(s->ParentFd), last.c_str(), FollowLink ? kDirFlags & ~O_NOFOLLOW : kDirFlags, Error);
    s->Name = std::move(last);
    // A link followed has no name of its own in that parent.
    if (FollowLink) s->ParentFd.close();
  }
  if (!s->Fd.valid()) {
    // O_NOFOLLOW fails with ELOOP on a link; O_DIRECTORY may say ENOTDIR
    // first for a link to a file.
    struct stat st;
    if (Error == ENOTDIR && s->ParentFd.valid() &&
        ::fstatat(fd_of(s->ParentFd), s->Name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
      Error = ELOOP;
    return WalkDir();
  }
  struct stat st;
  if (::fstat(fd_of(s->Fd), &st) != 0) {
    Error = errno;
    return WalkDir();
  }
  s->Id = id_of(st);
  return WalkDir(std::move(s));
}

bool WalkDir::is_root() const {
  struct stat root;
  return ::stat("/", &root) == 0 && id_of(root) == FState->Id;
}

bool WalkDir::list(std::vector<DirEntry>& Entries, int& Error, ListDetail Detail) const {
  Entries.clear();
  std::vector<Listed> names;
  const int fd = fd_of(FState->Fd);
  if (!read_names(fd, names, Error)) return false;
  Entries.reserve(names.size());
  for (const Listed& listed : names) {
    DirEntry e;
    e.Name = from_os_name(listed.Name);
    if (Detail == ListDetail::Kinds && kinds_from_listing(listed, FState->Id, e)) {
      Entries.push_back(std::move(e));
      continue;
    }
    struct stat st;
    if (::fstatat(fd, listed.Name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;  // gone meanwhile
    e.Type = type_of(st.st_mode);
    e.Id = id_of(st);
    if (!posix::entry_attributes(fd, listed.Name, listed.Name, e.Attr, e.Size)) continue;
    if (e.Type != NodeType::File) e.Size = 0;
    Entries.push_back(std::move(e));
  }
  return true;
}

WalkDir WalkDir::enter(const DirEntry& Entry, int& Error) const {
  if (Entry.Type != NodeType::Directory) {
    Error = Entry.Type == NodeType::Link ? ELOOP : ENOTDIR;
    return WalkDir();
  }
  std::string name;
  if (!to_os_name(Entry.Name, name, Error)) return WalkDir();
  auto s = std::make_unique<State>();
  s->Path = FState->Path + Entry.Name + u'/';
  detail::run_walk_hook(s->Path);
  s->Fd = open_at(fd_of(FState->Fd), name.c_str(), kDirFlags, Error);
  struct stat st;
  if (!s->Fd.valid() || !is_identity(fd_of(s->Fd), Entry.Id, st, Error)) return WalkDir();
  s->Id = Entry.Id;
  return WalkDir(std::move(s));
}

WalkDir WalkDir::make_dir(const String& Name, int& Error) const {
  std::string name;
  if (!to_os_name(Name, name, Error)) return WalkDir();
  const int fd = fd_of(FState->Fd);
  if (::mkdirat(fd, name.c_str(), 0777) != 0 && errno != EEXIST) {
    Error = errno;
    return WalkDir();
  }
  struct stat st;
  if (::fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    Error = errno;
    return WalkDir();
  }
  DirEntry made;
  made.Name = Name;
  made.Type = type_of(st.st_mode);
  made.Id = id_of(st);
  return enter(made, Error);
}

FileHandle WalkDir::open_file(const DirEntry& Entry, int& Error) const {
  if (Entry.Type != NodeType::File) {
    Error = Entry.Type == NodeType::Link ? ELOOP : kErrorNotRegularFile;
    return FileHandle();
  }
  std::string name;
  if (!to_os_name(Entry.Name, name, Error)) return FileHandle();
  detail::run_walk_hook(FState->Path + Entry.Name);
  // O_NONBLOCK: a FIFO swapped in is not waited on (and then refused).
  FileHandle file =
      open_at(fd_of(FState->Fd), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, Error);
  struct stat st;
  if (!file.valid() || !is_identity(fd_of(file), Entry.Id, st, Error)) return FileHandle();
  if (!S_ISREG(st.st_mode)) {
    Error = kErrorNotRegularFile;
    return FileHandle();
  }
  const int flags = ::fcntl(fd_of(file), F_GETFL);
  if (flags < 0 || ::fcntl(fd_of(file), F_SETFL, flags & ~O_NONBLOCK) != 0) {
    Error = errno;
    return FileHandle();
  }
  return file;
}

bool WalkDir::remove(const DirEntry& Entry, int& Error) const {
  std::string name;
  if (!to_os_name(Entry.Name, name, Error)) return false;
  detail::run_walk_hook(FState->Path + Entry.Name);
  // unlinkat removes a link itself; with AT_REMOVEDIR it refuses anything
  // but a directory, so a link swapped in for one stays.
  const int flags = Entry.Type == NodeType::Directory ? AT_REMOVEDIR : 0;
  if (::unlinkat(fd_of(FState->Fd), name.c_str(), flags) != 0) {
    Error = errno;
    return false;
  }
  return true;
}

bool WalkDir::rename_entry(const DirEntry& Entry, const String& NewName, int& Error) const {
  std::string from, to;
  if (!to_os_name(Entry.Name, from, Error) || !to_os_name(NewName, to, Error)) return false;
  detail::run_walk_hook(FState->Path + Entry.Name);
  return posix::rename_at(fd_of(FState->Fd), from, fd_of(FState->Fd), to, Error);
}

bool WalkDir::read_link(const DirEntry& Entry, String& Target, int& Error) const {
  std::string name;
  if (!to_os_name(Entry.Name, name, Error)) return false;
  std::string buffer(PATH_MAX, '\0');
  for (;;) {
    const ssize_t n = ::readlinkat(fd_of(FState->Fd), name.c_str(), buffer.data(), buffer.size());
    if (n < 0) {
      Error = errno;
      return false;
    }
    if (static_cast<std::size_t>(n) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(n));
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  Target = from_os_name(buffer);
  return true;
}

bool WalkDir::resolved_path(String& Path, int& Error) const {
  // The kernel's name of the open descriptor; realpath of a name would
  // resolve the name again.
  const std::string link = "/proc/self/fd/" + std::to_string(fd_of(FState->Fd));
  std::string buffer(PATH_MAX, '\0');
  const ssize_t n = ::readlink(link.c_str(), buffer.data(), buffer.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size() || buffer[0] != '/') {
    Error = n < 0 ? errno : ENAMETOOLONG;
    return false;
  }
  buffer.resize(static_cast<std::size_t>(n));
  Path = with_delimiter(from_os_name(buffer));
  return true;
}

bool WalkDir::remove_self(int& Error) {
  State& s = *FState;
  FileHandle parent = std::move(s.ParentFd);
  std::string name = s.Name;
  struct stat st;
  if (!parent.valid()) {
    // Named "x/." or the like: find its entry in its parent by identity.
    parent = open_at(fd_of(s.Fd), "..", kDirFlags & ~O_NOFOLLOW, Error);
    if (!parent.valid()) return false;
    std::vector<Listed> names;
    if (!read_names(fd_of(parent), names, Error)) return false;
    name.clear();
    for (const Listed& candidate : names)
      if (::fstatat(fd_of(parent), candidate.Name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && id_of(st) == s.Id)
        name = candidate.Name;
    if (name.empty()) {
      Error = ENOENT;
      return false;
    }
  }
  if (::fstatat(fd_of(parent), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    Error = errno;
    return false;
  }
  if (id_of(st) != s.Id) {
    Error = ESTALE;
    return false;
  }
  s.Fd.close();
  if (::unlinkat(fd_of(parent), name.c_str(), AT_REMOVEDIR) != 0) {
    Error = errno;
    return false;
  }
  return true;
}

bool is_link_error(int Error) noexcept { return Error == ELOOP; }

bool is_missing_error(int Error) noexcept { return Error == ENOENT || Error == ENOTDIR; }

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: treewalk
//
// Walking directory trees on open directory handles, for every operation
// that acts on a tree (delete, copy, scan, search, renaming, trash). A walk
// never resolves a path twice: each directory is opened relative to the
// handle of its parent, listed through that handle, and everything it
// holds is opened, entered or removed relative to it. So a directory that
// another program swaps for a link between the listing and the descent
// cannot lead the walk out of its tree:
//
//   - a link (POSIX symbolic link; Windows symbolic link, junction or any
//     other reparse point) is never entered and never read through; removing
//     it removes the link itself;
//   - a directory is entered only when it is still the one listed (same
//     volume and file index / device and inode), else the walk is refused
//     with an error;
//   - a file is opened for reading only when it is a regular file: FIFOs,
//     sockets and devices are listed as Special and never read;
//   - names pass between the OS and String byte-exactly (POSIX names that are
//     not UTF-8 keep their bytes, see platform/posix/osname.h).
//
// POSIX: openat(O_DIRECTORY|O_NOFOLLOW), fdopendir, fstatat with
// AT_SYMLINK_NOFOLLOW, unlinkat. Windows: handles opened with
// FILE_FLAG_OPEN_REPARSE_POINT (children relative to their parent's handle),
// listed with GetFileInformationByHandleEx, deleted through the checked
// handle (FileDispositionInfo).
//
// Example:
//   int error = 0;
//   WalkDir dir = WalkDir::open(u"/data/run7", false, error);
//   std::vector<DirEntry> entries;
//   if (dir.valid() && dir.list(entries, error))
//     for (const DirEntry& e : entries)
//       if (e.Type == NodeType::Directory) WalkDir sub = dir.enter(e, error);
//
// Backends: platform/posix/treewalk.cpp and platform/win32/treewalk.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/file.h"
#include "platform/hoststring.h"

namespace zyl::platform {

// What an entry is, seen without following links.
enum class NodeType : std::uint8_t {
  File,       // a regular file
  Directory,  // a directory of its own
  Link,       // a symbolic link, junction or other reparse point
  Special,    // a FIFO, socket or device
};

// How much a listing finds out about each entry. Kinds is for walks that
// only tell files from directories (scans): the entry's Type, Name, Id of
// directories and the kind bits of Attr (faDirectory, faArchive, faSysFile,
// faHidden, faSymLink with the kind of the link's target), with no lookup of
// its own for most entries on POSIX, where the listing gives the kind and
// inode; no faReadOnly, Size 0. Full gives everything.
enum class ListDetail : std::uint8_t { Full, Kinds };

// Which file an entry is: device and inode (POSIX), volume serial number and
// file index (Windows).
struct NodeId {
  std::uint64_t Volume = 0;
  std::uint64_t Index = 0;
  friend bool operator==(const NodeId&, const NodeId&) = default;
};

struct DirEntry {
  String Name;             // as stored, without directory
  NodeType Type = NodeType::File;
  std::int32_t Attr = 0;   // fa... bits as a search reports them (a link: what it points to, plus faSymLink)
  std::int64_t Size = 0;   // bytes of a regular file, else 0
  NodeId Id;               // the entry itself (a link: the link, not its target)
};

// One open directory of a walk. Move-only; closing is the destructor's.
class ZYL_API WalkDir {
 public:
  WalkDir();
  ~WalkDir();
  WalkDir(WalkDir&&) noexcept;
  WalkDir& operator=(WalkDir&&) noexcept;
  WalkDir(const WalkDir&) = delete;
  WalkDir& operator=(const WalkDir&) = delete;

  // Opens the directory Path names, where a walk starts. Links on the way
  // to it are followed as the OS resolves the name (the caller named them);
  // a link as Path's last segment only with FollowLink, else Error then
  // satisfies is_link_error (a deletion removes the link instead). An empty
  // Path is the current directory; on Windows a
  // drive-relative path ("Y:", "Y:dir") is resolved against that drive's
  // current directory first. Invalid and Error on failure.
  [[nodiscard]] static WalkDir open(const String& Path, bool FollowLink, int& Error);

  bool valid() const noexcept;
  // The path the directory was reached by, with a trailing delimiter: the
  // caller's spelling for a walk's start, the parent's path + name + a
  // delimiter for a directory entered. For messages and reports only; the
  // walk never opens it.
  const String& path() const noexcept;
  NodeId id() const noexcept;
  // True for the root of the file system ("/": its device and inode) or of
  // a volume on Windows ("C:\", "\\?\C:\", "\\.\C:\", a mounted folder's
  // root ...), however it was named.
  bool is_root() const;

  // All entries but "." and "..", in the order the system lists them.
  bool list(std::vector<DirEntry>& Entries, int& Error, ListDetail Detail = ListDetail::Full) const;

  // Opens the listed directory Entry. Refused (invalid, Error) when Entry
  // is not a Directory, is now a link, or is no longer the directory listed.
  [[nodiscard]] WalkDir enter(const DirEntry& Entry, int& Error) const;

  // Creates the directory Name in this one unless it exists, and opens it
  // as enter does. Refused when Name is something else (a link, a file).
  [[nodiscard]] WalkDir make_dir(const String& Name, int& Error) const;

  // Opens the listed regular file Entry for reading, denying others write
  // access where the OS enforces it. Refused when Entry is not a File, when
  // it is now a link or no longer the file listed, and with
  // kErrorNotRegularFile when it is not a regular file (never opened for
  // reading then: a FIFO is not waited on).
  [[nodiscard]] FileHandle open_file(const DirEntry& Entry, int& Error) const;

  // Removes the listed Entry: a file, link or special file itself (never
  // what a link points to), or a directory that is empty by now.
  bool remove(const DirEntry& Entry, int& Error) const;

  // Renames the listed Entry (a link itself, never what it points to) to
  // NewName in this directory. Never replaces another file: an existing
  // NewName that is not Entry itself fails; another spelling of the same
  // name (a change of case) renames it in place. Windows also refuses an
  // entry that is no longer the one listed (POSIX renames by name, which
  // never follows a link).
  bool rename_entry(const DirEntry& Entry, const String& NewName, int& Error) const;

  // The target text of the listed link Entry (POSIX; Windows links are not
  // read: false with ERROR_NOT_SUPPORTED).
  bool read_link(const DirEntry& Entry, String& Target, int& Error) const;

  // The directory's absolute path as the system resolves it now (links and
  // ".." resolved), for handing a file in it to a service that takes names.
  bool resolved_path(String& Path, int& Error) const;

  // Removes this directory, which must be empty by now, from the directory
  // that holds it, and closes it. Meant for the start of a walk; fails when
  // its name there no longer leads to it.
  bool remove_self(int& Error);

  struct State;  // defined by each backend

 private:
  explicit WalkDir(std::unique_ptr<State> S);
  std::unique_ptr<State> FState;
};

// True when Error is the refusal of WalkDir::open or enter to follow a link.
[[nodiscard]] ZYL_API bool is_link_error(int Error) noexcept;

// True when Error says that a name names nothing (any more): the entry or a
// directory on its way is missing.
[[nodiscard]] ZYL_API bool is_missing_error(int Error) noexcept;

namespace detail {

// Test seam: called with the path of each entry just before a walk enters,
// creates, opens, renames or removes it (after it was listed), so that a
// test can swap it for something else. Empty: nothing is called. Not for concurrent walks.
using WalkHook = std::function<void(const String& Path)>;
ZYL_API void set_walk_hook(WalkHook Hook);
void run_walk_hook(const String& Path);

}  // namespace detail
}  // namespace zyl::platform

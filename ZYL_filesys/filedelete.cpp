// Library: zyl / Package: ZYL_filesys / Module: filedelete
#include "ZYL_filesys/filedelete.h"

#include <vector>

#include "ZYL_filesys/detail/dirnames.h"
#include "ZYL_filesys/pathnames.h"
#include "platform/dirops.h"
#include "platform/filename.h"
#include "platform/filesearch.h"
#include "platform/trash.h"
#include "platform/treewalk.h"

namespace ZYL_filesys {
namespace {

namespace pf = zyl::platform;
using pf::DirEntry;
using pf::NodeType;
using pf::WalkDir;

// A read-only file stops a deletion; a link goes whatever it points to.
bool is_read_only(const DirEntry& E) { return E.Type != NodeType::Link && (E.Attr & zyl::faReadOnly) != 0; }

// Removes everything in Dir; the first path that resists, or empty.
String delete_contents(const WalkDir& Dir) {
  std::vector<DirEntry> entries;
  int error = 0;
  if (!Dir.list(entries, error)) return Dir.path();
  for (const DirEntry& e : entries) {
    const String path = Dir.path() + e.Name;
    if (e.Type != NodeType::Directory) {
      if (is_read_only(e) || !Dir.remove(e, error)) return path;
      continue;
    }
    {
      const WalkDir sub = Dir.enter(e, error);  // closed before the directory goes
      if (!sub.valid()) return path + zyl::PathDelim;
      if (String failed = delete_contents(sub); !failed.empty()) return failed;
    }
    if (!Dir.remove(e, error)) return path + zyl::PathDelim;
  }
  return String();
}

// Calls Act(directory, entry) for each entry of Mask that is neither a
// directory nor a volume label nor named with a leading "."; counts the
// calls that return true. The directory part is opened once, as the system
// resolves it ("link/.." is the link target's parent), and listed and acted
// on through that one handle.
template <typename Act>
std::int32_t for_each_visible_file(const String& Mask, Act act) {
  const String mask = zyl::ExtractFileName(Mask);
  int error = 0;
  const WalkDir dir = WalkDir::open(zyl::ExtractFilePath(Mask), true, error);
  std::vector<DirEntry> entries;
  if (mask.empty() || !dir.valid() || !dir.list(entries, error)) return 0;
  std::int32_t count = 0;
  for (const DirEntry& e : entries) {
    if (e.Name[0] == u'.' || (e.Attr & (zyl::faDirectory | zyl::faVolumeID)) != 0) continue;
    if (!pf::matches_file_mask(e.Name, mask)) continue;
    if (act(dir, e)) ++count;
  }
  return count;
}

}  // namespace

String DelDirTree(const String& Dir) {
  if (Dir.empty()) return String();
  const String bare = detail::without_trailing_delimiter(Dir);
  const String refused = detail::with_trailing_delimiter(Dir);
  if (IsRootDir(Dir) || IsRootDir(bare)) return refused;
  int error = 0;
  WalkDir root = WalkDir::open(bare, false, error);
  if (!root.valid()) {
    // A link given as the tree goes itself (removing a link never touches
    // what it points to).
    if (pf::is_link_error(error)) return pf::remove_link(bare, error) ? String() : bare;
    return refused;
  }
  // A root is known by what was opened, not by how it was named.
  if (root.is_root()) return refused;
  if (String failed = delete_contents(root); !failed.empty()) return failed;
  return root.remove_self(error) ? String() : root.path();
}

std::int32_t DeleteFiles(const String& Mask) {
  return for_each_visible_file(Mask, [](const WalkDir& Dir, const DirEntry& E) {
    int error = 0;
    return !is_read_only(E) && Dir.remove(E, error);
  });
}

std::int32_t MoveToRecycleBin(const String& Mask) {
  return for_each_visible_file(Mask, [](const WalkDir& Dir, const DirEntry& E) {
    // The trash takes names: the resolved name of the very directory listed.
    String dir;
    int error = 0;
    return Dir.resolved_path(dir, error) && pf::move_to_trash(dir + E.Name, error);
  });
}

}  // namespace ZYL_filesys

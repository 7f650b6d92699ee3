// Library: zyl / Package: ZYL_filesys / Module: pathondisk
#include "ZYL_filesys/pathondisk.h"

#include <vector>

#include "platform/casemap.h"
#include "platform/filename.h"
#include "platform/filesearch.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/treewalk.h"

namespace ZYL_filesys {
namespace {

// Splits an expanded path into the part that is never looked up (drive,
// network share or POSIX root, without a trailing separator) and the rest.
// False when the path has no such part.
bool split_root(const String& Full, String& Root, String& Rest) {
  const auto rest_from = [&](std::size_t i) {
    Rest = Full.substr(i);
    if (!Rest.empty() && (Rest.front() == u'\\' || Rest.front() == u'/')) Rest.erase(0, 1);
  };
  if (Full.size() >= 2 && (Full[0] == u'\\' || Full[0] == u'/') && (Full[1] == u'\\' || Full[1] == u'/')) {
    // \\server\share: converted from behind the share on.
    const std::size_t server_end = Full.find_first_of(u"\\/", 2);
    if (server_end == String::npos || server_end == 2) return false;
    std::size_t share_end = Full.find_first_of(u"\\/", server_end + 1);
    if (share_end == server_end + 1) return false;
    if (share_end == String::npos) share_end = Full.size();
    Root = Full.substr(0, share_end);
    rest_from(share_end);
    return true;
  }
  // A POSIX path (Windows expands every path to a drive or a share).
  if (!Full.empty() && Full.front() == u'/') {
    Root.clear();
    rest_from(0);
    return true;
  }
  if (const std::size_t colon = Full.find(u':'); colon != String::npos) {
    Root = Full.substr(0, colon + 1);
    rest_from(colon + 1);
    return true;
  }
  return false;
}

namespace pf = zyl::platform;

// Renames what Mask matches in Dir (named Path) and everything below the
// matching directories. The directory is listed completely before anything
// is renamed, so that renaming cannot make the listing skip or repeat an
// entry; entries are renamed and directories entered through the handle of
// the directory listed.
void set_case_in(const pf::WalkDir& Dir, const String& Path, const String& Mask, bool Upper) {
  std::vector<pf::DirEntry> entries;
  int error = 0;
  if (!Dir.list(entries, error)) return;
  for (pf::DirEntry& e : entries) {
    if (!pf::matches_file_mask(e.Name, Mask)) continue;
    const String name = Upper ? zyl::AnsiUpperCase(e.Name) : zyl::AnsiLowerCase(e.Name);
    if (name != e.Name) {
      if (!Dir.rename_entry(e, name, error))
        throw zyl::EInOutError(u"Cannot rename file \"" + Path + e.Name + u"\" to \"" + Path + name + u"\": " +
                                   pf::error_message(error),
                               error);
      e.Name = name;
    }
    if (e.Type != pf::NodeType::Directory || e.Attr != zyl::faDirectory) continue;
    const pf::WalkDir sub = Dir.enter(e, error);
    if (sub.valid()) set_case_in(sub, Path + name + zyl::PathDelim, Mask, Upper);
  }
}

}  // namespace

String DOSToWinPath(const String& Path) {
  const String full = zyl::ExpandFileName(Path);
  String result, rest;
  if (!split_root(full, result, rest)) return Path;
  if (rest.empty()) return full;
  std::size_t pos = 0;
  for (;;) {
    std::size_t end = rest.find(zyl::PathDelim, pos);
    if (end == String::npos) end = rest.size();
    const String segment = rest.substr(pos, end - pos);
    if (segment.empty() && end == rest.size()) {
      result += zyl::PathDelim;  // the trailing separator of a directory
      break;
    }
    String stored;
    if (segment.empty() || !zyl::platform::stored_entry_name(result + zyl::PathDelim + segment, stored)) return Path;
    result += zyl::PathDelim;
    result += stored;
    if (end == rest.size()) break;
    pos = end + 1;
  }
  return result;
}

void SetAllFilenameCase(const String& FileMask, bool Upper) {
  const String path = zyl::ExtractFilePath(FileMask);
  int error = 0;
  const pf::WalkDir dir = pf::WalkDir::open(path, true, error);
  if (dir.valid()) set_case_in(dir, path, zyl::ExtractFileName(FileMask), Upper);
}

}  // namespace ZYL_filesys

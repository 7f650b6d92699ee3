// Library: zyl / Package: ZYL_filesys / Module: filedelete
#include "ZYL_filesys/filedelete.h"

#include "ZYL_filesys/detail/dirnames.h"
#include "ZYL_filesys/pathnames.h"
#include "platform/dirops.h"
#include "platform/file.h"
#include "platform/filename.h"
#include "platform/filesearch.h"
#include "platform/trash.h"

namespace ZYL_filesys {
namespace {

namespace pf = zyl::platform;

bool is_link(const zyl::TSearchRec& Rec) { return (Rec.Attr & zyl::faSymLink) != 0; }

// Removes Dir (with its trailing delimiter) and everything in it; the first
// path that resists, or empty.
String delete_tree(const String& Dir) {
  String failed;
  {
    zyl::TSearchRec rec;
    for (int rc = zyl::FindFirst(Dir + u"*.*", zyl::faAnyFile, rec); rc == 0 && failed.empty();
         rc = zyl::FindNext(rec)) {
      if (rec.Name == u"." || rec.Name == u"..") continue;
      const String path = Dir + rec.Name;
      int error = 0;
      if (is_link(rec)) {
        if (!pf::remove_link(path, error)) failed = path;
      } else if ((rec.Attr & zyl::faDirectory) != 0) {
        failed = delete_tree(path + zyl::PathDelim);
      } else if ((rec.Attr & zyl::faReadOnly) != 0 || !pf::delete_file(path, error)) {
        failed = path;
      }
    }
  }  // the search is closed before its directory goes
  int error = 0;
  if (failed.empty() && !pf::remove_directory(Dir, error)) failed = Dir;
  return failed;
}

// Calls Act(full name, attributes) for each entry of Mask that is neither a
// directory nor a volume label nor named with a leading "."; counts the
// calls that return true.
template <typename Act>
std::int32_t for_each_visible_file(const String& Mask, Act act) {
  const String dir = zyl::ExtractFilePath(Mask);
  std::int32_t count = 0;
  zyl::TSearchRec rec;
  for (int rc = zyl::FindFirst(zyl::ExpandFileName(Mask), zyl::faAnyFile, rec); rc == 0; rc = zyl::FindNext(rec)) {
    if (rec.Name.empty() || rec.Name[0] == u'.' || (rec.Attr & (zyl::faDirectory | zyl::faVolumeID)) != 0) continue;
    if (act(dir + rec.Name, rec)) ++count;
  }
  return count;
}

}  // namespace

String DelDirTree(const String& Dir) {
  if (Dir.empty()) return String();
  const String bare = detail::without_trailing_delimiter(Dir);
  if (IsRootDir(Dir) || IsRootDir(bare) || IsRootDir(zyl::ExpandFileName(bare)))
    return detail::with_trailing_delimiter(Dir);
  std::int32_t attr = 0;
  int error = 0;
  if (pf::get_attributes(bare, attr, error) && (attr & zyl::faSymLink) != 0)
    return pf::remove_link(bare, error) ? String() : bare;
  return delete_tree(detail::with_trailing_delimiter(Dir));
}

std::int32_t DeleteFiles(const String& Mask) {
  return for_each_visible_file(Mask, [](const String& Name, const zyl::TSearchRec& Rec) {
    int error = 0;
    // A read-only file stays; a link is deleted itself whatever it points to.
    return (is_link(Rec) || (Rec.Attr & zyl::faReadOnly) == 0) && pf::delete_file(Name, error);
  });
}

std::int32_t MoveToRecycleBin(const String& Mask) {
  return for_each_visible_file(Mask, [](const String& Name, const zyl::TSearchRec&) {
    int error = 0;
    return pf::move_to_trash(zyl::ExpandFileName(Name), error);
  });
}

}  // namespace ZYL_filesys

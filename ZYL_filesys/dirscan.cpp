// Library: zyl / Package: ZYL_filesys / Module: dirscan
#include "ZYL_filesys/dirscan.h"

#include <vector>

#include "ZYL_filesys/detail/dirnames.h"
#include "platform/casemap.h"
#include "platform/dirlist.h"
#include "platform/dirops.h"
#include "platform/filename.h"
#include "platform/filesearch.h"

namespace ZYL_filesys {
namespace {

bool is_dot_entry(const String& Name) { return Name == u"." || Name == u".."; }

// A directory the walk enters: not "." or "..", not a link.
bool is_walked_directory(const zyl::TSearchRec& Rec) {
  return (Rec.Attr & zyl::faDirectory) != 0 && (Rec.Attr & zyl::faSymLink) == 0 && !is_dot_entry(Rec.Name);
}

bool matches_every_name(const String& FileMask) { return FileMask == u"*" || FileMask == u"*.*"; }

class FileScan {
 public:
  FileScan(zyl::TStrings* List, const TScanFilesFeedback& FeedBack) : FList(List), FFeedBack(FeedBack) {}

  // Lists the files FileMask matches in directory Path (and below it with
  // IncludeSubDirs).
  void walk(const String& Path, const String& FileMask, bool IncludeSubDirs);
  std::int32_t count() const { return FCount; }

 private:
  void found(const String& Name) {
    if (FList != nullptr) FList->Add(Name);
    ++FCount;
  }

  zyl::TStrings* FList;
  const TScanFilesFeedback& FFeedBack;
  std::int32_t FCount = 0;
};

void FileScan::walk(const String& Path, const String& FileMask, bool IncludeSubDirs) {
  // Each level's directory part is listed in upper case where that names the
  // same directory.
  const String dir = zyl::kFileNamesIgnoreCase ? zyl::AnsiUpperCase(Path) : Path;
  if (FFeedBack) FFeedBack(dir, FCount);
  std::vector<String> subdirs;
  if (IncludeSubDirs && matches_every_name(FileMask)) {
    // Every name matches: one listing gives the files and the directories,
    // without looking up each entry.
    zyl::platform::list_directory(dir, [&](const String& Name, zyl::platform::EntryKind Kind) {
      if (Kind == zyl::platform::EntryKind::File) found(dir + Name);
      if (Kind == zyl::platform::EntryKind::Directory) subdirs.push_back(Name);
    });
  } else {
    zyl::TSearchRec rec;
    for (int rc = zyl::FindFirst(dir + FileMask, zyl::faAnyFile, rec); rc == 0; rc = zyl::FindNext(rec))
      if ((rec.Attr & zyl::faDirectory) == 0) found(dir + rec.Name);
    if (IncludeSubDirs) {
      for (int rc = zyl::FindFirst(dir + u"*.*", zyl::faAnyFile, rec); rc == 0; rc = zyl::FindNext(rec))
        if (is_walked_directory(rec)) subdirs.push_back(rec.Name);
    }
  }
  for (const String& sub : subdirs) walk(dir + sub + zyl::PathDelim, FileMask, true);
}

std::int32_t scan(const String& Mask, bool IncludeSubDirs, zyl::TStrings* List, const TScanFilesFeedback& FeedBack) {
  FileScan walk(List, FeedBack);
  walk.walk(zyl::ExtractFilePath(Mask), zyl::ExtractFileName(Mask), IncludeSubDirs);
  return walk.count();
}

}  // namespace

void ScanFilesToStrList(const String& Mask, bool IncludeSubDirs, zyl::TStrings* List,
                        const TScanFilesFeedback& FeedBack) {
  if (List != nullptr) scan(Mask, IncludeSubDirs, List, FeedBack);
}

std::int32_t CountFiles(const String& Mask, bool IncludeSubDirs, const TScanFilesFeedback& FeedBack) {
  return scan(Mask, IncludeSubDirs, nullptr, FeedBack);
}

bool DirEmpty(const String& Dir) {
  zyl::TSearchRec rec;
  for (int rc = zyl::FindFirst(detail::with_trailing_delimiter(Dir) + u"*.*", zyl::faAnyFile, rec); rc == 0;
       rc = zyl::FindNext(rec))
    if (!is_dot_entry(rec.Name)) return false;
  return true;
}

bool DirExists(const String& Path) {
  std::int32_t attr = 0;
  int ignored = 0;
  return !Path.empty() && zyl::platform::get_attributes(Path, attr, ignored) && (attr & zyl::faDirectory) != 0;
}

}  // namespace ZYL_filesys

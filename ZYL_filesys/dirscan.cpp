// Library: zyl / Package: ZYL_filesys / Module: dirscan
#include "ZYL_filesys/dirscan.h"

#include <vector>

#include "ZYL_filesys/detail/dirnames.h"
#include "platform/casemap.h"
#include "platform/dirops.h"
#include "platform/filename.h"
#include "platform/filesearch.h"
#include "platform/treewalk.h"

namespace ZYL_filesys {
namespace {

namespace pf = zyl::platform;

bool is_dot_entry(const String& Name) { return Name == u"." || Name == u".."; }

class FileScan {
 public:
  FileScan(zyl::TStrings* List, const TScanFilesFeedback& FeedBack) : FList(List), FFeedBack(FeedBack) {}

  // Lists the files FileMask matches in Dir, named Path (and below it with
  // IncludeSubDirs).
  void walk(const pf::WalkDir& Dir, const String& Path, const String& FileMask, bool IncludeSubDirs);
  std::int32_t count() const { return FCount; }
  // A directory that could not be listed, with the OS's reason.
  void unlisted(const String& Path, int Error) {
    if (!pf::is_missing_error(Error)) FUnlisted.push_back(Path + u": " + pf::error_message(Error));
  }
  std::vector<String>& unlisted() { return FUnlisted; }

 private:
  void found(const String& Name) {
    if (FList != nullptr) FList->Add(Name);
    ++FCount;
  }

  zyl::TStrings* FList;
  const TScanFilesFeedback& FFeedBack;
  std::int32_t FCount = 0;
  std::vector<String> FUnlisted;
};

// Each level's directory part is listed in upper case where that names the
// same directory.
String listed_name(const String& Path) { return zyl::kFileNamesIgnoreCase ? zyl::AnsiUpperCase(Path) : Path; }

void FileScan::walk(const pf::WalkDir& Dir, const String& Path, const String& FileMask, bool IncludeSubDirs) {
  const String dir = listed_name(Path);
  if (FFeedBack) FFeedBack(dir, FCount);
  std::vector<pf::DirEntry> entries;
  int error = 0;
  if (!Dir.list(entries, error, pf::ListDetail::Kinds)) {
    unlisted(dir, error);
    return;
  }
  // Files: everything that is not a directory, nor a link to one (hidden,
  // system and special files included).
  for (const pf::DirEntry& e : entries)
    if ((e.Attr & zyl::faDirectory) == 0 && pf::matches_file_mask(e.Name, FileMask)) found(dir + e.Name);
  if (!IncludeSubDirs) return;
  for (const pf::DirEntry& e : entries) {
    if (e.Type != pf::NodeType::Directory) continue;  // links are never entered
    const pf::WalkDir sub = Dir.enter(e, error);
    if (sub.valid())
      walk(sub, dir + e.Name + zyl::PathDelim, FileMask, true);
    else if (!pf::is_link_error(error))  // swapped for a link meanwhile: not entered, as links never are
      unlisted(dir + e.Name + zyl::PathDelim, error);
  }
}

std::int32_t scan(const String& Mask, bool IncludeSubDirs, zyl::TStrings* List, const TScanFilesFeedback& FeedBack,
                  std::vector<String>* Unlisted = nullptr) {
  FileScan walk(List, FeedBack);
  const String path = zyl::ExtractFilePath(Mask);
  const String mask = zyl::ExtractFileName(Mask);
  int error = 0;
  const pf::WalkDir dir = pf::WalkDir::open(path, true, error);
  if (dir.valid()) {
    walk.walk(dir, path, mask, IncludeSubDirs);
  } else {
    if (FeedBack) FeedBack(listed_name(path), 0);
    walk.unlisted(listed_name(path), error);
  }
  if (Unlisted != nullptr) *Unlisted = std::move(walk.unlisted());
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

std::vector<String> ScanFilesReport(const String& Mask, bool IncludeSubDirs, zyl::TStrings* List,
                                    std::int32_t& Count, const TScanFilesFeedback& FeedBack) {
  std::vector<String> unlisted;
  Count = scan(Mask, IncludeSubDirs, List, FeedBack, &unlisted);
  return unlisted;
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

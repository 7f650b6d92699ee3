// Library: zyl / Package: ZYL_filesys / Module: filefind
#include "ZYL_filesys/filefind.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/casemap.h"
#include "platform/filename.h"
#include "platform/filesearch.h"
#include "platform/treewalk.h"

namespace ZYL_filesys {
namespace {

namespace pf = zyl::platform;

// A plain file (not hidden, system, a directory or a volume label) whose
// name matches: the exact spelling first, where names differ by case.
const pf::DirEntry* match_in(const std::vector<pf::DirEntry>& Entries, const String& Name) {
  const pf::DirEntry* found = nullptr;
  for (const pf::DirEntry& e : Entries) {
    if (!zyl::passes_attribute_filter(e.Attr, 0) || !pf::matches_file_mask(e.Name, Name)) continue;
    if (e.Name == Name) return &e;
    if (found == nullptr) found = &e;
  }
  return found;
}

String detect_in(const pf::WalkDir& Dir, const String& Path, const String& Name) {
  std::vector<pf::DirEntry> entries;
  int error = 0;
  if (!Dir.list(entries, error)) return String();
  if (const pf::DirEntry* e = match_in(entries, Name)) return Path + e->Name;
  for (const pf::DirEntry& e : entries) {
    if (e.Type != pf::NodeType::Directory || e.Attr != zyl::faDirectory) continue;
    const pf::WalkDir sub = Dir.enter(e, error);
    if (!sub.valid()) continue;
    if (String found = detect_in(sub, Path + e.Name + zyl::PathDelim, Name); !found.empty()) return found;
  }
  return String();
}

}  // namespace

String FileDetect(const String& Path) {
  String dir = zyl::ExtractFilePath(Path);
  if (zyl::kFileNamesIgnoreCase) dir = zyl::AnsiUpperCase(dir);
  const String name = zyl::ExtractFileName(Path);
  if (name.empty()) return String();
  int error = 0;
  const pf::WalkDir root = pf::WalkDir::open(dir, true, error);
  return root.valid() ? detect_in(root, dir, name) : String();
}

std::int64_t GetFileSize64(const String& FileName) {
  zyl::TSearchRec rec;
  if (zyl::FindFirst(zyl::ExpandFileName(FileName), zyl::faAnyFile, rec) != 0) return -1;
  return rec.Size;
}

std::int32_t GetFileSize(const String& FileName) {
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(GetFileSize64(FileName), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace ZYL_filesys

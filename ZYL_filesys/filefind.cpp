// Library: zyl / Package: ZYL_filesys / Module: filefind
#include "ZYL_filesys/filefind.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/casemap.h"
#include "platform/filename.h"
#include "platform/filesearch.h"

namespace ZYL_filesys {
namespace {

String detect_in(const String& Dir, const String& Name) {
  zyl::TSearchRec rec;
  if (zyl::FindFirst(Dir + Name, 0, rec) == 0) return Dir + rec.Name;
  std::vector<String> subdirs;
  for (int rc = zyl::FindFirst(Dir + u"*.*", zyl::faDirectory, rec); rc == 0; rc = zyl::FindNext(rec))
    if (rec.Attr == zyl::faDirectory && rec.Name != u"." && rec.Name != u"..") subdirs.push_back(rec.Name);
  zyl::FindClose(rec);
  for (const String& sub : subdirs)
    if (String found = detect_in(Dir + sub + zyl::PathDelim, Name); !found.empty()) return found;
  return String();
}

}  // namespace

String FileDetect(const String& Path) {
  String dir = zyl::ExtractFilePath(Path);
  if (zyl::kFileNamesIgnoreCase) dir = zyl::AnsiUpperCase(dir);
  const String name = zyl::ExtractFileName(Path);
  if (name.empty()) return String();
  return detect_in(dir, name);
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

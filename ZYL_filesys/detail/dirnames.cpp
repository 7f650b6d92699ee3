// Library: zyl / Package: ZYL_filesys / Module: detail/dirnames (internal)
#include "ZYL_filesys/detail/dirnames.h"

#include "platform/casemap.h"
#include "platform/filename.h"

namespace ZYL_filesys::detail {
namespace {

bool is_separator(zyl::Char C) { return C == u'\\' || C == u'/'; }

zyl::String comparable(const zyl::String& Dir) {
  const zyl::String full = with_trailing_delimiter(zyl::ExpandFileName(Dir));
  return zyl::kFileNamesIgnoreCase ? zyl::AnsiLowerCase(full) : full;
}

}  // namespace

zyl::String with_trailing_delimiter(const zyl::String& Dir) {
  if (Dir.empty() || is_separator(Dir.back())) return Dir;
  return Dir + zyl::PathDelim;
}

zyl::String without_trailing_delimiter(const zyl::String& Dir) {
  zyl::String out = Dir;
  while (out.size() > 1 && is_separator(out.back()) && !(out.size() == 3 && out[1] == u':')) out.pop_back();
  return out;
}

bool is_within(const zyl::String& Dir, const zyl::String& Root) {
  const zyl::String dir = comparable(Dir);
  const zyl::String root = comparable(Root);
  return dir.size() >= root.size() && dir.compare(0, root.size(), root) == 0;
}

}  // namespace ZYL_filesys::detail

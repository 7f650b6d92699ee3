// Library: zyl / Package: platform / Module: dirops (the part common to both backends)
#include "platform/dirops.h"

#include "platform/filename.h"
#include "platform/filesearch.h"

namespace zyl::platform {
namespace {

bool is_separator(Char C) { return C == u'\\' || C == u'/'; }

// Name without trailing separators, a root ("/", "C:\") excepted.
String without_trailing_separators(String Name) {
  while (Name.size() > 1 && is_separator(Name.back()) && !(Name.size() == 3 && Name[1] == u':')) Name.pop_back();
  return Name;
}

bool is_directory(const String& Name) {
  std::int32_t attr = 0;
  int ignored = 0;
  return get_attributes(Name, attr, ignored) && (attr & faDirectory) != 0;
}

}  // namespace

bool force_directories(const String& Name, int& Error) {
  const String dir = without_trailing_separators(Name);
  if (dir.empty()) return create_directory(dir, Error);  // fails with the OS's own error
  if (is_directory(dir)) return true;
  const String parent = ExtractFilePath(dir);
  if (!parent.empty() && parent.size() < dir.size() && !force_directories(parent, Error)) return false;
  // Another process may have created it meanwhile; that is success too.
  return create_directory(dir, Error) || is_directory(dir);
}

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: filename
#include "platform/filename.h"

namespace zyl {
namespace {

// Index just behind the directory part (0 when there is none).
std::size_t name_start(const String& Name) {
  for (std::size_t i = Name.size(); i > 0; --i)
    if (is_path_delimiter(Name[i - 1])) return i;
  return 0;
}

}  // namespace

String ExtractFilePath(const String& Name) { return Name.substr(0, name_start(Name)); }

String ExtractFileName(const String& Name) { return Name.substr(name_start(Name)); }

String ExtractFileExt(const String& Name) {
  const std::size_t start = name_start(Name);
  const std::size_t dot = Name.rfind(u'.');
  if (dot == String::npos || dot < start) return String();
  return Name.substr(dot);
}

}  // namespace zyl

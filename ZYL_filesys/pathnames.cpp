// Library: zyl / Package: ZYL_filesys / Module: pathnames
#include "ZYL_filesys/pathnames.h"

#include <algorithm>
#include <string_view>

#include "platform/filename.h"
#include "platform/os.h"

namespace ZYL_filesys {
namespace {

constexpr std::u16string_view kForbiddenInName = u"*/:<>?\\|";
constexpr std::u16string_view kForbiddenIn83 = u"\"*+,/;<=>?[]|";

bool is_separator(Char C) { return C == u'\\' || C == u'/'; }

std::u16string_view trim_blanks(std::u16string_view S) {
  const std::size_t first = S.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return S.substr(first, S.find_last_not_of(u' ') - first + 1);
}

}  // namespace

String StripExtension(const String& Path) {
  const String dir = zyl::ExtractFilePath(Path);
  String name = zyl::ExtractFileName(Path);
  if (const std::size_t dot = name.rfind(u'.'); dot != String::npos) name.erase(dot, 255);
  return dir + name;
}

String StripPath(const String& Path) { return zyl::ExtractFileName(Path); }

String ParentDir(const String& Path) {
  std::size_t end = Path.size();
  if (end > 0 && is_separator(Path[end - 1])) --end;
  while (end > 0 && !is_separator(Path[end - 1])) --end;
  return Path.substr(0, end);
}

bool IsRootDir(const String& Path) {
  const std::u16string_view s = trim_blanks(Path);
  if (zyl::platform::kOsFamily == zyl::platform::OsFamily::Posix && s == u"/") return true;
  return s.size() == 3 && s[1] == u':' && s[2] == u'\\';
}

String AbridgeFilePath(const String& Path, std::int32_t MaxLength) {
  const Char sep = Path.find(u'\\') != String::npos ? u'\\' : u'/';
  std::size_t pos = Path.find(sep);
  if (pos == String::npos) return Path;
  // The result is built left to right; Length is what its full length
  // would be with the rest of Path appended unchanged.
  String result = Path.substr(0, pos + 1);
  std::int64_t length = static_cast<std::int64_t>(Path.size());
  for (;;) {
    if (length < MaxLength) break;
    const std::size_t next = Path.find(sep, pos + 1);
    if (next == String::npos) break;
    length += 2 - static_cast<std::int64_t>(next - pos - 1);
    result += u"..";
    result += sep;
    pos = next;
  }
  result.append(Path, pos + 1);
  return result;
}

std::int32_t ExtractDrive(const String& Path) {
  if (Path.size() < 2 || Path[1] != u':') return -1;
  const Char c = Path[0];
  if (c >= u'A' && c <= u'Z') return c - u'A';
  if (c >= u'a' && c <= u'z') return c - u'a';
  return 0;
}

bool IsFN83CompliantPath(const String& Path) {
  return std::all_of(Path.begin(), Path.end(), [](Char c) {
    return c >= 33 && c <= 126 && kForbiddenIn83.find(c) == std::u16string_view::npos;
  });
}

bool IsDOS83Path(const String& Path) {
  if (!IsFN83CompliantPath(Path)) return false;
  std::u16string_view rest(Path);
  while (!rest.empty()) {
    std::size_t end = rest.find(u'\\');
    if (end == std::u16string_view::npos) end = rest.find(u'.');
    const std::size_t piece = end == std::u16string_view::npos ? rest.size() : end + 1;
    if (piece > 9) return false;
    rest.remove_prefix(piece);
  }
  return true;
}

String ReplaceInvalidFileNameChars(const String& Name, Char C) {
  String result = Name;
  for (Char& c : result)
    if (kForbiddenInName.find(c) != std::u16string_view::npos) c = C;
  if (result == u".") return String(1, C);
  if (result == u"..") return String(2, C);
  return result;
}

bool IsValidFileName(const String& Name) {
  return Name.find_first_of(kForbiddenInName) == String::npos && Name != u"." && Name != u"..";
}

String InsertBeforeFileExt(const String& Text, const String& Name) {
  const String dir = zyl::ExtractFilePath(Name);
  String name = zyl::ExtractFileName(Name);
  const std::size_t dot = name.find(u'.');
  name.insert(dot == String::npos ? name.size() : dot, Text);
  return dir + name;
}

String EnsureDefaultFileExt(const String& Name, const String& Ext) {
  if (Ext.empty() || !zyl::ExtractFileExt(Name).empty()) return Name;
  return Ext.front() == u'.' ? Name + Ext : Name + u"." + Ext;
}

}  // namespace ZYL_filesys

// Library: zyl / Package: platform / Module: filename
//
// The host framework's file-name routines: splitting a name into directory,
// name and extension, and expanding a name to an absolute one.
//
// The splitting is text only and the same on every platform: "\", "/" and
// ":" all end a directory part, so Windows-style names keep working as text
// on POSIX. Only ExpandFileName asks the operating system (for the current
// directory); it builds paths with PathDelim.
//
//   ExtractFilePath(u"c:\\a\\b.txt")   ⇒ u"c:\\a\\"
//   ExtractFilePath(u"x/y.tar.gz")     ⇒ u"x/"
//   ExtractFileName(u"c:b.txt")        ⇒ u"b.txt"
//   ExtractFileExt(u"a.b\\c")          ⇒ u""        (a dot in a directory is no extension)
//   ExtractFileExt(u"name.")           ⇒ u"."
//
// Backends of ExpandFileName: platform/posix/filename.cpp, platform/win32/filename.cpp.
#pragma once

#include "platform/hoststring.h"
#include "platform/os.h"

namespace zyl {

// The delimiter the library puts between directory names when it builds a
// path: "\" on Windows, "/" on POSIX.
inline constexpr Char PathDelim = platform::kOsFamily == platform::OsFamily::Windows ? u'\\' : u'/';

// True where the file system ignores the case of names (Windows), so a
// directory part may be re-cased without naming another directory.
inline constexpr bool kFileNamesIgnoreCase = platform::kOsFamily == platform::OsFamily::Windows;

// True for the characters that end a directory part: "\", "/" and ":".
[[nodiscard]] constexpr bool is_path_delimiter(Char C) noexcept { return C == u'\\' || C == u'/' || C == u':'; }

// The directory part of Name up to and including its last "\", "/" or ":";
// empty when it has none.
[[nodiscard]] ZYL_API String ExtractFilePath(const String& Name);
// The rest of Name behind its directory part.
[[nodiscard]] ZYL_API String ExtractFileName(const String& Name);
// The extension of the file-name part, its dot included; empty when the
// file name has no dot.
[[nodiscard]] ZYL_API String ExtractFileExt(const String& Name);

// Name as an absolute path: a relative name is taken relative to the current
// directory, "." and ".." segments are resolved as text (symbolic links are
// not followed). On Windows the OS's full-path rules apply (drive-relative
// names, "/" becomes "\"); on POSIX only "/" separates names. Never raises:
// an empty name, or one the OS cannot expand, is returned unchanged.
[[nodiscard]] ZYL_API String ExpandFileName(const String& Name);

}  // namespace zyl

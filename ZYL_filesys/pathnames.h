// Library: zyl / Package: ZYL_filesys / Module: pathnames
//
// Taking apart, shortening, checking and repairing path and file names, as
// text only. Every function accepts any string, never raises and behaves the
// same on every platform: "\" and "/" both separate directories where a
// function says so, ":" ends a drive.
//
//   StripExtension(u"C:\\a\\b.txt")          ⇒ u"C:\\a\\b"
//   StripExtension(u"C:\\dir.old\\readme")   ⇒ u"C:\\dir.old\\readme"
//   StripExtension(u".profile")             ⇒ u""
//   StripPath(u"C:\\a\\b.txt")               ⇒ u"b.txt"
//   ParentDir(u"C:\\a\\b\\")                  ⇒ u"C:\\a\\"
//   ParentDir(u"a/b/c")                     ⇒ u"a/b/"
//   ParentDir(u"C:\\")                       ⇒ u""
//   IsRootDir(u" c:\\ ")                     ⇒ true;  u"c:" ⇒ false;  u"/" ⇒ true on POSIX only
//   AbridgeFilePath(u"C:\\aaa\\bbb\\file.txt", 15)  ⇒ u"C:\\..\\..\\file.txt"
//   ExtractDrive(u"c:\\temp")                ⇒ 2;  u"1:" ⇒ 0;  u"temp" ⇒ -1
//   IsDOS83Path(u"C:\\PROGRA~1\\FILE.TXT")    ⇒ true
//   ReplaceInvalidFileNameChars(u"a:b?.txt", u'_')  ⇒ u"a_b_.txt"
//   ReplaceInvalidFileNameChars(u"..", u'_')        ⇒ u"__"
//   InsertBeforeFileExt(u"_1", u"c:\\x\\data.tar.gz") ⇒ u"c:\\x\\data_1.tar.gz"
//   EnsureDefaultFileExt(u"report", u"txt")  ⇒ u"report.txt"
#pragma once

#include <cstdint>

#include "platform/hoststring.h"

namespace ZYL_filesys {

using zyl::Char;
using zyl::String;

// Path without the extension of its file name: from the file name's last
// "." on, at most 255 characters (the dot included) are removed. Dots in
// directory names are never touched; u"a.b.c" gives u"a.b".
[[nodiscard]] ZYL_API String StripExtension(const String& Path);

// The file-name part: everything behind the last "\", "/" or ":".
[[nodiscard]] ZYL_API String StripPath(const String& Path);

// The parent directory with its trailing separator ("\" or "/"), or empty
// when the path has no separator before its last name. A trailing separator
// of Path itself is ignored.
[[nodiscard]] ZYL_API String ParentDir(const String& Path);

// True for a drive's root: after trimming blanks at both ends, at most 3
// characters with ":\" at position 2 (any letter case). On POSIX "/" (after
// trimming) is the root too.
[[nodiscard]] ZYL_API bool IsRootDir(const String& Path);

// Shortens Path for display: while it is at least MaxLength characters
// long, the next directory name from the left (starting behind the first
// separator) becomes "..". The separator is "\" when Path holds one, else
// "/"; a path with neither is returned unchanged. The file name is never cut,
// so the result may still be MaxLength characters or longer. Linear in the
// length of Path.
[[nodiscard]] ZYL_API String AbridgeFilePath(const String& Path, std::int32_t MaxLength);

// The drive index of a path whose second character is ":": A (or a) 0 to
// Z 25, or 0 when the first character is not a letter; -1 for any other path.
[[nodiscard]] ZYL_API std::int32_t ExtractDrive(const String& Path);

// True when every character is allowed in an 8.3 path: printable ASCII 33
// to 126 except the double quote, * + , / ; < = > ? [ ] |. Empty: true.
[[nodiscard]] ZYL_API bool IsFN83CompliantPath(const String& Path);

// True for a compliant path whose pieces all have at most 9 characters: a
// piece runs up to and including the next "\", or, when none is left, up to
// and including the next ".", else to the end.
[[nodiscard]] ZYL_API bool IsDOS83Path(const String& Path);

// Name with each of * / : < > ? \ | replaced by C; a result of "." becomes C
// and one of ".." becomes two C. The double quote and control characters
// stay.
[[nodiscard]] ZYL_API String ReplaceInvalidFileNameChars(const String& Name, Char C);

// True when Name holds none of * / : < > ? \ | and is neither "." nor "..".
// An empty name is valid.
[[nodiscard]] ZYL_API bool IsValidFileName(const String& Name);

// Name with Text inserted before the first "." of its file name, or appended
// when the file name has no dot.
[[nodiscard]] ZYL_API String InsertBeforeFileExt(const String& Text, const String& Name);

// Name unchanged when Ext is empty or Name has an extension (a trailing "."
// counts as one); otherwise Name + Ext when Ext starts with ".", else
// Name + "." + Ext.
[[nodiscard]] ZYL_API String EnsureDefaultFileExt(const String& Name, const String& Ext);

}  // namespace ZYL_filesys

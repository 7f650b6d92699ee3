// Library: zyl / Package: ZYL_filesys / Module: pathondisk
//
// Path functions that ask the file system: turning short (8.3) names into
// the long names stored on disk, and giving files and directories one letter
// case.
//
//   DOSToWinPath(u"C:\\PROGRA~1\\COMMON~1")   ⇒ u"C:\\Program Files\\Common Files"   (Windows)
//   DOSToWinPath(u"docs/../notes.txt")       ⇒ u"/home/ann/notes.txt"   (POSIX, cwd /home/ann)
//   DOSToWinPath(u"C:\\NOSUCH~1\\x")          ⇒ u"C:\\NOSUCH~1\\x"       (not found: unchanged)
//   SetAllFilenameCase(u"/data/*.TXT", false) // a.TXT ⇒ a.txt, Sub.txt/B.TXT ⇒ sub.txt/b.txt
#pragma once

#include "platform/hoststring.h"

namespace ZYL_filesys {

using zyl::String;

// Path with every segment in its long form, as stored on disk. The path is
// first expanded to an absolute one (ExpandFileName); then segment by
// segment, behind the drive ("C:"), the share of a network path
// ("\\server\share") or the POSIX root, each segment is looked up and
// replaced by the name the file system reports. On POSIX there are no short
// names: the result is the absolute path with each segment checked. A
// trailing separator is kept. When a segment does not exist (or holds a
// wildcard), the input is returned unchanged. Never raises.
[[nodiscard]] ZYL_API String DOSToWinPath(const String& Path);

// Renames the files and directories that FileMask's last segment matches in
// its directory to all upper case (Upper true) or all lower case, using the
// locale's case rules (AnsiUpperCase, AnsiLowerCase), and does the same in
// each matching directory whose attributes are exactly faDirectory (not
// read-only, hidden, a link or anything else), with the same mask, under
// its new name. The directory part of FileMask is used as given.
// A failed rename raises EInOutError naming both names; what was renamed
// before stays renamed. A new name that exists as another file is never
// replaced (on POSIX, where names differ by case, the rename fails).
ZYL_API void SetAllFilenameCase(const String& FileMask, bool Upper);

}  // namespace ZYL_filesys

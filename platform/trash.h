// Library: zyl / Package: platform / Module: trash
//
// The user's recycle bin. On Windows the shell's file operation (a delete
// that may be undone, without confirmation). On POSIX the freedesktop.org
// trash: $XDG_DATA_HOME/Trash (default ~/.local/share/Trash) for files on
// the home file system, $topdir/.Trash/$uid (when an administrator made it:
// a sticky directory, not a link) or else $topdir/.Trash-$uid for files on
// another file system. Each entry is files/NAME with info/NAME.trashinfo
//
//   [Trash Info]
//   Path=/home/ann/report%20v2.txt      (URL-escaped; relative to $topdir there)
//   DeletionDate=2026-12-08T05:21:13    (local time)
//
// and NAME gets a number (report.2.txt, report.3.txt, ...) when it is taken.
//
// Backends: platform/posix/trash.cpp and platform/win32/trash.cpp.
#pragma once

#include "platform/hoststring.h"

namespace zyl::platform {

// Moves the file Name (an absolute path) to the recycle bin. False and Error
// when it cannot be trashed; the file is then left in place and nothing is
// left behind in the bin.
ZYL_API bool move_to_trash(const String& Name, int& Error);

}  // namespace zyl::platform

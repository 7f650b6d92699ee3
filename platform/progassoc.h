// Library: zyl / Package: platform / Module: progassoc
//
// The command line of the program that opens files of an extension.
// Windows: the registry under HKEY_CLASSES_ROOT (".ext\shell\open\command",
// else the file type named by ".ext" and its "shell\open\command").
// POSIX: the extension's MIME type from the shared-mime-info globs, the
// default application for that type from the mimeapps.list files (else, as
// the desktop's own tools do, an application declaring the type: those the
// mimeinfo.cache files list, then the .desktop files by name, data directory
// by data directory), and the Exec line of that application's .desktop
// file, all looked up in the XDG
// base directories ($XDG_DATA_HOME, $XDG_DATA_DIRS, $XDG_CONFIG_HOME,
// $XDG_CONFIG_DIRS with their standard defaults).
//
// Backends: platform/posix/progassoc.cpp and platform/win32/progassoc.cpp.
#pragma once

#include "platform/hoststring.h"

namespace zyl::platform {

// Extension without the dot ("txt"); empty when nothing is associated.
ZYL_API String program_association(const String& Extension);

}  // namespace zyl::platform

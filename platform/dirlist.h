// Library: zyl / Package: platform / Module: dirlist
//
// Listing one directory with the kind of each entry, for walks over large
// trees that need no more than that: the kind comes with the listing itself
// (the entry type of readdir, the attributes of FindFirstFileW), so most
// entries cost no lookup of their own. A symbolic link is looked up once to
// tell a linked directory from a file.
//
// Backends: platform/posix/dirlist.cpp and platform/win32/dirlist.cpp.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/hoststring.h"

namespace zyl::platform {

enum class EntryKind : std::uint8_t {
  File,             // anything that is not a directory (links to files, devices included)
  Directory,        // a directory of its own
  LinkedDirectory,  // a link or junction that leads to a directory
};

// Calls Visit with the name (as stored) and kind of every entry of Dir
// other than "." and "..", hidden ones included, in the order the system
// lists them. Dir ends with a delimiter or is empty (the current directory).
// False when Dir cannot be read.
ZYL_API bool list_directory(const String& Dir, const std::function<void(const String& Name, EntryKind Kind)>& Visit);

}  // namespace zyl::platform

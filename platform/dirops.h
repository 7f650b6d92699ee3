// Library: zyl / Package: platform / Module: dirops
//
// Directories and attributes by name: what a tree walk needs besides the
// search (platform/filesearch.h) and the file primitives (platform/file.h).
// Errors are OS error numbers returned through an out parameter.
//
// Backends: platform/posix/dirops.cpp and platform/win32/dirops.cpp.
#pragma once

#include <cstdint>

#include "platform/file.h"
#include "platform/hoststring.h"

namespace zyl::platform {

// The fa... attribute bits of the entry Name names, as a search reports them
// (a symbolic link as what it points to, with faSymLink added). False and
// Error when there is no such entry.
ZYL_API bool get_attributes(const String& Name, std::int32_t& Attr, int& Error);

// Creates one directory (its parent must exist). An existing entry fails.
ZYL_API bool create_directory(const String& Name, int& Error);

// Creates a directory and every missing parent; true when it exists as a
// directory afterwards.
ZYL_API bool force_directories(const String& Name, int& Error);

// Removes an empty directory.
ZYL_API bool remove_directory(const String& Name, int& Error);

// Removes a symbolic link (to a file or to a directory) itself, never what
// it points to.
ZYL_API bool remove_link(const String& Name, int& Error);

// Creates a symbolic link Name whose target text is Target (POSIX; on
// Windows false with ERROR_NOT_SUPPORTED).
ZYL_API bool create_link(const String& Target, const String& Name, int& Error);

// True when A and B name the same existing file or directory (links
// followed), however they are spelled.
[[nodiscard]] ZYL_API bool same_entry(const String& A, const String& B);

// Gives Dest the attributes of the open file Source as a copy carries them:
// on Windows the attribute bits with read-only cleared, on POSIX the
// permission bits with the owner's write bit set.
ZYL_API bool copy_attributes(const FileHandle& Source, const String& Dest, int& Error);

}  // namespace zyl::platform

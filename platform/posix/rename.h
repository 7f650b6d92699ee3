// Library: zyl / Package: platform / Module: rename (POSIX backend support)
//
// Renaming relative to open directories, never replacing another file: the
// one rename of the POSIX backend, shared by rename_file (platform/file.h)
// and the tree walker (platform/treewalk.h).
#pragma once

#include <string>

namespace zyl::platform::posix {

// Renames From in directory FromDir (a descriptor, or AT_FDCWD) to To in
// ToDir. When To exists as another file, fails with EEXIST and leaves both;
// another spelling of the same file (a case-insensitive file system) is
// renamed in place. False and Error (errno) on failure.
bool rename_at(int FromDir, const std::string& From, int ToDir, const std::string& To, int& Error);

}  // namespace zyl::platform::posix

// Library: zyl / Package: platform / Module: attributes (POSIX backend support)
//
// The fa... attribute bits (platform/filesearch.h) of a POSIX file system
// entry, shared by the search and the attribute query so both report alike.
#pragma once

#include <cstdint>
#include <string>

namespace zyl::platform::posix {

// The attribute bits and size of the entry at Path (relative to the open
// directory DirFd, or AT_FDCWD), whose own name is Name (for the hidden
// bit); false when it does not exist (or vanished meanwhile). Looking up a
// listed name through its directory's descriptor spares the kernel walking
// the whole path again for every entry.
bool entry_attributes(int DirFd, const std::string& Path, const std::string& Name, std::int32_t& Attr,
                      std::int64_t& Size);

}  // namespace zyl::platform::posix

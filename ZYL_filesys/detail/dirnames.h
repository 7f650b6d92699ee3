// Library: zyl / Package: ZYL_filesys / Module: detail/dirnames (internal)
//
// Directory names as the tree walks build them.
#pragma once

#include "platform/hoststring.h"

namespace ZYL_filesys::detail {

// Dir with a trailing delimiter ("\" or "/" counts; PathDelim is added),
// unless it is empty.
zyl::String with_trailing_delimiter(const zyl::String& Dir);

// Dir without trailing delimiters, unless that would leave a root empty or
// turn "C:\" into the drive-relative "C:".
zyl::String without_trailing_delimiter(const zyl::String& Dir);

// True when Dir (a path with a trailing delimiter) is Root or lies inside
// it, both as absolute paths; case is ignored where the file system ignores
// it.
bool is_within(const zyl::String& Dir, const zyl::String& Root);

}  // namespace ZYL_filesys::detail

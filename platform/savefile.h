// Library: zyl / Package: platform / Module: savefile
//
// Saving a whole file by name without ever leaving a half-written file in
// place of a good one: the bytes go to a temporary file beside the target,
// which then replaces the target in one step (platform::replace_file).
//
// Example:
//   zyl::platform::save_file(u"listing.txt", "line 1\r\n");
//   // on failure: EInOutError "Cannot write "listing.txt": <reason>",
//   // and an existing listing.txt is left as it was
#pragma once

#include <string_view>

#include "platform/hoststring.h"

namespace zyl::platform {

// Writes Bytes as the whole content of file Name (created or replaced).
// Raises EInOutError with the OS error code on failure; the temporary file is
// removed and the previous content of Name, if any, stays intact.
ZYL_API void save_file(const String& Name, std::string_view Bytes);

}  // namespace zyl::platform

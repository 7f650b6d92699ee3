// Library: zyl / Package: platform / Module: osname (POSIX backend support)
//
// File names between the library's String and the bytes POSIX file systems
// store. A POSIX name is any byte string without NUL; most are UTF-8, but
// not all. To pass every name through a String unchanged, a byte that is not
// part of valid UTF-8 is held as the unpaired low surrogate U+DC00 + byte
// (U+DC80..U+DCFF), which valid text never contains; turning the String
// back into bytes restores the byte. Bytes -> String -> bytes is exact:
//
//   "caf\xC3\xA9"  <=>  u"café"
//   "n\xE9.txt"    <=>  u"n\xDCE9.txt"
#pragma once

#include <string>
#include <string_view>

#include "platform/hoststring.h"

namespace zyl::platform::posix {

// The bytes of Name for the OS. False (Out unspecified) when Name holds a
// NUL, which would silently cut the name short and name another file.
bool to_os_name(std::u16string_view Name, std::string& Out);

// The same for backends that report errno: Error = EINVAL when refused.
bool to_os_name(std::u16string_view Name, std::string& Out, int& Error);

// A name as the OS gave it, as a String (see above).
String from_os_name(std::string_view Bytes);

}  // namespace zyl::platform::posix

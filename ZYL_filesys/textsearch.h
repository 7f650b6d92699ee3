// Library: zyl / Package: ZYL_filesys / Module: textsearch
//
// Searching a text file for a string, line by line. Lines are those of the
// host's TextFile (line ends LF or CR LF, not part of the line; UTF-8 with
// invalid bytes as Latin-1); a text never matches across a line end.
// Positions count UTF-16 code units from 1. An empty text is never found.
// A file that cannot be opened or read raises EInOutError naming it.
//
// Example (file "notes.txt" holding "12345678\r\nabXYZ\r\n"):
//   DetectStringInFile(u"notes.txt", u"XYZ", false, 11)   // == 11 (8 + position 3)
//   DetectStringInFile(u"notes.txt", u"XYZ", false, 10)   // == 0  (11 lies beyond 10)
//   String line;
//   FindFirstMatchInTextFile(u"notes.txt", u"xyz", true, line)  // == 3, line u"abXYZ"
#pragma once

#include <cstdint>

#include "platform/hoststring.h"

namespace ZYL_filesys {

using zyl::String;

// Where Text occurs within the first Limit characters of the file: the
// characters of the lines before the first line holding Text (line ends not
// counted) plus the 1-based position of Text in that line, when that sum is
// at most Limit; otherwise 0. With IgnoreCase, A-Z match a-z (LowerCase);
// other letters keep their case. Reading stops once Limit characters are
// passed.
[[nodiscard]] ZYL_API std::int32_t DetectStringInFile(const String& FileName, const String& Text, bool IgnoreCase,
                                                      std::int32_t Limit);

// The 1-based position of Text in the first line that holds it, that line
// unchanged in Line; 0 and an empty Line when no line does. With IgnoreCase
// both are compared under the locale's case rules (AnsiLowerCase).
[[nodiscard]] ZYL_API std::int32_t FindFirstMatchInTextFile(const String& FileName, const String& Text,
                                                            bool IgnoreCase, String& Line);

}  // namespace ZYL_filesys

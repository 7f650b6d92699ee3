// Library: zyl / Package: ZYL_filesys / Module: ascheader
//
// Reading the header of the library's column-data text format (ASC): the
// first four lines of the file.
//
//   line  content                                         read as
//   1     free text (a title or comment)                  the whole line
//   2     first count: an integer > 0 at the line start   integer (rest of line ignored)
//   3     second count: the same form                     integer
//   4     up to four flags TRUE or FALSE (any case),       four booleans
//         separated by blanks or tabs; the 4th optional
//
//   status  meaning
//    0      header read
//   -1      the first count is missing, not a number, or not > 0
//   -2      the second count is missing, not a number, or not > 0
//   -3      one of the first three flags is neither TRUE nor FALSE
//
// Outputs are set as far as the header was read; on a status below 0 the
// ones behind the error keep the caller's values (the flags are all set to
// false before line 4 is examined, and flags decided before a -3 keep their
// values).
//
// Example (file "run.asc" holding "Run 7\r\n120\r\n3\r\nTRUE\tfalse\ttrue\r\n"):
//   String title; std::int32_t rows, cols; bool f1, f2, f3, f4;
//   ReadHeaderOfASC(u"run.asc", title, rows, cols, f1, f2, f3, f4)
//     // == 0; title u"Run 7", rows 120, cols 3, flags true false true false
#pragma once

#include <cstdint>

#include "platform/hoststring.h"
#include "platform/stream.h"

namespace ZYL_filesys {

using zyl::String;

// Reads the header from the file FileName through the host's TextFile:
// counts are read as text-file integers (blanks, tabs and line ends before
// them skipped, a sign allowed, the number followed by a blank, a tab or the
// line end; anything else makes the count unreadable). Line 1 is decoded as
// UTF-8 (invalid bytes as Latin-1). Closes the file. Raises EInOutError
// naming the file when it cannot be opened or read.
ZYL_API std::int32_t ReadHeaderOfASC(const String& FileName, String& Line1, std::int32_t& Count1,
                                     std::int32_t& Count2, bool& Flag1, bool& Flag2, bool& Flag3, bool& Flag4);

// Reads the header from Stream at its position: line 1 with ReadLnStream in
// mode 0 (one byte per character), the counts with ScanStreamDecimal's rules
// (blanks, CR and LF before the number skipped; the number ends at the first
// byte that is not a digit). A count ended by its line's LF does not skip
// another line, so LF-only files read like CR LF files. The stream is left
// behind line 4, or behind the line where reading stopped.
ZYL_API std::int32_t ReadHeaderOfASC(zyl::TStream& Stream, String& Line1, std::int32_t& Count1,
                                     std::int32_t& Count2, bool& Flag1, bool& Flag2, bool& Flag3, bool& Flag4);

}  // namespace ZYL_filesys

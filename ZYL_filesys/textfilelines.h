// Library: zyl / Package: ZYL_filesys / Module: textfilelines
//
// Line-oriented utilities for text files: repairing line ends, appending
// lines, reading the last lines, counting lines and reading words. Lines are
// those of the host's TextFile (platform/textfile.h): a line ends at LF or
// CR LF, a CR elsewhere is an ordinary character, a last line without line
// end counts, and bytes decode as UTF-8 (invalid bytes as Latin-1).
//
// The forms that take an open TextFile read it through its own calls and
// leave it open at its start; the forms that take a name open and close the
// file themselves and read it in large blocks (same results, at the speed of
// the operating system's tools). A file that cannot be opened or read raises
// EInOutError with a message naming it.
//
// Example (file "log.txt" holding "a\r\nb\r\nc"):
//   std::int32_t count;
//   ReadLastNLinesOfTextFile(u"log.txt", 2, count)  // == {u"b", u"c"}, count == 3
//   ReadLastNLinesOfTextFile(u"log.txt", 5, count)  // == {u"", u"", u"a", u"b", u"c"}
//   CountLinesInTextFile(u"log.txt", nullptr)       // == 3
#pragma once

#include <cstdint>

#include "ZYL_zylbase/arrays.h"
#include "ZYL_zylbase/callbacks.h"
#include "platform/hoststring.h"
#include "platform/stringlist.h"
#include "platform/textfile.h"

namespace ZYL_filesys {

using zyl::Char;
using zyl::String;
using ZYL_zylbase::TFeedbackProc;
using ZYL_zylbase::TStrArray;

// Copies file InFile to OutFile (created or replaced) byte for byte, writing
// an LF after every CR that is not followed by one. The byte after such a CR
// is copied without being examined again, so of two CRs in a row only the
// first gets an LF: CR CR x ⇒ CR LF CR x. A lone LF stays as it is.
//   "a\rb\r" ⇒ "a\r\nb\r\n";   "a\nb" ⇒ "a\nb";   "\r\r" ⇒ "\r\n\r"
// The output is saved through platform::save_file_by_blocks, so OutFile may
// be InFile and a failure leaves any existing OutFile as it was. Both files
// are streamed in blocks, never held whole. Raises EInOutError naming the
// file that failed.
ZYL_API void EnsureCRLFInFile(const String& InFile, const String& OutFile);

// Appends Line and a line end (CR LF) to the file, creating it when it does
// not exist. Raises EInOutError when it can be neither opened nor created.
ZYL_API void AppendToTextFile(const String& FileName, const String& Line);
// Appends every string of Lines, in order, each as one line.
ZYL_API void AppendToTextFile(const String& FileName, const zyl::TStrings& Lines);

// The last N lines of the file: exactly N entries, the last line of the
// file last; when the file has fewer lines, the first entries are empty.
// LineCount becomes the number of lines in the file (at most 2147483647).
// N <= 0 gives an empty array and still counts the lines. Only N lines are
// kept in memory. The open form rewinds F (Reset) before and after reading,
// so F is left open at its start. An N too large for memory raises
// EOutOfMemory.
[[nodiscard]] ZYL_API TStrArray ReadLastNLinesOfTextFile(zyl::TextFile& F, std::int32_t N, std::int32_t& LineCount);
[[nodiscard]] ZYL_API TStrArray ReadLastNLinesOfTextFile(const String& FileName, std::int32_t N,
                                                         std::int32_t& LineCount);

// The number of lines (at most 2147483647): 0 for an empty file. After every
// 1000th line Feedback, when given, is called with (nullptr, lines so far,
// 0.0). The open form rewinds F before and after counting.
//   2500 lines ⇒ 2500, Feedback called with 1000 and 2000
[[nodiscard]] ZYL_API std::int32_t CountLinesInTextFile(zyl::TextFile& F, TFeedbackProc Feedback);
[[nodiscard]] ZYL_API std::int32_t CountLinesInTextFile(const String& FileName, TFeedbackProc Feedback);

// Reads the next word of F: skips characters of code 32 and below (blanks,
// tabs, line ends), then collects characters above 32 up to the next one of
// code 32 or below, which is consumed and dropped. At the end of the file
// the result is empty.
//   "  abc def" ⇒ u"abc", then u"def", then u""
[[nodiscard]] ZYL_API String ReadNextWordInTextFile(zyl::TextFile& F);

}  // namespace ZYL_filesys

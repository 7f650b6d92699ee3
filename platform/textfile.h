// Library: zyl / Package: platform / Module: textfile
//
// TextFile: the host framework's open text file, a line-oriented file that a
// caller assigns to a name, opens for reading, rewriting or appending, and
// hands to library functions that read or write at its current line.
//
// Encoding and line ends are the same on every platform, so files are
// byte-identical everywhere:
//   - writing produces UTF-8 and ends lines with CR LF;
//   - reading takes UTF-8, reads bytes that are not valid UTF-8 as Latin-1
//     characters (8-bit files of older programs read correctly), and accepts
//     LF and CR LF as line ends (a CR not followed by LF is an ordinary
//     character).
// Reading and writing are buffered (64 KiB): reading a line or a character
// costs no system call.
//
// Every failure raises EInOutError whose message names the file. ErrorCode()
// is the operating system's error number for OS failures, or one of the
// run-time codes below.
//
// Example:
//   zyl::TextFile f;
//   f.Assign(u"notes.txt");
//   f.Rewrite();
//   f.WriteLn(u"Größe 42");        // bytes "Gr\xC3\xB6\xC3\x9Fe 42\r\n"
//   f.CloseFile();
//   f.Reset();
//   f.ReadLn()                     // == u"Größe 42"
//   f.Eof()                        // == true
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/file.h"
#include "platform/hoststring.h"

namespace zyl {

// Run-time error codes of EInOutError raised by TextFile.
constexpr int kIOFileNotAssigned = 102;
constexpr int kIOFileNotOpen = 103;
constexpr int kIOFileNotOpenForInput = 104;
constexpr int kIOFileNotOpenForOutput = 105;
constexpr int kIOInvalidNumericFormat = 106;

enum class TTextFileMode : std::uint8_t { tfClosed, tfInput, tfOutput };

class ZYL_API TextFile {
 public:
  TextFile() = default;
  // Closes the file if it is open, ignoring failures (CloseFile reports them).
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Ties the file variable to a name; an open file is closed first.
  void Assign(const String& FileName);
  const String& FileName() const noexcept { return FName; }
  TTextFileMode Mode() const noexcept { return FMode; }

  // Opens the assigned file for reading from its start (an open file is
  // closed first). A missing file raises EInOutError with the OS's error.
  void Reset();
  // Creates the file, or empties an existing one, for writing.
  void Rewrite();
  // Opens an existing file for writing at its end; a missing file raises.
  void Append();

  // Reads the rest of the current line and moves to the start of the next.
  // The line end (LF or CR LF) is consumed and not returned. At the end of
  // the file returns an empty string. Raises kIOFileNotOpenForInput unless
  // open for reading.
  //   "ab\r\ncd" -> u"ab", then u"cd", then u"" (Eof() true after "cd")
  String ReadLn();
  // The same line into Line (replacing its contents), reusing its storage:
  // a loop over a file's lines then allocates only for its longest line.
  //   String line;  while (!f.Eof()) { f.ReadLn(line); ... }
  void ReadLn(String& Line);
  // Reads one UTF-16 code unit; line-end bytes come back as CR (13) and LF
  // (10); a character beyond U+FFFF comes as two calls (surrogate pair). At
  // the end of the file returns Ctrl-Z (26).
  Char ReadChar() {
    // An ASCII byte already buffered needs no decoding.
    if (FMode == TTextFileMode::tfInput && FPendingLow == 0 && FPos < FLen && FBuf[FPos] < 0x80) return FBuf[FPos++];
    return read_char();
  }
  // Reads a decimal integer: skips blanks, tabs and line ends, takes an
  // optional sign and the digits. The number must be followed by a blank, a
  // tab, a line end or the end of the file, which is not consumed. At the end
  // of the file (nothing but whitespace left) returns 0. Anything else, or a
  // value outside 32 bits, raises kIOInvalidNumericFormat.
  //   "  -42 7\n" -> -42, then 7;   "12x" -> raises
  std::int32_t ReadInteger();
  // True when no character is left to read. Raises unless open for reading.
  bool Eof() {
    if (FMode == TTextFileMode::tfInput && (FPendingLow != 0 || FPos < FLen)) return false;
    return at_end();
  }
  // True at the end of the file or when the next character is a line end.
  bool Eoln();

  // Writes Text as UTF-8. A surrogate pair split across two calls is
  // written whole. Raises kIOFileNotOpenForOutput unless open for writing.
  void Write(std::u16string_view Text);
  // Writes Text and CR LF.
  void WriteLn(std::u16string_view Text = {});
  // Hands buffered output to the operating system.
  void Flush();
  // Writes what is buffered and closes the file; raises if that fails or the
  // file is not open.
  void CloseFile();

  // Deletes the assigned file (an open file is closed first).
  void Erase();
  // Renames the assigned file (closed first if open) and assigns the file
  // variable to the new name. Never replaces an existing file: that raises
  // and leaves both files as they were.
  void Rename(const String& NewName);

 private:
  [[noreturn]] void raise(int Code, std::u16string_view What) const;
  [[noreturn]] void raise_os(int Error, std::u16string_view What) const;
  void require_assigned() const;
  void require_input();
  void require_output();
  void open(platform::FileAccess Access, platform::FileDisposition Disposition, bool AtEnd);
  void close_silently() noexcept;

  // Reading: bytes FBuf[FPos, FLen) are read ahead.
  bool fill();                 // reads more; false at the end of the file
  bool ensure(std::size_t n);  // at least n bytes ahead unless the file ends
  int peek_byte();             // the next byte, or -1 at the end
  Char read_char();            // ReadChar beyond its fast path
  bool at_end();               // Eof beyond its fast path
  // The bytes of the rest of the line without its end, moving past the end;
  // valid until the next read.
  std::string_view line_bytes();
  // ReadLn into Line; Reusing tells that Line's storage is worth reusing.
  void read_line(String& Line, bool Reusing);
  // Writing: bytes FBuf[0, FLen) wait to be written.
  void put_bytes(const char* Data, std::size_t Count);
  void write_out();
  void end_pending_pair();  // writes U+FFFD for a high surrogate left waiting

  String FName;
  TTextFileMode FMode = TTextFileMode::tfClosed;
  platform::FileHandle FHandle;
  std::vector<std::uint8_t> FBuf;
  std::size_t FPos = 0;
  std::size_t FLen = 0;
  std::string FLinePart;  // a line that spans buffer refills
  bool FAtEnd = false;   // the OS has reported the end of the file
  Char FPendingLow = 0;  // second half of a surrogate pair ReadChar owes
  Char FPendingHigh = 0; // first half of a pair Write has not yet written
};

}  // namespace zyl

// Library: zyl / Package: ZYL_filesys / Module: detail/textblocks (internal)
//
// Reading a text file by name in large blocks, for the functions that must
// scan whole files at the speed of the operating system's own tools. The
// results are those of the host's TextFile (platform/textfile.h), which the
// helpers mirror without decoding every line:
//   - a line ends at LF; a CR right before the LF belongs to the line end;
//   - the file's lines are its LF bytes, plus one for a last line without LF;
//   - a line's characters are its bytes decoded as UTF-8, with bytes that
//     are not valid UTF-8 taken as Latin-1 (from_utf8), so an ASCII byte is
//     always one character and LF never occurs inside another character.
//
// Errors raise EInOutError with the OS error number and a message naming the
// file, as TextFile does ("Cannot open file "x": No such file or directory").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file.h"
#include "platform/hoststring.h"

namespace ZYL_filesys::detail {

// An input file opened by name for reading bytes.
class InputFile {
 public:
  // Raises EInOutError naming the file when it cannot be opened (missing,
  // a directory, no permission).
  explicit InputFile(const zyl::String& Name);

  // Reads up to Count bytes at the current position into Buffer; returns
  // how many (0 at the end). Raises EInOutError on a read error.
  std::size_t read(char* Buffer, std::size_t Count);
  // Moves the position to Offset bytes from the start.
  void seek(std::int64_t Offset);
  // Reads the bytes [Offset, Offset + Count) (fewer at the end of the file).
  std::string read_at(std::int64_t Offset, std::size_t Count);
  // The file's size in bytes.
  std::int64_t size();

 private:
  [[noreturn]] void fail(std::u16string_view What, int Error) const;

  zyl::String FName;
  zyl::platform::FileHandle FHandle;
};

// Hands out a file's bytes in chunks that end at a line end (the LF
// included) or at the end of the file, so no line is split between chunks.
// A line longer than the block size makes its chunk longer.
class LineChunks {
 public:
  static constexpr std::size_t kBlockSize = 1 << 20;

  explicit LineChunks(InputFile& File) : FFile(File) {}
  // The next chunk; empty at the end of the file. The view stays valid
  // until the next call.
  std::string_view next();

 private:
  InputFile& FFile;
  std::string FBuf;        // the chunk handed out, then the carried rest
  std::size_t FCarry = 0;  // bytes of an unfinished line kept from the last block
  bool FEnd = false;
};

// The number of LF bytes. count_lf picks the fastest variant built for the
// target; the others are exposed for the tests that compare them.
std::size_t count_lf(const char* P, std::size_t N) noexcept;
std::size_t count_lf_portable(const char* P, std::size_t N) noexcept;
#if defined(__SSE2__)
std::size_t count_lf_sse2(const char* P, std::size_t N) noexcept;
#endif

// The number of UTF-16 code units that Bytes decode to (from_utf8(Bytes).size()).
std::size_t utf16_length(std::string_view Bytes);

// The number of characters of the lines in Bytes, line ends (LF, and CR
// right before LF) not counted.
std::int64_t line_characters(std::string_view Bytes);

// Bytes of one line without its line end: a trailing LF and a CR before it
// are removed.
std::string_view strip_line_end(std::string_view Line) noexcept;

// True when no byte is 0x80 or above.
bool is_ascii(std::string_view Bytes) noexcept;

}  // namespace ZYL_filesys::detail

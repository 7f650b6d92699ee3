// Library: zyl / Package: platform / Module: textfile
#include "platform/textfile.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/bytesearch.h"
#include "platform/exceptions.h"
#include "platform/widen.h"

namespace zyl {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

String quoted(const String& Name) { return u"\"" + Name + u"\""; }

// Replaces Out[At, end) with Bytes decoded: plain ASCII widened in place
// (the string only grows, so reused storage is not zero-filled first),
// anything else through the UTF-8 decoder (which takes invalid bytes as
// Latin-1).
void assign_decoded(String& Out, std::size_t At, const std::uint8_t* Bytes, std::size_t Count) {
  if (Out.size() < At + Count) Out.resize(At + Count);
  if (detail::widen_bytes(Bytes, Count, Out.data() + At)) {
    Out.resize(At + Count);
    return;
  }
  Out.resize(At);
  Out += from_utf8(std::string_view(reinterpret_cast<const char*>(Bytes), Count));
}

// The length of the UTF-8 sequence that Lead starts (1 for ASCII and for
// bytes that cannot start one).
std::size_t utf8_length(std::uint8_t Lead) {
  if (Lead >= 0xC2 && Lead <= 0xDF) return 2;
  if (Lead >= 0xE0 && Lead <= 0xEF) return 3;
  if (Lead >= 0xF0 && Lead <= 0xF4) return 4;
  return 1;
}

}  // namespace

TextFile::~TextFile() { close_silently(); }

void TextFile::close_silently() noexcept {
  try {
    if (FMode != TTextFileMode::tfClosed) CloseFile();
  } catch (...) {
    // CloseFile is the way to see this failure.
  }
  FMode = TTextFileMode::tfClosed;
  FHandle = platform::FileHandle();
}

void TextFile::raise(int Code, std::u16string_view What) const {
  throw EInOutError(String(What) + u": " + quoted(FName), Code);
}

void TextFile::raise_os(int Error, std::u16string_view What) const {
  throw EInOutError(String(What) + u" " + quoted(FName) + u": " + platform::error_message(Error), Error);
}

void TextFile::require_assigned() const {
  if (FName.empty()) raise(kIOFileNotAssigned, u"File not assigned");
}

void TextFile::require_input() {
  if (FMode != TTextFileMode::tfInput)
    raise(FMode == TTextFileMode::tfClosed ? kIOFileNotOpen : kIOFileNotOpenForInput,
          FMode == TTextFileMode::tfClosed ? u"File not open" : u"File not open for input");
}

void TextFile::require_output() {
  if (FMode != TTextFileMode::tfOutput)
    raise(FMode == TTextFileMode::tfClosed ? kIOFileNotOpen : kIOFileNotOpenForOutput,
          FMode == TTextFileMode::tfClosed ? u"File not open" : u"File not open for output");
}

void TextFile::Assign(const String& FileName) {
  close_silently();
  FName = FileName;
}

void TextFile::open(platform::FileAccess Access, platform::FileDisposition Disposition, bool AtEnd) {
  require_assigned();
  close_silently();
  int error = 0;
  platform::FileHandle h = platform::open_file(FName, Access, Disposition, 0, error);
  if (!h.valid()) raise_os(error, u"Cannot open file");
  if (AtEnd && platform::seek_file(h, 0, TSeekOrigin::soEnd, error) < 0) raise_os(error, u"Cannot seek in file");
  FHandle = std::move(h);
  FBuf.resize(kBufferSize);
  FPos = FLen = 0;
  FAtEnd = false;
  FPendingLow = FPendingHigh = 0;
  FMode = Access == platform::FileAccess::Read ? TTextFileMode::tfInput : TTextFileMode::tfOutput;
}

void TextFile::Reset() { open(platform::FileAccess::Read, platform::FileDisposition::OpenExisting, false); }

void TextFile::Rewrite() { open(platform::FileAccess::Write, platform::FileDisposition::CreateAlways, false); }

void TextFile::Append() { open(platform::FileAccess::Write, platform::FileDisposition::OpenExisting, true); }

void TextFile::CloseFile() {
  if (FMode == TTextFileMode::tfClosed) raise(kIOFileNotOpen, u"File not open");
  try {
    if (FMode == TTextFileMode::tfOutput) {
      end_pending_pair();
      write_out();
    }
  } catch (...) {
    // The file counts as closed even when its last bytes could not be written.
    FMode = TTextFileMode::tfClosed;
    FHandle = platform::FileHandle();
    throw;
  }
  FMode = TTextFileMode::tfClosed;
  platform::FileHandle h = std::move(FHandle);
  if (const int error = h.close(); error != 0) raise_os(error, u"Cannot close file");
}

void TextFile::Erase() {
  require_assigned();
  close_silently();
  int error = 0;
  if (!platform::delete_file(FName, error)) raise_os(error, u"Cannot erase file");
}

void TextFile::Rename(const String& NewName) {
  require_assigned();
  close_silently();
  int error = 0;
  if (!platform::rename_file(FName, NewName, error))
    throw EInOutError(u"Cannot rename file " + quoted(FName) + u" to " + quoted(NewName) + u": " +
                          platform::error_message(error),
                      error);
  FName = NewName;
}

// Reading -------------------------------------------------------------------

bool TextFile::fill() {
  if (FAtEnd) return false;
  if (FPos > 0) {
    // Keep the unread bytes (a partial UTF-8 sequence) at the start.
    std::memmove(FBuf.data(), FBuf.data() + FPos, FLen - FPos);
    FLen -= FPos;
    FPos = 0;
  }
  int error = 0;
  const std::int64_t n = platform::read_file(FHandle, FBuf.data() + FLen,
                                             static_cast<std::int64_t>(FBuf.size() - FLen), error);
  if (n < 0) raise_os(error, u"Cannot read file");
  if (n == 0) {
    FAtEnd = true;
    return false;
  }
  FLen += static_cast<std::size_t>(n);
  return true;
}

bool TextFile::ensure(std::size_t n) {
  while (FLen - FPos < n)
    if (!fill()) return false;
  return true;
}

int TextFile::peek_byte() { return ensure(1) ? FBuf[FPos] : -1; }

bool TextFile::at_end() {
  require_input();
  return FPendingLow == 0 && FPos == FLen && !fill();
}

bool TextFile::Eoln() {
  require_input();
  if (FPendingLow != 0) return false;
  const int b = peek_byte();
  if (b < 0 || b == '\n') return true;
  return b == '\r' && ensure(2) && FBuf[FPos + 1] == '\n';
}

std::string_view TextFile::line_bytes() {
  FLinePart.clear();
  for (;;) {
    if (FPos == FLen && !fill()) break;
    const std::uint8_t* start = FBuf.data() + FPos;
    const std::size_t avail = FLen - FPos;
    const std::uint8_t* lf = detail::find_byte(start, start + avail, '\n');
    if (lf == nullptr) {
      FLinePart.append(reinterpret_cast<const char*>(start), avail);
      FPos = FLen;
      continue;
    }
    std::size_t n = static_cast<std::size_t>(lf - start);
    FPos += n + 1;
    if (FLinePart.empty()) {
      if (n > 0 && start[n - 1] == '\r') --n;
      return {reinterpret_cast<const char*>(start), n};
    }
    FLinePart.append(reinterpret_cast<const char*>(start), n);
    if (FLinePart.back() == '\r') FLinePart.pop_back();
    break;
  }
  return FLinePart;
}

String TextFile::ReadLn() {
  String line;
  read_line(line, false);
  return line;
}

void TextFile::ReadLn(String& Line) { read_line(Line, true); }

void TextFile::read_line(String& Line, bool Reusing) {
  require_input();
  std::size_t at = 0;
  if (FPendingLow != 0) {
    Line.assign(1, FPendingLow);
    FPendingLow = 0;
    at = 1;
  }
  // Into a reused string, most lines (ASCII, whole in the buffer) are found
  // and widened in one pass. A new string is better sized to its line at
  // once: the general path.
  if (Reusing) {
    const std::size_t n = detail::widen_ascii_until(FBuf.data() + FPos, FLen - FPos, '\n', Line, at);
    if (n != detail::kNoStop) {
      FPos += n + 1;
      Line.resize(at + n - (n > 0 && Line[at + n - 1] == u'\r' ? 1 : 0));
      return;
    }
  }
  const std::string_view bytes = line_bytes();
  assign_decoded(Line, at, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

Char TextFile::read_char() {
  require_input();
  if (FPendingLow != 0) {
    const Char c = FPendingLow;
    FPendingLow = 0;
    return c;
  }
  if (!ensure(1)) return 26;
  const std::size_t want = utf8_length(FBuf[FPos]);
  const std::size_t have = ensure(want) ? want : FLen - FPos;
  // Decode the longest valid sequence; an invalid one yields its first byte.
  const String s = from_utf8(std::string_view(reinterpret_cast<const char*>(FBuf.data() + FPos), have));
  const bool valid = want > 1 && have == want && (s.size() == 1 || (s.size() == 2 && s[0] >= 0xD800 && s[0] < 0xDC00));
  if (!valid) {
    return FBuf[FPos++];
  }
  FPos += want;
  if (s.size() == 2) FPendingLow = s[1];
  return s[0];
}

std::int32_t TextFile::ReadInteger() {
  require_input();
  // The second half of a surrogate pair is next: not a number.
  if (FPendingLow != 0) raise(kIOInvalidNumericFormat, u"Invalid numeric format");
  int b;
  while ((b = peek_byte()) == ' ' || b == '\t' || b == '\r' || b == '\n') ++FPos;
  if (b < 0) return 0;
  bool negative = false;
  if (b == '-' || b == '+') {
    negative = b == '-';
    ++FPos;
  }
  std::int64_t value = 0;
  int digits = 0;
  while ((b = peek_byte()) >= '0' && b <= '9') {
    ++FPos;
    if (value <= std::numeric_limits<std::int32_t>::max()) value = value * 10 + (b - '0');
    ++digits;
  }
  const bool ended = b < 0 || b == ' ' || b == '\t' || b == '\r' || b == '\n';
  if (negative) value = -value;
  if (digits == 0 || !ended || value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    raise(kIOInvalidNumericFormat, u"Invalid numeric format");
  return static_cast<std::int32_t>(value);
}

// Writing -------------------------------------------------------------------

void TextFile::write_out() {
  int error = 0;
  const std::size_t n = FLen;
  FLen = 0;
  if (n > 0 && platform::write_file(FHandle, FBuf.data(), static_cast<std::int64_t>(n), error) < 0)
    raise_os(error, u"Cannot write file");
}

void TextFile::put_bytes(const char* Data, std::size_t Count) {
  if (FLen + Count > FBuf.size()) write_out();
  if (Count >= FBuf.size()) {
    int error = 0;
    if (platform::write_file(FHandle, Data, static_cast<std::int64_t>(Count), error) < 0)
      raise_os(error, u"Cannot write file");
    return;
  }
  std::memcpy(FBuf.data() + FLen, Data, Count);
  FLen += Count;
}

void TextFile::Write(std::u16string_view Text) {
  require_output();
  if (Text.empty()) return;
  String joined;
  if (FPendingHigh != 0) {
    joined.reserve(Text.size() + 1);
    joined.push_back(FPendingHigh);
    joined.append(Text);
    FPendingHigh = 0;
    Text = joined;
  }
  if (const Char last = Text.back(); last >= 0xD800 && last < 0xDC00) {
    FPendingHigh = last;
    Text.remove_suffix(1);
  }
  // ASCII goes straight into the buffer in runs; the rest through UTF-8.
  while (!Text.empty()) {
    std::size_t ascii = 0;
    while (ascii < Text.size() && Text[ascii] < 0x80) ++ascii;
    while (ascii > 0) {
      if (FLen == FBuf.size()) write_out();
      const std::size_t n = std::min(ascii, FBuf.size() - FLen);
      for (std::size_t i = 0; i < n; ++i) FBuf[FLen + i] = static_cast<std::uint8_t>(Text[i]);
      FLen += n;
      Text.remove_prefix(n);
      ascii -= n;
    }
    std::size_t other = 0;
    while (other < Text.size() && Text[other] >= 0x80) ++other;
    if (other > 0) {
      const std::string bytes = to_utf8(Text.substr(0, other));
      put_bytes(bytes.data(), bytes.size());
      Text.remove_prefix(other);
    }
  }
}

void TextFile::end_pending_pair() {
  if (FPendingHigh == 0) return;
  // Nothing can complete the pair any more: write the replacement character.
  FPendingHigh = 0;
  const std::string replacement = to_utf8(u"\uFFFD");
  put_bytes(replacement.data(), replacement.size());
}

void TextFile::WriteLn(std::u16string_view Text) {
  Write(Text);
  end_pending_pair();
  put_bytes("\r\n", 2);
}

void TextFile::Flush() {
  require_output();
  write_out();
}

}  // namespace zyl

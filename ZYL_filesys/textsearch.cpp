// Library: zyl / Package: ZYL_filesys / Module: textsearch
//
// A text of plain ASCII without CR and LF is searched in the file's bytes
// directly: ASCII bytes are always the characters they stand for, so the
// text occurs in the bytes of a line exactly where it occurs in the decoded
// line, and only the line that holds it is decoded. Any other text is
// searched line by line after decoding.
#include "ZYL_filesys/textsearch.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "ZYL_filesys/detail/textblocks.h"
#include "platform/casemap.h"

namespace ZYL_filesys {
namespace {

using detail::LineChunks;

// The bytes of Text when it can be searched as bytes (see above).
bool byte_searchable(const String& Text, std::string& Bytes) {
  Bytes.clear();
  for (const zyl::Char c : Text) {
    if (c >= 0x80 || c == u'\r' || c == u'\n') return false;
    Bytes.push_back(static_cast<char>(c));
  }
  return true;
}

// Boyer-Moore-Horspool over the bytes: skips ahead by up to the needle's
// length, so long texts are found faster than byte by byte.
class ByteFinder {
 public:
  explicit ByteFinder(const std::string& Needle) : FNeedle(Needle), FSearcher(FNeedle.cbegin(), FNeedle.cend()) {}
  std::size_t find(std::string_view Hay) const {
    const auto it = std::search(Hay.begin(), Hay.end(), FSearcher);
    return it == Hay.end() ? std::string_view::npos : static_cast<std::size_t>(it - Hay.begin());
  }

 private:
  std::string FNeedle;
  std::boyer_moore_horspool_searcher<std::string::const_iterator> FSearcher;
};

void lower_ascii(std::string_view Bytes, std::string& Out) {
  Out.resize(Bytes.size());
  std::transform(Bytes.begin(), Bytes.end(), Out.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; });
}

// Index where the line holding byte At begins.
std::size_t line_start(std::string_view Chunk, std::size_t At) {
  const std::size_t lf = At == 0 ? std::string_view::npos : Chunk.rfind('\n', At - 1);
  return lf == std::string_view::npos ? 0 : lf + 1;
}

// The bytes of the line that begins at Start, its line end included.
std::string_view line_at(std::string_view Chunk, std::size_t Start) {
  const std::size_t lf = Chunk.find('\n', Start);
  return Chunk.substr(Start, lf == std::string_view::npos ? std::string_view::npos : lf + 1 - Start);
}

// Calls Visit with each decoded line until it returns true; true when it did.
template <class Visit>
bool for_each_line(LineChunks& Chunks, Visit&& visit) {
  for (std::string_view chunk; !(chunk = Chunks.next()).empty();) {
    while (!chunk.empty()) {
      const std::string_view line = line_at(chunk, 0);
      if (visit(zyl::from_utf8(detail::strip_line_end(line)))) return true;
      chunk.remove_prefix(line.size());
    }
  }
  return false;
}

std::int32_t clamp32(std::int64_t V) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(V, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t DetectStringInFile(const String& FileName, const String& Text, bool IgnoreCase, std::int32_t Limit) {
  detail::InputFile file(FileName);
  if (Text.empty() || Limit <= 0) return 0;
  const String text = IgnoreCase ? zyl::LowerCase(Text) : Text;
  LineChunks chunks(file);
  std::int64_t offset = 0;  // characters of the lines passed
  const auto result = [&](std::int64_t at) { return at <= Limit ? clamp32(at) : 0; };

  std::string needle;
  if (byte_searchable(text, needle)) {
    const ByteFinder finder(needle);
    std::string lowered;
    for (std::string_view chunk; !(chunk = chunks.next()).empty();) {
      std::string_view hay = chunk;
      if (IgnoreCase) {
        lower_ascii(chunk, lowered);
        hay = lowered;
      }
      const std::size_t at = finder.find(hay);
      if (at == std::string_view::npos) {
        offset += detail::line_characters(chunk);
        if (offset >= Limit) return 0;
        continue;
      }
      const std::size_t start = line_start(chunk, at);
      offset += detail::line_characters(chunk.substr(0, start));
      return result(offset + static_cast<std::int64_t>(detail::utf16_length(chunk.substr(start, at - start))) + 1);
    }
    return 0;
  }

  std::int32_t found = 0;
  for_each_line(chunks, [&](const String& decoded) {
    const String line = IgnoreCase ? zyl::LowerCase(decoded) : decoded;
    const std::size_t p = line.find(text);
    if (p == String::npos) {
      offset += static_cast<std::int64_t>(line.size());
      return offset >= Limit;
    }
    found = result(offset + static_cast<std::int64_t>(p) + 1);
    return true;
  });
  return found;
}

std::int32_t FindFirstMatchInTextFile(const String& FileName, const String& Text, bool IgnoreCase, String& Line) {
  detail::InputFile file(FileName);
  Line.clear();
  if (Text.empty()) return 0;
  LineChunks chunks(file);

  std::string needle;
  if (!IgnoreCase && byte_searchable(Text, needle)) {
    const ByteFinder finder(needle);
    for (std::string_view chunk; !(chunk = chunks.next()).empty();) {
      const std::size_t at = finder.find(chunk);
      if (at == std::string_view::npos) continue;
      const std::size_t start = line_start(chunk, at);
      Line = zyl::from_utf8(detail::strip_line_end(line_at(chunk, start)));
      return clamp32(static_cast<std::int64_t>(detail::utf16_length(chunk.substr(start, at - start))) + 1);
    }
    return 0;
  }

  const String text = IgnoreCase ? zyl::AnsiLowerCase(Text) : Text;
  std::int32_t found = 0;
  for_each_line(chunks, [&](const String& decoded) {
    const std::size_t p = (IgnoreCase ? zyl::AnsiLowerCase(decoded) : decoded).find(text);
    if (p == String::npos) return false;
    Line = decoded;
    found = clamp32(static_cast<std::int64_t>(p) + 1);
    return true;
  });
  return found;
}

}  // namespace ZYL_filesys

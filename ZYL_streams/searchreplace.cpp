// Library: zyl / Package: ZYL_streams / Module: searchreplace
#include "ZYL_streams/searchreplace.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ZYL_zylbase/detail/tagreader.h"

namespace ZYL_streams {
namespace {

using Bytes = std::string;

Bytes to_bytes(std::u16string_view s) {
  Bytes b(s.size(), '\0');
  for (std::size_t i = 0; i < s.size(); ++i) b[i] = static_cast<char>(s[i] & 0xFF);
  return b;
}

String from_bytes(std::string_view b) {
  String s(b.size(), u'\0');
  for (std::size_t i = 0; i < b.size(); ++i) s[i] = static_cast<unsigned char>(b[i]);
  return s;
}

void lower_ascii(Bytes& b) {
  for (char& c : b)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
}

// One piece of a replacement: literal bytes, or a modifier command.
struct Piece {
  bool command;
  String text;  // the literal (as bytes widened) or the command as written
  String raw;   // a command with its brackets, inserted when nobody knows it
};

std::vector<Piece> parse_replacement(const String& Replace, const String& Brackets) {
  std::vector<Piece> pieces;
  if (Brackets.empty()) {
    pieces.push_back({false, Replace, {}});
    return pieces;
  }
  const zyl::Char open = Brackets[0];
  const zyl::Char close = Brackets.size() > 1 ? Brackets[1] : Brackets[0];
  String literal;
  std::size_t i = 0;
  while (i < Replace.size()) {
    const std::size_t end = Replace[i] == open ? Replace.find(close, i + 1) : String::npos;
    if (end == String::npos) {
      literal.push_back(Replace[i++]);
      continue;
    }
    if (!literal.empty()) pieces.push_back({false, std::move(literal), {}});
    literal.clear();
    pieces.push_back({true, Replace.substr(i + 1, end - i - 1), Replace.substr(i, end - i + 1)});
    i = end + 1;
  }
  if (!literal.empty()) pieces.push_back({false, std::move(literal), {}});
  return pieces;
}

String expand(const Piece& p, std::string_view Match, std::int32_t Count, const TSRUnknownModifierEvent& OnUnknown) {
  if (!p.command) return p.text;
  const String cmd = zyl::LowerCase(p.text);
  if (cmd == u"match") return from_bytes(Match);
  if (cmd == u"count") return zyl::from_ascii(std::to_string(Count));
  if (cmd == u"crlf") return u"\r\n";
  if (cmd == u"tab") return u"\t";
  if (!OnUnknown) return p.raw;
  String sub = from_bytes(Match);
  OnUnknown(p.text, sub);
  return sub;
}

}  // namespace

std::int32_t SearchAndReplace(zyl::TMemoryStream& Source, zyl::TMemoryStream& Dest, const String& SearchText,
                              const String& ReplaceText, bool IgnoreCase, std::int32_t StartPos,
                              std::int32_t MaxCount, const String& Brackets,
                              TSRUnknownModifierEvent OnUnknownModifier) {
  const Bytes source(reinterpret_cast<const char*>(Source.Memory()), static_cast<std::size_t>(Source.Size()));
  Bytes needle = to_bytes(SearchText);
  Bytes haystack;
  if (IgnoreCase) {
    haystack = source;
    lower_ascii(haystack);
    lower_ascii(needle);
  }
  const std::string_view hay = IgnoreCase ? std::string_view(haystack) : std::string_view(source);
  const std::vector<Piece> pieces = parse_replacement(ReplaceText, Brackets);

  Bytes out;
  out.reserve(source.size());
  std::size_t copied = 0;
  std::int32_t count = 0;
  std::size_t pos = StartPos < 1 ? 0 : static_cast<std::size_t>(StartPos) - 1;
  if (!needle.empty()) {
    const std::boyer_moore_horspool_searcher searcher(needle.begin(), needle.end());
    while (pos < hay.size() && (MaxCount <= 0 || count < MaxCount)) {
      const auto hit = std::search(hay.begin() + static_cast<std::ptrdiff_t>(pos), hay.end(), searcher);
      if (hit == hay.end()) break;
      const auto at = static_cast<std::size_t>(hit - hay.begin());
      out.append(source, copied, at - copied);
      ++count;
      const std::string_view match(source.data() + at, needle.size());
      for (const Piece& p : pieces) out += to_bytes(expand(p, match, count, OnUnknownModifier));
      copied = pos = at + needle.size();
    }
  }
  out.append(source, copied, Bytes::npos);

  Dest.Clear();
  for (std::size_t done = 0; done < out.size();) {
    const std::size_t n = std::min<std::size_t>(out.size() - done, std::size_t{1} << 30);
    Dest.WriteBuffer(out.data() + done, static_cast<std::int32_t>(n));
    done += n;
  }
  Dest.SetPosition(0);
  return count;
}

}  // namespace ZYL_streams

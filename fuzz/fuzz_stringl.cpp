// The string library's scanners and decoders over arbitrary text, checking
// their invariants: every loop ends with its position advancing, the two
// directions of TextLineCoords agree, UU and the scrambler round-trip, and
// UUDecodeStr either decodes or raises the library's error.
//
// Input: the first byte chooses a small needle length, the rest is the text
// (one byte per character, plus characters above 255 where a byte is 0xFF
// followed by another: 0x2600 + that byte).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ZYL_stringl/ZYL_stringl.h"
#include "ZYL_zylbase/errors.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

zyl::String text_of(const std::uint8_t* data, std::size_t size) {
  zyl::String s;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF && i + 1 < size) {
      s += static_cast<zyl::Char>(0x2600 + data[++i]);
    } else {
      s += static_cast<zyl::Char>(data[i]);
    }
  }
  return s;
}

void lines(const zyl::String& text) {
  for (int mode = 0; mode <= 5; ++mode) {
    int pos = 1;
    for (bool at_end = false; !at_end;) {
      const int before = pos;
      const zyl::String line = ZYL_stringl::ReadLnString(text, pos, at_end, mode);
      check(pos > before || at_end);
      check(line.size() <= text.size());
    }
  }
  for (int p = 1; p <= static_cast<int>(text.size()) + 1; ++p) {
    int line = 0, col = 0;
    check(ZYL_stringl::TextLineCoords(text, p, line, col) == p);
    check(ZYL_stringl::TextLineCoords(text, 0, line, col) == p);
  }
}

void tags(const zyl::String& text) {
  const std::vector<zyl::String> list{u"a", u"b", u"/a"};
  zyl::String attr, cont;
  for (int pos = 1; pos <= static_cast<int>(text.size());) {
    const int before = pos;
    const std::int32_t ix = ZYL_stringl::ReadNextTagInString(text, pos, list, attr, cont);
    check(ix >= 0 && ix < 3 && pos > before && pos <= static_cast<int>(text.size()) + 1);
  }
  bool in_list = false;
  for (int pos = 1, start = 0; pos <= static_cast<int>(text.size());) {
    const int before = pos;
    ZYL_stringl::DetectNextTagInString(text, pos, start, list, attr, in_list);
    check(pos > before && (start == 0 || (start >= before && text[static_cast<std::size_t>(start - 1)] == u'<')));
  }
}

void searches(const zyl::String& text, const zyl::String& needle) {
  const int count = ZYL_stringl::CountStringInString(needle, text, true);
  const int last = count > 0 ? ZYL_stringl::NumberedPos(needle, text, 1, false, count) : 0;
  check(last == ZYL_stringl::PosLast(needle, text));
  check(ZYL_stringl::NumberedPos(needle, text, 1, false, count + 1) == 0);
  check(ZYL_stringl::NumberedPosBw(needle, text, static_cast<int>(text.size()), true, 1) >= 0);
  const zyl::String replaced = ZYL_stringl::ReplaceStringInString(text, needle, u"<>", false);
  check(replaced.size() + static_cast<std::size_t>(count) * needle.size() == text.size() + 2u * static_cast<std::size_t>(count));
  ZYL_stringl::TOpenStringArray tokens;
  const int n = ZYL_stringl::Tokenize(text, needle, u'\\', tokens);
  check(n >= 1 && n <= 1000 && static_cast<std::size_t>(n) == tokens.size());
  for (int k = -1; k < 4; ++k) (void)ZYL_stringl::ExtractSubString(text, k, needle);
  (void)ZYL_stringl::ExtractParam(text, 2, u',', u'"', u"?");
  (void)ZYL_stringl::StringContainsOtherThan(text, needle);
  int first = 0, last_pos = 0;
  for (int p = 0; p <= static_cast<int>(text.size()) + 1; p += 7) {
    (void)ZYL_stringl::ExtractWordFromString(text, p, first, last_pos);
  }
}

void codecs(const zyl::String& text) {
  try {
    (void)ZYL_stringl::UUDecodeStr(text);
  } catch (const ZYL_zylbase::EZYLStringlError&) {
  }
  zyl::String bytes;
  for (zyl::Char c : text) bytes += static_cast<zyl::Char>(c & 0xFF);
  check(ZYL_stringl::UUDecodeStr(ZYL_stringl::UUEncodeStr(bytes)) == bytes);
  check(ZYL_stringl::DeScramble(ZYL_stringl::Scramble(text)) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const zyl::String text = text_of(Data + 1, Size - 1);
  const std::size_t needle_len = std::min<std::size_t>(Data[0] % 4, text.size());
  const zyl::String needle = text.substr(0, needle_len);
  lines(text);
  tags(text);
  searches(text, needle);
  codecs(text);
  return 0;
}

// Library: zyl / Package: ZYL_stringl / Module: uucode
#include "ZYL_stringl/uucode.h"

#include <string>

#include "ZYL_zylbase/errors.h"

namespace ZYL_stringl {
namespace {

constexpr std::size_t kLineBytes = 45;

zyl::Char encode_six(unsigned v) { return v == 0 ? u'`' : static_cast<zyl::Char>(32 + v); }

// The six-bit value of an encoded character; -1 for one outside " ".."`".
int decode_six(zyl::Char c) { return (c >= 32 && c <= 96) ? (c - 32) & 0x3F : -1; }

[[noreturn]] void raise(const std::string& msg) { throw ZYL_zylbase::EZYLStringlError(zyl::from_ascii(msg)); }

bool starts_with(std::u16string_view line, std::u16string_view prefix) { return line.substr(0, prefix.size()) == prefix; }

// Appends the bytes of one data line; false when it is the closing line.
bool decode_line(std::u16string_view line, std::size_t line_no, String& out) {
  const int count = decode_six(line[0]);
  if (count < 0) raise("UUDecodeStr: invalid character in line " + std::to_string(line_no));
  if (count == 0) return false;
  std::size_t i = 1;
  for (int left = count; left > 0; left -= 3, i += 4) {
    unsigned group = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      int v = 0;
      if (i + k < line.size()) {
        v = decode_six(line[i + k]);
        if (v < 0) raise("UUDecodeStr: invalid character in line " + std::to_string(line_no));
      }
      group = (group << 6) | static_cast<unsigned>(v);
    }
    for (int b = 0; b < 3 && b < left; ++b) out += static_cast<zyl::Char>((group >> (16 - 8 * b)) & 0xFF);
  }
  return true;
}

}  // namespace

String UUEncodeStr(const String& S) {
  for (std::size_t i = 0; i < S.size(); ++i) {
    if (S[i] > 255) raise("UUEncodeStr: character above 255 at position " + std::to_string(i + 1));
  }
  String out;
  out.reserve(S.size() * 4 / 3 + S.size() / kLineBytes * 4 + 8);
  for (std::size_t start = 0; start < S.size(); start += kLineBytes) {
    const std::size_t n = std::min(kLineBytes, S.size() - start);
    out += encode_six(static_cast<unsigned>(n));
    for (std::size_t i = start; i < start + n; i += 3) {
      unsigned group = 0;
      for (std::size_t k = 0; k < 3; ++k) group = (group << 8) | (i + k < start + n ? S[i + k] : 0u);
      for (int shift = 18; shift >= 0; shift -= 6) out += encode_six((group >> shift) & 0x3F);
    }
    out += u"\r\n";
  }
  return out + u"`\r\n";
}

String UUDecodeStr(const String& S) {
  String out;
  std::size_t line_no = 0;
  for (std::size_t start = 0; start < S.size();) {
    std::size_t end = S.find_first_of(u"\r\n", start);
    if (end == String::npos) end = S.size();
    const std::u16string_view line = std::u16string_view(S).substr(start, end - start);
    ++line_no;
    start = end + ((end + 1 < S.size() && S[end] == u'\r' && S[end + 1] == u'\n') ? 2 : 1);
    if (line.empty() || starts_with(line, u"begin ")) continue;
    if (line == u"end") break;
    if (!decode_line(line, line_no, out)) break;
  }
  return out;
}

}  // namespace ZYL_stringl

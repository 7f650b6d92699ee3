// A reference model of the host TextFile's lines, and random text files,
// for the text-file tests: lines end at LF, a CR right before the LF belongs
// to the line end, a last line without LF counts, bytes decode as UTF-8 with
// invalid bytes taken as Latin-1.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "platform/hoststring.h"

namespace ZYL_filesys::test {

inline std::vector<zyl::String> model_lines(const std::string& Bytes) {
  std::vector<zyl::String> lines;
  std::size_t pos = 0;
  while (pos < Bytes.size()) {
    std::size_t lf = Bytes.find('\n', pos);
    std::string line;
    if (lf == std::string::npos) {
      line = Bytes.substr(pos);
      pos = Bytes.size();
    } else {
      line = Bytes.substr(pos, lf - pos);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      pos = lf + 1;
    }
    lines.push_back(zyl::from_utf8(line));
  }
  return lines;
}

// Random bytes built from pieces that stress line ends and decoding: ASCII
// letters, blanks, CR, LF, CR LF, a 2-byte and a 4-byte UTF-8 character, a
// lone Latin-1 byte and a truncated UTF-8 sequence.
inline std::string random_text(std::mt19937& Rng, std::size_t Pieces) {
  static const char* const kPieces[] = {"a", "b", "Z", "x", " ", "\t", "\r", "\n", "\n", "\r\n",
                                        "\xC3\xA9", "\xF0\x9F\x98\x80", "\xE9", "\xE2\x82", "ab", "AB"};
  std::string s;
  for (std::size_t i = 0; i < Pieces; ++i) s += kPieces[Rng() % std::size(kPieces)];
  return s;
}

}  // namespace ZYL_filesys::test

// zyl words [FILE]: the words of a UTF-8 text with their counts, most
// frequent first (ties in order of first appearance), counted by a
// TStringAccu. A word is a run of letters and digits (A-Z, a-z, 0-9 and
// every character above code 127); words are lower-cased first.
#include <algorithm>
#include <numeric>

#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

bool is_word_char(zyl::Char c) { return zyl::IsLetter(c) || zyl::IsDigit(c) || c > 127; }

void count_words(const zyl::String& text, zyl::TStringAccu& acc) {
  const zyl::String lower = zyl::AnsiLowerCase(text);
  std::size_t i = 0;
  while (i < lower.size()) {
    while (i < lower.size() && !is_word_char(lower[i])) ++i;
    const std::size_t start = i;
    while (i < lower.size() && is_word_char(lower[i])) ++i;
    if (i > start) acc.Add(lower.substr(start, i - start));
  }
}

// Indices 1..Size() of the accumulator, most frequent first.
std::vector<std::int32_t> by_frequency(const zyl::TStringAccu& acc) {
  std::vector<std::int32_t> ix(static_cast<std::size_t>(acc.Size()));
  std::iota(ix.begin(), ix.end(), 1);
  std::stable_sort(ix.begin(), ix.end(), [&](std::int32_t a, std::int32_t b) { return acc.GetCount(a) > acc.GetCount(b); });
  return ix;
}

int run_words(Args& args) {
  const auto files = args.positional();
  if (files.size() > 1) throw UsageError("at most one FILE");
  set_binary_stdio();
  zyl::TStringAccu acc(nullptr);
  count_words(zyl::from_utf8(read_all(files.empty() ? "-" : files[0])), acc);
  std::string out;
  for (std::int32_t i : by_frequency(acc)) out += std::to_string(acc.GetCount(i)) + " " + zyl::to_utf8(acc.GetString(i)) + "\n";
  write_stdout(out);
  return 0;
}

const CommandRegistration reg{{"words", "[FILE]", "count the words of a text, most frequent first", run_words}};

}  // namespace
}  // namespace zyl_tool

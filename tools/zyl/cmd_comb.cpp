// zyl comb K N and zyl perm N: list the combinations of K values out of
// 1..N and the permutations of 1..N, one per line, as they are produced; and
// the combinatorics section of "zyl demo".
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

int parse_count(const std::string& text, const char* what) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < 1 || v > 255)
    throw UsageError(std::string(what) + " must be a whole number from 1 to 255");
  return static_cast<int>(v);
}

zyl::TCombination first(int count) {
  zyl::TCombination c{};
  c[0] = static_cast<std::uint8_t>(count);
  for (int i = 1; i <= count; ++i) c[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  return c;
}

std::string line_of(const zyl::TCombination& c) {
  std::string s;
  for (int i = 1; i <= c[0]; ++i) {
    if (i > 1) s += ' ';
    s += std::to_string(c[static_cast<std::size_t>(i)]);
  }
  return s + "\n";
}

// Writes each line as it is made, in blocks, so that nothing waits for the
// whole (possibly endless) listing.
template <class Step>
void stream_lines(zyl::TCombination c, Step step) {
  std::string out;
  do {
    out += line_of(c);
    if (out.size() >= 8192) {
      write_stdout(out);
      out.clear();
    }
  } while (step(c));
  write_stdout(out);
}

int run_comb(Args& args) {
  const auto a = args.positional();
  if (a.size() != 2) throw UsageError("needs K and N");
  const int k = parse_count(a[0], "K"), n = parse_count(a[1], "N");
  if (k > n) throw UsageError("K must not exceed N");
  stream_lines(first(k), [n](zyl::TCombination& c) { return zyl::NextCombination(c, n); });
  return 0;
}

int run_perm(Args& args) {
  const auto a = args.positional();
  if (a.size() != 1) throw UsageError("needs N");
  stream_lines(first(parse_count(a[0], "N")), [](zyl::TCombination& c) { return zyl::NextPermutation(c); });
  return 0;
}

void demo_combinatorics() {
  auto print_all = [](const char* title, zyl::TCombination c, auto step) {
    std::printf("%s:", title);
    int count = 0;
    do {
      std::string s = line_of(c);
      s.pop_back();
      std::printf(" (%s)", s.c_str());
      ++count;
    } while (step(c));
    std::printf("  [%d]\n", count);
  };
  print_all("combinations of 2 out of 1..4", first(2), [](zyl::TCombination& c) { return zyl::NextCombination(c, 4); });
  print_all("permutations of 1..3", first(3), [](zyl::TCombination& c) { return zyl::NextPermutation(c); });
  const std::vector<double> values = {1.0, 2.0, 3.0};
  const std::vector<std::int32_t> ints = {2147483647, -2147483647 - 1};
  std::printf("nearest to 2.5 in (1, 2, 3): index %d; nearest to -1 in (2147483647, -2147483648): index %d\n",
              zyl::IndexOfNearestArrayValue(2.5, values), zyl::IndexOfNearestArrayValue(-1, ints));
}

const CommandRegistration reg_comb{{"comb", "K N", "list the combinations of K values out of 1..N (N <= 255)", run_comb}};
const CommandRegistration reg_perm{{"perm", "N", "list the permutations of 1..N (N <= 255)", run_perm}};
const DemoRegistration demo{{58, "Data structures: combinations, permutations and nearest values", demo_combinatorics}};

}  // namespace
}  // namespace zyl_tool

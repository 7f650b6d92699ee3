// zyl scramble [-d] [--seed N] [FILE]: scramble (or descramble) the bytes of
// a file or standard input. Each byte is one character of code 0..255.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

// A 32-bit seed: -2147483648 .. 4294967295 (values above 2^31-1 are taken
// as their 32-bit pattern).
std::int32_t parse_seed(const std::string& text) {
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > static_cast<long long>(UINT32_MAX)) {
    throw UsageError("--seed needs a 32-bit integer, not '" + text + "'");
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

int run_scramble(Args& args) {
  const bool descramble = args.flag("-d");
  std::string seed_text;
  const std::int32_t seed = args.option("--seed", seed_text) ? parse_seed(seed_text) : zyl::kDefaultScrambleSeed;
  const auto files = args.positional();
  if (files.size() > 1) throw UsageError("at most one FILE");
  set_binary_stdio();
  Input in(files.empty() ? "-" : files[0]);
  zyl::InitScramble(seed);
  const zyl::String text = zyl::from_latin1(in.read_all());
  write_stdout(zyl::to_latin1(descramble ? zyl::DeScramble(text) : zyl::Scramble(text)));
  return 0;
}

const CommandRegistration reg{{"scramble", "[-d] [--seed N] [FILE]",
                               "scramble (or with -d descramble) the bytes of FILE or standard input", run_scramble}};

}  // namespace
}  // namespace zyl_tool

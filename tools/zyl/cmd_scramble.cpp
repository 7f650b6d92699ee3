// zyl scramble [-d] [--seed N] [FILE]: scramble (or descramble) the bytes of
// a file or standard input. Each byte is one character of code 0..255; the
// scrambler maps each character on its own through its table, so the input
// goes through in blocks of 64 KiB.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "command.h"
#include "io.h"
#include "streaminput.h"
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
  const auto in = open_input_stream(args.positional());
  zyl::InitScramble(seed);
  // The table Scramble (or DeScramble) maps each character through, read
  // off by mapping every code once.
  zyl::String codes(256, u'\0');
  for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = static_cast<zyl::Char>(i);
  const std::string table = zyl::to_latin1(descramble ? zyl::DeScramble(codes) : zyl::Scramble(codes));
  std::string block(1 << 16, '\0');
  for (std::size_t n; (n = read_some(*in, block.data(), block.size())) > 0;) {
    for (std::size_t i = 0; i < n; ++i) block[i] = static_cast<char>(table[static_cast<unsigned char>(block[i])]);
    write_stdout(block.data(), n);
  }
  return 0;
}

const CommandRegistration reg{{"scramble", "[-d] [--seed N] [FILE]",
                               "scramble (or with -d descramble) the bytes of FILE or standard input", run_scramble}};

}  // namespace
}  // namespace zyl_tool

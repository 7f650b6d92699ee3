// zyl password [-n LEN] [--mixed] [--special] [COUNT]: pronounceable
// passwords, one per line, from the system's secure random source.
#include <string>

#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

int parse_count(const std::string& Text, const char* What, int Max) {
  std::size_t used = 0;
  long value = -1;
  try {
    value = std::stol(Text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != Text.size() || value < 1 || value > Max)
    throw UsageError(std::string(What) + " must be a number from 1 to " + std::to_string(Max));
  return static_cast<int>(value);
}

int run_password(Args& args) {
  std::string length_text = "8";
  args.option("-n", length_text);
  const bool mixed = args.flag("--mixed");
  const bool special = args.flag("--special");
  const std::vector<std::string> rest = args.positional();
  if (rest.size() > 1) throw UsageError("password takes at most one COUNT");
  // Lengths outside 4..14 are taken to the nearest end, as the library does.
  const int length = parse_count(length_text, "LEN", 1000);
  const int count = rest.empty() ? 1 : parse_count(rest[0], "COUNT", 1000000);
  for (int i = 0; i < count; ++i) write_stdout(zyl::to_utf8(zyl::InventPassword(length, mixed, special)) + "\n");
  return 0;
}

const CommandRegistration reg{
    {"password", "[-n LEN] [--mixed] [--special] [COUNT]", "invent pronounceable passwords", run_password}};

}  // namespace
}  // namespace zyl_tool

// zyl marks [--size N] [--scale K] -o FILE.png
// Draws the 52 data-point marks and a few character marks, each in a cell
// labelled with its code, every pixel magnified K times.
#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "command.h"
#include "drawingsheet.h"

namespace zyl_tool {
namespace {

long parse_long(const std::string& option, const std::string& text, long lo, long hi) {
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno == ERANGE || v < lo || v > hi)
    throw UsageError(option + " needs an integer from " + std::to_string(lo) + " to " + std::to_string(hi) +
                     ", not '" + text + "'");
  return v;
}

int run_marks(Args& args) {
  std::string size_text = "2", scale_text = "8", out;
  args.option("--size", size_text);
  args.option("--scale", scale_text);
  if (!args.option("-o", out)) throw UsageError("-o FILE.png is required");
  if (!args.positional().empty()) throw UsageError("no arguments besides the options");
  const auto size = static_cast<std::int32_t>(parse_long("--size", size_text, 0, 255));
  const auto scale = static_cast<std::int32_t>(parse_long("--scale", scale_text, 1, 32));
  save_bitmap(out, *marks_sheet(sheet_codes(), size, scale));
  return 0;
}

const CommandRegistration reg{
    {"marks", "[--size N] [--scale K] -o FILE.png", "draw the 52 data-point marks, magnified, as a PNG sheet",
     run_marks}};

}  // namespace
}  // namespace zyl_tool

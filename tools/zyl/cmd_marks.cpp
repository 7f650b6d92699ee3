// zyl marks [--size N] [--scale K] -o FILE.png
// Draws the 52 data-point marks and a few character marks, each in a cell
// labelled with its code, every pixel magnified K times.
#include <string>
#include <vector>

#include "command.h"
#include "drawingsheet.h"

namespace zyl_tool {
namespace {

int run_marks(Args& args) {
  std::string size_text = "2", scale_text = "8", out;
  args.option("--size", size_text);
  args.option("--scale", scale_text);
  if (!args.option("-o", out)) throw UsageError("-o FILE.png is required");
  if (!args.positional().empty()) throw UsageError("no arguments besides the options");
  const auto size = static_cast<std::int32_t>(option_integer("--size", size_text, 0, 255));
  const auto scale = static_cast<std::int32_t>(option_integer("--scale", scale_text, 1, 32));
  save_bitmap(out, *marks_sheet(sheet_codes(), size, scale));
  return 0;
}

const CommandRegistration reg{
    {"marks", "[--size N] [--scale K] -o FILE.png", "draw the 52 data-point marks, magnified, as a PNG sheet",
     run_marks}};

}  // namespace
}  // namespace zyl_tool

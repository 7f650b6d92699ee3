// zyl gradient [--keys NAME|RRGGBB,RRGGBB,...] [--levels N] [--log GAMMA]
//              [--size N] [--height H] -o FILE.png
// Draws a colour array as a horizontal strip: one column per position.
#include <cstdlib>
#include <string>

#include "colorargs.h"
#include "colorpicture.h"
#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

double parse_gamma(const std::string& text) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(v >= 0 && v <= 1))
    throw UsageError("--log needs a number from 0 to 1, not '" + text + "'");
  return v;
}

int run_gradient(Args& args) {
  std::string keys_text = "Rainbow", levels_text = "0", size_text = "1000", height_text = "40", gamma_text, out;
  args.option("--keys", keys_text);
  args.option("--levels", levels_text);
  args.option("--size", size_text);
  args.option("--height", height_text);
  const bool log = args.option("--log", gamma_text);
  if (!args.option("-o", out)) throw UsageError("-o FILE.png is required");
  if (!args.positional().empty()) throw UsageError("no arguments besides the options");

  const std::vector<zyl::TColor> keys = parse_key_colors(keys_text);
  const auto levels = static_cast<std::int32_t>(option_integer("--levels", levels_text, 0, 1000000));
  const auto size = static_cast<std::int32_t>(option_integer("--size", size_text, 1, 65536));
  const auto height = static_cast<std::uint32_t>(option_integer("--height", height_text, 1, 4096));
  const double gamma = log ? parse_gamma(gamma_text) : 0;
  if (!zyl::platform::png_available()) throw zyl::platform::EPngError(u"PNG output not available in this build");

  zyl::TColorArray colors(nullptr);
  colors.Resize(size);
  colors.FillByInterpolation(levels, keys);
  if (log) colors.LogTransform(gamma);
  save_picture(out, gradient_strip(colors, height));
  return 0;
}

const CommandRegistration reg{
    {"gradient", "[--keys NAME|RRGGBB,RRGGBB,...] [--levels N] [--log GAMMA] [--size N] [--height H] -o FILE.png",
     "draw a colour gradient as a PNG strip", run_gradient}};

}  // namespace
}  // namespace zyl_tool

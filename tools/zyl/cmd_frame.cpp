// zyl frame [STYLE|all] [--scale K] -o FILE.png
// Draws frame styles side by side (all five drawing styles by default), each
// pixel magnified K times.
#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "command.h"
#include "drawingsheet.h"

namespace zyl_tool {
namespace {

std::vector<zyl::TFrameStyle> parse_styles(const std::vector<std::string>& words) {
  using zyl::TFrameStyle;
  if (words.size() > 1) throw UsageError("one frame style at most");
  if (words.empty() || words[0] == "all")
    return {TFrameStyle::fsSimple, TFrameStyle::fsLowered, TFrameStyle::fsRaised, TFrameStyle::fsEmbossed,
            TFrameStyle::fsEngraved};
  for (std::size_t i = 0; i < zyl::xmlFrameStyle.size(); ++i)
    if (zyl::from_utf8(words[0]) == zyl::xmlFrameStyle[i]) return {static_cast<TFrameStyle>(i)};
  throw UsageError("unknown frame style '" + words[0] +
                   "' (fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved or all)");
}

int run_frame(Args& args) {
  std::string scale_text = "6", out;
  args.option("--scale", scale_text);
  if (!args.option("-o", out)) throw UsageError("-o FILE.png is required");
  const std::vector<zyl::TFrameStyle> styles = parse_styles(args.positional());
  errno = 0;
  char* end = nullptr;
  const long scale = std::strtol(scale_text.c_str(), &end, 10);
  if (scale_text.empty() || *end != '\0' || errno == ERANGE || scale < 1 || scale > 32)
    throw UsageError("--scale needs an integer from 1 to 32, not '" + scale_text + "'");
  save_bitmap(out, *frames_sheet(styles, static_cast<std::int32_t>(scale)));
  return 0;
}

const CommandRegistration reg{{"frame", "[STYLE|all] [--scale K] -o FILE.png",
                               "draw frame styles side by side, magnified, as a PNG", run_frame}};

}  // namespace
}  // namespace zyl_tool

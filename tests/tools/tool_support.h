// Runs the zyl tool as a child process for the tool's tests, and the small
// helpers those tests share.
#pragma once

#include <cstdint>
#include <string>

#include "platform/events.h"
#include "platform/hoststring.h"
#include "platform/png.h"

namespace zyl::test {

struct ToolResult {
  int status = -1;    // exit status
  std::string out;    // standard output
  std::string err;    // standard error
};

// Runs `zyl <args>` with the given standard input (args are passed to the
// shell as written; quote them yourself). With a non-empty output, standard
// output goes to that file (out is then empty).
ToolResult run_tool(const std::string& args, const std::string& input = "", const std::string& output = "");

// The device whose every write fails for lack of space ("/dev/full"; under
// Wine the same device through drive Z:).
std::string full_device();

// A path as one single-quoted word of a run_tool command line.
std::string quoted(const String& path);

// The colour of pixel (x, y) of an RGB image.
TColor pixel(const platform::PngImage& img, std::uint32_t x, std::uint32_t y);

}  // namespace zyl::test

// Runs the zyl tool as a child process for the tool's tests.
#pragma once

#include <string>

namespace zyl::test {

struct ToolResult {
  int status = -1;    // exit status
  std::string out;    // standard output
  std::string err;    // standard error
};

// Runs `zyl <args>` with the given standard input (args are passed to the
// shell as written; quote them yourself).
ToolResult run_tool(const std::string& args, const std::string& input = "");

}  // namespace zyl::test

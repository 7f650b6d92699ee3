#include "tools/tool_support.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/tempdir.h"

namespace zyl::test {

ToolResult run_tool(const std::string& args, const std::string& input) {
  TempDir dir;
  const auto in = dir.path() / "stdin";
  const auto out = dir.path() / "stdout";
  const auto err = dir.path() / "stderr";
  write_file_bytes(in, input);
  const std::string cmd = std::string("'") + ZYL_TOOL_PATH + "' " + args + " <'" + in.string() + "' >'" +
                          out.string() + "' 2>'" + err.string() + "'";
  const int raw = std::system(cmd.c_str());
  ToolResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = read_file_bytes(out);
  r.err = read_file_bytes(err);
  return r;
}

}  // namespace zyl::test

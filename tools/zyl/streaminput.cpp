#include "streaminput.h"

#include "command.h"
#include "io.h"

namespace zyl_tool {

std::unique_ptr<zyl::TStream> open_input_stream(const std::vector<std::string>& arguments) {
  const std::vector<std::string> files = expand_files(arguments);
  if (files.size() > 1) throw UsageError("at most one FILE");
  return open_input(files.empty() ? "-" : files[0]);
}

}  // namespace zyl_tool

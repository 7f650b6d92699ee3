// The input of the commands that take at most one FILE, as a zyl stream.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/stream.h"

namespace zyl_tool {

// files holds the command's positional arguments: none (standard input) or
// one (see open_input). Raises UsageError for more than one.
std::unique_ptr<zyl::TStream> open_input_stream(const std::vector<std::string>& files);

}  // namespace zyl_tool

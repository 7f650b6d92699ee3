// The input of the commands that take at most one FILE, as a zyl stream.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/stream.h"

namespace zyl_tool {

// arguments holds the command's positional arguments: none (standard input)
// or one FILE (see open_input; wildcards expanded as expand_files does).
// Raises UsageError for more than one file.
std::unique_ptr<zyl::TStream> open_input_stream(const std::vector<std::string>& arguments);

}  // namespace zyl_tool

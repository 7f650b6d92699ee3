// The input of the stream commands as a zyl stream: a named file as a file
// stream, standard input ("-" or none) read whole into a memory stream.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/stream.h"

namespace zyl_tool {

// files holds the command's positional arguments: none or one. Raises
// UsageError for more than one, std::runtime_error when the file cannot be
// opened.
std::unique_ptr<zyl::TStream> open_input_stream(const std::vector<std::string>& files);

}  // namespace zyl_tool

// The listing shared by the checksum commands (crc16, crc32, sha1, sha256,
// ...): one line per input, "<HEX>  <name>" (escaped as checklist.h says when
// the name holds a line break, or on POSIX a backslash), standard input when no file is
// named ("-" is standard input too). An input that cannot be read is reported on standard
// error as "zyl COMMAND: <reason>"; the others are still listed, and the
// status is then 1.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zyl_tool {

// sum(name) returns the upper-case hexadecimal value of one input ("-" is
// standard input) or raises std::exception when it cannot be read.
int list_checksums(const std::vector<std::string>& files, const std::function<std::string(const std::string&)>& sum);

// Reads an input ("-" = standard input) in blocks, calling take(p, n); take
// may change the block in place.
void for_each_block(const std::string& name, const std::function<void(std::uint8_t*, std::size_t)>& take);

// v as `digits` upper-case hexadecimal digits.
std::string hex_digits(std::uint32_t v, int digits);

}  // namespace zyl_tool

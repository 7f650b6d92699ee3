// The lines of a digest listing as the coreutils checkers (sha256sum -c and
// its siblings) read and write them:
//
//   HEX  NAME       text mode            HEX *NAME   binary mode (the same here)
//   \HEX  NA\\ME    a name holding a backslash, LF or CR, escaped as \\, \n and \r
//   SHA256 (NAME) = HEX                  the tagged (BSD) form
//
// Digits may be of either case. A line's trailing CR is not part of it.
// Kept free of I/O so that it can be fuzzed on its own.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zyl_tool {

struct CheckEntry {
  std::string hex;   // as written in the line
  std::string name;  // unescaped
};

// The entry a line names, or nothing when the line is not a well-formed
// listing line for a digest of hex_len digits whose tag is `tag` ("SHA256").
std::optional<CheckEntry> parse_check_line(std::string_view line, std::string_view tag, std::size_t hex_len);

// The listing line (without line end) for a digest of the named input;
// parse_check_line gives name back. Where the backslash separates the parts
// of a path (backslash_paths, Windows), it is not escaped: only a name with
// a line break, which Windows names cannot hold, is written escaped.
std::string format_check_line(std::string_view hex, std::string_view name, bool backslash_paths);

// The name as the checkers print it in "NAME: OK": as it is, unless it
// holds a line break (LF or CR); then escaped and prefixed with a backslash.
std::string display_name(std::string_view name);

// True when a and b are the same hexadecimal digits, ignoring case.
bool same_hex(std::string_view a, std::string_view b);

}  // namespace zyl_tool

// Byte input and output for the zyl tool's commands.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/stream.h"

namespace zyl_tool {

// Opens one input as a stream, once: "-" is standard input (read as it
// goes, see stdinstream.h); any other argument, the empty one included, is
// a file name that reaches the file system exactly as given. Files are
// opened sharing reading and writing, so a file that another program is
// writing can be read. Raises std::runtime_error "cannot open NAME: reason".
// A read error later raises zyl::EReadError.
std::unique_ptr<zyl::TStream> open_input(const std::string& name);

// The FILE arguments with wildcards expanded where the shell leaves that to
// the program (Windows; see platform::expand_file_argument). "-" stays.
std::vector<std::string> expand_files(const std::vector<std::string>& args);

// Reads up to n bytes from an input; fewer only at its end.
std::size_t read_some(zyl::TStream& in, void* buffer, std::size_t n);

// The whole of an input (opened as open_input does), for commands whose
// library function works on a complete text (a template, a table).
std::string read_all(const std::string& name);

// Writes bytes to standard output; raises std::runtime_error on failure.
void write_stdout(const void* data, std::size_t n);
inline void write_stdout(const std::string& s) { write_stdout(s.data(), s.size()); }

// Flushes standard output; raises std::runtime_error when anything written
// to it failed (also a failure the C run time only recorded in its error flag).
void finish_stdout();

// Switches standard input and output to binary mode where the OS has a text mode.
void set_binary_stdio();

}  // namespace zyl_tool

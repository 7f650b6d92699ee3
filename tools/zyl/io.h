// Byte input and output for the zyl tool's commands.
#pragma once

#include <cstdio>
#include <string>

namespace zyl_tool {

// An input file opened for binary reading ("-" or empty: standard input).
// Raises std::runtime_error "cannot open FILE: reason" when it cannot open.
class Input {
 public:
  explicit Input(const std::string& name);
  ~Input();
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  // Reads up to n bytes; returns how many (0 at the end). Raises on error.
  std::size_t read(void* buffer, std::size_t n);
  // Reads everything that is left.
  std::string read_all();
  const std::string& name() const { return FName; }

 private:
  std::string FName;
  std::FILE* FFile;
  bool FOwned;
};

// Writes bytes to standard output; raises std::runtime_error on failure.
void write_stdout(const void* data, std::size_t n);
inline void write_stdout(const std::string& s) { write_stdout(s.data(), s.size()); }

// Switches standard input and output to binary mode where the OS has a text mode.
void set_binary_stdio();

}  // namespace zyl_tool

#include "io.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "platform/program.h"

namespace zyl_tool {

Input::Input(const std::string& name) : FName(name.empty() ? "-" : name) {
  if (FName == "-") {
    FFile = stdin;
    FOwned = false;
    return;
  }
  FFile = zyl::platform::open_binary_read(FName);
  if (FFile == nullptr) throw std::runtime_error("cannot open " + FName + ": " + std::strerror(errno));
  FOwned = true;
}

Input::~Input() {
  if (FOwned) std::fclose(FFile);
}

std::size_t Input::read(void* buffer, std::size_t n) {
  const std::size_t got = std::fread(buffer, 1, n, FFile);
  if (got < n && std::ferror(FFile)) throw std::runtime_error("cannot read " + FName + ": " + std::strerror(errno));
  return got;
}

std::string Input::read_all() {
  std::string out;
  char buf[65536];
  for (std::size_t n; (n = read(buf, sizeof buf)) > 0;) out.append(buf, n);
  return out;
}

void write_stdout(const void* data, std::size_t n) {
  if (n > 0 && std::fwrite(data, 1, n, stdout) != n) throw std::runtime_error("cannot write to standard output");
}

void set_binary_stdio() { zyl::platform::set_binary_stdio(); }

}  // namespace zyl_tool

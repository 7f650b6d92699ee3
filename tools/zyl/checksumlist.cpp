#include "checksumlist.h"

#include <cstdio>
#include <exception>
#include <vector>

#include "checklist.h"
#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {

int list_checksums(const std::vector<std::string>& files, const std::function<std::string(const std::string&)>& sum) {
  const std::vector<std::string> names = files.empty() ? std::vector<std::string>{"-"} : expand_files(files);
  int status = 0;
  for (const std::string& name : names) {
    try {
      const std::string line = format_check_line(sum(name), name, zyl::PathDelim == u'\\') + "\n";
      write_stdout(line);
    } catch (const std::exception& e) {
      report_error(e.what());
      status = 1;
    }
  }
  return status;
}

void for_each_block(const std::string& name, const std::function<void(std::uint8_t*, std::size_t)>& take) {
  const auto in = open_input(name);
  std::vector<std::uint8_t> block(1 << 16);
  for (std::size_t n; (n = read_some(*in, block.data(), block.size())) > 0;) take(block.data(), n);
}

std::string hex_digits(std::uint32_t v, int digits) {
  static const char* const kHex = "0123456789ABCDEF";
  std::string s(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, v >>= 4) s[static_cast<std::size_t>(i)] = kHex[v & 15];
  return s;
}

}  // namespace zyl_tool

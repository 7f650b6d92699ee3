#include "io.h"

#include <algorithm>
#include <stdexcept>

#include "platform/exceptions.h"
#include "platform/filestream.h"
#include "platform/program.h"
#include "stdinstream.h"

namespace zyl_tool {
namespace {

// The OS reason of a file stream's open error, whose message is
// Cannot open file "<name>". <reason>
std::string open_failure_reason(const zyl::EFOpenError& e, const zyl::String& name) {
  const zyl::String prefix = u"Cannot open file \"" + name + u"\". ";
  const zyl::String& text = e.Message();
  return zyl::to_utf8(text.rfind(prefix, 0) == 0 ? text.substr(prefix.size()) : text);
}

}  // namespace

std::unique_ptr<zyl::TStream> open_input(const std::string& name) {
  if (name == "-") return std::make_unique<StdinStream>();
  const zyl::String file = zyl::platform::argument_file_name(name);
  try {
    return std::make_unique<zyl::TFileStream>(file, zyl::fmOpenRead | zyl::fmShareDenyNone);
  } catch (const zyl::EFOpenError& e) {
    throw std::runtime_error("cannot open " + name + ": " + open_failure_reason(e, file));
  }
}

std::vector<std::string> expand_files(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  for (const std::string& a : args) {
    if (a == "-") {
      files.push_back(a);
      continue;
    }
    const std::vector<std::string> matches = zyl::platform::expand_file_argument(a);
    files.insert(files.end(), matches.begin(), matches.end());
  }
  return files;
}

std::size_t read_some(zyl::TStream& in, void* buffer, std::size_t n) {
  return static_cast<std::size_t>(std::max(0, in.Read(buffer, static_cast<std::int32_t>(n))));
}

void write_stdout(const void* data, std::size_t n) {
  if (n > 0 && (std::fwrite(data, 1, n, stdout) != n || std::ferror(stdout)))
    throw std::runtime_error("cannot write to standard output");
}

void finish_stdout() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) throw std::runtime_error("cannot write to standard output");
}

void set_binary_stdio() { zyl::platform::set_binary_stdio(); }

std::string read_all(const std::string& name) {
  const std::unique_ptr<zyl::TStream> in = open_input(name);
  std::string text;
  char block[1 << 16];
  for (std::size_t n; (n = read_some(*in, block, sizeof block)) > 0;) text.append(block, n);
  return text;
}

}  // namespace zyl_tool

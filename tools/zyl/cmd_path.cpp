// zyl path OPERATION PATH...: the path and file-name functions from the
// command line, one result per line.
#include <cerrno>
#include <cstdlib>
#include <string>

#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::int32_t parse_length(const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || v < INT32_MIN || v > INT32_MAX)
    throw UsageError("abridge needs a length, not '" + text + "'");
  return static_cast<std::int32_t>(v);
}

std::string yes_no(bool b) { return b ? "yes" : "no"; }

// The result of Operation for one path, as printed.
std::string apply(const std::string& operation, std::int32_t length, const zyl::String& path) {
  if (operation == "strip-ext") return zyl::to_utf8(zyl::StripExtension(path));
  if (operation == "strip-path") return zyl::to_utf8(zyl::StripPath(path));
  if (operation == "parent") return zyl::to_utf8(zyl::ParentDir(path));
  if (operation == "drive") return std::to_string(zyl::ExtractDrive(path));
  if (operation == "abridge") return zyl::to_utf8(zyl::AbridgeFilePath(path, length));
  if (operation == "valid") return yes_no(zyl::IsValidFileName(path));
  if (operation == "fix") return zyl::to_utf8(zyl::ReplaceInvalidFileNameChars(path, u'_'));
  if (operation == "83") return yes_no(zyl::IsDOS83Path(path));
  throw UsageError("unknown operation '" + operation + "'");
}

int run_path(Args& args) {
  auto rest = args.positional();
  if (rest.empty()) throw UsageError("an operation is needed");
  const std::string operation = rest.front();
  rest.erase(rest.begin());
  std::int32_t length = 0;
  if (operation == "abridge") {
    if (rest.empty()) throw UsageError("abridge needs a length");
    length = parse_length(rest.front());
    rest.erase(rest.begin());
  }
  if (rest.empty()) throw UsageError("a PATH is needed");
  std::string out;
  for (const std::string& p : rest) out += apply(operation, length, zyl::from_utf8(p)) + "\n";
  write_stdout(out);
  return 0;
}

const CommandRegistration reg{
    {"path", "(strip-ext|strip-path|parent|drive|abridge N|valid|fix|83) PATH...",
     "take apart, shorten or check path and file names (fix replaces forbidden characters with _)", run_path}};

}  // namespace
}  // namespace zyl_tool

// zyl tail, zyl crlf, zyl texttype: the text-file utilities from the command
// line.
#include <cerrno>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "command.h"
#include "io.h"
#include "zyl.h"
#include "platform/program.h"

namespace zyl_tool {
namespace {

const char* type_name(zyl::TTextfileType t) {
  switch (t) {
    case zyl::TTextfileType::tftUnicode_le: return "tftUnicode_le";
    case zyl::TTextfileType::tftUnicode_be: return "tftUnicode_be";
    case zyl::TTextfileType::tftUnicode4_le: return "tftUnicode4_le";
    case zyl::TTextfileType::tftUnicode4_be: return "tftUnicode4_be";
    case zyl::TTextfileType::tftRTF: return "tftRTF";
    case zyl::TTextfileType::tftUTF8: return "tftUTF8";
    case zyl::TTextfileType::tftUnknown: break;
  }
  return "tftUnknown";
}

std::int32_t parse_count(const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || v < 0 || v > INT32_MAX)
    throw UsageError("-n needs a number of lines, not '" + text + "'");
  return static_cast<std::int32_t>(v);
}

// The last N lines of FILE (10 by default), each ended by LF. The lines are
// counted first, so a large N asks for no more room than the file's lines.
int run_tail(Args& args) {
  std::string count_text;
  const bool with_count = args.option("-n", count_text);
  const auto files = args.positional();
  if (files.size() != 1) throw UsageError("exactly one FILE is needed");
  const zyl::String name = zyl::platform::argument_file_name(files[0]);
  const std::int32_t wanted = with_count ? parse_count(count_text) : 10;
  const std::int32_t n = std::min(wanted, zyl::CountLinesInTextFile(name, nullptr));
  std::int32_t lines = 0;
  const zyl::TStrArray last = zyl::ReadLastNLinesOfTextFile(name, n, lines);
  // Entries before the file's first line (when it shrank meanwhile) are fillers.
  const std::size_t fillers = last.size() - std::min<std::size_t>(last.size(), static_cast<std::size_t>(lines));
  std::string out;
  for (std::size_t i = fillers; i < last.size(); ++i) out += zyl::to_utf8(last[i]) + "\n";
  write_stdout(out);
  return 0;
}

int run_crlf(Args& args) {
  const auto files = args.positional();
  if (files.empty() || files.size() > 2) throw UsageError("IN and an optional OUT are needed");
  const zyl::String in = zyl::platform::argument_file_name(files[0]);
  zyl::EnsureCRLFInFile(in, files.size() == 2 ? zyl::platform::argument_file_name(files[1]) : in);
  return 0;
}

int run_texttype(Args& args) {
  const auto files = args.positional();
  if (files.empty()) throw UsageError("a FILE is needed");
  std::string out;
  for (const std::string& f : files) out += f + ": " + type_name(zyl::CheckTextFileType(zyl::platform::argument_file_name(f))) + "\n";
  write_stdout(out);
  return 0;
}

const CommandRegistration tail_reg{{"tail", "[-n N] FILE", "print the last N lines of FILE (10 by default)", run_tail}};
const CommandRegistration crlf_reg{
    {"crlf", "IN [OUT]", "end every CR with CR LF, into OUT or in place (IN rewritten safely)", run_crlf}};
const CommandRegistration texttype_reg{
    {"texttype", "FILE...", "print each FILE's encoding as told by its byte-order mark", run_texttype}};

}  // namespace
}  // namespace zyl_tool

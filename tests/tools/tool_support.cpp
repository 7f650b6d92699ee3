#include "tools/tool_support.h"

#include <cstdlib>
#include <vector>

#include "platform/os.h"
#include "support/tempdir.h"

namespace zyl::test {
namespace {

constexpr bool kWindows = platform::kOsFamily == platform::OsFamily::Windows;

// Splits arguments written for a POSIX shell: blanks separate words,
// '...' and "..." quote literally, a backslash outside quotes escapes the
// next character.
std::vector<std::string> split_shell_words(const std::string& Args) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  for (std::size_t i = 0; i < Args.size(); ++i) {
    const char c = Args[i];
    if (c == ' ' || c == '\t') {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
      continue;
    }
    in_word = true;
    if (c == '\'' || c == '"') {
      const std::size_t close = Args.find(c, i + 1);
      const std::size_t end = close == std::string::npos ? Args.size() : close;
      word.append(Args, i + 1, end - i - 1);
      i = end;
    } else if (c == '\\' && i + 1 < Args.size()) {
      word += Args[++i];
    } else {
      word += c;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

// One argument quoted for a Windows command line, so that the C run time's
// parser gives it back unchanged: backslashes are literal except before a
// quote, where they and the quote are escaped.
std::string windows_quote(const std::string& Arg) {
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (const char c : Arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, '\\');
  return out + "\"";
}

std::string native_path(std::string Path) {
  if constexpr (kWindows) {
    for (char& c : Path)
      if (c == '/') c = '\\';
  }
  return Path;
}

// cmd.exe: every word in double quotes (which also keeps | < > ^ & as text),
// and the whole line in one more pair, which /c strips.
std::string windows_command_line(const std::string& Args, const std::string& In, const std::string& Out,
                                 const std::string& Err) {
  std::string cmd = windows_quote(native_path(ZYL_TOOL_PATH));
  for (const std::string& w : split_shell_words(Args)) cmd += " " + windows_quote(w);
  cmd += " <" + windows_quote(In) + " >" + windows_quote(Out) + " 2>" + windows_quote(Err);
  return "\"" + cmd + "\"";
}

std::string posix_command_line(const std::string& Args, const std::string& In, const std::string& Out,
                               const std::string& Err) {
  return std::string("'") + ZYL_TOOL_PATH + "' " + Args + " <'" + In + "' >'" + Out + "' 2>'" + Err + "'";
}

// Both forms are compiled on every system (so each compiler checks both).
std::string command_line(const std::string& Args, const std::string& In, const std::string& Out,
                         const std::string& Err) {
  return kWindows ? windows_command_line(Args, In, Out, Err) : posix_command_line(Args, In, Out, Err);
}

// std::system returns the exit code itself on Windows and a wait status on
// POSIX (exit code in bits 8-15, low 7 bits zero for a normal exit).
int exit_status(int Raw) {
  if constexpr (kWindows) return Raw;
  return (Raw & 0x7F) == 0 ? (Raw >> 8) & 0xFF : -1;
}

}  // namespace

ToolResult run_tool(const std::string& args, const std::string& input, const std::string& output) {
  TempDir dir;
  const auto in = dir.path() / "stdin";
  const auto out = dir.path() / "stdout";
  const auto err = dir.path() / "stderr";
  write_file_bytes(in, input);
  const std::string cmd = command_line(args, in.string(), output.empty() ? out.string() : output, err.string());
  ToolResult r;
  r.status = exit_status(std::system(cmd.c_str()));
  if (output.empty()) r.out = read_file_bytes(out);
  r.err = read_file_bytes(err);
  return r;
}

std::string full_device() { return kWindows ? "Z:\\dev\\full" : "/dev/full"; }

std::string quoted(const String& path) { return "'" + to_utf8(path) + "'"; }

TColor pixel(const platform::PngImage& img, std::uint32_t x, std::uint32_t y) {
  const std::size_t at = (std::size_t{y} * img.Width + x) * 3;
  return img.Pixels[at] | img.Pixels[at + 1] << 8 | img.Pixels[at + 2] << 16;
}

}  // namespace zyl::test

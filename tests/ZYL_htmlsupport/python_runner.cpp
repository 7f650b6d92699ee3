#include "ZYL_htmlsupport/python_runner.h"

#include <cstdlib>

#include "platform/os.h"
#include "support/tempdir.h"

namespace zyl::test {
namespace {

constexpr bool kWindows = platform::kOsFamily == platform::OsFamily::Windows;

// The system's interpreter, not one earlier on PATH (a private Python
// install lacks the Debian modules). Under Wine the Linux file system is
// drive Z:.
std::string python_path() { return kWindows ? "Z:\\usr\\bin\\python3" : "/usr/bin/python3"; }

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

std::string hex(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(2 * bytes.size());
  for (const char c : bytes) {
    out += kDigits[static_cast<unsigned char>(c) >> 4];
    out += kDigits[static_cast<unsigned char>(c) & 15];
  }
  return out;
}

}  // namespace

std::optional<std::string> run_python(const std::string& Script, const std::string& Input) {
  TempDir dir;
  // The script comes on standard input ("python3 -"), so only the shell has
  // to open files: under Wine, python could not open a Windows path.
  const auto script = dir.path() / "check.py";
  const auto out = dir.path() / "out.txt";
  const auto err = dir.path() / "err.txt";
  write_file_bytes(script, "INPUT = bytes.fromhex('" + hex(Input) + "')\n" + Script);
  std::string cmd = quoted(python_path()) + " - <" + quoted(script.string()) + " >" + quoted(out.string()) + " 2>" +
                    quoted(err.string());
  if (kWindows) cmd = "\"" + cmd + "\"";  // cmd.exe /c strips one outer pair
  const int raw = std::system(cmd.c_str());
  const int status = kWindows ? raw : ((raw & 0x7F) == 0 ? (raw >> 8) & 0xFF : -1);
  const std::string output = std::filesystem::exists(out) ? read_file_bytes(out) : std::string();
  const std::string error = std::filesystem::exists(err) ? read_file_bytes(err) : std::string();
  if (status == 0) return output;
  // The shell's "not found" (127 on POSIX; cmd.exe writes no Python traceback).
  if (status == 127 || (kWindows && error.find("Traceback") == std::string::npos)) return std::nullopt;
  return output + "\nEXIT " + std::to_string(status) + "\n" + error;
}

}  // namespace zyl::test

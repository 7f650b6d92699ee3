// The zyl tool's command registry. Each command lives in its own source file
// and registers itself with a static CommandRegistration:
//
//   int run_rle(Args& args);
//   const CommandRegistration reg{{"rle", "[-d] [FILE]", "run-length encode or decode", run_rle}};
//
// A command returns the process exit status. Usage errors are reported by
// throwing UsageError, which main() prints as "zyl COMMAND: <message>" with
// status 2; any other exception is printed the same way with status 1 (or
// the command's own error status, see Command::error_status).
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace zyl_tool {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The command's arguments (without the program and command names) and a
// small parser over them. "--" ends the options: everything after it is
// positional, also words starting with "-".
class Args {
 public:
  explicit Args(std::vector<std::string> a);

  // Removes "-x" / "--long" if present; true when it was.
  bool flag(const std::string& name);
  // Removes "--name VALUE" (or "--name=VALUE") if present and returns VALUE.
  bool option(const std::string& name, std::string& value);
  // The remaining arguments; raises UsageError on a leftover "-..." option
  // before "--" (a lone "-" means standard input and is kept).
  std::vector<std::string> positional() const;

 private:
  std::vector<std::string> FArgs;   // before "--"
  std::vector<std::string> FAfter;  // after "--"
};

// The integer an option's value spells, from Lo to Hi; raises UsageError
// naming the option otherwise ("--size needs an integer from 1 to 9, not 'x'").
long option_integer(const std::string& option, const std::string& text, long lo, long hi);

// Prints "zyl COMMAND: message" on standard error (after what standard
// output holds so far), COMMAND being the command that runs.
void report_error(const std::string& message);

struct Command {
  const char* name;
  const char* usage;    // arguments, shown after "zyl <name> "
  const char* summary;  // one line for --help
  int (*run)(Args& args);
  int error_status = 1;  // the status of a failure (grep's is 2)
};

struct CommandRegistration {
  explicit CommandRegistration(Command c);
};

const std::vector<Command>& commands();

// One section of "zyl demo": sections print in ascending order.
struct DemoSection {
  int order;
  const char* title;
  void (*run)();
};

struct DemoRegistration {
  explicit DemoRegistration(DemoSection s);
};

std::vector<DemoSection> demo_sections();

// The program's own name as it was started (argument 0), for commands that
// put files beside the program.
const std::string& program_path();

}  // namespace zyl_tool

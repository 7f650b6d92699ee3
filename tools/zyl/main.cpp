// zyl: the package's command-line tool.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

#include "command.h"
#include "io.h"
#include "platform/program.h"
#include "zyl.h"

#ifndef ZYL_VERSION
#define ZYL_VERSION "0"
#endif

namespace zyl_tool {
namespace {

std::vector<Command>& registry() {
  static std::vector<Command> r;
  return r;
}

std::vector<DemoSection>& demo_registry() {
  static std::vector<DemoSection> r;
  return r;
}

std::string& program_path_storage() {
  static std::string path;
  return path;
}

void print_help() {
  std::printf("usage: zyl COMMAND [ARGS...]\n\ncommands:\n");
  std::vector<Command> sorted = commands();
  std::sort(sorted.begin(), sorted.end(),
            [](const Command& a, const Command& b) { return std::string(a.name) < b.name; });
  for (const Command& c : sorted) {
    const std::string synopsis = std::string(c.name) + " " + c.usage;
    std::printf("  %-40s %s\n", synopsis.c_str(), c.summary);
  }
  std::printf("\noptions:\n  %-40s %s\n  %-40s %s\n", "--help", "show this help", "--version",
              "show the version");
}

}  // namespace

CommandRegistration::CommandRegistration(Command c) { registry().push_back(c); }
const std::vector<Command>& commands() { return registry(); }

const std::string& program_path() { return program_path_storage(); }

DemoRegistration::DemoRegistration(DemoSection s) { demo_registry().push_back(s); }
std::vector<DemoSection> demo_sections() {
  std::vector<DemoSection> s = demo_registry();
  std::stable_sort(s.begin(), s.end(), [](const DemoSection& a, const DemoSection& b) { return a.order < b.order; });
  return s;
}

Args::Args(std::vector<std::string> a) {
  const auto end = std::find(a.begin(), a.end(), "--");
  FArgs.assign(a.begin(), end);
  if (end != a.end()) FAfter.assign(end + 1, a.end());
}

bool Args::flag(const std::string& name) {
  const auto it = std::find(FArgs.begin(), FArgs.end(), name);
  if (it == FArgs.end()) return false;
  FArgs.erase(it);
  return true;
}

bool Args::option(const std::string& name, std::string& value) {
  for (auto it = FArgs.begin(); it != FArgs.end(); ++it) {
    if (*it == name) {
      if (it + 1 == FArgs.end()) throw UsageError("option " + name + " needs a value");
      value = *(it + 1);
      FArgs.erase(it, it + 2);
      return true;
    }
    if (it->rfind(name + "=", 0) == 0) {
      value = it->substr(name.size() + 1);
      FArgs.erase(it);
      return true;
    }
  }
  return false;
}

std::vector<std::string> Args::positional() const {
  for (const std::string& a : FArgs)
    if (a.size() > 1 && a[0] == '-') throw UsageError("unknown option " + a);
  std::vector<std::string> all = FArgs;
  all.insert(all.end(), FAfter.begin(), FAfter.end());
  return all;
}

namespace {
const char* running_command = "";
}

long option_integer(const std::string& option, const std::string& text, long lo, long hi) {
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno == ERANGE || v < lo || v > hi)
    throw UsageError(option + " needs an integer from " + std::to_string(lo) + " to " + std::to_string(hi) +
                     ", not '" + text + "'");
  return v;
}

void report_error(const std::string& message) {
  std::fflush(stdout);
  std::fprintf(stderr, "zyl %s: %s\n", running_command, message.c_str());
}

namespace {

int run_demo(Args& args) {
  if (!args.positional().empty()) throw UsageError("demo takes no arguments");
  std::printf("zyl %s: a tour of the library on built-in sample data\n", ZYL_VERSION);
  for (const DemoSection& s : demo_sections()) {
    std::printf("\n== %s ==\n", s.title);
    s.run();
  }
  return 0;
}

const CommandRegistration demo_reg{{"demo", "", "tour every module on built-in sample data", run_demo}};

// Runs a command and turns every failure into its message and exit status.
int run_command(const Command& c, Args& args) {
  running_command = c.name;
  try {
    const int status = c.run(args);
    finish_stdout();
    return status;
  } catch (const UsageError& e) {
    report_error(e.what());
    std::fprintf(stderr, "usage: zyl %s %s\n", c.name, c.usage);
    return 2;
  } catch (const std::bad_alloc&) {
    report_error("out of memory");
    return c.error_status;
  } catch (const std::exception& e) {
    report_error(e.what());
    return c.error_status;
  }
}

// Prints help or the version; status 1 with a message when standard output
// cannot take it.
int print_info(void (*print)()) {
  print();
  try {
    finish_stdout();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zyl: %s\n", e.what());
    return 1;
  }
}

void print_version() { std::printf("zyl %s\n", ZYL_VERSION); }

}  // namespace
}  // namespace zyl_tool

int main(int argc, char** argv) {
  using namespace zyl_tool;
  set_binary_stdio();
  const std::vector<std::string> argument = zyl::platform::program_arguments(argc, argv);
  if (!argument.empty()) program_path_storage() = argument[0];
  if (argument.size() < 2) {
    print_help();
    return 2;
  }
  const std::string name = argument[1];
  if (name == "--help" || name == "-h" || name == "help") return print_info(print_help);
  if (name == "--version") return print_info(print_version);
  const auto& cmds = commands();
  const auto it = std::find_if(cmds.begin(), cmds.end(), [&](const Command& c) { return name == c.name; });
  if (it == cmds.end()) {
    std::fprintf(stderr, "zyl: unknown command '%s' (try zyl --help)\n", name.c_str());
    return 2;
  }
  Args args(std::vector<std::string>(argument.begin() + 2, argument.end()));
  return run_command(*it, args);
}

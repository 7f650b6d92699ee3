// zyl grep [-i] [-n] [--list] REGEX [FILE...]: prints the lines of the files
// (or standard input) in which the regular expression matches, with -n their
// numbers; --list prints the compiled expression's token listing instead.
// Lines are read as bytes, each byte one character (the expression too, so
// UTF-8 text and UTF-8 expressions match byte for byte); a CR before the LF
// is not part of the line the expression sees. Exit status as grep's: 0
// when a line was printed, 1 when none matched, 2 for an invalid expression
// or a file that cannot be read.
#include <cstdio>
#include <filesystem>
#include <random>

#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

zyl::String bytes_to_chars(const char* begin, const char* end, zyl::String& out) {
  out.resize(static_cast<std::size_t>(end - begin));
  for (std::size_t i = 0; begin + i < end; ++i) out[i] = static_cast<unsigned char>(begin[i]);
  return out;
}

// The listing PrintRegExp writes, passed through a temporary file.
std::string listing(zyl::TGrep& grep) {
  std::random_device rd;
  const auto path = std::filesystem::temp_directory_path() /
                    ("zyl-grep-" + std::to_string(rd()) + "-" + std::to_string(rd()) + ".txt");
  grep.PrintRegExp(zyl::from_utf8(path.string()));
  std::string text;
  {
    Input in(path.string());
    text = in.read_all();
  }
  std::error_code ec;
  std::filesystem::remove(path, ec);
  return text;
}

// Prints the matching lines of one input; true when any matched.
bool search(zyl::TGrep& grep, Input& in, const std::string& prefix, bool numbers) {
  const std::string data = in.read_all();
  std::string out;
  zyl::String line;
  bool any = false;
  long long number = 0;
  for (std::size_t start = 0; start < data.size();) {
    std::size_t stop = data.find('\n', start);
    const std::size_t next = stop == std::string::npos ? data.size() : stop + 1;
    if (stop == std::string::npos) stop = data.size();
    ++number;
    const std::size_t visible = stop > start && data[stop - 1] == '\r' ? stop - 1 : stop;
    int pos = 0;
    if (grep.MatchString(bytes_to_chars(data.data() + start, data.data() + visible, line), pos)) {
      any = true;
      out += prefix;
      if (numbers) out += std::to_string(number) + ":";
      out.append(data, start, stop - start);
      out += '\n';
      if (out.size() >= (1u << 16)) {
        write_stdout(out);
        out.clear();
      }
    }
    start = next;
  }
  write_stdout(out);
  return any;
}

int run_grep(Args& args) {
  const bool ignore_case = args.flag("-i");
  const bool numbers = args.flag("-n");
  const bool list = args.flag("--list");
  auto rest = args.positional();
  if (rest.empty()) throw UsageError("missing REGEX");
  const std::string expr = rest.front();
  rest.erase(rest.begin());

  zyl::TGrep grep(nullptr);
  grep.SetName(u"grep");
  grep.SetIgnoreCase(ignore_case);
  zyl::String error;
  try {
    grep.SetRegExp(zyl::from_latin1(expr));
  } catch (const ZYL_zylbase::EZYLStringlError& e) {
    error = e.Message();
  }
  if (list) write_stdout(listing(grep));
  if (!error.empty()) {
    std::fprintf(stderr, "zyl grep: %s\n", zyl::to_utf8(error).c_str());
    return 2;
  }
  if (list) return 0;

  if (rest.empty()) rest.push_back("-");
  bool any = false, failed = false;
  for (const std::string& name : rest) {
    try {
      Input in(name);
      any |= search(grep, in, rest.size() > 1 ? (name == "-" ? "(standard input)" : name) + ":" : "", numbers);
    } catch (const std::runtime_error& e) {
      std::fprintf(stderr, "zyl grep: %s\n", e.what());
      failed = true;
    }
  }
  return failed ? 2 : any ? 0 : 1;
}

void demo_grep() {
  zyl::TGrep grep(nullptr);
  grep.SetName(u"demo");
  const char16_t* const texts[] = {u"report-2024.txt", u"Report_1999.TXT", u"notes.md", u"x.txt.bak"};
  struct Example {
    const char16_t* expr;
    bool ignore_case;
  } examples[] = {{u"[0-9]+\\.txt$", false}, {u"^report.[0-9]*\\.txt$", true}, {u"(.t)+", false}};
  for (const auto& ex : examples) {
    grep.SetIgnoreCase(ex.ignore_case);
    grep.SetRegExp(ex.expr);
    std::printf("  %-24s%s %d tokens:", zyl::to_utf8(ex.expr).c_str(), ex.ignore_case ? " (-i)" : "     ",
                grep.NrOfRegExpTokens());
    for (const char16_t* t : texts) {
      int pos = 0;
      if (grep.MatchString(t, pos))
        std::printf("  %s[%d..%d]", zyl::to_utf8(t).c_str(), grep.MatchStartPos(), grep.MatchEndPos());
    }
    std::printf("\n");
  }
  grep.SetStopOnError(true);
  try {
    grep.SetRegExp(u"a**");
  } catch (const zyl::EZYLStringlError& e) {
    std::printf("  an invalid expression: %s\n", zyl::to_utf8(e.Message()).c_str());
  }
}

const CommandRegistration reg{{"grep", "[-i] [-n] [--list] REGEX [FILE...]",
                               "print the lines matching REGEX (or with --list its compiled token table)", run_grep}};
const DemoRegistration demo{{24, "Strings: regular expressions", demo_grep}};

}  // namespace
}  // namespace zyl_tool

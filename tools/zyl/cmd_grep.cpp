// zyl grep [-i] [-n] [--list] REGEX [FILE...]: prints the lines of the files
// (or standard input) in which the regular expression matches, with -n their
// numbers; --list prints the compiled expression's token listing instead.
// Lines are read as bytes, each byte one character (the expression too, so
// UTF-8 text and UTF-8 expressions match byte for byte); a CR before the LF
// is not part of the line the expression sees. Exit status as grep's: 0
// when a line was printed, 1 when none matched, 2 for an invalid expression
// or a file that cannot be read.
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "command.h"
#include "io.h"
#include "privatetempdir.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

zyl::String bytes_to_chars(const char* begin, const char* end, zyl::String& out) {
  out.resize(static_cast<std::size_t>(end - begin));
  for (std::size_t i = 0; begin + i < end; ++i) out[i] = static_cast<unsigned char>(begin[i]);
  return out;
}

// The listing PrintRegExp writes, passed through a file of a private
// temporary directory.
std::string listing(zyl::TGrep& grep) {
  const PrivateTempDir dir("zyl-grep-");
  const zyl::String name = dir.file("listing.txt");
  grep.PrintRegExp(name);
  zyl::TFileStream in(name, zyl::fmOpenRead);
  std::string text(static_cast<std::size_t>(in.Size()), '\0');
  in.ReadBuffer(text.data(), static_cast<std::int32_t>(text.size()));
  return text;
}

// Prints the lines of one input in which the expression matches; true when
// any matched. The input is read in blocks and only the line being matched
// is held (the matcher needs a line whole).
bool search(zyl::TGrep& grep, zyl::TStream& in, const std::string& prefix, bool numbers) {
  std::string out;
  std::string line;  // the current line so far, without its LF
  zyl::String chars;
  bool any = false;
  long long number = 0;
  const auto finish_line = [&] {
    ++number;
    const std::size_t visible = !line.empty() && line.back() == '\r' ? line.size() - 1 : line.size();
    int pos = 0;
    if (grep.MatchString(bytes_to_chars(line.data(), line.data() + visible, chars), pos)) {
      any = true;
      out += prefix;
      if (numbers) out += std::to_string(number) + ":";
      out += line;
      out += '\n';
      if (out.size() >= (1u << 16)) {
        write_stdout(out);
        out.clear();
      }
    }
    line.clear();
  };
  std::vector<char> block(1 << 16);
  for (std::size_t n; (n = read_some(in, block.data(), block.size())) > 0;) {
    for (std::size_t start = 0; start < n;) {
      const char* lf = static_cast<const char*>(std::memchr(block.data() + start, '\n', n - start));
      const std::size_t stop = lf == nullptr ? n : static_cast<std::size_t>(lf - block.data());
      line.append(block.data() + start, stop - start);
      if (lf == nullptr) break;
      finish_line();
      start = stop + 1;
    }
  }
  if (!line.empty()) finish_line();
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
    report_error(zyl::to_utf8(error));
    return 2;
  }
  if (list) return 0;

  if (rest.empty()) rest.push_back("-");
  bool any = false, failed = false;
  for (const std::string& name : rest) {
    try {
      const auto in = open_input(name);
      any |= search(grep, *in, rest.size() > 1 ? (name == "-" ? "(standard input)" : name) + ":" : "", numbers);
    } catch (const std::bad_alloc&) {
      report_error(name + ": out of memory");
      failed = true;
    } catch (const std::exception& e) {
      report_error(e.what());
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
                               "print the lines matching REGEX (or with --list its compiled token table)", run_grep, 2}};
const DemoRegistration demo{{24, "Strings: regular expressions", demo_grep}};

}  // namespace
}  // namespace zyl_tool

// zyl grep [-i] [-n] [--list] REGEX [FILE...]: prints the lines of the files
// (or standard input) in which the regular expression matches, with -n their
// numbers; --list prints the compiled expression's token listing instead.
// Lines are read as bytes, each byte one character (the expression too, so
// UTF-8 text and UTF-8 expressions match byte for byte); a CR before the LF
// is not part of the line the expression sees. Exit status as grep's: 0
// when a line was printed, 1 when none matched, 2 for an invalid expression
// or a file that cannot be read.
#include <cstdio>
#include <string_view>
#include <new>
#include <vector>

#include "command.h"
#include "io.h"
#include "privatetempdir.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

// Output gathered and written in pieces of about 64 KiB.
void put(std::string& out, std::string_view bytes) {
  out += bytes;
  if (out.size() >= (1u << 16)) {
    write_stdout(out);
    out.clear();
  }
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
// is held, once, as the characters the matcher reads (byte b is character
// b), which give the bytes back exactly.
bool search(zyl::TGrep& grep, zyl::TStream& in, const std::string& prefix, bool numbers) {
  std::string out;
  zyl::String line;  // the current line so far, without its LF
  bool any = false;
  long long number = 0;
  const auto finish_line = [&] {
    ++number;
    // A CR before the LF is not part of what the expression sees.
    const bool cr = !line.empty() && line.back() == u'\r';
    if (cr) line.pop_back();
    int pos = 0;
    const bool match = grep.MatchString(line, pos);
    if (cr) line.push_back(u'\r');
    if (match) {
      any = true;
      put(out, prefix);
      if (numbers) put(out, std::to_string(number) + ":");
      const std::u16string_view chars = line;
      for (std::size_t i = 0; i < chars.size(); i += 1 << 16) put(out, zyl::to_latin1(chars.substr(i, 1 << 16)));
      put(out, "\n");
    }
    line.clear();
  };
  std::vector<char> block(1 << 16);
  for (std::size_t n; (n = read_some(in, block.data(), block.size())) > 0;) {
    for (std::size_t i = 0; i < n; ++i) {
      const auto b = static_cast<unsigned char>(block[i]);
      if (b == '\n') finish_line();
      else line.push_back(b);
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

  rest = expand_files(rest);
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

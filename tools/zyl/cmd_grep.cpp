// zyl grep [-i] [-n] [--list] REGEX [FILE...]: prints the lines of the files
// (or standard input) in which the regular expression matches, with -n their
// numbers; --list prints the compiled expression's token listing instead.
// Lines are read as bytes, each byte one character (the expression too, so
// UTF-8 text and UTF-8 expressions match byte for byte); a CR before the LF
// is not part of the line the expression sees. Exit status as grep's: 0
// when a line was printed, 1 when none matched, 2 for an invalid expression
// or a file that cannot be read.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "command.h"
#include "io.h"
#include "byteclassfinder.h"
#include "literalfinder.h"
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

// The longest literal string the expression must match somewhere in a line
// (a literal token: every match passes through each token), as the bytes
// that spell it; empty when there is none. Every line that matches contains
// it, so only lines around its occurrences need matching.
std::string required_literal(const zyl::TGrep& grep) {
  std::string best;
  for (int k = 1; k <= grep.NrOfRegExpTokens(); ++k) {
    const ZYL_stringl::TGrepToken t = grep.GetRegExpToken(k);
    if (t.Action != ZYL_stringl::TGrepTokenAct::taNormal || t.NumChars <= static_cast<int>(best.size())) continue;
    const auto chars = std::u16string_view(t.Params.data() + 1, static_cast<std::size_t>(t.NumChars));
    // A character above 255 is no byte; such a token cannot guide a byte search.
    if (std::any_of(chars.begin(), chars.end(), [](char16_t c) { return c > 0xFF; })) continue;
    best.assign(chars.begin(), chars.end());
  }
  return best;
}

// Matches single lines given as bytes and prints those that match.
class LinePrinter {
 public:
  LinePrinter(zyl::TGrep& grep, const std::string& prefix, bool numbers)
      : FGrep(grep), FPrefix(prefix), FNumbers(numbers) {}

  // Matches the next line of the input, [begin, end) without its LF.
  void line(const char* begin, const char* end) {
    ++FNumber;
    // A CR before the LF is not part of what the expression sees.
    const std::size_t n = static_cast<std::size_t>(end - begin);
    const std::size_t seen = n > 0 && end[-1] == '\r' ? n - 1 : n;
    FLine.resize(seen);
    for (std::size_t i = 0; i < seen; ++i) FLine[i] = static_cast<unsigned char>(begin[i]);
    int pos = 0;
    if (!FGrep.MatchString(FLine, pos)) return;
    FAny = true;
    put(FOut, FPrefix);
    if (FNumbers) put(FOut, std::to_string(FNumber) + ":");
    put(FOut, std::string_view(begin, n));
    put(FOut, "\n");
  }
  // Counts lines passed over without matching them.
  void skip(long long lines) { FNumber += lines; }
  bool numbers() const { return FNumbers; }

  bool finish() {
    write_stdout(FOut);
    FOut.clear();
    return FAny;
  }

 private:
  zyl::TGrep& FGrep;
  const std::string& FPrefix;
  bool FNumbers;
  zyl::String FLine;  // the line as the characters the matcher reads (byte b is character b)
  std::string FOut;
  long long FNumber = 0;
  bool FAny = false;
};

// The set that the expression must match a member of somewhere in a line
// (a set token, or one or more of a set), as the bytes whose character (A-Z
// lowered with IgnoreCase, as the matcher lowers the text) is a member; the
// set with the fewest such bytes. Empty when there is no such set.
std::optional<std::array<bool, 256>> required_set(const zyl::TGrep& grep) {
  std::optional<std::array<bool, 256>> best;
  std::size_t best_count = 257;
  for (int k = 1; k <= grep.NrOfRegExpTokens(); ++k) {
    const ZYL_stringl::TGrepToken t = grep.GetRegExpToken(k);
    const bool set = t.Action == ZYL_stringl::TGrepTokenAct::taSet ||
                     (t.Action == ZYL_stringl::TGrepTokenAct::taMult1 && t.NumChars < 0);
    if (!set) continue;
    std::array<bool, 256> members{};
    std::size_t count = 0;
    for (unsigned b = 0; b < 256; ++b) {
      const unsigned c = grep.IgnoreCase() && b >= 'A' && b <= 'Z' ? b | 0x20 : b;
      members[b] = t.Params[c] == u'*';
      count += members[b] ? 1 : 0;
    }
    if (count < best_count) {
      best = members;
      best_count = count;
    }
  }
  return best;
}

// Takes every place as a candidate: each line is matched.
struct EveryLine {
  const char* find(const char* begin, const char*) const { return begin; }
};

// Matches the complete lines in [begin, end) (end just after an LF) that
// hold a candidate place.
template <class Finder>
void scan_lines(const char* begin, const char* end, const Finder& finder, LinePrinter& printer) {
  const auto lf_count = [](const char* b, const char* e) { return static_cast<long long>(std::count(b, e, '\n')); };
  for (const char* p = begin; p < end;) {
    const char* at = finder.find(p, end);
    if (at == end) {
      if (printer.numbers()) printer.skip(lf_count(p, end));
      return;
    }
    const char* line = at;
    while (line > p && line[-1] != '\n') --line;
    if (printer.numbers()) printer.skip(lf_count(p, line));
    const auto* lf = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
    printer.line(line, lf);
    p = lf + 1;
  }
}

// Reads the input in large blocks and hands the complete lines of each to
// scan_lines; the last line, without LF, is matched on its own.
template <class Finder>
void scan_input(zyl::TStream& in, const Finder& finder, LinePrinter& printer) {
  constexpr std::size_t kBlock = 1 << 18;
  std::vector<char> buffer;
  std::size_t kept = 0;  // the start of a line not yet complete
  for (;;) {
    buffer.resize(kept + kBlock);
    const std::size_t n = read_some(in, buffer.data() + kept, kBlock);
    if (n == 0) break;
    const std::size_t have = kept + n;
    const std::size_t last_lf = std::string_view(buffer.data(), have).rfind('\n');
    if (last_lf == std::string_view::npos) {
      kept = have;
      continue;
    }
    scan_lines(buffer.data(), buffer.data() + last_lf + 1, finder, printer);
    kept = have - (last_lf + 1);
    std::memmove(buffer.data(), buffer.data() + last_lf + 1, kept);
  }
  if (kept > 0) printer.line(buffer.data(), buffer.data() + kept);
}

// Prints the lines of one input in which the expression matches; true when
// any matched. The lines are found in the raw bytes, and only those that
// hold what every match needs (a literal, else a member of a set) are built
// and matched.
bool search(zyl::TGrep& grep, zyl::TStream& in, const std::string& prefix, bool numbers) {
  LinePrinter printer(grep, prefix, numbers);
  if (const std::string literal = required_literal(grep); !literal.empty())
    scan_input(in, LiteralFinder(literal, grep.IgnoreCase()), printer);
  else if (const auto set = required_set(grep))
    scan_input(in, ByteClassFinder(*set), printer);
  else
    scan_input(in, EveryLine{}, printer);
  return printer.finish();
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

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"
#include "zyl.h"

namespace zyl::test {
namespace {

// What the tool must print: every line (LF-separated, a final line without
// LF included) matched on its own by TGrep, a CR before the LF not seen.
std::string reference_grep(const std::string& text, const std::string& expr, bool ignore_case, bool numbers) {
  zyl::TGrep grep(nullptr);
  grep.SetIgnoreCase(ignore_case);
  grep.SetRegExp(zyl::from_latin1(expr));
  std::string out;
  long long number = 0;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t lf = text.find('\n', at);
    if (lf == std::string::npos) lf = text.size();
    const std::string line = text.substr(at, lf - at);
    ++number;
    std::string seen = line;
    if (!seen.empty() && seen.back() == '\r') seen.pop_back();
    int pos = 0;
    if (grep.MatchString(zyl::from_latin1(seen), pos)) out += (numbers ? std::to_string(number) + ":" : "") + line + "\n";
    at = lf + 1;
  }
  return out;
}

// A text of short lines of words in mixed case, with CRs, non-ASCII bytes
// and one line longer than the tool's read block, ending without LF.
std::string mixed_text() {
  std::mt19937 rng(7);
  const char* const words[] = {"word19", "Word199", "WORD1999", "wOrD", "kalo", "19 99", "\xC4rger", "\xE4rger", "x"};
  std::string text;
  for (int line = 0; line < 40000; ++line) {
    for (unsigned n = rng() % 6; n > 0; --n) text += std::string(words[rng() % 9]) + " ";
    if (line == 20000) text += std::string(300000, 'k') + "word1999 k";
    text += rng() % 5 == 0 ? "\r\n" : "\n";
  }
  return text + "word1999 last";
}

TEST(GrepTool, OutputEqualsMatchingEveryLineOnItsOwn) {
  const std::string text = mixed_text();
  const char* const patterns[] = {"word1999", "WORD1999", "d19+9 ", "[wW]ord1", "99$", "^x", "k$", "9 \\#0D",
                                  "\\#E4rger", "\\#C4RGER", "19\\#0A", "[0-9]+ kalo", "x.*19", "rd1?9",
                                  // without a literal: lines are found by a set's members
                                  "[xX][0-9]?$", "[0-9]+[Ww]", "[^a-z0-9 ]+[xR]", ".+", "^[W]"};
  for (const char* expr : patterns) {
    for (const char* options : {"", "-i ", "-n ", "-i -n "}) {
      SCOPED_TRACE(std::string(options) + expr);
      const std::string opts = options;
      const ToolResult r = run_tool("grep " + opts + "'" + expr + "'", text);
      const std::string want = reference_grep(text, expr, opts.find("-i") != std::string::npos,
                                              opts.find("-n") != std::string::npos);
      EXPECT_EQ(r.status, want.empty() ? 1 : 0);
      ASSERT_TRUE(r.out == want) << "output differs: " << r.out.size() << " bytes, want " << want.size();
    }
  }
}

TEST(GrepTool, PrintsMatchingLinesAndExitsLikeGrep) {
  const std::string text = "alpha 1\r\nbeta 22\nGamma 333\n\xE4xy\nlast";
  ToolResult r = run_tool("grep '[0-9][0-9]+$'", text);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "beta 22\nGamma 333\n") << "the CR is no part of the line's text";

  r = run_tool("grep -n -i 'gamma|alpha'", text);
  EXPECT_EQ(r.status, 1) << "no alternation: nothing matches";
  EXPECT_EQ(r.out, "");

  r = run_tool("grep -n -i 'GAMMA'", text);
  EXPECT_EQ(r.out, "3:Gamma 333\n");
  r = run_tool("grep -n 'a.1$'", text);
  EXPECT_EQ(r.out, "1:alpha 1\r\n") << "printed as read";
  r = run_tool("grep '^\\#E4x'", text);
  EXPECT_EQ(r.out, "\xE4xy\n") << "one byte, one character";
  r = run_tool("grep 'st$'", text);
  EXPECT_EQ(r.out, "last\n") << "a last line without line end";
}

TEST(GrepTool, InvalidExpressionGivesTheComponentMessage) {
  const ToolResult r = run_tool("grep 'a**'", "aaa\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("Component \"grep\": error in regular expression - *, ?, + have to be applied to groups or "
                       "sets only"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(run_tool("grep").status, 2) << "missing REGEX";
}

TEST(GrepTool, ListsTheCompiledTable) {
  ToolResult r = run_tool("grep --list '^a[bc]*$'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "    taBol: \r\n taNormal: a\r\n  taMult0: (set) bc\r\n    taEol: \r\nno errors\r\n");
  r = run_tool("grep --list 'ab)'");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, " taNormal: ab\r\nmismatch of group brackets\r\n");
}

TEST_F(TempDirTest, SeveralFilesArePrefixedAndErrorsReported) {
  write_file_bytes(tmp.path() / "a.txt", "one\ntwo\n");
  write_file_bytes(tmp.path() / "b.txt", "three\n");
  const std::string a = (tmp.path() / "a.txt").string(), b = (tmp.path() / "b.txt").string();
  ToolResult r = run_tool("grep -n 'o' '" + a + "' '" + b + "'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, a + ":1:one\n" + a + ":2:two\n");
  r = run_tool("grep 'e' '" + a + "' '" + (tmp.path() / "missing").string() + "'");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, a + ":one\n");
  EXPECT_NE(r.err.find("cannot open"), std::string::npos);
}

}  // namespace
}  // namespace zyl::test

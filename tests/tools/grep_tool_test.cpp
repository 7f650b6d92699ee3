#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

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

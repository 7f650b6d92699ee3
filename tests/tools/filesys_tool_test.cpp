#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

TEST(PathTool, EachOperation) {
  const struct {
    const char* args;
    const char* out;
  } cases[] = {
      {"path strip-ext 'C:\\a.b\\c.txt' x.tar.gz", "C:\\a.b\\c\nx.tar\n"},
      {"path strip-path 'C:\\a\\b.txt' a/b", "b.txt\nb\n"},
      {"path parent 'C:\\a\\b\\' a/b/c file", "C:\\a\\\na/b/\n\n"},
      {"path drive 'c:\\temp' temp 1:", "2\n-1\n0\n"},
      {"path abridge 15 'C:\\aaa\\bbb\\file.txt'", "C:\\..\\..\\file.txt\n"},
      {"path valid 'a b' 'a*b' ..", "yes\nno\nno\n"},
      {"path fix 'a:b?.txt' ..", "a_b_.txt\n__\n"},
      {"path 83 'C:\\PROGRA~1\\FILE.TXT' 'C:\\Program Files'", "yes\nno\n"},
  };
  for (const auto& c : cases) {
    const ToolResult r = run_tool(c.args);
    EXPECT_EQ(r.status, 0) << c.args << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args;
  }
  for (const char* bad : {"path", "path strip-ext", "path abridge x a", "path abridge 5", "path nonsense a"})
    EXPECT_EQ(run_tool(bad).status, 2) << bad;
}

TEST_F(TempDirTest, TailCrlfAndTexttype) {
  write_file_bytes(tmp.path() / "in.txt", "1\r\n2\n3\r4\n5");
  const std::string in = "'" + (tmp.path() / "in.txt").string() + "'";
  EXPECT_EQ(run_tool("tail -n 2 " + in).out, "3\r4\n5\n");
  EXPECT_EQ(run_tool("tail -n 9 " + in).out, "1\n2\n3\r4\n5\n") << "fewer lines than asked: no fillers";
  EXPECT_EQ(run_tool("tail -n 0 " + in).out, "");
  EXPECT_EQ(run_tool("tail " + in).out, "1\n2\n3\r4\n5\n");
  EXPECT_EQ(run_tool("tail -n x " + in).status, 2);

  const std::string out = "'" + (tmp.path() / "out.txt").string() + "'";
  EXPECT_EQ(run_tool("crlf " + in + " " + out).status, 0);
  EXPECT_EQ(read_file_bytes(tmp.path() / "out.txt"), "1\r\n2\n3\r\n4\n5");
  EXPECT_EQ(run_tool("crlf " + in).status, 0);
  EXPECT_EQ(read_file_bytes(tmp.path() / "in.txt"), "1\r\n2\n3\r\n4\n5") << "rewritten in place";

  write_file_bytes(tmp.path() / "bom.txt", "\xEF\xBB\xBFx");
  const ToolResult types = run_tool("texttype " + in + " '" + (tmp.path() / "bom.txt").string() + "'");
  EXPECT_EQ(types.status, 0);
  EXPECT_NE(types.out.find("in.txt: tftUnknown\n"), std::string::npos) << types.out;
  EXPECT_NE(types.out.find("bom.txt: tftUTF8\n"), std::string::npos) << types.out;
}

TEST_F(TempDirTest, FileToolsReportMissingFilesByName) {
  const std::string missing = "'" + (tmp.path() / "missing.txt").string() + "'";
  for (const std::string cmd : {"tail ", "crlf ", "texttype "}) {
    const ToolResult r = run_tool(cmd + missing);
    EXPECT_EQ(r.status, 1) << cmd;
    EXPECT_NE(r.err.find("missing.txt"), std::string::npos) << cmd << r.err;
    EXPECT_EQ(r.out, "") << cmd;
  }
  std::filesystem::create_directory(tmp.path() / "dir");
  EXPECT_EQ(run_tool("texttype '" + (tmp.path() / "dir").string() + "'").status, 1) << "a directory is no file";
}

}  // namespace
}  // namespace zyl::test

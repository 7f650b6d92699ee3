#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

TEST(LinesTool, CountsOrPrintsLinesInEachMode) {
  EXPECT_EQ(run_tool("lines", "a\r\nb\r\nc").out, "2\n");
  EXPECT_EQ(run_tool("lines", "").out, "0\n");
  EXPECT_EQ(run_tool("lines --mode 4", "a\r\nb\nc\r\n").out, "a\nb\nc\n");
  // Mode 2 ends at the CR; the LF then gives an empty line.
  EXPECT_EQ(run_tool("lines --mode 2", "ab\r\ncd").out, "ab\n\ncd\n");
  // At the end of the stream the text is returned as read, CR included.
  EXPECT_EQ(run_tool("lines --mode 0", "x\ny\r").out, "x\ny\r\n");
  EXPECT_EQ(run_tool("lines --mode 9", "x\ny").out, "x\ny\n");
}

TEST(TagsTool, ListsElementsWithIndexNameAttributesAndContents) {
  const std::string doc =
      "<?xml version=\"1.0\"?><!-- c --><A href=\"x y\">Li\nnk</a><br/><img src=1 /><p>" + std::string(100, 'z') +
      "</p>";
  EXPECT_EQ(run_tool("tags --tags a,img,other", doc).out,
            "2\t?xml\tversion=\"1.0\"\t\n"
            "0\ta\thref=\"x y\"\tLi\\nnk\n"
            "2\tbr\t\t\n"
            "1\timg\tsrc=1\t\n"
            "2\tp\t\t" + std::string(60, 'z') + "\n");
  EXPECT_EQ(run_tool("tags", "<b>x</b>").out, "-1\tb\t\tx\n") << "no list: no index";
}

TEST_F(TempDirTest, StreamToolsReadFilesAndReportErrors) {
  write_file_bytes(tmp.path() / "in.txt", "1\n2\n3\n");
  const ToolResult ok = run_tool("lines '" + (tmp.path() / "in.txt").string() + "'");
  EXPECT_EQ(ok.status, 0);
  EXPECT_EQ(ok.out, "3\n");
  const ToolResult missing = run_tool("tags '" + (tmp.path() / "nope").string() + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("cannot open"), std::string::npos) << missing.err;
  EXPECT_EQ(run_tool("lines --mode x").status, 2);
  EXPECT_EQ(run_tool("tags --tags a,,b").status, 2);
  EXPECT_EQ(run_tool("lines a b").status, 2);
}

}  // namespace
}  // namespace zyl::test

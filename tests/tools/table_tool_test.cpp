#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

TEST(TableTool, WritesQuotedFieldsBackAsTheyWere) {
  const std::string in =
      "name;city;n\r\n"
      "bob;\"Paris; FR\";3\r\n"
      "\"Zed \"\"Z\"\"\";\"two\r\nlines\";2\r\n"
      "caf\xC3\xA9;;\r\n";
  const ToolResult r = run_tool("table", in);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, in);
  EXPECT_EQ(run_tool("table", "a,b\nc\n").out, "a,b\nc,\n") << "short records are padded";
  EXPECT_EQ(run_tool("table", "").out, "");
}

TEST(TableTool, DetectsOrTakesTheDelimiter) {
  EXPECT_EQ(run_tool("table --sort 2", "x\t2\ny\t1\n").out, "y\t1\nx\t2\n");
  EXPECT_EQ(run_tool("table --sort 2", "x:2\ny:1\n").out, "y:1\nx:2\n");
  EXPECT_EQ(run_tool("table --delim , --sort 2", "a;b,2\nc;d,1\n").out, "c;d,1\na;b,2\n");
  EXPECT_EQ(run_tool("table --delim tab --sort 1", "b x\tz\na y\tz\n").out, "a y\tz\nb x\tz\n");
  EXPECT_EQ(run_tool("table --delim ab", "x").status, 2);
}

TEST(TableTool, SortsByColumnsAscendingOrDescending) {
  const std::string in = "b,2\nA,9\nb,1\na,3\n";
  EXPECT_EQ(run_tool("table --sort 1,2", in).out, "a,3\nA,9\nb,1\nb,2\n") << "A-Z folded, then column 2";
  EXPECT_EQ(run_tool("table --sort 1,2 --desc", in).out, "b,2\nb,1\nA,9\na,3\n");
  EXPECT_EQ(run_tool("table --sort 0", in).status, 2);
  EXPECT_EQ(run_tool("table --desc", in).status, 2);
}

TEST(TableTool, FindsEveryCellHoldingTheText) {
  const std::string in = "Apple,pear\napple pie,x\nfig,PEAR\n";
  const ToolResult r = run_tool("table --find ear", in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "row 1, column 2: pear\nrow 3, column 2: PEAR\n");
  EXPECT_EQ(run_tool("table --find APPLE", in).out, "row 1, column 1: Apple\nrow 2, column 1: apple pie\n");
  EXPECT_EQ(run_tool("table --sort 1 --desc --find p", in).out,
            "row 1, column 2: PEAR\nrow 2, column 1: apple pie\nrow 3, column 1: Apple\nrow 3, column 2: pear\n")
      << "rows as sorted";
  const ToolResult none = run_tool("table --find zzz", in);
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "");
}

TEST(TableTool, LongCellsAndOpenQuotesAreErrorsNamingTheLine) {
  const ToolResult longcell = run_tool("table", "a,b\nc," + std::string(256, 'x') + "\n");
  EXPECT_EQ(longcell.status, 1);
  EXPECT_EQ(longcell.out, "");
  EXPECT_NE(longcell.err.find("line 2: cell longer than 255 bytes"), std::string::npos) << longcell.err;
  EXPECT_EQ(run_tool("table", "a," + std::string(255, 'x') + "\n").status, 0);
  const ToolResult open = run_tool("table", "a,b\n\"c\nd,e\n");
  EXPECT_EQ(open.status, 1);
  EXPECT_NE(open.err.find("line 2: quoted field not closed"), std::string::npos) << open.err;
}

TEST_F(TempDirTest, TableReadsAFile) {
  write_file_bytes(tmp.path() / "t.csv", "2;b\n1;a\n");
  EXPECT_EQ(run_tool("table --sort 1 '" + (tmp.path() / "t.csv").string() + "'").out, "1;a\n2;b\n");
  EXPECT_EQ(run_tool("table '" + (tmp.path() / "none.csv").string() + "'").status, 1);
}

TEST(WordsTool, CountsWordsMostFrequentFirst) {
  const ToolResult r = run_tool("words", "The cat, the hat; THE end.\nCat 2 \xC3\x84pfel \xC3\xA4pfel\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "3 the\n2 cat\n2 \xC3\xA4pfel\n1 hat\n1 end\n1 2\n");
  EXPECT_EQ(run_tool("words", "").out, "");
}

}  // namespace
}  // namespace zyl::test

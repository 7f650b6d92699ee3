#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

const char* const kMatrix =
    "#featdef 3 1\r\n"
    "1 fplFeatNum 1\r\n1 fplFeatName Mass\r\n1 fplFeatKind fkDouble\r\n1 fplComment\r\n1 fplPresets\r\n1 fplSorted FALSE\r\n"
    "2 fplFeatNum 2\r\n2 fplFeatName Gr\xC3\xB6\xC3\x9F" "e\r\n2 fplFeatKind fkString\r\n2 fplComment\r\n2 fplPresets\r\n"
    "2 fplSorted FALSE\r\n"
    "3 fplFeatNum 3\r\n3 fplFeatName raw\r\n3 fplFeatKind fkUndefined\r\n3 fplComment\r\n3 fplPresets\r\n"
    "3 fplSorted FALSE\r\n"
    "#featvals 3 2\r\n1 1 2.5\r\n2 1 a, \"b\"\r\n3 2 kept\r\n1 2 -1E20\r\n#featend\r\n";

TEST_F(TempDirTest, FeaturesPrintsATableOrCsv) {
  write_file_bytes(tmp.path() / "m.txt", kMatrix);
  const std::string m = "'" + (tmp.path() / "m.txt").string() + "'";
  const ToolResult table = run_tool("features " + m);
  ASSERT_EQ(table.status, 0) << table.err;
  EXPECT_EQ(table.out,
            "object  Mass    Gr\xC3\xB6\xC3\x9F" "e   raw\n"
            "        double  string  undefined\n"
            "1       2.5     a, \"b\"\n"
            "2       -1E20           kept\n");
  const ToolResult csv = run_tool("features --csv " + m);
  ASSERT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(csv.out,
            "object,Mass (double),Gr\xC3\xB6\xC3\x9F" "e (string),raw (undefined)\n"
            "1,2.5,\"a, \"\"b\"\"\",\n"
            "2,-1E20,,kept\n");
}

TEST_F(TempDirTest, FeaturesRefusesWhatIsNoFeatureMatrix) {
  write_file_bytes(tmp.path() / "plain.txt", "just text\n");
  write_file_bytes(tmp.path() / "broken.txt", "#featvals many\n");
  for (const char* name : {"plain.txt", "broken.txt", "missing.txt"}) {
    SCOPED_TRACE(name);
    const ToolResult r = run_tool("features '" + (tmp.path() / name).string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(name), std::string::npos) << r.err;
  }
  EXPECT_EQ(run_tool("features").status, 2);
}

TEST(CombTool, ListsCombinationsAndPermutations) {
  EXPECT_EQ(run_tool("comb 2 4").out, "1 2\n1 3\n1 4\n2 3\n2 4\n3 4\n");
  EXPECT_EQ(run_tool("comb 3 3").out, "1 2 3\n");
  EXPECT_EQ(run_tool("perm 3").out, "1 2 3\n2 1 3\n2 3 1\n1 3 2\n3 1 2\n3 2 1\n");
  const ToolResult big = run_tool("comb 2 255");
  ASSERT_EQ(big.status, 0);
  EXPECT_EQ(std::count(big.out.begin(), big.out.end(), '\n'), 255 * 254 / 2);
  EXPECT_EQ(big.out.substr(big.out.size() - 8), "254 255\n");
  for (const char* bad : {"comb 5 4", "comb 1 256", "comb 0 3", "comb 2", "comb x 3", "perm 256", "perm 0", "perm"}) {
    SCOPED_TRACE(bad);
    const ToolResult r = run_tool(bad);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage"), std::string::npos);
  }
}

}  // namespace
}  // namespace zyl::test

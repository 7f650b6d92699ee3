#include <random>

#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

TEST(ChecksumTool, ListsValuesOfStandardInput) {
  const std::string check = "123456789";
  EXPECT_EQ(run_tool("crc16", check).out, "31C3  -\n");
  EXPECT_EQ(run_tool("crc16 --mode ccitt", check).out, "29B1  -\n");
  EXPECT_EQ(run_tool("crc32", check).out, "CBF43926  -\n");
  EXPECT_EQ(run_tool("sha1", "abc").out, "A9993E364706816ABA3E25717850C26C9CD0D89D  -\n");
  EXPECT_EQ(run_tool("crc32", "").out, "00000000  -\n");
  EXPECT_EQ(run_tool("crc16 --mode bogus", check).status, 2);
}

TEST(ChecksumTool, LongInputsAgreeAcrossReadBlocks) {
  // A million bytes span many of the tool's read blocks, which it chains;
  // the expected values were computed independently over the whole input.
  EXPECT_EQ(run_tool("crc32", std::string(1000000, 'a')).out, "DC25BFBC  -\n");
  EXPECT_EQ(run_tool("sha1", std::string(1000000, 'a')).out, "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F  -\n");
  EXPECT_EQ(run_tool("crc16", std::string(1000000, 'a')).out, "909F  -\n");
  EXPECT_EQ(run_tool("crc16 --mode ccitt", std::string(1000000, 'a')).out, "5924  -\n");
}

TEST_F(TempDirTest, UnreadableFilesAreReportedAndTheOthersStillListed) {
  write_file_bytes(tmp.path() / "a.txt", "123456789");
  const std::string a = (tmp.path() / "a.txt").string(), missing = (tmp.path() / "missing").string();
  for (const char* cmd : {"crc16", "crc32", "sha1"}) {
    SCOPED_TRACE(cmd);
    const ToolResult r = run_tool(std::string(cmd) + " '" + missing + "' '" + a + "'");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("  " + a + "\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find(missing), std::string::npos) << r.out;
    EXPECT_NE(r.err.find(missing), std::string::npos) << r.err;
  }
}

TEST(EncodingTool, RoundTripsAndWrapsLines) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  std::string in(100000 + rng() % 1000, '\0');
  for (auto& c : in) c = static_cast<char>(rng() % 5 == 0 ? 0 : rng());
  for (const char* cmd : {"base64", "ascii85"}) {
    SCOPED_TRACE(cmd);
    for (const char* wrap : {"", " --no-wrap"}) {
      const ToolResult enc = run_tool(std::string(cmd) + wrap, in);
      ASSERT_EQ(enc.status, 0) << enc.err;
      EXPECT_EQ(enc.out.find('\n') != std::string::npos, *wrap == '\0') << "line breaks only without --no-wrap";
      const ToolResult dec = run_tool(std::string(cmd) + " -d", enc.out);
      ASSERT_EQ(dec.status, 0) << dec.err;
      EXPECT_EQ(dec.out, in);
    }
  }
  EXPECT_EQ(run_tool("base64", "foobar").out, "Zm9vYmFy\r\n");
  EXPECT_EQ(run_tool("ascii85 --no-wrap", "abcd").out, "@:E_W~>");
}

TEST(EncodingTool, RejectedInputGivesAMessageAndNonZeroStatus) {
  const ToolResult b = run_tool("base64 -d", "Zm9v@m9v");
  EXPECT_NE(b.status, 0);
  EXPECT_EQ(b.out, "foo") << "the valid groups before the bad one";
  EXPECT_FALSE(b.err.empty());
  const ToolResult a = run_tool("ascii85 -d", "@: E_~>");
  EXPECT_NE(a.status, 0);
  EXPECT_FALSE(a.err.empty());
}

}  // namespace
}  // namespace zyl::test

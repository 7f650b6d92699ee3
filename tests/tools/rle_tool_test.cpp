#include <random>

#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

using namespace std::string_literals;

TEST(RleTool, RoundTripsAnyInputByteForByte) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  std::vector<std::string> inputs = {"", std::string(1, '\xa5'), std::string(100000, 'x')};
  for (int i = 0; i < 4; ++i) {
    std::string s;
    const std::size_t len = rng() % 200000;
    while (s.size() < len) s.append(1 + rng() % (rng() % 4 == 0 ? 700 : 3), static_cast<char>(rng() % 3 == 0 ? 0xa5 : rng()));
    inputs.push_back(s);
  }
  for (const std::string& in : inputs) {
    const ToolResult enc = run_tool("rle", in);
    ASSERT_EQ(enc.status, 0) << enc.err;
    const ToolResult dec = run_tool("rle -d", enc.out);
    ASSERT_EQ(dec.status, 0) << dec.err;
    EXPECT_EQ(dec.out, in) << "input of " << in.size() << " bytes";
  }
}

TEST(RleTool, EncodesInTheDocumentedFormat) {
  EXPECT_EQ(run_tool("rle", std::string("\x01\x02\x02\x03\x03\x03")).out, std::string("\x01\x02\x02\xa5\x03\x03"));
  // 254 plain bytes and a pending one: the closing triplet completes the first
  // 256-byte block, so the next Finish appends the empty triplet 165 0 1.
  std::string alternating;
  for (int i = 0; i < 255; ++i) alternating += static_cast<char>(1 + i % 2);
  EXPECT_EQ(run_tool("rle", alternating).out, alternating.substr(0, 254) + "\xa5\x01\x01\xa5\x00\x01"s);
}

TEST_F(TempDirTest, ReadsAFileAndReportsErrors) {
  write_file_bytes(tmp.path() / "in.bin", "aaaa");
  const ToolResult ok = run_tool("rle '" + (tmp.path() / "in.bin").string() + "'");
  EXPECT_EQ(ok.status, 0);
  EXPECT_EQ(ok.out, std::string("\xa5\x04" "a"));

  const ToolResult missing = run_tool("rle '" + (tmp.path() / "nope").string() + "'");
  EXPECT_NE(missing.status, 0);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_NE(missing.err.find("cannot open"), std::string::npos) << missing.err;

  EXPECT_EQ(run_tool("rle --bogus").status, 2);
  EXPECT_EQ(run_tool("no-such-command").status, 2);
  const ToolResult version = run_tool("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("zyl ", 0), 0u);
}

}  // namespace
}  // namespace zyl::test

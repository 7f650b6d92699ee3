#include <gtest/gtest.h>

#include "ZYL_stringl/scramble.h"
#include "platform/hoststring.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

std::string every_byte_twice() {
  std::string s;
  for (int round = 0; round < 2; ++round)
    for (int c = 0; c < 256; ++c) s += static_cast<char>(c);
  return s;
}

// What the library gives for the same seed, as bytes.
std::string library_scramble(const std::string& in, std::int32_t seed) {
  ZYL_stringl::InitScramble(seed);
  const std::string out = to_latin1(ZYL_stringl::Scramble(from_latin1(in)));
  ZYL_stringl::InitScramble(ZYL_stringl::kDefaultScrambleSeed);
  return out;
}

TEST(ScrambleTool, RoundTripsEveryByteUnderEachSeed) {
  const std::string in = every_byte_twice();
  for (const char* seed : {"", " --seed 1", " --seed -7", " --seed 4294967295"}) {
    SCOPED_TRACE(seed);
    const ToolResult s = run_tool(std::string("scramble") + seed, in);
    ASSERT_EQ(s.status, 0) << s.err;
    EXPECT_EQ(s.out.size(), in.size());
    EXPECT_NE(s.out, in);
    const ToolResult d = run_tool(std::string("scramble -d") + seed, s.out);
    ASSERT_EQ(d.status, 0) << d.err;
    EXPECT_EQ(d.out, in);
  }
}

TEST(ScrambleTool, MatchesTheLibraryAndDefaultsToSeed9347) {
  const std::string in = "Meet me at noon\n";
  EXPECT_EQ(run_tool("scramble", in).out, library_scramble(in, 9347));
  EXPECT_EQ(run_tool("scramble --seed 9347", in).out, library_scramble(in, 9347));
  EXPECT_EQ(run_tool("scramble --seed 12", in).out, library_scramble(in, 12));
  EXPECT_EQ(run_tool("scramble --seed 4294967295", in).out, library_scramble(in, -1)) << "32-bit pattern";
}

TEST(ScrambleTool, UsageErrors) {
  for (const char* args : {"scramble --seed", "scramble --seed x", "scramble --seed 4294967296", "scramble a b",
                           "scramble --bogus"}) {
    SCOPED_TRACE(args);
    const ToolResult r = run_tool(args, "abc");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
  }
}

}  // namespace
}  // namespace zyl::test

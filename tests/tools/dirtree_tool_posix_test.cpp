// File names that are not UTF-8 on the command line and in the tool's
// output: the bytes name exactly one file, both ways.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

namespace fs = std::filesystem;

TEST_F(TempDirTest, ToolArgumentsAndListingsKeepTheBytesOfNames) {
  const std::string latin1 = "d\xE9", utf8 = "d\xC3\xA9";
  fs::create_directory(tmp.path() / latin1);
  fs::create_directory(tmp.path() / utf8);
  write_file_bytes(tmp.path() / latin1 / "x.txt", "x");
  write_file_bytes(tmp.path() / utf8 / "y.txt", "y");

  ToolResult r = run_tool("ls '" + (tmp.path() / latin1).string() + "/*'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, (tmp.path() / latin1 / "x.txt").string() + "\n") << "printed with the name's own bytes";

  r = run_tool("rmtree '" + (tmp.path() / latin1).string() + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(fs::exists(tmp.path() / latin1));
  EXPECT_TRUE(fs::exists(tmp.path() / utf8 / "y.txt")) << "the other name is left alone";
}

TEST_F(TempDirTest, ListingACountThatCannotReadADirectorySaysSoAndFails) {
  const std::string too_long = (tmp.path() / std::string(5000, 'x')).string();
  for (const char* command : {"count -r '", "ls -r '"}) {
    SCOPED_TRACE(command);
    const ToolResult r = run_tool(command + too_long + "/*'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot list"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace zyl::test

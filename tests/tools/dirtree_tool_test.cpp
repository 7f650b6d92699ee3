#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

namespace fs = std::filesystem;

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

std::vector<std::string> sorted_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
  std::sort(lines.begin(), lines.end());
  return lines;
}

class DirTreeToolTest : public TempDirTest {
 protected:
  void SetUp() override {
    fs::create_directories(tmp.path() / "src" / "sub" / "empty");
    write_file_bytes(tmp.path() / "src" / "a.txt", "alpha");
    write_file_bytes(tmp.path() / "src" / "sub" / "b.TXT", std::string(3000000, 'b'));
    write_file_bytes(tmp.path() / "src" / "sub" / "c.dat", "c");
  }
  fs::path at(const char* name) const { return tmp.path() / name; }
};

TEST_F(DirTreeToolTest, CopyAndCopytreeQuietlyWhenNotOnATerminal) {
  ToolResult r = run_tool("copy " + quoted(at("src") / "a.txt") + " " + quoted(at("one.txt")));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "") << "no progress bar when standard error is not a terminal";
  EXPECT_EQ(read_file_bytes(at("one.txt")), "alpha");

  r = run_tool("copytree --attrs " + quoted(at("src")) + " " + quoted(at("dst")));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(read_file_bytes(at("dst") / "sub" / "b.TXT").size(), 3000000u);
  EXPECT_TRUE(fs::is_directory(at("dst") / "sub" / "empty"));
}

TEST_F(DirTreeToolTest, FailuresNameThePathAndLeaveTheDestination) {
  write_file_bytes(at("old.txt"), "old");
  fs::permissions(at("old.txt"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  ToolResult r = run_tool("copy " + quoted(at("src") / "a.txt") + " " + quoted(at("old.txt")));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot create"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("old.txt"), std::string::npos) << r.err;
  EXPECT_EQ(read_file_bytes(at("old.txt")), "old");

  r = run_tool("copy " + quoted(at("missing.txt")) + " " + quoted(at("x.txt")));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("missing.txt"), std::string::npos) << r.err;

  r = run_tool("copytree " + quoted(at("src")) + " " + quoted(at("src") / "sub" / "inner"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("into itself"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(at("src") / "sub" / "inner"));

  for (const char* bad : {"copy", "copy a", "copytree a b c", "ls", "count", "rmtree", "trash", "ls -x a"})
    EXPECT_EQ(run_tool(bad).status, 2) << bad;
}

TEST_F(DirTreeToolTest, LsCountAndRmtree) {
  const std::string mask = quoted(at("src") / "*.txt");
  EXPECT_EQ(run_tool("count " + mask).out, "1\n");
  EXPECT_EQ(run_tool("count -r " + mask).out, "2\n");
  std::vector<std::string> names;
  for (const std::string& line : sorted_lines(run_tool("ls -r " + mask).out))
    names.push_back(fs::path(line).filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "b.TXT"}));

  ToolResult r = run_tool("rmtree " + quoted(at("src")));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(fs::exists(at("src")));
  r = run_tool("rmtree " + quoted(at("src")));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot remove"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace zyl::test

// The tool's file arguments as Windows users give them and files as they
// meet them: wildcards the shell leaves to the program, files other programs
// are writing, and files larger than a 32-bit program can hold.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/file.h"
#include "platform/filestream.h"
#include "platform/os.h"
#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

constexpr bool kWindows = platform::kOsFamily == platform::OsFamily::Windows;

std::string native(const std::filesystem::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

TEST_F(TempDirTest, WildcardsInFileArgumentsAreExpandedOnWindows) {
  if constexpr (!kWindows) GTEST_SKIP() << "POSIX shells expand wildcards themselves";
  write_file_bytes(tmp.path() / "b.txt", "123456789");
  write_file_bytes(tmp.path() / "A.txt", "");
  write_file_bytes(tmp.path() / "c.dat", "x");
  std::filesystem::create_directory(tmp.path() / "d.txt");
  const std::string dir = native(tmp.path()) + "\\";
  const ToolResult r = run_tool("crc32 '" + dir + "*.txt' '" + dir + "?.dat'");
  EXPECT_EQ(r.out, "00000000  " + dir + "A.txt\nCBF43926  " + dir + "b.txt\n8CDC1683  " + dir + "c.dat\n") << r.err;
  const ToolResult none = run_tool("crc32 '" + dir + "*.none'");
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("cannot open " + dir + "*.none"), std::string::npos) << none.err;
  EXPECT_EQ(run_tool("lines '" + dir + "b.*'").out, "0\n");
  EXPECT_EQ(run_tool("grep '1*' '" + dir + "b.*'").out, "123456789\n") << "the expression is not expanded";
}

// A log file held open for writing by another program can be read by every
// command (the writer lets others read; the reader must let it write).
TEST_F(TempDirTest, FilesOthersAreWritingCanBeRead) {
  write_file_bytes(tmp.path() / "log.txt", "<a>line</a>\n");
  int error = 0;
  const platform::FileHandle writer =
      platform::open_file(tmp.file("log.txt"), platform::FileAccess::Write, platform::FileDisposition::OpenExisting,
                          fmShareDenyWrite, error);
  ASSERT_TRUE(writer.valid());
  for (const char* command : {"base64", "ascii85", "lines", "tags", "crc32", "sha1", "rle", "scramble", "grep a"}) {
    SCOPED_TRACE(command);
    const ToolResult r = run_tool(std::string(command) + " '" + native(tmp.path() / "log.txt") + "'");
    EXPECT_EQ(r.status, 0) << r.err;
  }
}

// A file far larger than a 32-bit program can hold goes through every
// command that streams; a command that cannot cope reports it with its
// error status instead of dying.
TEST_F(TempDirTest, InputsLargerThanMemoryStream) {
  const auto big = tmp.path() / "big.bin";
  write_file_bytes(big, "");
  std::filesystem::resize_file(big, std::uintmax_t{1} << 30);  // sparse: reads as zeros
  const std::string null_device = kWindows ? "NUL" : "/dev/null";
  for (const char* command : {"scramble", "base64", "rle"}) {
    SCOPED_TRACE(command);
    const ToolResult r = run_tool(std::string(command) + " '" + native(big) + "'", "", null_device);
    EXPECT_EQ(r.status, 0) << r.err;
  }
  EXPECT_EQ(run_tool("lines '" + native(big) + "'").out, "0\n");
  if constexpr (kWindows) {
    // One line of 1 GiB: the matcher needs it whole, which a 32-bit program
    // cannot hold; grep says so with its error status 2.
    const ToolResult r = run_tool("grep x '" + native(big) + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("zyl grep: "), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace zyl::test

// The tool's command line and output: "--", messages, usage errors, output
// errors, the demo's temporary file, and bytes written back as read.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/os.h"
#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

constexpr bool kWindows = platform::kOsFamily == platform::OsFamily::Windows;

TEST_F(TempDirTest, DoubleDashEndsTheOptions) {
  const std::string dashed = (tmp.path() / "-d").string();
  write_file_bytes(dashed, "123456789");
  EXPECT_EQ(run_tool("grep -n -- -x", "a\n-x b\n").out, "2:-x b\n");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(tmp.path());
  const ToolResult crc = run_tool("crc32 -- -d");
  const ToolResult rle = run_tool("rle -- -d");
  std::filesystem::current_path(before);
  EXPECT_EQ(crc.out, "CBF43926  -d\n") << crc.err;
  EXPECT_EQ(rle.status, 0) << "a file named -d, not the option: " << rle.err;
  EXPECT_EQ(run_tool("grep -- -q").status, 1) << "the expression -q, read from standard input";
  EXPECT_EQ(run_tool("grep -q x").status, 2) << "an unknown option before --";
}

TEST(ToolCli, EveryMessageNamesItsCommand) {
  struct Case {
    const char* args;
    const char* input;
    int status;
    const char* message;
  } cases[] = {
      {"crc32 /nonexistent/x", "", 1, "zyl crc32: cannot open /nonexistent/x: "},
      {"sha1 /nonexistent/x", "", 1, "zyl sha1: cannot open /nonexistent/x: "},
      {"base64 -d", "*", 1, "zyl base64: input is not valid Base64"},
      {"ascii85 -d", "ab{de~>", 1, "zyl ascii85: input holds a character"},
      {"grep a**", "", 2, "zyl grep: Component \"grep\": error in regular expression"},
      {"demo extra", "", 2, "zyl demo: "},
      {"lines --bogus", "", 2, "zyl lines: unknown option --bogus"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const ToolResult r = run_tool(c.args, c.input);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
  }
}

// Also where the C run time reports a failed write only through the
// stream's error flag (Windows).
TEST(ToolCli, FailedOutputIsAnError) {
  if (!kWindows && !std::filesystem::exists(full_device())) GTEST_SKIP() << "needs " << full_device();
  for (const char* args : {"--help", "--version", "demo", "crc32", "tags", "scramble", "lines --mode 0"}) {
    SCOPED_TRACE(args);
    const ToolResult r = run_tool(args, "<a>x</a>", full_device());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot write to standard output"), std::string::npos) << r.err;
  }
}

// The demo writes its sample file under a fresh private name: a link
// planted under a predictable name is never followed, and nothing is left.
TEST_F(TempDirTest, DemoUsesAPrivateTemporaryFile) {
  if constexpr (kWindows) GTEST_SKIP() << "symbolic links and TMPDIR are POSIX";
  const std::filesystem::path victim = tmp.path() / "victim.txt";
  write_file_bytes(victim, "precious");
  std::filesystem::create_symlink(victim, tmp.path() / "zyl-demo-mixed.dat");
  const ToolResult r =
      run_tool("--version >/dev/null; TMPDIR='" + tmp.path().string() + "' '" + ZYL_TOOL_PATH + "' demo");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(read_file_bytes(victim), "precious");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(tmp.path())) ++entries;
  EXPECT_EQ(entries, 2u) << "only the victim and the link remain";
}

TEST(ToolCli, TagsWritesBytesAsRead) {
  EXPECT_EQ(run_tool("tags", "<p title=\"caf\xC3\xA9\">na\xC3\xAFve</p>").out,
            "-1\tp\ttitle=\"caf\xC3\xA9\"\tna\xC3\xAFve\n");
  // Sixty bytes shown, completed to a whole UTF-8 character.
  const std::string text = std::string(59, 'x') + "\xC3\xA9" + "tail";
  EXPECT_EQ(run_tool("tags", "<p>" + text + "</p>").out, "-1\tp\t\t" + std::string(59, 'x') + "\xC3\xA9\n");
}

TEST(ToolCli, Ascii85DecodesFramedInput) {
  EXPECT_EQ(run_tool("ascii85 -d", "<~87cURD]i,\"Ebo80~>").out, "Hello World!");
  EXPECT_EQ(run_tool("ascii85 -d", "\r\n<~87cURD]i,\"Ebo80~>\r\n").out, "Hello World!");
  EXPECT_EQ(run_tool("ascii85 -d", "87cURD]i,\"Ebo80~>").out, "Hello World!") << "unframed as before";
}

}  // namespace
}  // namespace zyl::test

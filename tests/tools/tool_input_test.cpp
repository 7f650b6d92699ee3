// How every command takes its input: failures of the input are errors, file
// names reach the file system as given, "" is a file (only "-" is standard
// input), a named pipe is opened once, and any size streams through bounded
// memory.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/os.h"
#include "support/tempdir.h"
#include "tools/tool_support.h"

#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#define ZYL_TEST_POSIX_SHELL 1
#endif

namespace zyl::test {
namespace {

constexpr bool kWindows = platform::kOsFamily == platform::OsFamily::Windows;

const char* const kStreamCommands[] = {"sha1", "crc32", "crc16", "lines", "base64", "ascii85",
                                       "tags", "rle",   "scramble"};

// A read that fails is not the end of the input: the empty input's result
// must not be printed as the file's.
TEST(ToolInput, ReadErrorsFailTheCommand) {
  if (kWindows || !std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "needs /proc/self/mem";
  for (const char* command : kStreamCommands) {
    SCOPED_TRACE(command);
    const ToolResult r = run_tool(std::string(command) + " /proc/self/mem");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.err.find(std::string("zyl ") + command + ": "), std::string::npos) << r.err;
  }
  EXPECT_EQ(run_tool("grep x /proc/self/mem").status, 2);
}

TEST(ToolInput, OnlyADashIsStandardInput) {
  for (const char* command : {"crc32", "crc16", "rle", "scramble", "sha1", "lines", "tags"}) {
    SCOPED_TRACE(command);
    const ToolResult r = run_tool(std::string(command) + " ''", "standard input");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot open"), std::string::npos) << r.err;
  }
  EXPECT_EQ(run_tool("grep x ''", "x").status, 2);
  EXPECT_EQ(run_tool("crc32 -", "123456789").out, "CBF43926  -\n");
}

// A name that is not UTF-8 names that file, not the file its Latin-1
// reading spells in UTF-8.
TEST_F(TempDirTest, NamesThatAreNotUtf8ReachTheFileSystemAsGiven) {
  if constexpr (kWindows) GTEST_SKIP() << "Windows names are UTF-16";
  const std::string dir = tmp.path().string() + "/";
  write_file_bytes(dir + "n\xE9.txt", "<t>latin</t>\n");
  write_file_bytes(dir + "n\xC3\xA9.txt", "<u>utf-8</u>\n");
  for (const char* command : kStreamCommands) {
    SCOPED_TRACE(command);
    const ToolResult from_file = run_tool(std::string(command) + " '" + dir + "n\xE9.txt'");
    const ToolResult from_stdin = run_tool(command, "<t>latin</t>\n");
    EXPECT_EQ(from_file.status, 0) << from_file.err;
    if (std::string(command).rfind("crc", 0) == 0 || std::string(command) == "sha1") {
      // The listing names the input; the value must be the same.
      EXPECT_EQ(from_file.out.substr(0, from_file.out.find(' ')), from_stdin.out.substr(0, from_stdin.out.find(' ')));
    } else {
      EXPECT_EQ(from_file.out, from_stdin.out);
    }
  }
  EXPECT_EQ(run_tool("grep latin '" + dir + "n\xE9.txt'").out, "<t>latin</t>\n");
}

#ifdef ZYL_TEST_POSIX_SHELL
// A writer that finishes before the command reads must not leave a second
// open of the pipe waiting for another writer.
TEST_F(TempDirTest, ANamedPipeIsOpenedOnce) {
  const std::string fifo = (tmp.path() / "pipe").string();
  for (const char* command : {"lines", "base64", "tags", "sha1", "crc32", "scramble"}) {
    SCOPED_TRACE(command);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ToolResult r = run_tool("--version >/dev/null; (printf '<a>x</a>\\n' > '" + fifo + "' &); timeout 20 " +
                                  ZYL_TOOL_PATH + " " + command + " '" + fifo + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(r.out.empty());
    std::filesystem::remove(fifo);
  }
}

// The largest resident size of any process of a shell pipeline, from that
// pipeline's run alone (not from the commands other tests ran before); -1
// when the shell did not end normally.
long pipeline_peak_rss_kib(const std::string& Pipeline) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execl("/bin/sh", "sh", "-c", (Pipeline + " >/dev/null").c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)) return -1;
  return usage.ru_maxrss;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

TEST(ToolInput, AnyInputSizeStreamsThroughBoundedMemory) {
  const std::string tool = ZYL_TOOL_PATH;
  struct Case {
    const char* label;
    std::string pipeline;
  } cases[] = {
      {"sha1, 1 GiB", "head -c 1073741824 /dev/zero | '" + tool + "' sha1"},
      {"lines, 1 GiB", "head -c 1073741824 /dev/zero | '" + tool + "' lines"},
      {"scramble, 1 GiB", "head -c 1073741824 /dev/zero | '" + tool + "' scramble"},
      {"tags, contents of 1 GiB", "{ printf '<a>'; head -c 1073741824 /dev/zero; } | '" + tool + "' tags"},
      {"tags, unterminated tag of 64 MiB", "{ printf '<a '; head -c 67108864 /dev/zero; } | '" + tool + "' tags"},
      {"base64, 64 MiB", "head -c 67108864 /dev/zero | '" + tool + "' base64"},
      {"ascii85 -d, 64 MiB", "head -c 67108864 /dev/zero | tr '\\000' '!' | '" + tool + "' ascii85 -d"},
      {"grep, 64 MiB of short lines", "yes | head -c 67108864 | '" + tool + "' grep x"},
      {"lines --mode 0, 64 MiB of short lines", "yes | head -c 67108864 | '" + tool + "' lines --mode 0"},
  };
  if (kSanitized) GTEST_SKIP() << "the address sanitizer's shadow memory and quarantine are not the tool's";
  constexpr long kBoundKiB = 16 * 1024;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const long peak = pipeline_peak_rss_kib(c.pipeline);
    EXPECT_GT(peak, 0) << "the pipeline was killed";
    EXPECT_LT(peak, kBoundKiB);
  }
}
#endif

}  // namespace
}  // namespace zyl::test

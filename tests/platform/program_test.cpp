#include "platform/program.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace zyl::platform {
namespace {

using test::TempDirTest;

class ProgramFiles : public TempDirTest {};

// Names beyond any 8-bit code page must open too (Windows' fopen cannot).
TEST_F(ProgramFiles, OpensUtf8NamesForBinaryReading) {
  const std::string name = "\xCE\xA9-Gr\xC3\xB6\xC3\x9F" "e-\xE2\x82\xAC.bin";  // Ω-Größe-€.bin
  const std::string bytes("a\r\nb\x1A" "c\0d", 8);
  test::write_file_bytes(tmp.path() / std::u8string(name.begin(), name.end()), bytes);
  const std::u8string dir = tmp.path().u8string();
  const std::string full = std::string(dir.begin(), dir.end()) + "/" + name;
  const std::unique_ptr<std::FILE, decltype(&std::fclose)> f(open_binary_read(full), &std::fclose);
  ASSERT_NE(f, nullptr);
  char buf[16];
  EXPECT_EQ(std::string(buf, std::fread(buf, 1, sizeof buf, f.get())), bytes) << "read untranslated";

  errno = 0;
  EXPECT_EQ(open_binary_read(full + ".missing"), nullptr);
  EXPECT_NE(errno, 0);
}

TEST(ProgramArguments, StartWithTheProgram) {
  char program[] = "zyl_test_platform";
  char arg[] = "x";
  char* argv[] = {program, arg, nullptr};
  const std::vector<std::string> args = program_arguments(2, argv);
  ASSERT_FALSE(args.empty());
  // On Windows the arguments come from the process's own command line.
  EXPECT_NE(args[0].find("zyl_test_platform"), std::string::npos) << args[0];
}

}  // namespace
}  // namespace zyl::platform

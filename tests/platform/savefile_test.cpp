#include "platform/savefile.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "support/tempdir.h"

namespace zyl::platform {
namespace {

using test::TempDirTest;

TEST_F(TempDirTest, SaveFileCreatesAndReplacesWithoutLeftovers) {
  const String name = tmp.file("out.txt");
  save_file(name, "first");
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "out.txt"), "first");
  save_file(name, std::string("second\0line", 11));
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "out.txt"), std::string("second\0line", 11));
  save_file(name, "");
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "out.txt"), "");
  // Only the target is left in the directory: no temporary files.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(tmp.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(TempDirTest, SaveFileFailureKeepsTheOldContentAndReports) {
  // A directory in the target's place cannot be replaced by a file.
  std::filesystem::create_directory(tmp.path() / "taken");
  test::write_file_bytes(tmp.path() / "taken" / "inside", "keep");
  try {
    save_file(tmp.file("taken"), "new");
    FAIL() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_NE(e.ErrorCode(), 0);
    EXPECT_EQ(e.Message().rfind(u"Cannot write \"" + tmp.file("taken") + u"\": ", 0), 0u);
  }
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "taken" / "inside"), "keep");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(tmp.path())) ++entries;
  EXPECT_EQ(entries, 1) << "the temporary file is removed";

  EXPECT_THROW(save_file(tmp.file("missing-dir/out.txt"), "x"), EInOutError);
}

}  // namespace
}  // namespace zyl::platform

// The recycle bin through the shell's file operation.
#include <filesystem>

#include <gtest/gtest.h>

#include "ZYL_filesys/filedelete.h"
#include "filetree.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;

TEST(Win32Trash, MovesMatchingFilesToTheRecycleBin) {
  const zyl::test::TempDir tmp;
  zyl::test::make_tree(tmp.path(), {{"one.log", "1"}, {"two.log", "2"}, {".dot.log", "3"}, {"keep.txt", "4"}});
  EXPECT_EQ(MoveToRecycleBin(zyl::test::lib_path(tmp.path() / "*.log")), 2);
  EXPECT_FALSE(fs::exists(tmp.path() / "one.log"));
  EXPECT_FALSE(fs::exists(tmp.path() / "two.log"));
  EXPECT_TRUE(fs::exists(tmp.path() / ".dot.log"));
  EXPECT_TRUE(fs::exists(tmp.path() / "keep.txt"));
  EXPECT_EQ(MoveToRecycleBin(zyl::test::lib_path(tmp.path() / "*.none")), 0);
}

}  // namespace
}  // namespace ZYL_filesys

// The recycle bin through the shell's file operation. Under Wine the files
// land in the host user's trash, named so that they are recognisable.
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
  zyl::test::make_tree(tmp.path(),
                       {{"zyl-test-one.log", "1"}, {"zyl-test-two.log", "2"}, {".dot.log", "3"}, {"keep.txt", "4"}});
  EXPECT_EQ(MoveToRecycleBin(zyl::test::lib_path(tmp.path() / "*.log")), 2);
  EXPECT_FALSE(fs::exists(tmp.path() / "zyl-test-one.log"));
  EXPECT_FALSE(fs::exists(tmp.path() / "zyl-test-two.log"));
  EXPECT_TRUE(fs::exists(tmp.path() / ".dot.log"));
  EXPECT_TRUE(fs::exists(tmp.path() / "keep.txt"));
  EXPECT_EQ(MoveToRecycleBin(zyl::test::lib_path(tmp.path() / "*.none")), 0);
}

}  // namespace
}  // namespace ZYL_filesys

#include "ZYL_filesys/filedelete.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "filetree.h"
#include "platform/filename.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::String;
using zyl::test::lib_path;
using zyl::test::snapshot;

class FileDeleteTest : public zyl::test::TempDirTest {
 protected:
  void SetUp() override {
    zyl::test::make_tree(tree(), {{"a.txt", "1"},
                                  {".dot", "2"},
                                  {"x/y/z.bin", "3"},
                                  {"x/empty", "/"},
                                  {"\xC3\xA9t\xC3\xA9.txt", "4"}});
  }
  fs::path tree() const { return tmp.path() / "tree"; }
};

TEST_F(FileDeleteTest, DelDirTreeRemovesEverything) {
  for (const char* suffix : {"", "/"}) {
    zyl::test::make_tree(tree(), {{"again.txt", "x"}});
    EXPECT_EQ(DelDirTree(lib_path(tree()) + zyl::from_utf8(suffix)), u"") << suffix;
    EXPECT_FALSE(fs::exists(tree()));
  }
  EXPECT_EQ(DelDirTree(u""), u"");
}

TEST_F(FileDeleteTest, DelDirTreeStopsAtAReadOnlyFile) {
  zyl::test::make_tree(tree(), {{"x/y/locked.txt", "ro"}});
  zyl::test::set_read_only(tree() / "x" / "y" / "locked.txt", true);
  const String failed = DelDirTree(lib_path(tree()));
  EXPECT_EQ(zyl::ExtractFileName(failed), u"locked.txt");
  EXPECT_TRUE(fs::exists(tree() / "x" / "y" / "locked.txt"));
  EXPECT_TRUE(fs::exists(tree()));
}

TEST_F(FileDeleteTest, DelDirTreeRefusesRootsAndReportsMissingDirectories) {
  const char16_t* roots[] = {u"/", u"//", u"C:\\", u"c:/"};
  for (const char16_t* root : roots) {
    const String r(root);
    // A root on this platform is refused; another platform's root is a
    // missing directory. Either way nothing is deleted and it comes back.
    EXPECT_FALSE(DelDirTree(r).empty()) << zyl::to_utf8(r);
  }
  EXPECT_EQ(DelDirTree(u"/"), u"/") << "the root, or on Windows the current drive's root";
  const String missing = tmp.file("missing");
  EXPECT_EQ(DelDirTree(missing), missing + zyl::PathDelim);
}

TEST_F(FileDeleteTest, DeleteFilesKeepsDotFilesDirectoriesAndReadOnlyFiles) {
  zyl::test::make_tree(tree(), {{"ro.txt", "r"}});
  zyl::test::set_read_only(tree() / "ro.txt", true);
  EXPECT_EQ(DeleteFiles(lib_path(tree() / "*.*")), 2) << "a.txt and the non-ASCII name";
  EXPECT_EQ(snapshot(tree()), (zyl::test::TreeSnapshot{{".dot", "2"},
                                                       {"ro.txt", "r"},
                                                       {"x", "/"},
                                                       {"x/empty", "/"},
                                                       {"x/y", "/"},
                                                       {"x/y/z.bin", "3"}}));
  EXPECT_EQ(DeleteFiles(lib_path(tree() / "none*")), 0);
  EXPECT_EQ(DeleteFiles(lib_path(tree() / "x")), 0) << "a directory is not deleted";
  EXPECT_EQ(DeleteFiles(u""), 0);
}

}  // namespace
}  // namespace ZYL_filesys

#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "ZYL_filesys/filecopy.h"
#include "ZYL_filesys/filedelete.h"
#include "ZYL_filesys/dirscan.h"
#include "ZYL_filesys/filefind.h"
#include "filetree.h"
#include "platform/casemap.h"
#include "platform/os.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::String;
using zyl::test::lib_path;
using zyl::test::snapshot;

constexpr bool kWindows = zyl::platform::kOsFamily == zyl::platform::OsFamily::Windows;

const std::vector<zyl::test::TreeEntry> kTree = {
    {"top.txt", "top"},
    {".hidden", "dot file"},
    {"empty", "/"},
    {"a/b/c/deep.bin", std::string(70000, 'd')},
    {"a/b/empty-too", "/"},
    {"a/zero", ""},
    {"Gr\xC3\xBC\xC3\x9F" "e/\xE6\x97\xA5\xE6\x9C\xAC.txt", "non-ASCII"},
    {"ro/locked.txt", "read-only"},
};

class TreeCopyTest : public zyl::test::TempDirTest {
 protected:
  void SetUp() override {
    zyl::test::make_tree(src(), kTree);
    zyl::test::set_read_only(src() / "ro" / "locked.txt", true);
  }
  fs::path src() const { return tmp.path() / "src"; }
  fs::path dst() const { return tmp.path() / "out" / "dst"; }
};

TEST_F(TreeCopyTest, CopiesEveryFileAndDirectoryWithProgress) {
  std::set<String> names;
  std::int32_t last_count = 0;
  CopyFileTree(lib_path(src()), lib_path(dst()), false,
               [&](std::int64_t bytes, std::int64_t size, const String& name, std::int32_t count) {
                 EXPECT_LE(bytes, size);
                 EXPECT_GE(count, last_count);
                 last_count = count;
                 names.insert(name);
               });
  EXPECT_EQ(snapshot(dst()), snapshot(src()));
  EXPECT_EQ(last_count, 6);
  EXPECT_EQ(names.size(), 6u);
  EXPECT_EQ(names.count(lib_path(dst() / "top.txt")), 1u) << "the destination's full name is reported";
  EXPECT_EQ(zyl::test::is_read_only(dst() / "ro" / "locked.txt"), !kWindows)
      << "without the flag: an ordinary new file (Windows), the source's permission bits (POSIX)";
}

TEST_F(TreeCopyTest, AttributeFlagClearsReadOnly) {
  EXPECT_TRUE(CopyFileTreeReport(lib_path(src()), lib_path(dst()), true, nullptr).empty());
  EXPECT_FALSE(zyl::test::is_read_only(dst() / "ro" / "locked.txt"));
  EXPECT_EQ(snapshot(dst()), snapshot(src()));
}

TEST_F(TreeCopyTest, SameDirectoryAndCopiesIntoItselfDoNothing) {
  const auto before = snapshot(tmp.path());
  int calls = 0;
  const TTreeCopyFeedBack count = [&](std::int64_t, std::int64_t, const String&, std::int32_t) { ++calls; };
  CopyFileTree(lib_path(src()), lib_path(src() / ""), false, count);
  if (kWindows) CopyFileTree(lib_path(src()), zyl::AnsiUpperCase(lib_path(src())), false, count);
  const auto refused = CopyFileTreeReport(lib_path(src()), lib_path(src() / "a" / "inner"), false, count);
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_NE(refused[0].find(u"into itself"), String::npos);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(snapshot(tmp.path()), before);
}

TEST_F(TreeCopyTest, AbortStopsTheWalk) {
  std::int32_t seen = 0;
  CopyFileTree(lib_path(src()), lib_path(dst()), false,
               [&](std::int64_t, std::int64_t, const String&, std::int32_t count) {
                 seen = count;
                 if (count == 2) AbortAnyFileCopying();
               });
  EXPECT_EQ(seen, 2);
  std::size_t files = 0;
  for (const auto& [path, content] : snapshot(dst())) files += content != "/";
  EXPECT_LE(files, 1u) << "the second file was aborted, nothing after it started";
}

TEST_F(TreeCopyTest, FailedFilesAreReportedAndTheRestIsCopied) {
  fs::create_directories(dst() / "ro");
  zyl::test::write_file_bytes(dst() / "ro" / "locked.txt", "old");
  zyl::test::set_read_only(dst() / "ro" / "locked.txt", true);
  const auto failures = CopyFileTreeReport(lib_path(src()), lib_path(dst()), false, nullptr);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].rfind(lib_path(dst() / "ro" / "locked.txt") + u": cannot create", 0), 0u)
      << zyl::to_utf8(failures[0]);
  EXPECT_EQ(zyl::test::read_file_bytes(dst() / "top.txt"), "top");
  EXPECT_EQ(zyl::test::read_file_bytes(dst() / "ro" / "locked.txt"), "old");
}

TEST_F(TreeCopyTest, PathsLongerThan300Characters) {
  fs::path deep = src();
  const std::string segment(60, 'x');
  for (int i = 0; i < 6; ++i) deep /= segment + std::to_string(i);
  zyl::test::make_tree(deep, {{"leaf.txt", "far down"}});
  ASSERT_GT(lib_path(deep).size(), 300u);
  EXPECT_TRUE(CopyFileTreeReport(lib_path(src()), lib_path(dst()), true, nullptr).empty());
  // Checked through the library: the C++ library's own directory walk
  // cannot take such paths on Windows.
  EXPECT_EQ(CountFiles(lib_path(dst() / "*"), true, nullptr), 7);
  EXPECT_EQ(GetFileSize64(lib_path(dst() / fs::relative(deep, src()) / "leaf.txt")), 8);
  EXPECT_EQ(DelDirTree(lib_path(dst())), u"");
  EXPECT_FALSE(fs::exists(dst()));
}

}  // namespace
}  // namespace ZYL_filesys

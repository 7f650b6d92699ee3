#include "ZYL_filesys/pathondisk.h"

#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/filename.h"
#include "platform/os.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

using zyl::String;
using zyl::test::read_file_bytes;
using zyl::test::write_file_bytes;
namespace fs = std::filesystem;

constexpr bool kPosix = zyl::platform::kOsFamily == zyl::platform::OsFamily::Posix;

std::string u8(const String& s) { return zyl::to_utf8(s); }

class PathOnDiskTest : public zyl::test::TempDirTest {
 protected:
  // The root of the temporary directory as DOSToWinPath returns it.
  String root() const { return DOSToWinPath(tmp.file("")); }

  // Every path below the temporary directory, relative, with "/" between names.
  std::set<std::string> tree() const {
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(tmp.path())) {
      const std::u8string rel = fs::relative(e.path(), tmp.path()).generic_u8string();
      names.insert(std::string(rel.begin(), rel.end()));
    }
    return names;
  }
};

TEST_F(PathOnDiskTest, DOSToWinPathExpandsAndChecksEverySegment) {
  fs::create_directories(tmp.path() / "Long Directory Name" / "inner");
  write_file_bytes(tmp.path() / "Long Directory Name" / "inner" / "Data File.txt", "x");
  const String base = root();
  ASSERT_FALSE(base.empty());
  EXPECT_EQ(base.back(), zyl::PathDelim) << "a trailing separator is kept";
  const String full = base + u"Long Directory Name" + zyl::PathDelim + u"inner" + zyl::PathDelim + u"Data File.txt";
  EXPECT_EQ(u8(DOSToWinPath(tmp.file("Long Directory Name/inner/Data File.txt"))), u8(full));
  EXPECT_EQ(u8(DOSToWinPath(tmp.file("Long Directory Name/./inner/../inner/Data File.txt"))), u8(full))
      << "dot segments are resolved";

  const String missing = tmp.file("Long Directory Name/nothing/Data File.txt");
  EXPECT_EQ(u8(DOSToWinPath(missing)), u8(missing)) << "a missing segment returns the input";
  const String wild = tmp.file("Long Directory Name/*");
  EXPECT_EQ(u8(DOSToWinPath(wild)), u8(wild)) << "a wildcard is no name";
  EXPECT_EQ(u8(DOSToWinPath(u"")), u8(String()));
  if (kPosix) {
    const String other_case = tmp.file("long directory name/inner");
    EXPECT_EQ(u8(DOSToWinPath(other_case)), u8(other_case)) << "POSIX names differ by case: not found";
    EXPECT_EQ(u8(DOSToWinPath(u"/")), "/");
  } else {
    // Windows keeps short names: the long form comes back in its stored case.
    EXPECT_EQ(u8(DOSToWinPath(tmp.file("LONGDI~1/INNER/DATAFI~1.TXT"))), u8(full));
    EXPECT_EQ(u8(DOSToWinPath(tmp.file("long directory name/INNER/data file.TXT"))), u8(full));
  }
}

TEST_F(PathOnDiskTest, LongPathsWork) {
  // Deeper than 260 characters in total, with names of 60 characters.
  fs::path deep = tmp.path();
  String expected = root();
  for (int i = 0; i < 6; ++i) {
    const std::string name = std::string(58, 'd') + std::to_string(10 + i);
    deep /= name;
    expected += zyl::from_utf8(name) + zyl::PathDelim;
  }
  fs::create_directories(deep);
  write_file_bytes(deep / "f.txt", "x");
  expected += u"f.txt";
  ASSERT_GT(expected.size(), 360u);
  EXPECT_EQ(u8(DOSToWinPath(expected)), u8(expected));

  SetAllFilenameCase(expected, true);
  EXPECT_TRUE(fs::exists(deep / "F.TXT"));
}

TEST_F(PathOnDiskTest, SetAllFilenameCaseRenamesMatchesAndDescends) {
  fs::create_directories(tmp.path() / "Sub.TXT" / "Deep.txt");
  write_file_bytes(tmp.path() / "A.TXT", "a");
  write_file_bytes(tmp.path() / "keep.DAT", "k");
  write_file_bytes(tmp.path() / "Sub.TXT" / "B.Txt", "b");
  write_file_bytes(tmp.path() / "Sub.TXT" / "C.DAT", "c");
  write_file_bytes(tmp.path() / "Sub.TXT" / "Deep.txt" / "E.TXT", "e");
  SetAllFilenameCase(tmp.file("*.txt"), false);
  EXPECT_EQ(tree(), (std::set<std::string>{"a.txt", "keep.DAT", "sub.txt", "sub.txt/b.txt", "sub.txt/C.DAT",
                                           "sub.txt/deep.txt", "sub.txt/deep.txt/e.txt"}));
  EXPECT_EQ(read_file_bytes(tmp.path() / "sub.txt" / "b.txt"), "b") << "contents move with the name";

  SetAllFilenameCase(tmp.file("*.*"), true);
  EXPECT_EQ(tree(), (std::set<std::string>{"A.TXT", "KEEP.DAT", "SUB.TXT", "SUB.TXT/B.TXT", "SUB.TXT/C.DAT",
                                           "SUB.TXT/DEEP.TXT", "SUB.TXT/DEEP.TXT/E.TXT"}));
  SetAllFilenameCase(tmp.file("nothing*.xyz"), true);  // no match: nothing happens
}

TEST_F(PathOnDiskTest, SetAllFilenameCaseSkipsDirectoriesWithOtherAttributes) {
  fs::create_directories(tmp.path() / "Locked");
  write_file_bytes(tmp.path() / "Locked" / "Inner.txt", "x");
  // Read-only: the attribute bit on Windows, no owner write bit on POSIX.
  fs::permissions(tmp.path() / "Locked", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  SetAllFilenameCase(tmp.file("*"), false);
  fs::permissions(tmp.path() / "locked", fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(tree(), (std::set<std::string>{"locked", "locked/Inner.txt"})) << "renamed, but not entered";
}

TEST_F(PathOnDiskTest, PosixNeverReplacesOrFollows) {
  if (!kPosix) GTEST_SKIP() << "POSIX adaptation: names that differ by case are different files";
  write_file_bytes(tmp.path() / "a.txt", "lower");
  write_file_bytes(tmp.path() / "A.TXT", "upper");
  try {
    SetAllFilenameCase(tmp.file("a.txt"), true);
    ADD_FAILURE() << "renaming onto another file must raise";
  } catch (const zyl::EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("a.txt"), std::string::npos) << e.what();
  }
  EXPECT_EQ(read_file_bytes(tmp.path() / "a.txt"), "lower");
  EXPECT_EQ(read_file_bytes(tmp.path() / "A.TXT"), "upper");

  // A linked directory is renamed as a link, never entered.
  const zyl::test::TempDir outside;
  write_file_bytes(outside.path() / "Target.txt", "t");
  fs::create_directory_symlink(outside.path(), tmp.path() / "Link");
  fs::remove(tmp.path() / "A.TXT");
  SetAllFilenameCase(tmp.file("*"), true);
  EXPECT_TRUE(fs::is_symlink(tmp.path() / "LINK"));
  EXPECT_TRUE(fs::exists(outside.path() / "Target.txt")) << "nothing behind a link is renamed";
}

}  // namespace
}  // namespace ZYL_filesys

#include "ZYL_filesys/filefind.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/casemap.h"
#include "platform/filename.h"
#include "platform/os.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

using zyl::String;
using zyl::test::write_file_bytes;
namespace fs = std::filesystem;

constexpr bool kPosix = zyl::platform::kOsFamily == zyl::platform::OsFamily::Posix;

class FileFindTest : public zyl::test::TempDirTest {
 protected:
  // The directory part FileDetect returns for the temporary directory.
  String dir() const {
    const String d = tmp.file("");
    return kPosix ? d : zyl::AnsiUpperCase(d);
  }
};

TEST_F(FileFindTest, FileDetectSearchesTheTreeDepthFirst) {
  fs::create_directories(tmp.path() / "a" / "deep");
  fs::create_directories(tmp.path() / "b");
  write_file_bytes(tmp.path() / "a" / "deep" / "Target.Dat", "1");
  write_file_bytes(tmp.path() / "top.txt", "2");
  const String sep(1, zyl::PathDelim);
  EXPECT_EQ(FileDetect(tmp.file("TOP.TXT")), dir() + u"top.txt") << "found in the directory itself, as stored";
  EXPECT_EQ(FileDetect(tmp.file("target.dat")), dir() + u"a" + sep + u"deep" + sep + u"Target.Dat");
  EXPECT_EQ(FileDetect(tmp.file("absent.dat")), u"");
  EXPECT_EQ(FileDetect(tmp.file("a")), u"") << "directories are not found";
  EXPECT_EQ(FileDetect(tmp.file("missing-dir/x")), u"");
  EXPECT_EQ(FileDetect(u""), u"");
}

TEST_F(FileFindTest, FileDetectSkipsHiddenFilesAndLinkedDirectories) {
  if (!kPosix) GTEST_SKIP() << "POSIX adaptation: hidden means a leading dot, links are never followed";
  fs::create_directories(tmp.path() / ".hid");
  write_file_bytes(tmp.path() / ".hid" / "in-hidden.txt", "x");
  write_file_bytes(tmp.path() / ".secret", "x");
  const zyl::test::TempDir outside;
  write_file_bytes(outside.path() / "behind-link.txt", "x");
  fs::create_directory_symlink(outside.path(), tmp.path() / "link");
  EXPECT_EQ(FileDetect(tmp.file("in-hidden.txt")), u"");
  EXPECT_EQ(FileDetect(tmp.file(".secret")), u"");
  EXPECT_EQ(FileDetect(tmp.file("behind-link.txt")), u"");
}

TEST_F(FileFindTest, GetFileSize) {
  write_file_bytes(tmp.path() / "five.bin", "12345");
  fs::create_directory(tmp.path() / "dir");
  EXPECT_EQ(GetFileSize(tmp.file("five.bin")), 5);
  EXPECT_EQ(GetFileSize(tmp.file("missing")), -1);
  EXPECT_EQ(GetFileSize64(tmp.file("missing")), -1);
  EXPECT_EQ(GetFileSize(tmp.file("dir")), 0) << "a directory reports 0";

  // Sizes around the 2 GiB and 4 GiB marks (sparse files).
  const struct {
    std::uint64_t size;
    std::int32_t expected32;
  } sizes[] = {{0x7FFFFFFFull, 0x7FFFFFFF}, {0x80000000ull, 0x7FFFFFFF}, {0x100000005ull, 0x7FFFFFFF}};
  for (const auto& s : sizes) {
    fs::resize_file(tmp.path() / "five.bin", s.size);
    EXPECT_EQ(GetFileSize(tmp.file("five.bin")), s.expected32) << s.size;
    EXPECT_EQ(GetFileSize64(tmp.file("five.bin")), static_cast<std::int64_t>(s.size));
    EXPECT_EQ(FileDetect(tmp.file("five.bin")), dir() + u"five.bin") << "any size is found";
  }
}

TEST_F(FileFindTest, RelativeNamesAreExpanded) {
  write_file_bytes(tmp.path() / "rel.txt", "abc");
  // A relative path under 260 characters that is longer once expanded.
  std::string rel;
  for (int i = 0; i < 4; ++i) rel += std::string(49, static_cast<char>('a' + i)) + "/";
  fs::create_directories(tmp.path() / rel);
  write_file_bytes(tmp.path() / rel / "deep.txt", "x");
  const fs::path before = fs::current_path();
  fs::current_path(tmp.path());
  const std::int32_t size = GetFileSize(u"rel.txt");
  const String found = FileDetect(zyl::from_utf8(rel) + u"DEEP.TXT");
  fs::current_path(before);
  EXPECT_EQ(size, 3);
  const String dir = zyl::from_utf8(rel);
  EXPECT_EQ(zyl::to_utf8(found), zyl::to_utf8((kPosix ? dir : zyl::AnsiUpperCase(dir)) + u"deep.txt"));
}

}  // namespace
}  // namespace ZYL_filesys

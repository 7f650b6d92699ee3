#include "ZYL_filesys/dirscan.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "filetree.h"
#include "platform/casemap.h"
#include "platform/filename.h"
#include "platform/os.h"
#include "platform/stringlist.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::String;
using zyl::test::lib_path;

constexpr bool kWindows = zyl::platform::kOsFamily == zyl::platform::OsFamily::Windows;

class DirScanTest : public zyl::test::TempDirTest {
 protected:
  void SetUp() override {
    zyl::test::make_tree(tmp.path(), {{"a.txt", "1"},
                                      {"B.TXT", "2"},
                                      {"c.dat", "3"},
                                      {"noext", "4"},
                                      {".hidden.txt", "5"},
                                      {"sub/d.txt", "6"},
                                      {"sub/deeper/e.Txt", "7"},
                                      {"sub/deeper/f.bin", "8"},
                                      {".hid/g.txt", "9"},
                                      {"empty", "/"}});
  }
  // The directory part of the names listed: as given on POSIX, upper case on Windows.
  String listed(const String& Dir) const { return kWindows ? zyl::AnsiUpperCase(Dir) : Dir; }
  String root() const { return tmp.file(""); }
};

TEST_F(DirScanTest, CountsMatchingFiles) {
  struct Case {
    const char* mask;
    std::int32_t here, recursive;
  };
  const Case cases[] = {
      {"*", 5, 9},       {"*.*", 5, 9}, {"*.txt", 3, 6},  {"?.TXT", 2, 5}, {"*.bin", 0, 1},
      {"no-match*", 0, 0}, {"", 0, 0},  {"sub", 0, 0},    {"c.dat", 1, 1}, {"noext", 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    const String mask = root() + zyl::from_utf8(c.mask);
    EXPECT_EQ(CountFiles(mask, false, nullptr), c.here);
    EXPECT_EQ(CountFiles(mask, true, nullptr), c.recursive);
  }
  EXPECT_EQ(CountFiles(tmp.file("missing/*"), true, nullptr), 0);
}

TEST_F(DirScanTest, ListsFullNamesAndReportsEachDirectory) {
  zyl::TStringList list;
  list.Add(u"kept");
  std::vector<std::pair<String, std::int32_t>> visits;
  ScanFilesToStrList(root() + u"*.TXT", true, &list,
                     [&](const String& dir, std::int32_t count) { visits.emplace_back(dir, count); });
  std::vector<String> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.Get(i));
  std::sort(names.begin(), names.end());
  const String d = listed(root());
  const String sep(1, zyl::PathDelim);
  std::vector<String> expected = {u"kept",
                                  d + u".hid" + sep + u"g.txt",
                                  d + u".hidden.txt",
                                  d + u"B.TXT",
                                  d + u"a.txt",
                                  d + u"sub" + sep + u"d.txt",
                                  d + u"sub" + sep + u"deeper" + sep + u"e.Txt"};
  if (kWindows)
    for (String& e : expected)
      if (e != u"kept") e = zyl::AnsiUpperCase(zyl::ExtractFilePath(e)) + zyl::ExtractFileName(e);  // every level
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
  ASSERT_EQ(visits.size(), 5u) << "the root, .hid, empty, sub and sub/deeper";
  EXPECT_EQ(visits.front(), std::make_pair(d, 0));
  ScanFilesToStrList(root() + u"*", true, nullptr, nullptr);  // a null list: nothing happens
}

TEST_F(DirScanTest, DirEmptyAndDirExists) {
  fs::create_directories(tmp.path() / "only-sub" / "inner");
  struct Case {
    const char* path;
    bool empty, exists;
  };
  const Case cases[] = {
      {"empty", true, true},       {"empty/", true, true},       {"only-sub", false, true},
      {"sub", false, true},        {"a.txt", true, false},       {"missing", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(DirEmpty(tmp.file(c.path)), c.empty);
    EXPECT_EQ(DirExists(tmp.file(c.path)), c.exists);
  }
  EXPECT_FALSE(DirExists(u""));
}

}  // namespace
}  // namespace ZYL_filesys

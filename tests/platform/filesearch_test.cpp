#include "platform/filesearch.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "platform/filename.h"
#include "platform/os.h"
#include "support/tempdir.h"

namespace zyl {
namespace {

using test::write_file_bytes;
namespace fs = std::filesystem;

constexpr bool kPosix = platform::kOsFamily == platform::OsFamily::Posix;

TEST(FileMask, MatchingRules) {
  const struct {
    const char* label;
    std::u16string_view name, mask;
    bool expected;
  } cases[] = {
      {"star dot star matches a name without dot", u"README", u"*.*", true},
      {"star matches everything", u".hidden", u"*", true},
      {"extension mask", u"a.txt", u"*.txt", true},
      {"extension mask ignores case", u"A.TXT", u"*.txt", true},
      {"other extension", u"a.txt.bak", u"*.txt", false},
      {"question mark is one character", u"ab.c", u"a?.c", true},
      {"question mark needs a character", u"a.c", u"a?.c", false},
      {"literal name, other case", u"Data.Asc", u"DATA.ASC", true},
      {"literal name differs", u"data.asc", u"data.as", false},
      {"dot star also matches no extension", u"data", u"data.*", true},
      {"dot star with an extension", u"data.x", u"data.*", true},
      {"dot star needs the stem", u"database", u"data.*", false},
      {"several stars backtrack", u"abcabcabd", u"*abc*abd", true},
      {"star cannot invent characters", u"ab", u"a*bc", false},
      {"non-ASCII letters fold", u"\u00e4rger.txt", u"\u00c4RGER.TXT", true},
      {"empty mask matches nothing", u"a", u"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::matches_file_mask(c.name, c.mask), c.expected) << c.label;
}

TEST(FileMask, AttributeFilter) {
  EXPECT_TRUE(passes_attribute_filter(faArchive | faReadOnly, 0)) << "plain files always pass";
  EXPECT_FALSE(passes_attribute_filter(faDirectory, 0));
  EXPECT_FALSE(passes_attribute_filter(faArchive | faHidden, faDirectory));
  EXPECT_TRUE(passes_attribute_filter(faDirectory | faHidden | faSysFile, faAnyFile));
  EXPECT_TRUE(passes_attribute_filter(faDirectory | faSymLink, faDirectory)) << "the link bit does not filter";
}

class FileSearchTest : public test::TempDirTest {
 protected:
  // Name -> (size, attributes) of everything Path finds.
  std::map<std::string, std::pair<std::int64_t, std::int32_t>> search(const String& Path, std::int32_t Attr) {
    std::map<std::string, std::pair<std::int64_t, std::int32_t>> found;
    TSearchRec rec;
    for (int rc = FindFirst(Path, Attr, rec); rc == 0; rc = FindNext(rec))
      found[to_utf8(rec.Name)] = {rec.Size, rec.Attr};
    FindClose(rec);
    return found;
  }
};

TEST_F(FileSearchTest, FindsByMaskWithSizesAndAttributes) {
  write_file_bytes(tmp.path() / "One.TXT", "12345");
  write_file_bytes(tmp.path() / "two.txt", "");
  write_file_bytes(tmp.path() / "three.dat", "x");
  fs::create_directory(tmp.path() / "sub.txt");
  const auto txt = search(tmp.file("*.txt"), 0);
  ASSERT_EQ(txt.size(), 2u) << "the directory is left out without faDirectory";
  EXPECT_EQ(txt.at("One.TXT").first, 5);
  EXPECT_EQ(txt.at("two.txt").first, 0);
  EXPECT_EQ(txt.at("One.TXT").second & faDirectory, 0);

  const auto all = search(tmp.file("*.*"), faAnyFile);
  EXPECT_EQ(all.count("sub.txt"), 1u);
  EXPECT_EQ(all.at("sub.txt").second & faDirectory, faDirectory);
  EXPECT_EQ(all.at("sub.txt").first, 0) << "a directory has size 0";
  EXPECT_EQ(all.count("three.dat"), 1u);
  EXPECT_EQ(all.count("."), 1u) << "the directory's own entries are listed";

  const auto exact = search(tmp.file("one.txt"), 0);
  ASSERT_EQ(exact.size(), 1u) << "a literal name matches in any case";
  EXPECT_EQ(exact.begin()->first, "One.TXT") << "names come back as stored";

  TSearchRec rec;
  EXPECT_NE(FindFirst(tmp.file("*.none"), faAnyFile, rec), 0);
  EXPECT_NE(FindFirst(tmp.file("missing-dir/*.*"), faAnyFile, rec), 0);
  EXPECT_NE(FindNext(rec), 0) << "a failed search has nothing next";
}

TEST_F(FileSearchTest, SizesBeyond4GiBAreExact) {
  const fs::path big = tmp.path() / "sparse.bin";
  write_file_bytes(big, "");
  fs::resize_file(big, (5ull << 30) + 3);
  const auto found = search(tmp.file("sparse.bin"), 0);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found.begin()->second.first, static_cast<std::int64_t>((5ull << 30) + 3));
}

TEST_F(FileSearchTest, PosixAttributeMapping) {
  if (!kPosix) GTEST_SKIP() << "POSIX adaptation: attributes come from modes and names";
  write_file_bytes(tmp.path() / ".hidden", "h");
  write_file_bytes(tmp.path() / "ro", "r");
  fs::permissions(tmp.path() / "ro", fs::perms::owner_write, fs::perm_options::remove);
  fs::create_directory(tmp.path() / "dir");
  fs::create_directory_symlink(tmp.path() / "dir", tmp.path() / "link");
  fs::create_symlink(tmp.path() / "nowhere", tmp.path() / "dangling");
  const auto all = search(tmp.file("*"), faAnyFile);
  EXPECT_EQ(all.at(".hidden").second, faArchive | faHidden);
  EXPECT_EQ(all.at("ro").second, faArchive | faReadOnly);
  EXPECT_EQ(all.at("dir").second, faDirectory);
  EXPECT_EQ(all.at("link").second, faDirectory | faSymLink) << "a link reports its target, marked";
  EXPECT_EQ(all.at("dangling").second, faArchive | faSymLink);
  EXPECT_EQ(all.at(".").second, faDirectory) << "\".\" is not hidden";
  EXPECT_EQ(search(tmp.file("*"), 0).count(".hidden"), 0u) << "hidden files need faHidden";
}

TEST_F(FileSearchTest, ExpandFileName) {
  const String abs = ExpandFileName(u"x.txt");
  EXPECT_EQ(ExtractFileName(abs), u"x.txt");
  EXPECT_NE(ExtractFilePath(abs), u"");
  EXPECT_EQ(ExpandFileName(u""), u"");
  if (kPosix) {
    EXPECT_EQ(ExpandFileName(u"/a/./b/../c"), u"/a/c");
    EXPECT_EQ(ExpandFileName(u"/a/b/"), u"/a/b/");
    EXPECT_EQ(ExpandFileName(u"/../.."), u"/");
    EXPECT_EQ(ExpandFileName(u"/a\\b"), u"/a\\b") << "a backslash is an ordinary character on POSIX";
  } else {
    EXPECT_EQ(ExpandFileName(u"C:\\a\\.\\b\\..\\c"), u"C:\\a\\c");
    EXPECT_EQ(ExpandFileName(u"C:/a/b"), u"C:\\a\\b");
  }
}

TEST(FileNameSplit, Table) {
  const struct {
    String name, path, file, ext;
  } cases[] = {
      {u"c:\\a\\b.txt", u"c:\\a\\", u"b.txt", u".txt"},
      {u"x/y.tar.gz", u"x/", u"y.tar.gz", u".gz"},
      {u"c:b", u"c:", u"b", u""},
      {u"a.b\\c", u"a.b\\", u"c", u""},
      {u"name.", u"", u"name.", u"."},
      {u"", u"", u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.name), c.path) << to_utf8(c.name);
    EXPECT_EQ(ExtractFileName(c.name), c.file) << to_utf8(c.name);
    EXPECT_EQ(ExtractFileExt(c.name), c.ext) << to_utf8(c.name);
  }
}

}  // namespace
}  // namespace zyl

// The colour array's text file: exact bytes written, tolerant reading,
// headers that do not fit, events, and failures reported by the results.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/textfile.h"
#include "support/tempdir.h"
#include "ZYL_zylcolors/colorarray.h"

using namespace ZYL_zylcolors;

namespace {

class ColorArrayFile : public zyl::test::TempDirTest {
 protected:
  // Writes bytes to a file in the temporary directory; returns its name.
  zyl::String put(const std::string& bytes) {
    zyl::test::write_file_bytes(tmp.path() / "in.txt", bytes);
    return tmp.file("in.txt");
  }
  std::string bytes_of(const std::string& name) { return zyl::test::read_file_bytes(tmp.path() / name); }
};

std::vector<TColor> colors_of(const TColorArray& a) {
  std::vector<TColor> v;
  for (int i = 1; i <= a.Size(); ++i) v.push_back(a.GetColorElem(i));
  return v;
}

TEST_F(ColorArrayFile, StoreWritesTheExactFormat) {
  TColorArray a(nullptr);
  a.Resize(3);
  a.SetColorElem(1, 0x000000FF);
  a.SetColorElem(2, 0x00FF0000);
  a.SetColorElem(3, 0xFEDCBA98);
  int changes = 0;
  a.OnChange = [&](zyl::TObject*) { ++changes; };
  struct {
    int first, last;
    std::string bytes;
  } cases[] = {
      {1, 3, "1 3\r\n000000FF\r\n00FF0000\r\nFEDCBA98\r\n"},
      {3, 2, "2 3\r\n00FF0000\r\nFEDCBA98\r\n"},           // exchanged
      {0, 99999, "1 3\r\n000000FF\r\n00FF0000\r\nFEDCBA98\r\n"},  // clamped
      {5, 9, "5 3\r\n"},                                     // nothing in range
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    ASSERT_TRUE(a.StoreOnFile(c.first, c.last, tmp.file("out.txt")));
    EXPECT_EQ(bytes_of("out.txt"), c.bytes);
    // The open-file writer produces the same bytes.
    zyl::TextFile f;
    f.Assign(tmp.file("open.txt"));
    f.Rewrite();
    ASSERT_TRUE(a.WriteToOpenTextFile(f, c.first, c.last));
    f.CloseFile();
    EXPECT_EQ(bytes_of("open.txt"), c.bytes);
  }
  EXPECT_EQ(changes, 0) << "writing fires no OnChange";
  TColorArray big(nullptr);
  ASSERT_TRUE(big.StoreOnFile(10, 5, tmp.file("big.txt")));
  EXPECT_EQ(bytes_of("big.txt").substr(0, 6), "5 10\r\n");
  ASSERT_TRUE(big.StoreOnFile(0, 99999, tmp.file("big.txt")));
  const std::string all = bytes_of("big.txt");
  EXPECT_EQ(all.substr(0, 8), "1 1000\r\n");
  EXPECT_EQ(all.size(), 8u + 1000u * 10u);
}

TEST_F(ColorArrayFile, WritingFailuresAreReported) {
  TColorArray a(nullptr);
  // No such directory: false, and nothing is created.
  EXPECT_FALSE(a.StoreOnFile(1, 1000, tmp.file("missing/out.txt")));
  // A file that is not open for writing.
  zyl::TextFile closed;
  closed.Assign(tmp.file("closed.txt"));
  EXPECT_FALSE(a.WriteToOpenTextFile(closed, 1, 10));
  // A directory in the way: false, and the directory stays.
  std::filesystem::create_directory(tmp.path() / "dir.txt");
  EXPECT_FALSE(a.StoreOnFile(1, 2, tmp.file("dir.txt")));
  EXPECT_TRUE(std::filesystem::is_directory(tmp.path() / "dir.txt"));
}

TEST_F(ColorArrayFile, ReadsBackWhatItStores) {
  TColorArray a(nullptr), b(nullptr);
  a.FillByInterpolation(13, std::array<TColor, 3>{0xFF0000FF, 0x00FF00, 0x123456});
  ASSERT_TRUE(a.StoreOnFile(1, 1000, tmp.file("all.txt")));
  ASSERT_TRUE(b.LoadFromFile(tmp.file("all.txt"), false));
  EXPECT_TRUE(b.IsEqual(&a));
}

TEST_F(ColorArrayFile, ReadingHeadersAndLines) {
  struct Case {
    const char* label;
    std::string bytes;
    bool adjust;
    bool result;
    int size;
    std::vector<TColor> first_colors;  // positions 1.. after reading
    int changes;
  };
  const TColor r1 = 0x400020;  // rainbow position 1 (200040 red first)
  const Case cases[] = {
      {"header 1 3 replaces three positions", "1 3\r\n000000FF\r\n00FF0000\r\nFEDCBA98\r\n", false, true, 1000,
       {0xFF, 0xFF0000, 0xFEDCBA98}, 4},
      {"AdjustSize shrinks", "1 3\n1\n2\n3\n", true, true, 3, {1, 2, 3}, 5},
      {"blank, dollar and lower case lines", "1 4\n\n$ff\n  00ab00  \nzz\n", false, true, 1000, {0, 0xFF, 0xAB00, 0},
       5},
      {"positions outside the array are read, not stored", "-1 2\nAA\nBB\nCC\nDD\n", false, true, 1000,
       {0xCC, 0xDD}, 3},
      {"past the end every position stores black", "1 4\nAA\n", false, true, 1000, {0xAA, 0, 0, 0}, 5},
      {"header only", "2 1\n", false, true, 1000, {r1}, 1},
      {"more positions than the array holds", "1 1001\nAA\n", false, false, 1000, {r1}, 1},
      {"AdjustSize to 0 keeps the size", "0 0\nAA\n", true, true, 1000, {r1}, 1},
      {"malformed header", "1 x3\nAA\n", false, false, 1000, {r1}, 0},
      {"one number only", "7\nAA\n", false, false, 1000, {r1}, 0},
      {"header beyond 32 bits", "1 4294967297\nAA\n", false, false, 1000, {r1}, 0},
      {"empty file", "", false, false, 1000, {r1}, 0},
      {"AdjustSize beyond the file limit", "1 2000000000\nAA\n", true, false, 1000, {r1}, 0},
      {"tabs and signs in the header", "\t+1\t-0\t junk\n", false, true, 1000, {r1}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TColorArray a(nullptr);
    int changes = 0;
    a.OnChange = [&](zyl::TObject*) { ++changes; };
    EXPECT_EQ(a.LoadFromFile(put(c.bytes), c.adjust), c.result);
    EXPECT_EQ(a.Size(), c.size);
    for (std::size_t i = 0; i < c.first_colors.size(); ++i)
      EXPECT_EQ(a.GetColorElem(static_cast<int>(i + 1)), c.first_colors[i]) << "position " << i + 1;
    EXPECT_EQ(changes, c.changes);
  }
}

TEST_F(ColorArrayFile, ReadingContinuesAtTheOpenFilesLine) {
  const zyl::String name = put("note\n1 2\nAA\nBB\nnext\n");
  zyl::TextFile f;
  f.Assign(name);
  f.Reset();
  EXPECT_EQ(f.ReadLn(), u"note");
  TColorArray a(nullptr);
  EXPECT_TRUE(a.ReadFromOpenTextFile(f, true));
  EXPECT_EQ(colors_of(a), (std::vector<TColor>{0xAA, 0xBB}));
  EXPECT_EQ(f.ReadLn(), u"next");
  f.CloseFile();
  // A closed file reads nothing.
  EXPECT_FALSE(a.ReadFromOpenTextFile(f, true));
  EXPECT_FALSE(a.LoadFromFile(tmp.file("no-such-file.txt"), true));
}

}  // namespace

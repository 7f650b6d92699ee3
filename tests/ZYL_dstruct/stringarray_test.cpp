#include "ZYL_dstruct/stringarray.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_zylbase/errors.h"
#include "platform/exceptions.h"

namespace ZYL_dstruct {
namespace {

constexpr std::uint32_t ref(std::uint32_t page, std::uint32_t offset) { return (page << 16) | offset; }

TEST(StringArray, NewArrayIsOneByOneAndEmpty) {
  TStringArray a(nullptr);
  EXPECT_EQ(a.NrOfColumns(), 1);
  EXPECT_EQ(a.NrOfRows(), 1);
  EXPECT_EQ(a.AllocRowsBy(), 10);
  EXPECT_EQ(a.allocated_rows(), 10);
  EXPECT_EQ(a.NumBuffers(), 1);
  EXPECT_EQ(a.first_free(1), 1);
  EXPECT_EQ(a.GetString(0, 1), "");
  EXPECT_EQ(a.GetString(1, 1), "");
  EXPECT_EQ(a.GetSortOrder(1), 1);
  EXPECT_EQ(a.GetAsNumber(1, 1), 0);
  // Out of range: neutral values, setters ignored.
  EXPECT_EQ(a.GetSortOrder(0), -1);
  EXPECT_EQ(a.GetSortOrder(2), -1);
  EXPECT_EQ(a.GetColAttrib(0), 0);
  int changes = 0;
  a.OnChange = [&](zyl::TObject*) { ++changes; };
  a.SetString(2, 1, "x");
  a.SetString(-1, 1, "x");
  a.SetString(1, 0, "x");
  a.SetString(1, 2, "x");
  a.SetRowAttrib(2, 1);
  a.SetColAttrib(0, 1);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(a.GetString(2, 1), "");
}

TEST(StringArray, SlotsAreReusedOnlyWhileTheTextFits) {
  TStringArray a(nullptr);
  a.SetString(1, 1, "abcdef");
  EXPECT_EQ(a.cell_reference(1, 1), ref(1, 1));
  EXPECT_EQ(a.first_free(1), 8);
  a.SetString(1, 1, "ab");  // in place: the slot now holds 2
  EXPECT_EQ(a.cell_reference(1, 1), ref(1, 1));
  EXPECT_EQ(a.first_free(1), 8);
  a.SetString(1, 1, "abcd");  // capacity is the current length byte, 2: new slot
  EXPECT_EQ(a.cell_reference(1, 1), ref(1, 8));
  EXPECT_EQ(a.first_free(1), 13);
  a.SetString(0, 1, "xyz");
  EXPECT_EQ(a.GetString(1, 1), "abcd");
  a.GarbageCollection();  // column 0 first, then column 1
  EXPECT_EQ(a.first_free(1), 1 + 4 + 5);
  EXPECT_EQ(a.cell_reference(0, 1), ref(1, 1));
  EXPECT_EQ(a.cell_reference(1, 1), ref(1, 5));
  EXPECT_EQ(a.GetString(0, 1), "xyz");
  EXPECT_EQ(a.GetString(1, 1), "abcd");
}

TEST(StringArray, NewSlotsGoToTheFirstPageWithRoom) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(1, 200));
  const std::string long_text(255, 'L');
  // 127 slots of 256 bytes leave 255 bytes free on page 1: not enough for
  // 255 characters (n < 32768 - q must hold), enough for 10.
  for (int r = 1; r <= 127; ++r) a.SetString(1, r, long_text);
  EXPECT_EQ(a.first_free(1), 1 + 127 * 256);
  a.SetString(1, 128, long_text);
  EXPECT_EQ(a.NumBuffers(), 2);
  EXPECT_EQ(a.cell_reference(1, 128), ref(2, 1));
  EXPECT_EQ(a.first_free(2), 257);
  a.SetString(1, 129, "0123456789");
  EXPECT_EQ(a.cell_reference(1, 129), ref(1, 1 + 127 * 256)) << "page 1 still has room for 10";
  a.SetString(1, 130, long_text);
  EXPECT_EQ(a.cell_reference(1, 130), ref(2, 257));
  for (int r = 1; r <= 130; ++r) ASSERT_EQ(a.GetString(1, r), r == 129 ? "0123456789" : long_text) << r;
  a.Clear();
  EXPECT_EQ(a.NumBuffers(), 1);
  EXPECT_EQ(a.first_free(1), 1);
  EXPECT_EQ(a.GetString(1, 1), "");
  EXPECT_EQ(a.NrOfRows(), 200) << "Clear keeps the dimensions";
}

TEST(StringArray, GarbageCollectionPacksEachPageInCellOrder) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(3, 300));
  std::mt19937 rng(7);
  std::vector<std::string> expect(4 * 300);
  for (int round = 0; round < 3; ++round)  // rewrites leave garbage behind
    for (int c = 0; c <= 3; ++c)
      for (int r = 1; r <= 300; ++r) {
        std::string t(rng() % 60, static_cast<char>('a' + rng() % 26));
        a.SetString(c, r, t);
        expect[static_cast<std::size_t>(c * 300 + r - 1)] = t;
      }
  const int pages = a.NumBuffers();
  ASSERT_GT(pages, 1);
  a.GarbageCollection();
  EXPECT_EQ(a.NumBuffers(), pages) << "pages are neither merged nor released";
  std::vector<std::int32_t> used(static_cast<std::size_t>(pages) + 1, 1);
  for (int c = 0; c <= 3; ++c)
    for (int r = 1; r <= 300; ++r) {
      const std::uint32_t rf = a.cell_reference(c, r);
      const auto page = rf >> 16;
      ASSERT_EQ(static_cast<std::int32_t>(rf & 0xFFFF), used[page]) << "slots follow each other without gaps";
      used[page] += static_cast<std::int32_t>(expect[static_cast<std::size_t>(c * 300 + r - 1)].size()) + 1;
      ASSERT_EQ(a.GetString(c, r), expect[static_cast<std::size_t>(c * 300 + r - 1)]);
    }
  for (int p = 1; p <= pages; ++p) EXPECT_EQ(a.first_free(p), used[static_cast<std::size_t>(p)]) << "page " << p;
}

TEST(StringArray, TextsOverShortStringLengthAreRefused) {
  TStringArray a(nullptr);
  a.SetString(1, 1, "keep");
  EXPECT_THROW(a.SetString(1, 1, std::string(256, 'x')), ZYL_zylbase::EZYLDStructError);
  EXPECT_EQ(a.GetString(1, 1), "keep");
  a.SetString(1, 1, std::string(255, 'y'));
  EXPECT_EQ(a.GetString(1, 1), std::string(255, 'y'));
  const std::string bytes("\0\x01\xFF\x80", 4);
  a.SetString(0, 1, bytes);
  EXPECT_EQ(a.GetString(0, 1), bytes);
}

TEST(StringArray, CellsReadAsNumbers) {
  struct Case {
    const char* text;
    long double number;
    std::int32_t integer;
  } cases[] = {
      {"", 0, 0},           {"   ", 0, 0},        {" 3,5 ", 3.5L, 4},           {"2.5", 2.5L, 2},
      {"3.5", 3.5L, 4},     {"-2.5", -2.5L, -2},  {"+7", 7, 7},                 {"1.5e2", 150, 150},
      {"1e12", 1e12L, 2147483647}, {"-1e12", -1e12L, -2147483647}, {"2147483647.4", 2147483647.4L, 2147483647},
      {".5", 0.5L, 0},      {"5.", 5, 5},
  };
  TStringArray a(nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    a.SetString(1, 1, c.text);
    EXPECT_EQ(a.GetAsNumber(1, 1), c.number);
    EXPECT_EQ(a.GetAsInteger(1, 1), c.integer);
  }
  EXPECT_EQ(a.GetAsNumber(3, 9), 0) << "out of range reads as an empty cell";
}

TEST(StringArray, NonNumbersRaiseWithTheirPlace) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(2, 3));
  for (const char* text : {"abc", "12abc", "1 2", "1,5,3", "-", "e5", "1e"}) {
    SCOPED_TRACE(text);
    a.SetString(2, 3, text);
    try {
      (void)a.GetAsNumber(2, 3);
      ADD_FAILURE() << "no error";
    } catch (const ZYL_zylbase::EZYLDStructError& e) {
      EXPECT_EQ(zyl::to_utf8(e.Message()), std::string("Class TStringArray: invalid numeric string: [2,3]: ") + text);
    }
    EXPECT_THROW((void)a.GetAsInteger(2, 3), ZYL_zylbase::EZYLDStructError);
  }
}

TEST(StringArray, ResizeKeepsWhatFitsAndReportsBadSizes) {
  TStringArray a(nullptr);
  int changes = 0;
  a.OnChange = [&](zyl::TObject*) { ++changes; };
  EXPECT_FALSE(a.Resize(0, 5));
  EXPECT_FALSE(a.Resize(5, -1));
  EXPECT_TRUE(a.Resize(1, 1));
  EXPECT_EQ(changes, 0) << "bad or unchanged sizes fire nothing";
  EXPECT_EQ(a.NrOfColumns(), 1);

  ASSERT_TRUE(a.Resize(2, 10));
  EXPECT_EQ(a.allocated_rows(), 10);
  ASSERT_TRUE(a.Resize(2, 11));
  EXPECT_EQ(a.allocated_rows(), 20) << "grown to a multiple of AllocRowsBy";
  EXPECT_EQ(changes, 2);

  for (int r = 1; r <= 11; ++r) {
    a.SetString(0, r, "L" + std::to_string(r));
    a.SetString(2, r, "v" + std::to_string(r));
    a.SetRowAttrib(r, static_cast<std::uint8_t>(r));
  }
  a.SetColAttrib(2, 9);
  ASSERT_TRUE(a.Resize(2, 4));  // within the allocation: rows 5..11 are cleared
  ASSERT_TRUE(a.Resize(2, 6));
  EXPECT_EQ(a.GetString(2, 4), "v4");
  EXPECT_EQ(a.GetString(2, 5), "") << "a row that left and came back is empty";
  EXPECT_EQ(a.GetString(0, 6), "");
  EXPECT_EQ(a.GetRowAttrib(5), 0);
  ASSERT_TRUE(a.Resize(3, 6));  // reallocation
  EXPECT_EQ(a.GetString(0, 3), "L3");
  EXPECT_EQ(a.GetString(2, 3), "v3");
  EXPECT_EQ(a.GetString(3, 3), "");
  EXPECT_EQ(a.GetColAttrib(2), 9);
  EXPECT_EQ(a.GetColAttrib(3), 0);
  EXPECT_EQ(a.GetRowAttrib(3), 3);
  ASSERT_TRUE(a.Resize(1, 2));
  EXPECT_EQ(a.GetString(2, 1), "");
  EXPECT_EQ(a.GetString(1, 2), "");
  ASSERT_TRUE(a.Resize(2, 2));
  EXPECT_EQ(a.GetString(2, 1), "") << "a dropped column comes back empty";
  EXPECT_EQ(a.GetColAttrib(2), 0);

  a.SetAllocRowsBy(0);  // counts as 1
  ASSERT_TRUE(a.Resize(3, 23));
  EXPECT_EQ(a.allocated_rows(), 23);
  EXPECT_EQ(a.AddRow(), 24);
}

TEST(StringArray, ResizeDiscardsAPendingSort) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(1, 3));
  for (const char* t : {"c", "b", "a"}) a.SetString(1, 3 - (t[0] - 'a'), t);
  a.Sort(1, 0, true);
  ASSERT_EQ(a.GetSortOrder(1), 3);
  a.AddRow();
  EXPECT_EQ(a.GetSortOrder(1), 1);
  EXPECT_EQ(a.GetString(1, 1), "c");
}

TEST(StringArray, RowsAddedOneByOneStartEmptyInStorageOrder) {
  // Growing row by row across many allocations, with sorts pending at
  // times: every added row is empty and the index is identity again.
  TStringArray a(nullptr);
  a.SetAllocRowsBy(3);
  ASSERT_TRUE(a.Resize(2, 1));
  for (std::int32_t n = 1; n <= 60; ++n) {
    SCOPED_TRACE(n);
    if (n > 1) {
      ASSERT_EQ(a.AddRow(), n);
    }
    EXPECT_EQ(a.GetString(1, n), "");
    EXPECT_EQ(a.GetRowAttrib(n), 0);
    for (std::int32_t r = 1; r <= n; ++r) ASSERT_EQ(a.GetSortOrder(r), r);
    for (std::int32_t r = 1; r < n; ++r) ASSERT_EQ(a.GetString(1, r), std::to_string(1000 - r));
    a.SetString(1, n, std::to_string(1000 - n));
    a.SetRowAttrib(n, static_cast<std::uint8_t>(n));
    if (n % 7 == 0) a.Sort(1, 0, true);
    if (n % 11 == 0) a.SetSortOrder(1, n);
  }
  // Shrinking with a change of columns, then growing in place again: the
  // dropped rows come back empty.
  ASSERT_TRUE(a.Resize(3, 5));
  ASSERT_TRUE(a.Resize(3, 8));
  for (std::int32_t r = 6; r <= 8; ++r) {
    EXPECT_EQ(a.GetString(1, r), "") << r;
    EXPECT_EQ(a.GetRowAttrib(r), 0) << r;
  }
  EXPECT_EQ(a.GetString(1, 5), "995");
}

TEST(StringArray, AttributesFollowTheStorageRow) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(1, 2));
  a.SetString(1, 1, "b");
  a.SetString(1, 2, "a");
  a.SetRowAttrib(1, 11);
  a.Sort(1, 0, true);
  EXPECT_EQ(a.GetRowAttrib(2), 11) << "row b is now shown second";
  a.SetRowAttrib(1, 22);  // row a
  a.UnSort();
  EXPECT_EQ(a.GetRowAttrib(2), 22);
}

TEST(StringArray, NotificationsFollowTheConvention) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(2, 3));
  int changes = 0;
  a.OnChange = [&](zyl::TObject* s) {
    EXPECT_EQ(s, &a);
    ++changes;
  };
  struct Step {
    const char* what;
    std::function<void()> run;
    int fired;
  } steps[] = {
      {"SetString", [&] { a.SetString(1, 1, "x"); }, 1},
      {"Fill: one per cell", [&] { a.Fill("f"); }, 9},
      {"Clear", [&] { a.Clear(); }, 0},
      {"Fill empty is Clear", [&] { a.Fill(""); }, 0},
      {"Sort", [&] { a.Sort(1, 0, true); }, 1},
      {"UnSort", [&] { a.UnSort(); }, 1},
      {"CommitSorting", [&] { a.CommitSorting(); }, 0},
      {"GarbageCollection", [&] { a.GarbageCollection(); }, 0},
      {"CopyRow: cells and attribute", [&] { a.CopyRow(1, 2); }, 4},
      {"InsertRow: resize, 3 moved rows, new row", [&] { a.InsertRow(2); }, 1 + 2 * 4 + 4},
      {"RemoveColumn", [&] { a.RemoveColumn(1); }, 4 + 1 + 1},
      {"SetSortOrder", [&] { a.SetSortOrder(1, 2); }, 0},
  };
  for (const Step& s : steps) {
    changes = 0;
    s.run();
    EXPECT_EQ(changes, s.fired) << s.what;
  }
}

TEST(StringArray, RemovingTheLastRowOrColumnEmptiesIt) {
  TStringArray a(nullptr);
  a.SetString(0, 1, "label");
  a.SetString(1, 1, "x");
  a.SetRowAttrib(1, 5);
  a.SetColAttrib(1, 6);
  a.RemoveRow(1);
  EXPECT_EQ(a.NrOfRows(), 1);
  EXPECT_EQ(a.GetString(0, 1), "");
  EXPECT_EQ(a.GetString(1, 1), "");
  EXPECT_EQ(a.GetRowAttrib(1), 0);
  a.SetString(0, 1, "label");
  a.SetString(1, 1, "x");
  a.RemoveColumn(1);
  EXPECT_EQ(a.NrOfColumns(), 1);
  EXPECT_EQ(a.GetString(1, 1), "");
  EXPECT_EQ(a.GetString(0, 1), "label") << "column 0 is not a data column";
  EXPECT_EQ(a.GetColAttrib(1), 0);
}

TEST(StringArray, EmptinessIgnoresBlanksAndColumnZero) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(2, 2));
  a.SetString(0, 1, "label");
  a.SetString(1, 1, "   ");
  a.SetString(2, 2, "\t");
  EXPECT_TRUE(a.RowEmpty(1));
  EXPECT_FALSE(a.RowEmpty(2)) << "a tab is not a blank";
  EXPECT_TRUE(a.ColumnEmpty(1));
  EXPECT_FALSE(a.ColumnEmpty(0));
  EXPECT_FALSE(a.ColumnEmpty(2));
}

// -- Searching ------------------------------------------------------------------------

class StringArrayFind : public ::testing::Test {
 protected:
  // Rows: (label, Apple, pear), (x, "", PEAR), (y, banana, apple pie)
  void SetUp() override {
    ASSERT_TRUE(a.Resize(2, 3));
    const char* cells[3][3] = {{"label", "Apple", "pear"}, {"x", "", "PEAR"}, {"y", "banana", "apple pie"}};
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) a.SetString(c, r + 1, cells[r][c]);
  }
  TStringArray a{nullptr};
};

TEST_F(StringArrayFind, SearchesRowByRowWithinBounds) {
  struct Case {
    const char* label;
    const char16_t* text;
    bool exact, match_case;
    std::int32_t col_low, col_high, row_low, row_high;
    bool found;
    std::int32_t col, row;
  } cases[] = {
      {"substring, folded", u"PPL", false, false, -1, -1, -1, -1, true, 1, 1},
      {"substring, case kept", u"apple", false, true, -1, -1, -1, -1, true, 2, 3},
      {"column 0 is searched with -1 bounds", u"abe", false, false, -1, 5, -1, -1, true, 0, 1},
      {"column bounds exclude column 0", u"abe", false, false, 1, 2, -1, -1, false, 0, 0},
      {"empty text never matches a substring", u"", false, false, -1, -1, -1, -1, false, 0, 0},
      {"exact empty text finds the first empty cell", u"", true, false, -1, -1, -1, -1, true, 1, 2},
      {"exact, folded", u"pear", true, false, 2, 2, 2, 3, true, 2, 2},
      {"exact, case kept", u"pear", true, true, 2, 2, 2, 3, false, 0, 0},
      {"bounds are clamped and ordered", u"banana", true, true, 9, 1, 7, -3, true, 1, 3},
      {"one row bound -1 clamps to row 1", u"banana", true, true, 1, 2, -1, 2, false, 0, 0},
      {"characters beyond Latin-1 match nothing", u"\u0100", false, false, -1, -1, -1, -1, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::int32_t col = -7, row = -7;
    const bool found = c.exact ? a.FindCellExact(c.text, c.match_case, c.col_low, c.col_high, c.row_low, c.row_high, col, row)
                               : a.FindCell(c.text, c.match_case, c.col_low, c.col_high, c.row_low, c.row_high, col, row);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(col, c.found ? c.col : -7);
    EXPECT_EQ(row, c.found ? c.row : -7);
  }
}

TEST_F(StringArrayFind, SearchesTheRowsAsSeen) {
  a.Sort(1, 0, true);  // "", Apple, banana
  std::int32_t col = 0, row = 0;
  ASSERT_TRUE(a.FindCellExact(u"banana", true, 1, 1, -1, -1, col, row));
  EXPECT_EQ(row, 3);
  ASSERT_TRUE(a.FindCellExact(u"x", true, 0, 0, -1, -1, col, row));
  EXPECT_EQ(row, 1);
}

TEST(StringArraySortedFind, FindsFirstOfEqualEntriesInBothDirections) {
  const std::vector<std::string> asc = {"a", "b", "B", "b", "d", "e"};
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(1, 6));
  for (int r = 1; r <= 6; ++r) a.SetString(1, r, asc[static_cast<std::size_t>(r - 1)]);
  struct Case {
    const char16_t* text;
    bool match_case;
    std::int32_t low, high;
    bool found;
    std::int32_t row;
  } cases[] = {
      {u"b", false, -1, -1, true, 2},  {u"B", false, -1, -1, true, 2},  {u"e", false, -1, -1, true, 6},
      {u"A", false, -1, -1, true, 1},  {u"d", false, 5, 5, true, 5},    {u"e", false, 6, 6, true, 6},
      {u"b", false, 4, 4, true, 2},  // a hit moves up past the range's start
      {u"B", true, 4, 4, false, 4},    {u"c", false, -1, -1, false, 5}, {u"z", false, -1, -1, false, 6},
      {u"d", false, 9, 0, true, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(zyl::to_utf8(c.text) + " in " + std::to_string(c.low) + ".." + std::to_string(c.high));
    std::int32_t row = 0;
    EXPECT_EQ(a.FindCellInSortedColumn(c.text, c.match_case, 1, c.low, c.high, true, row), c.found);
    EXPECT_EQ(row, c.row);
  }
  for (int r = 1; r <= 6; ++r) a.SetString(1, r, asc[static_cast<std::size_t>(6 - r)]);  // e d b B b a
  std::int32_t row = 0;
  EXPECT_TRUE(a.FindCellInSortedColumn(u"b", false, 1, -1, -1, false, row));
  EXPECT_EQ(row, 3);
  EXPECT_TRUE(a.FindCellInSortedColumn(u"a", false, 1, -1, -1, false, row));
  EXPECT_EQ(row, 6);
  EXPECT_FALSE(a.FindCellInSortedColumn(u"c", false, 1, -1, -1, false, row));
}

// -- Rows and columns against a model ---------------------------------------------------

// A plain model of the array as seen: cells by (view row, column 0..n) and
// both attribute arrays.
struct Model {
  std::vector<std::vector<std::string>> rows{{"", ""}};
  std::vector<std::uint8_t> row_attrib{0};
  std::vector<std::uint8_t> col_attrib{0};  // data columns 1..n
  int cols() const { return static_cast<int>(col_attrib.size()); }
};

void expect_same(const TStringArray& a, const Model& m, const std::string& step) {
  ASSERT_EQ(a.NrOfRows(), static_cast<int>(m.rows.size())) << step;
  ASSERT_EQ(a.NrOfColumns(), m.cols()) << step;
  for (int c = 1; c <= m.cols(); ++c) ASSERT_EQ(a.GetColAttrib(c), m.col_attrib[static_cast<std::size_t>(c - 1)]) << step;
  for (int r = 1; r <= a.NrOfRows(); ++r) {
    ASSERT_EQ(a.GetRowAttrib(r), m.row_attrib[static_cast<std::size_t>(r - 1)]) << step << " row " << r;
    for (int c = 0; c <= m.cols(); ++c)
      ASSERT_EQ(a.GetString(c, r), m.rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)])
          << step << " cell " << c << "," << r;
  }
}

TEST(StringArrayModel, RandomOperationsMatchAPlainTable) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  TStringArray a(nullptr);
  Model m;
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto text = [&] { return std::string(static_cast<std::size_t>(pick(12)), static_cast<char>('a' + pick(26))); };
  for (int step = 0; step < 3000; ++step) {
    const int rows = static_cast<int>(m.rows.size());
    const int cols = m.cols();
    std::string what;
    switch (pick(11)) {
      case 0: case 1: case 2: {
        const int c = pick(cols + 1), r = pick(rows) + 1;
        const std::string t = text();
        a.SetString(c, r, t);
        m.rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)] = t;
        what = "SetString";
        break;
      }
      case 3: {
        const int r = pick(rows) + 1;
        a.InsertRow(r);
        m.rows.insert(m.rows.begin() + r - 1, std::vector<std::string>(static_cast<std::size_t>(cols) + 1));
        m.row_attrib.insert(m.row_attrib.begin() + r - 1, 0);
        what = "InsertRow";
        break;
      }
      case 4: {
        const int r = pick(rows) + 1;
        a.RemoveRow(r);
        if (rows == 1) {
          m.rows[0].assign(static_cast<std::size_t>(cols) + 1, "");
          m.row_attrib[0] = 0;
        } else {
          m.rows.erase(m.rows.begin() + r - 1);
          m.row_attrib.erase(m.row_attrib.begin() + r - 1);
        }
        what = "RemoveRow";
        break;
      }
      case 5: {
        const int s = pick(rows) + 1, t = pick(rows) + 1;
        a.CopyRow(s, t);
        m.rows[static_cast<std::size_t>(t - 1)] = m.rows[static_cast<std::size_t>(s - 1)];
        m.row_attrib[static_cast<std::size_t>(t - 1)] = m.row_attrib[static_cast<std::size_t>(s - 1)];
        what = "CopyRow";
        break;
      }
      case 6: {
        if (cols >= 6) break;
        const int c = pick(cols) + 1;
        a.InsertColumn(c);
        for (auto& row : m.rows) row.insert(row.begin() + c, "");
        m.col_attrib.insert(m.col_attrib.begin() + c - 1, 0);
        what = "InsertColumn";
        break;
      }
      case 7: {
        const int c = pick(cols) + 1;
        a.RemoveColumn(c);
        if (cols == 1) {
          for (auto& row : m.rows) row[1] = "";
          m.col_attrib[0] = 0;
        } else {
          for (auto& row : m.rows) row.erase(row.begin() + c);
          m.col_attrib.erase(m.col_attrib.begin() + c - 1);
        }
        what = "RemoveColumn";
        break;
      }
      case 8: {
        const auto r = static_cast<std::uint8_t>(pick(256)), c = static_cast<std::uint8_t>(pick(256));
        const int row = pick(rows) + 1, col = pick(cols) + 1;
        a.SetRowAttrib(row, r);
        a.SetColAttrib(col, c);
        m.row_attrib[static_cast<std::size_t>(row - 1)] = r;
        m.col_attrib[static_cast<std::size_t>(col - 1)] = c;
        what = "attributes";
        break;
      }
      case 9: {
        // A random view order, then committed or left pending: row
        // operations take the order as seen either way.
        std::vector<int> perm(static_cast<std::size_t>(rows));
        for (int i = 0; i < rows; ++i) perm[static_cast<std::size_t>(i)] = a.GetSortOrder(i + 1);
        std::vector<int> order(static_cast<std::size_t>(rows));
        for (int i = 0; i < rows; ++i) order[static_cast<std::size_t>(i)] = i;
        std::shuffle(order.begin(), order.end(), rng);
        Model before = m;
        for (int i = 0; i < rows; ++i) {
          const auto from = static_cast<std::size_t>(order[static_cast<std::size_t>(i)]);
          a.SetSortOrder(i + 1, perm[from]);
          m.rows[static_cast<std::size_t>(i)] = before.rows[from];
          m.row_attrib[static_cast<std::size_t>(i)] = before.row_attrib[from];
        }
        if (pick(2) == 0) a.CommitSorting();
        what = "reorder";
        break;
      }
      case 10: {
        if (pick(4) == 0) a.GarbageCollection();
        const int nr = std::max(1, rows + pick(5) - 2);
        // A pending order is discarded by an effective resize: model it by
        // committing first only when nothing changes size.
        if (nr == rows) break;
        std::vector<std::vector<std::string>> storage(static_cast<std::size_t>(rows));
        std::vector<std::uint8_t> storage_attrib(static_cast<std::size_t>(rows));
        for (int i = 0; i < rows; ++i) {
          storage[static_cast<std::size_t>(a.GetSortOrder(i + 1) - 1)] = m.rows[static_cast<std::size_t>(i)];
          storage_attrib[static_cast<std::size_t>(a.GetSortOrder(i + 1) - 1)] = m.row_attrib[static_cast<std::size_t>(i)];
        }
        ASSERT_TRUE(a.Resize(cols, nr));
        storage.resize(static_cast<std::size_t>(nr), std::vector<std::string>(static_cast<std::size_t>(cols) + 1));
        storage_attrib.resize(static_cast<std::size_t>(nr), 0);
        m.rows = storage;
        m.row_attrib = storage_attrib;
        what = "Resize";
        break;
      }
    }
    expect_same(a, m, "step " + std::to_string(step) + " " + what);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(StringArray, CommittingARepeatedRowGivesEachCellItsOwnSlot) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(1, 2));
  a.SetString(1, 1, "first");
  a.SetString(1, 2, "second");
  a.SetSortOrder(2, 1);  // not a permutation: row 1 shown twice
  a.CommitSorting();
  EXPECT_EQ(a.GetString(1, 2), "first");
  a.SetString(1, 2, "x");  // fits the slot: written in place
  EXPECT_EQ(a.GetString(1, 1), "first") << "the other row must not change";
}

TEST(StringArray, AssignCopiesEverythingIndependently) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(2, 40));
  a.SetAllocRowsBy(7);
  for (int r = 1; r <= 40; ++r) a.SetString(r % 3, r, std::string(200, static_cast<char>('a' + r % 26)));
  a.SetRowAttrib(3, 33);
  a.SetColAttrib(2, 22);
  a.Sort(1, 0, false);
  int fired = 0;
  a.OnChange = [&](zyl::TObject*) { ++fired; };
  a.OnPercentDone = [](zyl::TObject*, std::int32_t) {};

  TStringArray b(nullptr);
  b.Assign(&a);
  EXPECT_EQ(fired, 0) << "Assign fires nothing";
  EXPECT_EQ(b.NumBuffers(), a.NumBuffers());
  EXPECT_EQ(b.AllocRowsBy(), 7);
  EXPECT_EQ(b.allocated_rows(), a.allocated_rows());
  EXPECT_TRUE(static_cast<bool>(b.OnPercentDone));
  for (int r = 1; r <= 40; ++r) {
    EXPECT_EQ(b.GetSortOrder(r), a.GetSortOrder(r));
    EXPECT_EQ(b.GetRowAttrib(r), a.GetRowAttrib(r));
    for (int c = 0; c <= 2; ++c) EXPECT_EQ(b.GetString(c, r), a.GetString(c, r));
  }
  EXPECT_EQ(b.GetColAttrib(2), 22);
  b.SetString(1, 1, "changed");
  EXPECT_EQ(fired, 1) << "the handler was copied";
  EXPECT_NE(a.GetString(1, 1), "changed");

  TStringArray c(nullptr);
  a.AssignTo(&c);
  EXPECT_EQ(c.GetString(2, 2), a.GetString(2, 2));
  zyl::TComponent other(nullptr);
  EXPECT_THROW(a.Assign(&other), zyl::EConvertError);
}

}  // namespace
}  // namespace ZYL_dstruct

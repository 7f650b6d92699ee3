#include <random>
#include <string>

#include <gtest/gtest.h>

#include "ZYL_dstruct/stringarray.h"
#include "platform/exceptions.h"
#include "support/tempdir.h"
#include "xml_check.h"

namespace ZYL_dstruct {
namespace {

using zyl::test::read_file_bytes;
using zyl::test::write_file_bytes;

void expect_identical(const TStringArray& a, const TStringArray& b) {
  ASSERT_EQ(a.NrOfColumns(), b.NrOfColumns());
  ASSERT_EQ(a.NrOfRows(), b.NrOfRows());
  EXPECT_EQ(a.AllocRowsBy(), b.AllocRowsBy());
  for (int c = 1; c <= a.NrOfColumns(); ++c) EXPECT_EQ(a.GetColAttrib(c), b.GetColAttrib(c)) << "column " << c;
  for (int r = 1; r <= a.NrOfRows(); ++r) {
    EXPECT_EQ(a.GetRowAttrib(r), b.GetRowAttrib(r)) << "row " << r;
    for (int c = 0; c <= a.NrOfColumns(); ++c) ASSERT_EQ(a.GetString(c, r), b.GetString(c, r)) << c << "," << r;
  }
}

// Every byte value in some cell, markup characters, the longest text, empty
// cells in every column including 0, attributes, and a pending sort.
void fill_awkward(TStringArray& a) {
  ASSERT_TRUE(a.Resize(4, 70));
  a.SetAllocRowsBy(16);
  for (int b = 0; b < 256; ++b) a.SetString(1 + b % 4, 1 + b / 4, std::string(1, static_cast<char>(b)) + "x");
  a.SetString(0, 3, "<tag attr=\"v\">&amp; 'q'</tag>");
  a.SetString(0, 5, "\r\n\t leading and trailing blanks ");
  a.SetString(2, 66, std::string(255, '\xFF'));
  a.SetString(3, 67, std::string("\0\0", 2));
  a.SetString(4, 68, "]]> --> <!-- <?pi?>");
  a.SetString(1, 69, "\xC3\xA9 (UTF-8 bytes, kept as two Latin-1 cells chars)");
  for (int r = 1; r <= 70; r += 3) a.SetRowAttrib(r, static_cast<std::uint8_t>(r * 3));
  a.SetColAttrib(1, 255);
  a.SetColAttrib(3, 1);
  a.Sort(2, 1, false);
}

class StringArrayXML : public zyl::test::TempDirTest {};

TEST_F(StringArrayXML, SavedFileIsWellFormedAndReadsBackIdentically) {
  TStringArray a(nullptr);
  fill_awkward(a);
  const zyl::String name = tmp.file("awkward.xml");
  a.SaveAsXMLFile(name, u"Data <1> & \"2\"");
  EXPECT_TRUE(zyl::test::WellFormedXML(tmp.path() / "awkward.xml"));

  TStringArray b(nullptr);
  int changes = 0;
  b.OnChange = [&](zyl::TObject*) { ++changes; };
  ASSERT_TRUE(b.LoadFromXMLFile(name, u"Data <1> & \"2\""));
  EXPECT_EQ(changes, 1) << "one notification for the whole load";
  expect_identical(a, b);
  EXPECT_EQ(b.GetSortOrder(2), 2) << "the order seen became the storage order";
}

TEST_F(StringArrayXML, FileBytesAreFixed) {
  // The same bytes on every platform: UTF-8, CR LF, hex form for controls.
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(2, 2));
  a.SetString(0, 1, "id");
  a.SetString(1, 1, "a<b");
  a.SetString(2, 1, "\x01");
  a.SetString(1, 2, "caf\xE9");
  a.SetColAttrib(2, 7);
  a.SetRowAttrib(2, 3);
  a.SaveAsXMLFile(tmp.file("t.xml"), u"T1");
  EXPECT_EQ(read_file_bytes(tmp.path() / "t.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
            "<strarray dataid=\"T1\" numcols=\"2\" numrows=\"2\" allocrowsby=\"10\">\r\n"
            "<col attrib=\"0\"/>\r\n"
            "<col attrib=\"7\"/>\r\n"
            "<row attrib=\"0\"><cell>id</cell><cell>a&lt;b</cell><cell hex=\"1\">01</cell></row>\r\n"
            "<row attrib=\"3\"><cell/><cell>caf\xC3\xA9</cell><cell/></row>\r\n"
            "</strarray>\r\n");
}

TEST_F(StringArrayXML, SeveralArraysShareOneFile) {
  TStringArray a(nullptr), b(nullptr), c(nullptr);
  fill_awkward(a);
  ASSERT_TRUE(b.Resize(1, 2));
  b.SetString(1, 2, "second");
  ASSERT_TRUE(c.Resize(3, 1));
  c.SetString(3, 1, "third");
  {
    zyl::TextFile f;
    f.Assign(tmp.file("many.xml"));
    f.Rewrite();
    f.WriteLn(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    f.WriteLn(u"<dummy>");
    a.WriteToOpenXMLFile(f, false, u"A");
    b.WriteToOpenXMLFile(f, false, u"B");
    c.WriteToOpenXMLFile(f, false, u"C");
    f.WriteLn(u"</dummy>");
    f.CloseFile();
  }
  EXPECT_TRUE(zyl::test::WellFormedXML(tmp.path() / "many.xml"));

  TStringArray x(nullptr);
  ASSERT_TRUE(x.LoadFromXMLFile(tmp.file("many.xml"), u"C"));
  expect_identical(c, x);
  ASSERT_TRUE(x.LoadFromXMLFile(tmp.file("many.xml"), u"A"));
  expect_identical(a, x);

  // Reading on from the position the last read left.
  zyl::TextFile f;
  f.Assign(tmp.file("many.xml"));
  f.Reset();
  ASSERT_TRUE(x.ReadFromOpenXMLFile(f, u"B"));
  expect_identical(b, x);
  ASSERT_TRUE(x.ReadFromOpenXMLFile(f, u"C"));
  expect_identical(c, x);
  EXPECT_FALSE(x.ReadFromOpenXMLFile(f, u"A")) << "A lies behind the position";
  f.CloseFile();

  int changes = 0;
  x.OnChange = [&](zyl::TObject*) { ++changes; };
  EXPECT_FALSE(x.LoadFromXMLFile(tmp.file("many.xml"), u"a")) << "DataID compares exactly";
  EXPECT_FALSE(x.LoadFromXMLFile(tmp.file("many.xml"), u""));
  EXPECT_EQ(changes, 0);
  expect_identical(c, x);
}

TEST_F(StringArrayXML, MissingFileRaises) {
  TStringArray a(nullptr);
  EXPECT_THROW(a.LoadFromXMLFile(tmp.file("none.xml"), u"A"), zyl::EInOutError);
}

// A block as the writer makes it, with the parts the bad-input cases change.
std::string block(const std::string& open_attrs, const std::string& body) {
  return "<?xml version=\"1.0\"?>\r\n<strarray dataid=\"X\" " + open_attrs + ">\r\n" + body + "</strarray>\r\n";
}

TEST_F(StringArrayXML, InconsistentBlocksAreRefusedAndChangeNothing) {
  const std::string two_cols = "<col attrib=\"0\"/><col attrib=\"0\"/>";
  const std::string row = "<row attrib=\"0\"><cell>a</cell><cell/><cell>c</cell></row>";
  struct Case {
    const char* label;
    std::string text;
  } cases[] = {
      {"huge row count, few rows", block("numcols=\"2\" numrows=\"2000000000\"", two_cols + row + row + row)},
      {"huge column count, few columns", block("numcols=\"2000000000\" numrows=\"1\"", two_cols + row)},
      {"count beyond 32 bits", block("numcols=\"2\" numrows=\"4294967297\"", two_cols + row)},
      {"fewer rows than counted", block("numcols=\"2\" numrows=\"3\"", two_cols + row + row)},
      {"more rows than counted", block("numcols=\"2\" numrows=\"1\"", two_cols + row + row)},
      {"zero rows", block("numcols=\"2\" numrows=\"0\"", two_cols)},
      {"negative columns", block("numcols=\"-2\" numrows=\"1\"", two_cols + row)},
      {"count not a number", block("numcols=\"two\" numrows=\"1\"", two_cols + row)},
      {"count missing", block("numrows=\"1\"", two_cols + row)},
      {"a cell too few", block("numcols=\"2\" numrows=\"1\"", two_cols + "<row attrib=\"0\"><cell/><cell/></row>")},
      {"a cell too many", block("numcols=\"2\" numrows=\"1\"", two_cols + "<row attrib=\"0\"><cell/><cell/><cell/><cell/></row>")},
      {"a column element too few", block("numcols=\"2\" numrows=\"1\"", "<col attrib=\"0\"/>" + row)},
      {"column after rows", block("numcols=\"2\" numrows=\"2\"", two_cols + row + "<col attrib=\"0\"/>" + row)},
      {"attribute above 255", block("numcols=\"2\" numrows=\"1\"", two_cols + "<row attrib=\"256\"><cell/><cell/><cell/></row>")},
      {"attribute missing", block("numcols=\"2\" numrows=\"1\"", two_cols + "<row><cell/><cell/><cell/></row>")},
      {"text over 255 characters", block("numcols=\"2\" numrows=\"1\"", two_cols + "<row attrib=\"0\"><cell/><cell>" + std::string(256, 'x') + "</cell><cell/></row>")},
      {"character beyond Latin-1", block("numcols=\"2\" numrows=\"1\"", two_cols + "<row attrib=\"0\"><cell/><cell>&#x100;</cell><cell/></row>")},
      {"bad hex form", block("numcols=\"2\" numrows=\"1\"", two_cols + "<row attrib=\"0\"><cell/><cell hex=\"1\">0G</cell><cell/></row>")},
      {"odd hex form", block("numcols=\"2\" numrows=\"1\"", two_cols + "<row attrib=\"0\"><cell/><cell hex=\"1\">012</cell><cell/></row>")},
      {"foreign element in a row", block("numcols=\"2\" numrows=\"1\"", two_cols + "<row attrib=\"0\"><cell/><b/><cell/><cell/></row>")},
      {"no closing tag", "<strarray dataid=\"X\" numcols=\"2\" numrows=\"1\">" + two_cols + row},
      {"cut inside a cell", "<strarray dataid=\"X\" numcols=\"2\" numrows=\"1\">" + two_cols + "<row attrib=\"0\"><cell>ab"},
      {"cut inside a tag", "<strarray dataid=\"X\" numcols=\"2\" numrows=\"1\">" + two_cols + "<row attr"},
  };
  TStringArray original(nullptr);
  ASSERT_TRUE(original.Resize(3, 2));
  original.SetString(3, 2, "keep me");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    write_file_bytes(tmp.path() / "bad.xml", c.text);
    TStringArray a(nullptr);
    a.Assign(&original);
    int changes = 0;
    a.OnChange = [&](zyl::TObject*) { ++changes; };
    EXPECT_FALSE(a.LoadFromXMLFile(tmp.file("bad.xml"), u"X"));
    EXPECT_EQ(changes, 0);
    expect_identical(original, a);
  }
  // The same frame with consistent counts reads.
  write_file_bytes(tmp.path() / "good.xml", block("numcols=\"2\" numrows=\"1\"", two_cols + row));
  TStringArray a(nullptr);
  ASSERT_TRUE(a.LoadFromXMLFile(tmp.file("good.xml"), u"X"));
  EXPECT_EQ(a.GetString(2, 1), "c");
  EXPECT_EQ(a.AllocRowsBy(), 10) << "no allocrowsby: the default";
}

TEST_F(StringArrayXML, EveryTruncationIsRefusedOrComplete) {
  TStringArray a(nullptr);
  ASSERT_TRUE(a.Resize(2, 3));
  a.SetString(0, 1, "L&<");
  a.SetString(2, 2, "\x02z");
  a.SetRowAttrib(3, 9);
  a.SaveAsXMLFile(tmp.file("full.xml"), u"T");
  const std::string full = read_file_bytes(tmp.path() / "full.xml");
  const std::size_t end_of_block = full.find("</strarray>") + std::string("</strarray>").size();
  for (std::size_t n = 0; n <= full.size(); ++n) {
    write_file_bytes(tmp.path() / "cut.xml", full.substr(0, n));
    TStringArray b(nullptr);
    const bool ok = b.LoadFromXMLFile(tmp.file("cut.xml"), u"T");
    ASSERT_EQ(ok, n >= end_of_block) << "cut after " << n << " bytes";
    if (ok) expect_identical(a, b);
  }
}

TEST_F(StringArrayXML, RandomFilesNeverCrash) {
  // Bytes from the form's own alphabet, so that tags and attributes occur.
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  const std::string pieces[] = {"<strarray dataid=\"X\" numcols=\"1\" numrows=\"2\">", "<col attrib=\"3\"/>",
                                "<row attrib=\"0\">", "</row>", "<cell>", "</cell>", "<cell/>", "</strarray>",
                                "<cell hex=\"1\">", "4142", "&amp;", "&#", "x", "\"", "<", ">", " ", "999999999999"};
  for (int i = 0; i < 200; ++i) {
    std::string text;
    const int n = static_cast<int>(rng() % 40);
    for (int k = 0; k < n; ++k) text += pieces[rng() % std::size(pieces)];
    write_file_bytes(tmp.path() / "r.xml", text);
    TStringArray a(nullptr);
    if (a.LoadFromXMLFile(tmp.file("r.xml"), u"X")) {
      EXPECT_EQ(a.NrOfColumns(), 1) << text;
      EXPECT_EQ(a.NrOfRows(), 2) << text;
    }
  }
}

}  // namespace
}  // namespace ZYL_dstruct

#include "ZYL_streams/tagscan.h"

#include <gtest/gtest.h>

#include "ZYL_streams/stream_kinds.h"
#include "platform/exceptions.h"
#include "platform/stringlist.h"

namespace ZYL_streams {
namespace {

using zyl::test::stream_kinds;
using zyl::test::TempDir;

std::string narrow(const String& s) { return zyl::to_utf8(s); }

struct TagCase {
  const char* label;
  std::string input;
  std::int32_t index;
  std::string attributes;
  std::string contents;
  std::int64_t position;
};

TEST(TagScan, ReadNextTagInStream) {
  const std::vector<String> tags{u"a", u"br", u"img", u"title", u"other"};
  const TagCase cases[] = {
      {"comment, quoted attribute, contents", "<!-- note --><a href=\"x y\">Link</a>after", 0, "href=\"x y\"",
       "Link", 35},
      {"empty element without blank", "<br/>x", 1, "", "", 5},
      {"empty element with attribute", "<img src=1 />x", 2, "src=1", "", 13},
      {"closing tag in another case", "<TITLE>T</title>", 3, "", "T", 16},
      {"tag not in the list gives highest index", "<p>x</p>", 4, "", "x", 8},
      {"end of stream gives highest index", "no tags", 4, "", "", 7},
      {"closing tag read alone", "</a>", 4, "", "", 4},
      {"contents run to the end", "<a>unclosed", 0, "", "unclosed", 11},
      {"lone <", "<", 4, "", "", 1},
      {"unterminated tag keeps its attributes", "<img src=\"x", 2, "src=\"x", "", 11},
      {"attribute value with blanks and =", "<a q=\"a = b\" r=2>z</a>", 0, "q=\"a = b\" r=2", "z", 22},
  };
  for (const auto& kind : stream_kinds()) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(kind.name) + ": " + c.label);
      TempDir dir;
      auto s = kind.make(c.input, dir);
      String attr = u"stale", cont = u"stale";
      EXPECT_EQ(ReadNextTagInStream(*s, tags, attr, cont), c.index);
      EXPECT_EQ(narrow(attr), c.attributes);
      EXPECT_EQ(narrow(cont), c.contents);
      EXPECT_EQ(s->Position(), c.position);
    }
  }
}

TEST(TagScan, ReadNextTagInTextFileDropsTextAfterTheLastBracket) {
  TempDir dir;
  zyl::test::write_file_bytes(dir.path() / "t.xml",
                              "<?xml?>\r\n<!-- c --><Item k=\"\xC3\xA9 v\">x<b>y</b>tail");
  zyl::TextFile f;
  f.Assign(dir.file("t.xml"));
  f.Reset();
  const std::vector<String> tags{u"item", u"?xml"};
  String attr, cont;
  EXPECT_EQ(ReadNextTagInTextFile(f, tags, attr, cont), 1) << "a processing instruction is a tag without contents";
  EXPECT_EQ(ReadNextTagInTextFile(f, tags, attr, cont), 0);
  EXPECT_EQ(attr, u"k=\"\u00E9 v\"");
  EXPECT_EQ(narrow(cont), "x<b>y</b>") << "\"tail\" has no closing >";
  EXPECT_TRUE(f.Eof());
  EXPECT_EQ(ReadNextTagInTextFile(f, tags, attr, cont), 1);

  f.Rewrite();
  EXPECT_THROW(ReadNextTagInTextFile(f, tags, attr, cont), zyl::EInOutError);
}

TEST(TagScan, ScanForXMLAttrib) {
  const String text = u"width=5 alt=\"a b\" border";
  EXPECT_EQ(ScanForXMLAttrib(text, u"alt"), u"a b");
  EXPECT_EQ(ScanForXMLAttrib(text, u"WIDTH"), u"5");
  EXPECT_EQ(ScanForXMLAttrib(text, u"border"), u"");
  EXPECT_EQ(ScanForXMLAttrib(text, u"height"), u"");
  EXPECT_EQ(ScanForXMLAttrib(u"a\"b=1 c=2", u"c"), u"");
}

TEST(TagScan, ScanStreamForXMLTag) {
  for (const auto& kind : stream_kinds()) {
    SCOPED_TRACE(kind.name);
    TempDir dir;
    auto s = kind.make("<a>1</a><!-- <b> --><B k=2>3</b><b>4</b>", dir);
    String attr, cont;
    EXPECT_TRUE(ScanStreamForXMLTag(*s, u"b", attr, cont));
    EXPECT_EQ(attr, u"k=2");
    EXPECT_EQ(cont, u"3");
    EXPECT_EQ(s->Position(), 32);
    EXPECT_TRUE(ScanStreamForXMLTag(*s, u"B", attr, cont));
    EXPECT_EQ(cont, u"4");
    EXPECT_FALSE(ScanStreamForXMLTag(*s, u"b", attr, cont));
    EXPECT_EQ(attr, u"");
    EXPECT_EQ(cont, u"");
    EXPECT_EQ(s->Position(), s->Size());
    // Tags with empty names in the middle do not end the search.
    auto odd = kind.make("<>< x><c/>", dir);
    EXPECT_TRUE(ScanStreamForXMLTag(*odd, u"c", attr, cont));
  }
}

TEST(TagScan, ReadStreamUntilTagListStopsAtTheTagsBracket) {
  for (const auto& kind : stream_kinds()) {
    SCOPED_TRACE(kind.name);
    TempDir dir;
    auto s = kind.make("a<i>b</i><!--p--><P class=x>c</p><q/>tail<q", dir);
    const std::vector<String> tags{u"p", u"q"};
    std::int32_t index = 9;
    EXPECT_EQ(narrow(ReadStreamUntilTagList(*s, tags, index)), "a<i>b</i><!--p-->");
    EXPECT_EQ(index, 0);
    EXPECT_EQ(s->Position(), 17) << "at the <";
    String attr, cont;
    EXPECT_EQ(ReadNextTagInStream(*s, tags, attr, cont), 0);
    EXPECT_EQ(attr, u"class=x");
    EXPECT_EQ(narrow(ReadStreamUntilTagList(*s, tags, index)), "");
    EXPECT_EQ(index, 1) << "the empty element q/";
    EXPECT_EQ(ReadNextTagInStream(*s, tags, attr, cont), 1);
    EXPECT_EQ(narrow(ReadStreamUntilTagList(*s, tags, index)), "tail<q") << "an unterminated tag never matches";
    EXPECT_EQ(index, -1);
    EXPECT_EQ(s->Position(), s->Size());
  }
}

TEST(TagScan, ExtractFromStream) {
  for (const auto& kind : stream_kinds()) {
    SCOPED_TRACE(kind.name);
    TempDir dir;
    auto s = kind.make("<t>x</t><u>y</u><T k=1>z</T><t/>", dir);
    zyl::TStringList names;
    names.Add(u"T");
    zyl::TMemoryStream dest;
    EXPECT_EQ(ExtractFromStream(*s, dest, names), 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(dest.Memory()), static_cast<std::size_t>(dest.Size())),
              "x\r\nz\r\n\r\n");
  }
  // The destination may be the source itself: the results follow its contents.
  zyl::TMemoryStream same;
  same.WriteBuffer("<a>1</a>", 8);
  same.SetPosition(0);
  zyl::TStringList names;
  names.Add(u"a");
  EXPECT_EQ(ExtractFromStream(same, same, names), 1);
  EXPECT_EQ(same.Size(), 11);
}

}  // namespace
}  // namespace ZYL_streams

#include "ZYL_zylbase/detail/tagreader.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace zyl::detail {
namespace {

std::string narrow(const String& s) { return to_utf8(s); }

struct ElementCase {
  const char* label;
  const char16_t* input;
  const char16_t* name;
  const char16_t* attributes;
  const char16_t* contents;
  std::size_t stop;  // where the source stands afterwards
};

TEST(TagReader, ElementsAsReadFromText) {
  const ElementCase cases[] = {
      {"comment skipped, quoted attribute kept with its quotes", u"<!-- c --><a href=\"x y\">Link</a>tail",
       u"a", u"href=\"x y\"", u"Link", 32},
      {"declaration skipped", u"<!DOCTYPE html><p>x</p>", u"p", u"", u"x", 23},
      {"comment holding > ends at that >", u"<!-- a > b --><i>t</i>", u"i", u"", u"t", 22},
      {"empty element without blank", u"<br/>rest", u"br", u"", u"", 5},
      {"empty element with attributes", u"<img src=1 />rest", u"img", u"src=1", u"", 13},
      {"closing tag case-insensitive", u"<TITLE>Hello</title>", u"title", u"", u"Hello", 20},
      {"mixed-case closing tag", u"<b>x</B>", u"b", u"", u"x", 8},
      {"nested same name: first closing ends", u"<d>1<d>2</d>3</d>", u"d", u"", u"1<d>2", 12},
      {"other tags kept inside contents", u"<a>x<b>y</b>z</a>", u"a", u"", u"x<b>y</b>z", 17},
      {"closing tag read first has no contents", u"</a>text</a>", u"/a", u"", u"", 4},
      {"attributes trimmed of blanks", u"<a   k=v   >c</a>", u"a", u"k=v", u"c", 17},
      {"contents run to the end without closing tag", u"<a>abc>def", u"a", u"", u"abc>def", 10},
      {"no tag at all", u"just text", u"", u"", u"", 9},
      {"lone < at the end", u"text<", u"", u"", u"", 5},
      {"unterminated tag keeps what it has", u"<a href=\"x", u"a", u"href=\"x", u"", 10},
      {"only comments", u"<!a><!b>", u"", u"", u"", 8},
      {"unterminated comment", u"<!-- never closed", u"", u"", u"", 17},
      {"empty tag text", u"<>x", u"", u"", u"", 2},
      {"processing instruction has no contents", u"<?xml version=\"1.0\"?><r/>", u"?xml", u"version=\"1.0\"", u"",
       21},
      {"closing tag with blank inside is not a match", u"<a>x</a >y</a>", u"a", u"", u"x</a >y", 14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    StringSource src(c.input);
    const TagElement e = read_element(src, ContentsTail::Keep);
    EXPECT_EQ(narrow(e.name), narrow(c.name));
    EXPECT_EQ(narrow(e.attributes), narrow(c.attributes));
    EXPECT_EQ(narrow(e.contents), narrow(c.contents));
    EXPECT_EQ(src.pos(), c.stop);
  }
}

TEST(TagReader, DroppedTailKeepsOnlyWholePieces) {
  StringSource keep(u"<a>x<b>y</b>z");
  EXPECT_EQ(narrow(read_element(keep, ContentsTail::Keep).contents), "x<b>y</b>z");
  StringSource drop(u"<a>x<b>y</b>z");
  EXPECT_EQ(narrow(read_element(drop, ContentsTail::DropUnterminated).contents), "x<b>y</b>");
  StringSource none(u"<a>plain");
  EXPECT_EQ(narrow(read_element(none, ContentsTail::DropUnterminated).contents), "");
  StringSource closed(u"<a>x</a>");
  EXPECT_EQ(narrow(read_element(closed, ContentsTail::DropUnterminated).contents), "x");
}

TEST(TagReader, ConsecutiveElementsReadInOrder) {
  StringSource src(u"<r><x k=1/><y>v</y></r>");
  std::vector<std::string> names;
  for (TagElement e; (e = read_element(src, ContentsTail::Keep)).name.size() > 0;) names.push_back(narrow(e.name));
  // <r>'s contents swallow the inner elements up to </r>.
  EXPECT_EQ(names, (std::vector<std::string>{"r"}));
  StringSource flat(u"<x k=1/><y>v</y></r>");
  names.clear();
  for (TagElement e; (e = read_element(flat, ContentsTail::Keep)).name.size() > 0;) names.push_back(narrow(e.name));
  EXPECT_EQ(names, (std::vector<std::string>{"x", "y", "/r"}));
}

TEST(TagReader, IndexIsFirstEqualEntryOrHighest) {
  const std::vector<String> tags{u"a", u"b", u"a", u"z"};
  EXPECT_EQ(tag_index(u"a", tags), 0);
  EXPECT_EQ(tag_index(u"b", tags), 1);
  EXPECT_EQ(tag_index(u"q", tags), 3);
  EXPECT_EQ(tag_index(u"", tags), 3);
  EXPECT_EQ(tag_index(u"A", tags), 3) << "entries are compared as they stand";
  EXPECT_EQ(tag_index(u"a", std::span<const String>{}), -1);
}

TEST(TagReader, AttributeValues) {
  struct Case {
    const char* label;
    const char16_t* text;
    const char16_t* name;
    const char16_t* value;
  };
  const Case cases[] = {
      {"unquoted value", u"width=5 alt=\"a b\" border", u"width", u"5"},
      {"quoted value keeps inner blank", u"width=5 alt=\"a b\" border", u"alt", u"a b"},
      {"name without = has empty value", u"width=5 alt=\"a b\" border", u"border", u""},
      {"missing name", u"width=5 alt=\"a b\" border", u"height", u""},
      {"case of name ignored", u"HREF=\"u\"", u"href", u"u"},
      {"wanted name case ignored", u"href=\"u\"", u"HrEf", u"u"},
      {"quoted value may hold =", u"q=\"a=b\" r=2", u"q", u"a=b"},
      {"pair after quoted value", u"q=\"a=b\" r=2", u"r", u"2"},
      {"blanks around =", u"a = 1", u"a", u"1"},
      {"quote in first name is malformed", u"a\"b=1 c=2", u"c", u""},
      {"== is malformed", u"a==1 b=2", u"b", u""},
      {"= inside unquoted value is malformed", u"a=1=2 b=3", u"b", u""},
      {"malformed after the wanted pair is harmless", u"a=1 b==2", u"a", u"1"},
      {"unterminated quote runs to the end", u"a=\"x y", u"a", u"x y"},
      {"quote ends unquoted value", u"a=x\"b=2", u"b", u"2"},
      {"empty text", u"", u"a", u""},
      {"blank name never matches a wanted name", u"=1", u"a", u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(narrow(scan_attribute(c.text, c.name)), narrow(c.value));
  }
}

TEST(TagReader, AttributePairsStepThroughText) {
  std::size_t pos = 0;
  String name, value;
  const std::u16string_view text = u" k1=v1  k2=\"v 2\"k3";
  ASSERT_EQ(next_attribute(text, pos, name, value), AttributeStep::Pair);
  EXPECT_EQ(narrow(name) + "|" + narrow(value), "k1|v1");
  ASSERT_EQ(next_attribute(text, pos, name, value), AttributeStep::Pair);
  EXPECT_EQ(narrow(name) + "|" + narrow(value), "k2|v 2");
  ASSERT_EQ(next_attribute(text, pos, name, value), AttributeStep::Pair);
  EXPECT_EQ(narrow(name) + "|" + narrow(value), "k3|");
  EXPECT_EQ(next_attribute(text, pos, name, value), AttributeStep::End);
}

// Random markup-like text: the reader must stop at the end of its input and
// consume everything in a bounded number of calls.
TEST(TagReader, RandomTextIsConsumedCompletely) {
  const std::uint32_t seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  const char16_t alphabet[] = u"<>/!= \"abAB";
  for (int round = 0; round < 500; ++round) {
    String text;
    const int len = static_cast<int>(rng() % 40);
    for (int i = 0; i < len; ++i) text.push_back(alphabet[rng() % (sizeof alphabet / sizeof alphabet[0] - 1)]);
    StringSource src(text);
    std::size_t calls = 0;
    while (src.pos() < text.size()) {
      const std::size_t before = src.pos();
      read_element(src, round % 2 ? ContentsTail::Keep : ContentsTail::DropUnterminated);
      ASSERT_GT(src.pos(), before) << narrow(text);
      ASSERT_LE(++calls, text.size()) << narrow(text);
    }
    std::size_t pos = 0;
    String n, v;
    for (std::size_t steps = 0; next_attribute(text, pos, n, v) == AttributeStep::Pair; ++steps)
      ASSERT_LE(steps, text.size()) << narrow(text);
  }
}

}  // namespace
}  // namespace zyl::detail

#include "ZYL_stringl/tagstring.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/hoststring.h"

namespace ZYL_stringl {
namespace {

const std::vector<String> kTags{u"a", u"br", u"img", u"title", u"other"};

struct Read {
  std::int32_t index;
  std::string attributes;
  std::string contents;
  int pos;
};

Read read(const String& text, int pos) {
  String attr = u"stale", cont = u"stale";
  const std::int32_t i = ReadNextTagInString(text, pos, kTags, attr, cont);
  return {i, zyl::to_utf8(attr), zyl::to_utf8(cont), pos};
}

TEST(ReadNextTagInString, Elements) {
  struct Case {
    const char* label;
    String text;
    int pos;
    Read want;
  };
  const Case cases[] = {
      {"comment skipped, contents read", u"<!-- c --><a href=\"x y\">Link</a>rest", 1, {0, "href=\"x y\"", "Link", 33}},
      {"empty element without blank", u"<br/>x", 1, {1, "", "", 6}},
      {"empty element with attributes", u"<img src=1 />x", 1, {2, "src=1", "", 14}},
      {"closing tag matched in any case", u"<TITLE>T</title>", 1, {3, "", "T", 17}},
      {"unknown tag gives the highest index", u"<p>x</p>", 1, {4, "", "x", 9}},
      {"end of text gives the highest index", u"no tags", 1, {4, "", "", 8}},
      {"nested same name ends at the first close", u"<a><a>x</a></a>", 1, {0, "", "<a>x", 12}},
      {"unterminated contents keep the rest", u"<a>abc", 1, {0, "", "abc", 7}},
      {"start position honoured", u"<a>1</a><br/>", 9, {1, "", "", 14}},
      {"start below 1", u"<br/>", -4, {1, "", "", 6}},
      {"start beyond the end", u"<br/>", 99, {4, "", "", 6}},
      {"closing tag read alone", u"</a>x", 1, {4, "", "", 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const Read r = read(c.text, c.pos);
    EXPECT_EQ(r.index, c.want.index);
    EXPECT_EQ(r.attributes, c.want.attributes);
    EXPECT_EQ(r.contents, c.want.contents);
    EXPECT_EQ(r.pos, c.want.pos);
  }
}

TEST(ReadNextTagInString, WalksADocument) {
  const String doc = u"<?xml version=\"1.0\"?><title>T</title><br/><a k=\"v\">x</a>";
  int pos = 1;
  String attr, cont;
  std::vector<std::int32_t> seen;
  while (pos <= static_cast<int>(doc.size())) seen.push_back(ReadNextTagInString(doc, pos, kTags, attr, cont));
  EXPECT_EQ(seen, (std::vector<std::int32_t>{4, 3, 1, 0}));
  EXPECT_EQ(zyl::to_utf8(attr), "k=\"v\"");
}

TEST(DetectNextTagInString, FindsTagsWithoutContents) {
  const String text = u"ab<!--c--><A k=1>cd</a><zz/><br";
  int pos = 1, start = -1;
  bool in_list = false;
  String attr;
  EXPECT_EQ(DetectNextTagInString(text, pos, start, kTags, attr, in_list), 0);
  EXPECT_EQ(start, 11);
  EXPECT_EQ(pos, 18);
  EXPECT_EQ(zyl::to_utf8(attr), "k=1");
  EXPECT_TRUE(in_list);

  EXPECT_EQ(DetectNextTagInString(text, pos, start, kTags, attr, in_list), 4) << "closing tag /a is not listed";
  EXPECT_EQ(start, 20);
  EXPECT_FALSE(in_list);

  EXPECT_EQ(DetectNextTagInString(text, pos, start, kTags, attr, in_list), 4);
  EXPECT_EQ(start, 24);
  EXPECT_FALSE(in_list) << "zz is unknown";

  EXPECT_EQ(DetectNextTagInString(text, pos, start, kTags, attr, in_list), 1) << "a tag cut off by the end";
  EXPECT_EQ(start, 29);
  EXPECT_EQ(pos, static_cast<int>(text.size()) + 1);
  EXPECT_TRUE(in_list);

  EXPECT_EQ(DetectNextTagInString(text, pos, start, kTags, attr, in_list), 4);
  EXPECT_EQ(start, 0);
  EXPECT_FALSE(in_list);
  EXPECT_TRUE(attr.empty());
}

TEST(DetectNextTagInString, EmptyTagList) {
  int pos = 1, start = 0;
  bool in_list = true;
  String attr;
  EXPECT_EQ(DetectNextTagInString(u"<a>", pos, start, {}, attr, in_list), -1);
  EXPECT_FALSE(in_list);
  EXPECT_EQ(start, 1);
}

}  // namespace
}  // namespace ZYL_stringl

#include "platform/stringlist.h"

#include <gtest/gtest.h>

namespace zyl {
namespace {

TEST(StringList, TextSplitsAtEveryLineEndAndJoinsWithCrLf) {
  struct Case {
    const char* label;
    String text;
    std::vector<String> lines;
  };
  const Case cases[] = {
      {"empty", u"", {}},
      {"final line end adds no line", u"a\r\n", {u"a"}},
      {"mixed line ends", u"a\nb\r\nc\rd", {u"a", u"b", u"c", u"d"}},
      {"empty lines kept", u"\n\nx", {u"", u"", u"x"}},
      {"CR LF counts once, LF CR twice", u"a\n\rb", {u"a", u"", u"b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TStringList l;
    l.SetText(c.text);
    ASSERT_EQ(l.Count(), static_cast<int>(c.lines.size()));
    for (int i = 0; i < l.Count(); ++i) EXPECT_EQ(l[i], c.lines[static_cast<std::size_t>(i)]);
  }
  TStringList l;
  l.Add(u"x");
  l.Add(u"y");
  EXPECT_EQ(l.Text(), u"x\r\ny\r\n");
}

TEST(StringList, IndexErrorsAndEditing) {
  TStringList l;
  l.Add(u"Beta");
  l.Insert(0, u"alpha");
  l.Add(u"gamma");
  EXPECT_EQ(l.IndexOf(u"BETA"), 1);
  EXPECT_EQ(l.IndexOf(u"delta"), -1);
  l.Delete(1);
  EXPECT_EQ(l.Count(), 2);
  EXPECT_THROW(l.Get(2), EStringListError);
  EXPECT_THROW(l.Insert(4, u"x"), EStringListError);
  try {
    l.Delete(-1);
    FAIL();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), u"List index out of bounds (-1)");
  }
  l.Put(0, u"zeta");
  l.Sort();
  EXPECT_EQ(l[0], u"gamma");

  TStringList copy;
  copy.Assign(&l);
  EXPECT_EQ(copy.Text(), l.Text());
}

}  // namespace
}  // namespace zyl

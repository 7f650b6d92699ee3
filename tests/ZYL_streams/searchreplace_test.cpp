#include "ZYL_streams/searchreplace.h"

#include <gtest/gtest.h>

namespace ZYL_streams {
namespace {

std::string bytes_of(zyl::TMemoryStream& m) {
  return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}

void fill(zyl::TMemoryStream& m, const std::string& s) {
  m.Clear();
  m.WriteBuffer(s.data(), static_cast<std::int32_t>(s.size()));
}

TEST(SearchAndReplace, Replacements) {
  struct Case {
    const char* label;
    std::string source;
    const char16_t* search;
    const char16_t* replace;
    bool ignore_case;
    std::int32_t start, max;
    const char16_t* brackets;
    std::int32_t count;
    std::string result;
  } const cases[] = {
      {"plain, case-sensitive", "a1 A2 a3", u"a", u"b", false, 1, 0, u"", 2, "b1 A2 b3"},
      {"ignoring case", "a1 A2 a3", u"a", u"b", true, 1, 0, u"", 3, "b1 b2 b3"},
      {"modifiers", "a1 A2 a3", u"a", u"<{match}{count}>", true, 1, 0, u"{}", 3, "<a1>1 <A2>2 <a3>3"},
      {"no brackets: literal", "x", u"x", u"{match}", false, 1, 0, u"", 1, "{match}"},
      {"one bracket character opens and closes", "x", u"x", u"%MATCH%%crlf%%tab%", false, 1, 0, u"%", 1,
       "x\r\n\t"},
      {"unknown modifier without callback stays", "x", u"x", u"{zz}", false, 1, 0, u"{}", 1, "{zz}"},
      {"unclosed bracket is literal", "x", u"x", u"{match", false, 1, 0, u"{}", 1, "{match"},
      {"start position skips earlier matches", "aaaa", u"a", u"b", false, 3, 0, u"", 2, "aabb"},
      {"start below 1 counts as 1", "aa", u"a", u"b", false, -5, 0, u"", 2, "bb"},
      {"start beyond the end", "aa", u"a", u"b", false, 9, 0, u"", 0, "aa"},
      {"at most MaxCount", "aaaa", u"a", u"b", false, 1, 3, u"", 3, "bbba"},
      {"no overlap", "aaaaa", u"aa", u"x", false, 1, 0, u"", 2, "xxa"},
      {"empty search replaces nothing", "abc", u"", u"x", false, 1, 0, u"", 0, "abc"},
      {"replacement may be empty", "a-b-c", u"-", u"", false, 1, 0, u"", 2, "abc"},
      {"byte-oriented texts", "\xE9t\xE9", u"\u00E9", u"\u0141", false, 1, 0, u"", 2, "AtA"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    zyl::TMemoryStream src, dst;
    fill(src, c.source);
    src.SetPosition(1);
    fill(dst, "old contents");
    EXPECT_EQ(SearchAndReplace(src, dst, c.search, c.replace, c.ignore_case, c.start, c.max, c.brackets, nullptr),
              c.count);
    EXPECT_EQ(bytes_of(dst), c.result);
    EXPECT_EQ(dst.Position(), 0);
    EXPECT_EQ(src.Position(), 1) << "the source is left as it was";
    EXPECT_EQ(bytes_of(src), c.source);
  }
}

TEST(SearchAndReplace, UnknownModifiersGoToTheCallback) {
  zyl::TMemoryStream src, dst;
  fill(src, "id=7; id=8;");
  std::vector<String> commands;
  const auto n = SearchAndReplace(src, dst, u"id=", u"[{upper}]", false, 1, 0, u"{}",
                                  [&](String Command, String& Substring) {
                                    commands.push_back(Command);
                                    EXPECT_EQ(Substring, u"id=");
                                    Substring = u"ID:";
                                  });
  EXPECT_EQ(n, 2);
  EXPECT_EQ(bytes_of(dst), "[ID:]7; [ID:]8;");
  EXPECT_EQ(commands, (std::vector<String>{u"upper", u"upper"}));
}

TEST(SearchAndReplace, SourceMayAlsoBeTheDestination) {
  zyl::TMemoryStream m;
  fill(m, "one two one");
  EXPECT_EQ(SearchAndReplace(m, m, u"one", u"three", false, 1, 0, u"", nullptr), 2);
  EXPECT_EQ(bytes_of(m), "three two three");
}

}  // namespace
}  // namespace ZYL_streams

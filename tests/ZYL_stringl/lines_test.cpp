#include <gtest/gtest.h>

#include <vector>

#include "ZYL_stringl/lines.h"
#include "platform/hoststring.h"

namespace ZYL_stringl {
namespace {

// All lines of a text in one mode, with the final AtEnd line marked by "$".
std::vector<std::string> read_all(const String& text, int mode) {
  std::vector<std::string> lines;
  int pos = 1;
  for (bool at_end = false; !at_end;) {
    const String line = ReadLnString(text, pos, at_end, mode);
    lines.push_back(zyl::to_utf8(line) + (at_end ? "$" : ""));
    if (lines.size() > 100) break;
  }
  return lines;
}

using Lines = std::vector<std::string>;

TEST(ReadLnString, Modes) {
  const String text = u"ab\r\ncd\n\re\tf";
  struct Case {
    const char* label;
    int mode;
    Lines want;
  };
  const Case cases[] = {
      {"LF", 0, {"ab", "cd", "ef$"}},
      {"CR", 1, {"ab", "cd", "ef$"}},
      {"CR or LF: CR LF gives an empty line", 2, {"ab", "", "cd", "", "ef$"}},
      {"CR after LF", 3, {"abcd", "ef$"}},
      {"LF after CR", 4, {"ab", "cdef$"}},
      {"never", 9, {"abcdef$"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(read_all(text, c.mode), c.want);
  }
}

TEST(ReadLnString, EndsAndPositions) {
  EXPECT_EQ(read_all(u"ab\n", 0), (Lines{"ab", "$"})) << "a final line end leaves an empty last call";
  EXPECT_EQ(read_all(u"", 0), (Lines{"$"}));
  int pos = 4;
  bool at_end = false;
  EXPECT_EQ(zyl::to_utf8(ReadLnString(u"ab\ncd", pos, at_end, 0)), "cd");
  EXPECT_TRUE(at_end);
  EXPECT_EQ(pos, 6);
  pos = 50;
  EXPECT_EQ(ReadLnString(u"ab", pos, at_end, 0), u"");
  EXPECT_TRUE(at_end);
  pos = -3;
  EXPECT_EQ(zyl::to_utf8(ReadLnString(u"ab\ncd", pos, at_end, 0)), "ab");
  EXPECT_EQ(pos, 4);
}

TEST(TextLineCoords, ForwardCases) {
  struct Case {
    const char* label;
    String text;
    int pos;
    int line;
    int col;
  };
  const Case cases[] = {
      {"first character", u"ab\ncd", 1, 1, 1},
      {"line feed belongs to its line", u"ab\ncd", 3, 1, 3},
      {"second line", u"ab\ncd", 5, 2, 2},
      {"end of text", u"ab\ncd", 6, 2, 3},
      {"CR LF: LF is column 4", u"ab\r\ncd", 4, 1, 4},
      {"lone CR ends a line", u"a\rb", 3, 2, 1},
      {"end after a final line end is a new line", u"ab\n", 4, 2, 1},
      {"empty text", u"", 1, 1, 1},
      {"beyond the end", u"ab", 4, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    int line = -1, col = -1;
    EXPECT_EQ(TextLineCoords(c.text, c.pos, line, col), c.line ? c.pos : 0);
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(col, c.col);
  }
}

TEST(TextLineCoords, BothDirectionsAreInverse) {
  const String texts[] = {u"", u"a", u"ab\ncd", u"\n\n", u"x\r\n\r\ny\rz\n", u"\r", u"abc\r"};
  for (const String& text : texts) {
    SCOPED_TRACE(zyl::to_utf8(text));
    for (int p = 1; p <= static_cast<int>(text.size()) + 1; ++p) {
      SCOPED_TRACE(p);
      int line = 0, col = 0;
      ASSERT_EQ(TextLineCoords(text, p, line, col), p);
      EXPECT_EQ(TextLineCoords(text, 0, line, col), p);
    }
  }
}

TEST(TextLineCoords, ReverseRejectsMissingPlaces) {
  int line = 3, col = 1;
  EXPECT_EQ(TextLineCoords(u"ab\ncd", 0, line, col), 0) << "no third line";
  line = 1;
  col = 4;
  EXPECT_EQ(TextLineCoords(u"ab\ncd", 0, line, col), 0) << "line 1 has 3 columns";
  line = 2;
  col = 3;
  EXPECT_EQ(TextLineCoords(u"ab\ncd", 0, line, col), 6) << "the end of the text";
  line = 0;
  EXPECT_EQ(TextLineCoords(u"ab", -1, line, col), 0);
}

}  // namespace
}  // namespace ZYL_stringl

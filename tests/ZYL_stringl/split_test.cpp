#include <cctype>

#include <gtest/gtest.h>

#include "ZYL_stringl/charclass.h"
#include "ZYL_stringl/extract.h"
#include "ZYL_stringl/tokenize.h"
#include "platform/hoststring.h"

namespace ZYL_stringl {
namespace {

std::string u8(const String& s) { return zyl::to_utf8(s); }

TEST(Tokenize, PlainDelimiter) {
  struct Case {
    const char* label;
    String text;
    String delimiter;
    TOpenStringArray want;
  };
  const Case cases[] = {
      {"empty tokens kept", u"a,,b", u",", {u"a", u"", u"b"}},
      {"delimiters at both ends", u",a,", u",", {u"", u"a", u""}},
      {"empty text", u"", u",", {u""}},
      {"no delimiter", u"abc", u",", {u"abc"}},
      {"multi-character delimiter", u"a::b:c", u"::", {u"a", u"b:c"}},
      {"empty delimiter splits nothing", u"a,b", u"", {u"a,b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TOpenStringArray t{u"stale"};
    EXPECT_EQ(Tokenize(c.text, c.delimiter, t), static_cast<int>(c.want.size()));
    EXPECT_EQ(t, c.want);
  }
}

TEST(Tokenize, AtMostAThousandTokens) {
  String text;
  for (int i = 0; i < 1200; ++i) text += u"x;";
  TOpenStringArray t;
  ASSERT_EQ(Tokenize(text, u";", t), 1000);
  EXPECT_EQ(t[998], u"x");
  EXPECT_EQ(t[999].size(), 201u * 2) << "the last token holds the unsplit rest";
}

TEST(Tokenize, EscapedDelimiter) {
  struct Case {
    const char* label;
    String text;
    TOpenStringArray want;
  };
  const Case cases[] = {
      {"escaped comma joins", u"a\\,b,c", {u"a,b", u"c"}},
      {"doubled escape collapses", u"a\\\\b,c", {u"a\\b", u"c"}},
      {"escaped escape still escapes", u"a\\\\,b", {u"a,b"}},
      {"delimiter first", u",a", {u"", u"a"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TOpenStringArray t;
    EXPECT_EQ(Tokenize(c.text, u",", u'\\', t), static_cast<int>(c.want.size()));
    EXPECT_EQ(t, c.want);
  }
}

TEST(Tokenize, DetectCSVDelimiter) {
  EXPECT_EQ(DetectCSVDelimiter(u"a;b,c;d"), 2);
  EXPECT_EQ(DetectCSVDelimiter(u"abc"), 0);
  EXPECT_EQ(DetectCSVDelimiter(u"a\tb\tc d"), 5);
  EXPECT_EQ(DetectCSVDelimiter(u"a,b;c"), 2) << "ties go to the earlier candidate";
  EXPECT_EQ(DetectCSVDelimiter(u"1:2 3"), 1);
}

TEST(Extract, Triggers) {
  EXPECT_EQ(u8(ExtractAfterTrigger(u"key = v ", u"=", true)), "v");
  EXPECT_EQ(u8(ExtractAfterTrigger(u"key = v ", u"=", false)), " v ");
  EXPECT_EQ(u8(ExtractAfterTrigger(u"a=b=c", u"=", false)), "b=c");
  EXPECT_EQ(u8(ExtractAfterTrigger(u"abc", u"=", false)), "");
  EXPECT_EQ(u8(ExtractBeforeTrigger(u"key = v", u"=", false)), "key ");
  EXPECT_EQ(u8(ExtractBeforeTrigger(u"key = v", u"=", true)), "key");
  EXPECT_EQ(u8(ExtractBeforeTrigger(u"abc", u"=", true)), "");
  String before = u"x", after = u"y";
  SplitString(u" a : b ", u":", true, before, after);
  EXPECT_EQ(u8(before), "a");
  EXPECT_EQ(u8(after), "b");
  SplitString(u"ab", u":", true, before, after);
  EXPECT_TRUE(before.empty() && after.empty());
  String s = u"k=v";
  SplitString(s, u"=", false, s, after);
  EXPECT_EQ(u8(s), "k") << "the text may be one of the outputs";
  EXPECT_EQ(u8(after), "v");
}

TEST(Extract, SubString) {
  const char* want[] = {"a", "b", "", "d", ""};
  for (int n = 0; n < 5; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(u8(ExtractSubString(u"a;b;;d", n, u";")), want[n]);
  }
  EXPECT_EQ(u8(ExtractSubString(u"a;b", -1, u";")), "");
  EXPECT_EQ(u8(ExtractSubString(u";a", 0, u";")), "");
  EXPECT_EQ(u8(ExtractSubString(u";a", 1, u";")), "a");
  EXPECT_EQ(u8(ExtractSubString(u"aXYbXYc", 2, u"XY")), "c");
  EXPECT_EQ(u8(ExtractSubString(u"axbXc", 1, u"X")), "c") << "the delimiter search is exact";
  EXPECT_EQ(u8(ExtractSubString(u"abc", 0, u"")), "abc");
}

TEST(Extract, WordAtPosition) {
  struct Case {
    const char* label;
    int pos;
    const char* word;
    int first;
    int last;
  };
  const String text = u"one two,x\xe9y.";
  const Case cases[] = {
      {"inside the first word", 2, "one", 1, 3},
      {"at a word's start", 5, "two", 5, 7},
      {"separator itself", 4, " ", 4, 4},
      {"characters above 127 are word characters", 10, "x\xc3\xa9y", 9, 11},
      {"final separator", 12, ".", 12, 12},
      {"before the text", 0, "", 0, 0},
      {"after the text", 13, "", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    int first = -1, last = -1;
    EXPECT_EQ(u8(ExtractWordFromString(text, c.pos, first, last)), c.word);
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(last, c.last);
  }
  EXPECT_EQ(u8(ExtractWordFromString(u"\x263a\x263a", 1)), "\xe2\x98\xba\xe2\x98\xba")
      << "characters above 255 never separate";
}

TEST(Extract, Param) {
  struct Case {
    const char* label;
    String text;
    int index;
    const char* want;
  };
  const Case cases[] = {
      {"first, stripped", u" a , b", 0, "a"},
      {"second", u" a , b", 1, "b"},
      {"quoted with delimiter", u"a, \"b,c\" ,d", 1, "b,c"},
      {"after a quoted one", u"a, \"b,c\" ,d", 2, "d"},
      {"quoted keeps blanks", u"\" x \"", 0, " x "},
      {"doubled quote", u"\"say \"\"hi\"\"\"", 0, "say \"hi\""},
      {"unterminated quote runs to the end", u"\"a,b", 0, "a,b"},
      {"empty parameter is empty, not the default", u"a,,b", 1, ""},
      {"trailing delimiter gives an empty last", u"a,", 1, ""},
      {"beyond the last", u"a,b", 2, "?"},
      {"negative index", u"a,b", -1, "?"},
      {"empty text has one empty parameter", u"", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(u8(ExtractParam(c.text, c.index, u',', u'"', u"?")), c.want);
  }
}

TEST(CharClass, WordsAndAbbreviations) {
  EXPECT_EQ(CountWords(u"a bc de"), 1);
  EXPECT_EQ(CountWords(u"ab, cd. ef!"), 2) << "! is not a separator";
  EXPECT_EQ(CountWords(u""), 0);
  EXPECT_EQ(CountWords(u"\x263a\x263a "), 1);
  EXPECT_TRUE(IsAbbreviation(u"NATO"));
  EXPECT_TRUE(IsAbbreviation(u"CDs"));
  EXPECT_FALSE(IsAbbreviation(u"A"));
  EXPECT_FALSE(IsAbbreviation(u"ABc12"));
  EXPECT_FALSE(IsAbbreviation(u"Nato"));
  EXPECT_TRUE(IsAbbreviation(u"xAB YZW")) << "the longest run counts";
}

TEST(CharClass, AgreesWithTheCLocaleOnAll256Codes) {
  const std::string seps("\0\n\r \"#%'()*+,-./:;<=>[\\]{}", 26);
  for (int c = 0; c < 256; ++c) {
    SCOPED_TRACE(c);
    const auto ch = static_cast<Char>(c);
    const bool ascii = c < 128;
    EXPECT_EQ(IsDigit(ch), ascii && std::isdigit(c) != 0);
    EXPECT_EQ(IsLetter(ch), ascii && std::isalpha(c) != 0);
    EXPECT_EQ(IsDigitLetter(ch), ascii && std::isalnum(c) != 0);
    EXPECT_EQ(IsHexChar(ch), ascii && std::isxdigit(c) != 0);
    EXPECT_EQ(WordSeps.test(static_cast<std::size_t>(c)), seps.find(static_cast<char>(c)) != std::string::npos);
  }
  for (Char c : std::u16string_view(u"äöüÄÖÜß")) EXPECT_TRUE(IsUmlaut(c));
  EXPECT_FALSE(IsUmlaut(u'é'));
  EXPECT_FALSE(IsUmlaut(u'a'));
}

}  // namespace
}  // namespace ZYL_stringl

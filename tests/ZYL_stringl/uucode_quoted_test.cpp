#include <gtest/gtest.h>

#include <random>

#include "ZYL_stringl/quotedname.h"
#include "ZYL_stringl/uucode.h"
#include "ZYL_zylbase/errors.h"

namespace ZYL_stringl {
namespace {

TEST(UUCode, KnownEncodings) {
  EXPECT_EQ(UUEncodeStr(u"Cat"), u"#0V%T\r\n`\r\n");
  EXPECT_EQ(UUEncodeStr(u""), u"`\r\n");
  EXPECT_EQ(UUEncodeStr(u"A"), u"!00``\r\n`\r\n") << "padding with zero values written as `";
  EXPECT_EQ(UUEncodeStr(String(3, u'\0')), u"#````\r\n`\r\n");
  const String line45 = UUEncodeStr(String(45, u'x'));
  EXPECT_EQ(line45.substr(0, 1), u"M");
  EXPECT_EQ(line45.size(), 1 + 60 + 2 + 3u);
  const String line46 = UUEncodeStr(String(46, u'x'));
  EXPECT_EQ(line46.substr(63, 1), u"!") << "the 46th byte starts a second line";
}

TEST(UUCode, RoundTripsEveryLengthAndByte) {
  std::mt19937 rng(4711);
  for (std::size_t len = 0; len <= 200; ++len) {
    SCOPED_TRACE(len);
    String text;
    for (std::size_t i = 0; i < len; ++i) text += static_cast<zyl::Char>(rng() % 256);
    ASSERT_EQ(UUDecodeStr(UUEncodeStr(text)), text);
  }
  String all;
  for (int c = 0; c < 256; ++c) all += static_cast<zyl::Char>(c);
  EXPECT_EQ(UUDecodeStr(UUEncodeStr(all)), all);
}

TEST(UUCode, DecoderTolerance) {
  EXPECT_EQ(UUDecodeStr(u"begin 644 cat.txt\n#0V%T\n`\nend\n"), u"Cat") << "file framing and LF ends";
  EXPECT_EQ(UUDecodeStr(u"#0V%T"), u"Cat") << "no closing line";
  EXPECT_EQ(UUDecodeStr(u"!00"), u"A") << "stripped trailing characters count as zero";
  EXPECT_EQ(UUDecodeStr(u"#0V%T\r\n \r\n#0V%T\r\n"), u"Cat") << "a blank length closes the data";
  EXPECT_EQ(UUDecodeStr(u""), u"");
  EXPECT_THROW((void)UUDecodeStr(u"#0v%T\n"), ZYL_zylbase::EZYLStringlError) << "lower-case is outside the alphabet";
  EXPECT_THROW((void)UUDecodeStr(u"\x263a"), ZYL_zylbase::EZYLStringlError);
  EXPECT_THROW((void)UUEncodeStr(u"a\x263a"), ZYL_zylbase::EZYLStringlError);
}

TEST(QuotedName, ReadsNamesCharacterByCharacter) {
  struct Case {
    const char* label;
    String input;
    String name;
    TQuotedStrState state;
  };
  using S = TQuotedStrState;
  const Case cases[] = {
      {"quoted with blank", u"  \"my file\" rest", u"my file", S::vsEnd},
      {"unquoted ends at blank", u"abc def", u"abc", S::vsEnd},
      {"unquoted ends at tab", u"abc\tdef", u"abc", S::vsEnd},
      {"empty quoted name", u"\"\"x", u"", S::vsEnd},
      {"quote inside an unquoted name", u"a\"b ", u"a\"b", S::vsEnd},
      {"unterminated quote", u"\"abc", u"abc", S::vsQuote},
      {"open quote only", u"\"", u"", S::vs1stQuote},
      {"unquoted running out", u"abc", u"abc", S::vsNormal},
      {"blanks only", u"   ", u"", S::vsStart},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    String name;
    TQuotedStrState state = S::vsStart;
    for (zyl::Char ch : c.input) ParseQuotedName(ch, u'"', name, state);
    EXPECT_EQ(name, c.name);
    EXPECT_EQ(state, c.state);
  }
}

}  // namespace
}  // namespace ZYL_stringl

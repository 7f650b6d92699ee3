#include "platform/hoststring.h"

#include <random>

#include <gtest/gtest.h>

namespace zyl {
namespace {

TEST(HostString, Utf8RoundTripsEveryKindOfCharacter) {
  const String samples[] = {
      u"", u"plain", u"Gr\u00f6\u00dfe", u"\u20ac 5", u"\U0001F600 smile", String(1, u'\0') + u"nul",
  };
  for (const String& s : samples) EXPECT_EQ(from_utf8(to_utf8(s)), s);
  EXPECT_EQ(to_utf8(u"Gr\u00f6\u00dfe"), "Gr\xc3\xb6\xc3\x9f" "e");
  EXPECT_EQ(to_utf8(u"\U0001F600"), "\xf0\x9f\x98\x80");
}

TEST(HostString, InvalidUtf8BytesReadAsLatin1) {
  struct Case {
    const char* label;
    std::string in;
    String out;
  };
  const Case cases[] = {
      {"lone Latin-1 byte", "Gr\xf6\xdf" "e", u"Gr\u00f6\u00dfe"},
      {"stray continuation byte", "a\x80z", u"a\u0080z"},
      {"truncated sequence at the end", "x\xe2\x82", u"x\u00e2\u0082"},
      {"overlong form of '/'", "\xc0\xaf", u"\u00c0\u00af"},
      {"encoded surrogate", "\xed\xa0\x80", u"\u00ed\u00a0\u0080"},
      {"beyond U+10FFFF", "\xf4\x90\x80\x80", u"\u00f4\u0090\u0080\u0080"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(from_utf8(c.in), c.out);
  }
}

TEST(HostString, UnpairedSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(to_utf8(String(1, static_cast<Char>(0xD800)) + u"a"), "\xef\xbf\xbd" "a");
  EXPECT_EQ(to_utf8(String(1, static_cast<Char>(0xDC00))), "\xef\xbf\xbd");
}

TEST(HostString, Latin1ConversionsCoverAllBytes) {
  std::string all(256, '\0');
  for (int i = 0; i < 256; ++i) all[static_cast<std::size_t>(i)] = static_cast<char>(i);
  const String wide = from_latin1(all);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(wide[static_cast<std::size_t>(i)], i);
  EXPECT_EQ(to_latin1(wide), all);
  EXPECT_EQ(to_latin1(u"\u20acx\u0100"), "?x?");
}

TEST(HostString, RandomBytesDecodeWithoutLossOfLength) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  for (int trial = 0; trial < 500; ++trial) {
    std::string bytes(rng() % 40, '\0');
    for (char& c : bytes) c = static_cast<char>(rng());
    const String s = from_utf8(bytes);
    // Every valid sequence round-trips; a decoded string re-encodes to valid UTF-8.
    EXPECT_EQ(from_utf8(to_utf8(s)), s);
    EXPECT_LE(s.size(), bytes.size());
  }
}

}  // namespace
}  // namespace zyl

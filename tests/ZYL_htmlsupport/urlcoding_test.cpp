#include "ZYL_htmlsupport/urlcoding.h"

#include <random>

#include <gtest/gtest.h>

namespace ZYL_htmlsupport {
namespace {

TEST(UrlCoding, URLEncodeEscapesExactlyTheReservedCharacters) {
  const std::u16string_view reserved = u"!*'();:@&=+$,/?%#[] ";
  for (int c = 0; c < 0x10000; ++c) {
    const String in(1, static_cast<Char>(c));
    const String out = URLEncode(in);
    if (reserved.find(static_cast<Char>(c)) == std::u16string_view::npos) {
      ASSERT_EQ(out, in) << c;
      continue;
    }
    char expected[8];
    std::snprintf(expected, sizeof expected, "%%%02X", c);
    EXPECT_EQ(out, zyl::from_utf8(expected)) << c;
  }
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"a b/c", u"a%20b%2Fc"},
      {u"'", u"%27"},
      {u"AZaz09-_.~", u"AZaz09-_.~"},
      {u"", u""},
      {u"x=[1,2]&y=\u00E9\u20AC", u"x%3D%5B1%2C2%5D%26y%3D\u00E9\u20AC"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(URLEncode(in), out);
}

TEST(UrlCoding, URLDecodeRunsTwoPasses) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"%41%4", u"A%4"},
      {u"%2541", u"A"},
      {u"%252541", u"%41"},
      {u"%61%6A%6a", u"aj\u006A"},
      {u"%", u"%"},
      {u"%%", u"%%"},  // no pass finds two digits after a "%"
      {u"%4", u"%4"},
      {u"%G1%1G", u"%G1%1G"},
      {u"%25%34%31", u"A"},  // pass one gives "%41"
      {u"%ff%FF", u"\u00FF\u00FF"},
      {u"%C3%A9", u"\u00C3\u00A9"},  // byte codes, not UTF-8
      {u"a+b", u"a+b"},
      {u"\u20AC%20", u"\u20AC "},
      {u"", u""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(URLDecode(in), out) << zyl::to_utf8(in);
  EXPECT_EQ(URLDecode(u"%00"), String(1, 0));
}

TEST(UrlCoding, DecodeUndoesEncodeForTextWithoutPercent) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  const char16_t alphabet[] = u"!*'();:@&=+$,/?#[] aZ09\u00E9\u20AC";
  for (int round = 0; round < 2000; ++round) {
    String s;
    const int n = static_cast<int>(rng() % 20);
    for (int i = 0; i < n; ++i) s += alphabet[rng() % (std::size(alphabet) - 1)];
    ASSERT_EQ(URLDecode(URLEncode(s)), s) << zyl::to_utf8(s);
  }
}

TEST(UrlCoding, ExtractHTTPPath) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"HTTP://www.example.org/docs/page.html", u"www.example.org/docs/"},
      {u"http://host/", u"host/"},
      {u"http://host", u"host"},
      {u"letters", u"letters"},
      {u"", u""},
      {u"/", u"/"},
      {u"dir/sub/file", u"dir/sub/"},
      {u"see http://a/b http://c/d", u"a/b http://c/"},
      {u"https://host/a/b", u"https://host/a/"},
      {u"hTtP://x/y", u"x/"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(ExtractHTTPPath(in), out) << zyl::to_utf8(in);
}

}  // namespace
}  // namespace ZYL_htmlsupport

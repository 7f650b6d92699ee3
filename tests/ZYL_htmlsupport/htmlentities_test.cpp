#include "ZYL_htmlsupport/htmlentities.h"

#include <map>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "ZYL_htmlsupport/detail/namedentities.h"
#include "ZYL_htmlsupport/python_runner.h"
#include "platform/os.h"

namespace ZYL_htmlsupport {
namespace {

constexpr bool kWindows = zyl::platform::kOsFamily == zyl::platform::OsFamily::Windows;

// Python's html.entities.codepoint2name for the codes 160..255, in order.
constexpr const char* kPythonLatin1Names =
    "nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy reg macr deg plusmn sup2 "
    "sup3 acute micro para middot cedil sup1 ordm raquo frac14 frac12 frac34 iquest Agrave Aacute Acirc "
    "Atilde Auml Aring AElig Ccedil Egrave Eacute Ecirc Euml Igrave Iacute Icirc Iuml ETH Ntilde Ograve "
    "Oacute Ocirc Otilde Ouml times Oslash Ugrave Uacute Ucirc Uuml Yacute THORN szlig agrave aacute "
    "acirc atilde auml aring aelig ccedil egrave eacute ecirc euml igrave iacute icirc iuml eth ntilde "
    "ograve oacute ocirc otilde ouml divide oslash ugrave uacute ucirc uuml yacute thorn yuml";

TEST(HtmlEntities, Latin1TableMatchesAnIndependentList) {
  std::istringstream names(kPythonLatin1Names);
  std::string name;
  for (std::size_t k = 0; k < HTMLLat1Entities.size(); ++k) {
    ASSERT_TRUE(names >> name);
    SCOPED_TRACE(160 + k);
    EXPECT_EQ(HTMLLat1Entities[k], "&" + name + ";");
    EXPECT_LE(HTMLLat1Entities[k].size(), 8u) << "fits the 8-character short string";
  }
  EXPECT_FALSE(names >> name) << "96 entries";
}

// The whole named table against Python's html.entities (HTML 4.01's 252
// names) plus "apos".
TEST(HtmlEntities, NamedTableMatchesPython) {
  const auto out = zyl::test::run_python(
      "import html.entities as h\n"
      "d = dict(h.name2codepoint); d['apos'] = 39\n"
      "for k in sorted(d): print(k, d[k])\n",
      "");
  if (!out) {
    if (kWindows) GTEST_SKIP() << "python3 cannot be started from the Windows build under Wine";
    FAIL() << "/usr/bin/python3 missing (scripts/install-deps.sh installs it)";
  }
  std::map<std::string, char32_t> python;
  std::istringstream lines(*out);
  std::string name;
  unsigned long code = 0;
  while (lines >> name >> code) python[name] = static_cast<char32_t>(code);
  ASSERT_EQ(python.size(), 253u) << *out;
  std::map<std::string, char32_t> ours;
  for (const auto& e : zyl::detail::named_entities()) ours[std::string(e.name)] = e.code;
  EXPECT_EQ(ours, python);
  for (const auto& [n, c] : python) {
    EXPECT_EQ(zyl::detail::lookup_named_entity(zyl::from_utf8(n)), c) << n;
  }
}

TEST(HtmlEntities, AnsiToHTMLEntity) {
  const std::pair<Char, const char16_t*> cases[] = {
      {u'&', u"&amp;"}, {u'<', u"&lt;"},    {u'>', u"&gt;"},      {u'"', u"&quot;"},     {u'\'', u"'"},
      {u'a', u"a"},     {0xA0, u"&nbsp;"},  {0xFF, u"&yuml;"},    {0x9F, u"\u009F"},     {0x20AC, u"\u20AC"},
  };
  for (const auto& [c, expected] : cases) EXPECT_EQ(AnsiToHTMLEntity(c), expected) << static_cast<int>(c);
  // Every UTF-16 code unit comes back from its reference.
  for (int c = 0; c < 0x10000; ++c)
    ASSERT_EQ(HTMLEntityToAnsi(AnsiToHTMLEntity(static_cast<Char>(c))), String(1, static_cast<Char>(c))) << c;
}

TEST(HtmlEntities, HTMLEntityToAnsi) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      // known references
      {u"&Auml;", u"\u00C4"},
      {u"&auml;", u"\u00E4"},
      {u"&apos;", u"'"},
      {u"&euro;", u"\u20AC"},
      {u"&#65;", u"A"},
      {u"&#x41;", u"A"},
      {u"&#X6a;", u"j"},
      {u"&#00065;", u"A"},
      {u"&#x1F600;", u"\U0001F600"},
      {u"&#150;", u"\u2013"},
      // not exactly one known reference: unchanged
      {u"", u""},
      {u"&", u"&"},
      {u"&;", u"&;"},
      {u"&auml", u"&auml"},
      {u"&AUML;", u"&AUML;"},
      {u"&foo;", u"&foo;"},
      {u"&lt;x", u"&lt;x"},
      {u"x&lt;", u"x&lt;"},
      {u"&#;", u"&#;"},
      {u"&#x;", u"&#x;"},
      {u"&#0;", u"&#0;"},
      {u"&#xD800;", u"&#xD800;"},
      {u"&#x110000;", u"&#x110000;"},
      {u"&#99999999999999999999;", u"&#99999999999999999999;"},
      {u"&#12a;", u"&#12a;"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(HTMLEntityToAnsi(in), out) << zyl::to_utf8(in);
}

TEST(HtmlEntities, MakeStringHTMLCompatible) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"", u""},
      {u"plain", u"plain"},
      {u"Tom & Jerry's <b>\"x\"</b>", u"Tom &amp; Jerry&#39;s &lt;b&gt;&quot;x&quot;&lt;/b&gt;"},
      {u"\u00A0\u00E9\u00FF", u"&nbsp;&eacute;&yuml;"},
      {u"line\r\nbreak\n", u"line\r\nbreak\n"},
      {u"\u0100\u20AC\U0001F600", u"\u0100\u20AC\U0001F600"},
      {u"&amp;", u"&amp;amp;"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(MakeStringHTMLCompatible(in), out) << zyl::to_utf8(in);
}

TEST(HtmlEntities, ResolveHTMLEntities) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"&lt;p&gt; &amp; &quot;&apos;", u"<p> & \"'"},
      {u"5 &lt; 6 &bogus; &#8364;", u"5 < 6 &bogus; \u20AC"},
      {u"&amp;lt;", u"&lt;"},
      {u"&#x10FFFF;&#x10000;", u"\U0010FFFF\U00010000"},
      {u"&", u"&"},
      {u"&&&", u"&&&"},
      {u"a&", u"a&"},
      {u"&#", u"&#"},
      {u"&#x", u"&#x"},
      {u"&#12", u"&#12"},
      {u"&thetasy", u"&thetasy"},
      {u"&thetasym;", u"\u03D1"},
      {u"&thetasymx;", u"&thetasymx;"},
      {u"&&amp;;", u"&&;"},
      {u"&#38;amp;", u"&amp;"},
      {u"&#0;&#xDFFF;&#1114112;", u"&#0;&#xDFFF;&#1114112;"},
      {u"&#128;&#129;&#159;", u"\u20AC\u0081\u0178"},
      {u"&nbsp &nbsp;", u"&nbsp \u00A0"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(ResolveHTMLEntities(in), out) << zyl::to_utf8(in);
}

TEST(HtmlEntities, ResolveUndoesMakeCompatibleForAnyText) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  // Fragments that look like references, so escaping is put to the test.
  const String pieces[] = {u"&", u"amp;", u"#", u"x41;", u";", u"<", u">", u"\"", u"'", u"lt;", u"&#",
                           u"\u00E9", u"\u00A0", u"a", u" ", u"\r\n", String(1, 0), String(1, 0xD800),
                           u"\U0001F600", u"&nbsp;", u"nbsp"};
  for (int round = 0; round < 5000; ++round) {
    String s;
    const int n = static_cast<int>(rng() % 12);
    for (int i = 0; i < n; ++i) s += pieces[rng() % std::size(pieces)];
    ASSERT_EQ(ResolveHTMLEntities(MakeStringHTMLCompatible(s)), s) << zyl::to_utf8(s);
  }
  String all;
  for (int c = 0; c < 0x10000; ++c) all += static_cast<Char>(c);
  EXPECT_EQ(ResolveHTMLEntities(MakeStringHTMLCompatible(all)), all) << "every code unit";
}

}  // namespace
}  // namespace ZYL_htmlsupport

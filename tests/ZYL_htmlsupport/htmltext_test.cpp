#include "ZYL_htmlsupport/htmltext.h"

#include <random>

#include <gtest/gtest.h>

#include "ZYL_stringl/charclass.h"

namespace ZYL_htmlsupport {
namespace {

TEST(HtmlText, CountWordsHTML) {
  struct Case {
    const char16_t* text;
    bool skip_numbers;
    bool in_tag_before;
    int words;
    bool in_tag_after;
  };
  const Case cases[] = {
      {u"<b>Hello</b> world ", false, false, 2, false},
      {u"<p 12 apples ", true, false, 0, true},
      {u"12 apples ", true, false, 1, false},
      {u"12 apples ", false, false, 2, false},
      {u"a1 1a ", true, false, 1, false},          // only a run starting with a digit is a number
      {u"one two", false, false, 1, false},        // a run reaching the end is not counted
      {u"x> one two ", false, true, 2, false},     // continues inside a tag
      {u"x one two ", false, true, 0, true},       // never leaves the tag
      {u"one<br>two ", false, false, 2, false},    // ">" ends "one": the tag itself is skipped
      {u"one<br two ", false, false, 0, true},     // "<" is ignored, so "one" has no end
      {u"ab>cd> ", false, false, 2, false},        // ">" outside a tag is a separator
      {u"a b c ", false, false, 0, false},         // one-letter runs do not count
      {u"\u00E9t\u00E9 caf\u00E9 ", false, false, 2, false},
      {u"", false, true, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(zyl::to_utf8(c.text));
    bool in_tag = c.in_tag_before;
    EXPECT_EQ(CountWordsHTML(c.text, c.skip_numbers, in_tag), c.words);
    EXPECT_EQ(in_tag, c.in_tag_after);
  }
}

TEST(HtmlText, CountWordsHTMLAgreesWithCountWordsOutsideTagsAndPieceByPiece) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  const char16_t alphabet[] = u"ab1 ,.\r\n-_!";
  for (int round = 0; round < 2000; ++round) {
    String s;
    const int n = static_cast<int>(rng() % 30);
    for (int i = 0; i < n; ++i) s += alphabet[rng() % (std::size(alphabet) - 1)];
    bool in_tag = false;
    ASSERT_EQ(CountWordsHTML(s, false, in_tag), ZYL_stringl::CountWords(s)) << zyl::to_utf8(s);
    // Split inside a tag, the flag carries the state across the pieces (a
    // run open at a cut would not be counted, so a blank ends it first).
    const String doc = s + u" <a href=x>" + s + u"</a> ";
    const std::size_t cut = s.size() + 4;
    bool whole_flag = false;
    bool piece_flag = false;
    const int whole = CountWordsHTML(doc, false, whole_flag);
    int pieces = CountWordsHTML(doc.substr(0, cut), false, piece_flag);
    EXPECT_TRUE(piece_flag);
    pieces += CountWordsHTML(doc.substr(cut), false, piece_flag);
    ASSERT_EQ(pieces, whole) << zyl::to_utf8(doc);
  }
}

TEST(HtmlText, ExtractHTMLBody) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"<html><head><title>t</title></head><body>Hi</body></html>", u"Hi"},
      {u"<BODY class=x>a</Body>b", u"a"},
      {u"<body onload=\"if (a>b) go()\">a</body>", u"a"},
      {u"<body>a", u"a"},
      {u"<p>no body</p>", u"<p>no body</p>"},
      {u"", u""},
      {u"<bodyx>a</bodyx>", u"<bodyx>a</bodyx>"},
      {u"<!-- <body> -->x<body>y</body>", u"y"},
      {u"<script>s='<body>'</script><body>y</body>", u"y"},
      {u"<body>a<!-- </body> -->b</body >", u"a<!-- </body> -->b"},
      {u"<body\n>x</body>", u"x"},
      {u"<body", u""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(ExtractHTMLBody(in), out) << zyl::to_utf8(in);
}

TEST(HtmlText, ConvertHTMLBodyToText) {
  struct Case {
    const char* label;
    const char16_t* html;
    Char line_break;
    const char16_t* text;
  };
  const Case cases[] = {
      {"tags removed, entities resolved", u"<b>a &amp; b</b> &lt;c&gt;", u'\n', u"a & b <c>"},
      {"only the body", u"<head><title>T</title></head><body>x</body>y", u'\n', u"x"},
      {"white space collapses", u"  a \t\r\n  b  ", u'\n', u"a b"},
      {"br and paragraphs", u"a<br>b<p>c</p>d", u'\n', u"a\nb\nc\nd"},
      {"no break before the first text", u"<p>a</p><p>b</p>", u'\n', u"a\n\nb\n"},
      {"headings", u"<h1>T</h1>x<H6>u</h6>", u'\n', u"T\nx\nu\n"},
      {"list items and rows", u"<ul><li>x<li>y</ul><table><tr><td>1<td>2<tr><td>3</table>", u'\n',
       u"x\ny\n1 2\n3"},
      {"CR writes CR LF", u"a<br/>b", u'\r', u"a\r\nb"},
      {"a blank gives one line", u"<ul><li>x<li>y</ul>", u' ', u"x y"},
      {"script and style dropped", u"a<script>if (x<y) b()</script>b<style>p{}</style>c", u'\n', u"abc"},
      {"comments dropped", u"a<!-- <p> -->b", u'\n', u"ab"},
      {"no blank at line ends", u"a <br> b", u'\n', u"a\nb"},
      {"pre keeps its text", u"<pre>  x\r\n  y</pre> z", u'\r', u"  x\r\n  y z"},
      {"lone < is text", u"a < b", u'\n', u"a < b"},
      {"nbsp is not white space", u"a&nbsp; b", u'\n', u"a\u00A0 b"},
      {"unterminated tag", u"a<p", u'\n', u"a\n"},
      {"head without body dropped", u"<head><meta x></head>text", u'\n', u"text"},
      {"empty", u"", u'\n', u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ConvertHTMLBodyToText(c.html, c.line_break), c.text);
  }
}

TEST(HtmlText, ConvertHTMLBodyToTextStaysWithinTwiceTheInput) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  const String pieces[] = {u"<p>", u"<p", u"</p>", u"<br>", u"<pre>", u"</pre>", u"\n", u"\r", u" ",
                           u"a", u"&amp;", u"&#x1F600;", u"<script>", u"</script>", u"<!--", u"-->", u"<", u">",
                           u"<td>", u"<body>", u"</body>", u"\""};
  for (int round = 0; round < 3000; ++round) {
    String s;
    const int n = static_cast<int>(rng() % 16);
    for (int i = 0; i < n; ++i) s += pieces[rng() % std::size(pieces)];
    for (const Char lb : {u'\n', u'\r'})
      ASSERT_LE(ConvertHTMLBodyToText(s, lb).size(), 2 * s.size()) << zyl::to_utf8(s);
  }
}

}  // namespace
}  // namespace ZYL_htmlsupport

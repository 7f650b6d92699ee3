#include "ZYL_htmlsupport/htmlpage.h"

#include <random>

#include <gtest/gtest.h>

#include "ZYL_htmlsupport/htmlentities.h"
#include "ZYL_htmlsupport/python_runner.h"
#include "platform/os.h"

namespace ZYL_htmlsupport {
namespace {

constexpr bool kWindows = zyl::platform::kOsFamily == zyl::platform::OsFamily::Windows;

TEST(HtmlPage, HeadAndFootAsDocumented) {
  EXPECT_EQ(DefaultHTMLHead(u"Q&A", u"", u"", u"site.css", false),
            u"<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
            u"<title>Q&amp;A</title>\r\n<link rel=\"stylesheet\" href=\"site.css\">\r\n"
            u"</head>\r\n<body>\r\n");
  EXPECT_EQ(DefaultHTMLHead(u"", u"J\u00FCrg \"J\"", u"<none>", u"", true),
            u"<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title></title>\r\n"
            u"<meta name=\"author\" content=\"J&uuml;rg &quot;J&quot;\">\r\n"
            u"<meta name=\"description\" content=\"&lt;none&gt;\">\r\n"
            u"</head>\r\n<body>\r\n<div style=\"text-align: center\">\r\n");
  EXPECT_EQ(DefaultHTMLFoot(false), u"</body>\r\n</html>\r\n");
  EXPECT_EQ(DefaultHTMLFoot(true), u"</div>\r\n</body>\r\n</html>\r\n");
}

// Random text a document may hold: printable ASCII (all markup characters
// among them), tab and line ends, Latin-1, other BMP letters and symbols,
// and characters beyond U+FFFF. Controls, unpaired surrogates and
// non-characters are no text HTML can carry, escaped or not.
String random_text(std::mt19937& rng) {
  String s;
  const int n = static_cast<int>(rng() % 40);
  for (int i = 0; i < n; ++i) {
    switch (rng() % 6) {
      case 0:
      case 1: s += static_cast<Char>(0x20 + rng() % 0x5F); break;
      case 2: s += u"<>&\"'\t\n;#"[rng() % 9]; break;
      case 3: s += static_cast<Char>(0xA0 + rng() % 0x60); break;
      case 4: s += static_cast<Char>(0x100 + rng() % (0xD7FF - 0x100)); break;
      default: {
        const char32_t cp = 0x10000 + rng() % 0xFFFD;  // plane 1, below its non-characters
        s += static_cast<Char>(0xD800 + ((cp - 0x10000) >> 10));
        s += static_cast<Char>(0xDC00 + ((cp - 0x10000) & 0x3FF));
      }
    }
    if (rng() % 25 == 0) s += u"\r\n";
  }
  return s;
}

// Each record: page, title, author, description, user text, zero-terminated
// UTF-8. The parser must report no error at all, and title, attributes and
// the text of <div id="t"> must come back as written (HTML reads CR LF and
// CR as LF).
constexpr const char* kHtml5Check = R"PY(
import html5lib
fields = INPUT.split(b'\0')[:-1]
bad = 0
def report(message):
    global bad
    bad += 1
    if bad <= 3: print(message)
for i in range(0, len(fields), 5):
    page, title, author, description, text = (f.decode('utf-8') for f in fields[i:i + 5])
    norm = lambda s: s.replace('\r\n', '\n').replace('\r', '\n')
    parser = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False)
    try:
        doc = parser.parse(page)
    except Exception as e:
        report('page %d: parse error %r %r' % (i // 5, e, parser.errors[:2])); continue
    got = {
        'text': ''.join(doc.find('.//div[@id="t"]').itertext()),
        'title': ''.join(doc.find('.//title').itertext()),
    }
    want = {'text': norm(text), 'title': norm(title)}
    for name, value in (('author', author), ('description', description)):
        meta = doc.find('.//meta[@name="%s"]' % name)
        got[name] = None if meta is None else meta.get('content')
        want[name] = norm(value) if value else None
    if got != want:
        report('page %d: %r != %r' % (i // 5, got, want))
print('pages %d bad %d' % (len(fields) // 5, bad))
)PY";

TEST(HtmlPage, PagesOfEscapedTextParseCleanlyInAnHtml5Parser) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  constexpr int kPages = 300;
  std::string input;
  for (int i = 0; i < kPages; ++i) {
    const String title = random_text(rng);
    const String author = rng() % 2 ? random_text(rng) : String();
    const String description = rng() % 2 ? random_text(rng) : String();
    const String text = random_text(rng);
    const bool centered = rng() % 2 != 0;
    const String page = DefaultHTMLHead(title, author, description, u"style.css?a=1&b=2", centered) +
                        u"<div id=\"t\">" + MakeStringHTMLCompatible(text) + u"</div>\r\n" +
                        DefaultHTMLFoot(centered);
    for (const String* f : {&page, &title, &author, &description, &text}) input += zyl::to_utf8(*f) + '\0';
  }
  const auto out = zyl::test::run_python(kHtml5Check, input);
  if (!out) {
    if (kWindows) GTEST_SKIP() << "python3 cannot be started from the Windows build under Wine";
    FAIL() << "/usr/bin/python3 missing (scripts/install-deps.sh installs it with python3-html5lib)";
  }
  EXPECT_EQ(*out, "pages " + std::to_string(kPages) + " bad 0\n");
}

}  // namespace
}  // namespace ZYL_htmlsupport

#include "ZYL_htmlsupport/htmlproducer.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/memorystream.h"
#include "support/tempdir.h"

namespace ZYL_htmlsupport {
namespace {

using zyl::test::read_file_bytes;
using zyl::test::TempDirTest;
using zyl::test::write_file_bytes;

struct Call {
  String name;
  String params;
  String tag;
};

// A producer whose handler records every call and answers "[name|params]".
struct Recorder {
  THtmlProducer p{nullptr};
  std::vector<Call> calls;
  Recorder() {
    p.SetOnHTMLTag([this](zyl::TObject* Sender, String Name, String Params, String& Repl) {
      EXPECT_EQ(Sender, &p);
      calls.push_back({Name, Params, Repl});
      Repl = u"[" + Name + u"|" + Params + u"]";
    });
  }
  String run(const String& tmpl) {
    calls.clear();
    p.SetTemplate(tmpl);
    return p.Convert();
  }
};

// The conversion written out character by character, step for step as the
// producer is defined, to check the producer's chunked loop against.
String reference_convert(const String& t) {
  const std::size_t L = t.size();
  String out;
  std::size_t spos = 0;
  while (spos < L) {
    const std::size_t p = spos + 1;  // 1-based
    spos = p;
    const Char c = t[p - 1];
    if (c != u'<' || p == L || t[p] != u'#') {
      out += c;
      continue;
    }
    std::size_t e = p;
    while (e < L && t[e - 1] != u'>') ++e;
    std::size_t name_end = p + 2;  // 1-based, exclusive
    while (name_end <= L && t[name_end - 1] != u' ' && !(name_end == e && t[e - 1] == u'>')) ++name_end;
    String name = t.substr(p + 1, name_end - (p + 2));
    for (Char& ch : name)
      if (ch >= u'A' && ch <= u'Z') ch = static_cast<Char>(ch + 32);
    String params;
    if (name_end <= L && t[name_end - 1] == u' ') {
      const std::size_t last = t[e - 1] == u'>' ? e - 1 : e;
      params = t.substr(name_end, last - name_end);
      while (!params.empty() && params.front() == u' ') params.erase(0, 1);
      while (!params.empty() && params.back() == u' ') params.pop_back();
    }
    out += u"[" + name + u"|" + params + u"]";
    spos = e;
  }
  return out;
}

TEST(HtmlProducer, ConvertCases) {
  struct Case {
    const char* label;
    const char16_t* tmpl;
    const char16_t* out;
  };
  const Case cases[] = {
      {"name and parameters", u"<p><#date fmt=short></p>", u"<p>[date|fmt=short]</p>"},
      {"name lower-cased, no parameters", u"<#Title>", u"[title|]"},
      {"parameters stripped of blanks", u"<#x   a  b   >", u"[x|a  b]"},
      {"ordinary tags pass", u"<b>a</b> < # <", u"<b>a</b> < # <"},
      {"template ending in <", u"a<", u"a<"},
      {"unterminated tag runs to the end", u"a<#Name p1 p2", u"a[name|p1 p2]"},
      {"unterminated tag without blank", u"a<#NaMe", u"a[name|]"},
      {"lone <# at the end", u"x<#", u"x[|]"},
      {"tags do not nest", u"<#a <#b>>", u"[a|<#b]>"},
      {"empty tag", u"<#>", u"[|]"},
      {"tab is not a blank", u"<#a\tb>", u"[a\tb|]"},
      {"adjacent tags", u"<#a><#b>", u"[a|][b|]"},
      {"only upper-case ASCII folds", u"<#\u00C4B>", u"[\u00C4b|]"},
      {"blank right after #", u"<# x>", u"[|x]"},
  };
  Recorder r;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(r.run(c.tmpl), c.out);
    EXPECT_EQ(r.p.ConvertedHTML(), c.out);
  }
}

TEST(HtmlProducer, HandlerSeesTheTagTextAndMayKeepIt) {
  Recorder r;
  r.run(u"<p><#date fmt=short></p><#Open");
  ASSERT_EQ(r.calls.size(), 2u);
  EXPECT_EQ(r.calls[0].tag, u"<#date fmt=short>");
  EXPECT_EQ(r.calls[1].tag, u"<#Open") << "unterminated tag: its text runs to the end";

  THtmlProducer p(nullptr);
  const String tmpl = u"a <#keep this> <#Drop> b <#x";
  p.SetTemplate(tmpl);
  EXPECT_EQ(p.Convert(), tmpl) << "without a handler the output is the template";
  p.SetOnHTMLTag([](zyl::TObject*, String Name, String, String& Repl) {
    if (Name == u"drop") Repl.clear();
  });
  EXPECT_EQ(p.Convert(), u"a <#keep this>  b <#x") << "unhandled tags stay unchanged";
}

TEST(HtmlProducer, MatchesTheStepwiseDefinitionOnRandomTemplates) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  const char16_t alphabet[] = u"<<<##>>  aBZ\t\u00E9";
  Recorder r;
  for (int round = 0; round < 3000; ++round) {
    String t;
    const int n = static_cast<int>(rng() % 40);
    for (int i = 0; i < n; ++i) t += alphabet[rng() % (sizeof(alphabet) / sizeof(char16_t) - 1)];
    ASSERT_EQ(r.run(t), reference_convert(t)) << zyl::to_utf8(t);
  }
}

TEST(HtmlProducer, ReplacementsAreNotRescannedAndHandlerMayReenter) {
  THtmlProducer p(nullptr);
  p.SetTemplate(u"<#a>|<#b>");
  int depth = 0;
  p.SetOnHTMLTag([&](zyl::TObject*, String Name, String, String& Repl) {
    if (Name == u"a") {
      Repl = u"<#a>";  // would loop forever if rescanned
    } else if (depth == 0) {
      ++depth;
      p.SetTemplate(u"<#b>");  // the running Convert keeps its template
      Repl = u"(" + p.Convert() + u")";
      --depth;
    } else {
      Repl = u"B";
    }
  });
  EXPECT_EQ(p.Convert(), u"<#a>|(B)");
  EXPECT_EQ(p.ConvertedHTML(), u"<#a>|(B)");
}

TEST(HtmlProducer, HandlerExceptionLeavesTheLastResult) {
  THtmlProducer p(nullptr);
  p.SetTemplate(u"x");
  p.Convert();
  p.SetTemplate(u"<#boom>");
  p.SetOnHTMLTag([](zyl::TObject*, String, String, String&) { throw zyl::EConvertError(u"boom"); });
  EXPECT_THROW(p.Convert(), zyl::EConvertError);
  EXPECT_EQ(p.ConvertedHTML(), u"x");
}

class HtmlProducerFiles : public TempDirTest {};

TEST_F(HtmlProducerFiles, TemplateFromFileEndsEveryLineWithCrLf) {
  struct Case {
    const char* label;
    std::string bytes;
    const char16_t* tmpl;
  };
  const Case cases[] = {
      {"two lines", "a\nb", u"a\r\nb\r\n"},
      {"CR LF and a final line end", "a\r\nb\r\n", u"a\r\nb\r\n"},
      {"empty line kept", "a\n\nb\n", u"a\r\n\r\nb\r\n"},
      {"empty file", "", u""},
      {"UTF-8 and Latin-1", "\xC3\xA9|\xE9", u"\u00E9|\u00E9\r\n"},
  };
  THtmlProducer p(nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    write_file_bytes(tmp.path() / "t.html", c.bytes);
    p.ReadTemplateFromFile(tmp.file("t.html"));
    EXPECT_EQ(p.Template(), c.tmpl);
  }
  EXPECT_THROW(p.ReadTemplateFromFile(tmp.file("missing.html")), zyl::EInOutError);
  EXPECT_EQ(p.Template(), u"") << "cleared before reading";
}

TEST(HtmlProducer, TemplateFromStreamIsUtf16FromTheStart) {
  zyl::TMemoryStream m;
  const char bytes[] = {'<', 0, '#', 0, 'X', 0, '>', 0, static_cast<char>(0xAC), 0x20, 'z'};
  m.WriteBuffer(bytes, sizeof bytes);
  THtmlProducer p(nullptr);
  p.ReadTemplateFromStream(m);  // the stream stands at its end: read from 0
  EXPECT_EQ(p.Template(), u"<#X>\u20AC") << "odd last byte dropped";
}

TEST_F(HtmlProducerFiles, ResultAsStreamAndFile) {
  THtmlProducer p(nullptr);
  p.SetTemplate(u"<p>\u00E9\r\n<#x></p>");
  p.SetOnHTMLTag([](zyl::TObject*, String, String, String& Repl) { Repl = u"\U0001F600"; });
  const String html = p.Convert();

  zyl::TStringStream& s1 = p.ConvertedHTMLAsStream();
  EXPECT_EQ(s1.Position(), 0);
  EXPECT_EQ(s1.DataString(), html);
  p.SetTemplate(u"second");
  p.Convert();
  zyl::TStringStream& s2 = p.ConvertedHTMLAsStream();
  EXPECT_EQ(s2.DataString(), u"second") << "a new stream for the new result";

  p.SetTemplate(html);
  p.SetOnHTMLTag(nullptr);
  p.Convert();
  const String name = tmp.file("out.html");
  p.WriteConvertedHTMLToFile(name);
  EXPECT_EQ(read_file_bytes(tmp.path() / "out.html"), zyl::to_utf8(html)) << "unchanged, no line end added";
  p.SetTemplate(u"");
  p.Convert();
  p.WriteConvertedHTMLToFile(name);
  EXPECT_EQ(read_file_bytes(tmp.path() / "out.html"), "") << "overwritten";
  EXPECT_THROW(p.WriteConvertedHTMLToFile(tmp.file("no-such-dir/out.html")), zyl::EInOutError);
}

TEST(HtmlProducer, OwnedByItsOwner) {
  auto owner = std::make_unique<zyl::TComponent>(nullptr);
  auto* p = new THtmlProducer(owner.get());
  p->SetTemplate(u"<#a>");
  p->Convert();
  p->ConvertedHTMLAsStream();
  EXPECT_EQ(owner->ComponentCount(), 1);
  owner.reset();  // frees the producer and its stream (the sanitizer build checks)
}

}  // namespace
}  // namespace ZYL_htmlsupport

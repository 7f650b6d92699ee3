// The HTML section of "zyl demo": a template filled through the tag event,
// URL coding and an entity round trip.
#include <cstdio>
#include <string>

#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::string u8(const zyl::String& s) { return zyl::to_utf8(s); }

// Line ends shown as \r\n, so each result stays on one line.
std::string shown(const zyl::String& s) { return u8(zyl::ReplaceStringInString(s, u"\r\n", u"\\r\\n", false)); }

void demo_html() {
  zyl::THtmlProducer producer(nullptr);
  producer.SetTemplate(u"<h1><#Title></h1><p>Sent <#date fmt=short> to <#who></p>");
  producer.SetOnHTMLTag([](zyl::TObject*, zyl::String Name, zyl::String Params, zyl::String& Replacement) {
    if (Name == u"title") Replacement = zyl::MakeStringHTMLCompatible(u"Fish & Chips <daily>");
    if (Name == u"date" && Params == u"fmt=short") Replacement = u"1.1.2000";
  });
  std::printf("  template  %s\n", u8(producer.Template()).c_str());
  std::printf("  converted %s   (<#who>: left alone by the handler)\n", u8(producer.Convert()).c_str());

  const zyl::String url = u"q=caf\u00E9 & cr\u00E8me/br\u00FBl\u00E9e?";
  const zyl::String encoded = zyl::URLEncode(url);
  std::printf("  URLEncode(\"%s\") => \"%s\"\n", u8(url).c_str(), u8(encoded).c_str());
  std::printf("  URLDecode of that => \"%s\";  URLDecode(\"%%2541\") => \"%s\"\n", u8(zyl::URLDecode(encoded)).c_str(),
              u8(zyl::URLDecode(u"%2541")).c_str());
  std::printf("  ExtractHTTPPath(\"HTTP://example.org/docs/page.html\") => \"%s\"\n",
              u8(zyl::ExtractHTTPPath(u"HTTP://example.org/docs/page.html")).c_str());

  const zyl::String text = u"Gr\u00FC\u00DFe 'Bob' <b> & 5\u00B0C";
  const zyl::String escaped = zyl::MakeStringHTMLCompatible(text);
  std::printf("  MakeStringHTMLCompatible(\"%s\") => \"%s\"\n", u8(text).c_str(), u8(escaped).c_str());
  std::printf("  ResolveHTMLEntities of that => \"%s\" (%s)\n", u8(zyl::ResolveHTMLEntities(escaped)).c_str(),
              zyl::ResolveHTMLEntities(escaped) == text ? "the original" : "DIFFERENT");
  const zyl::String page = zyl::DefaultHTMLHead(u"Report", u"", u"", u"", false) + u"<p>Gr&uuml;&szlig;e<br>" +
                           u"5 &lt; 6</p>" + zyl::DefaultHTMLFoot(false);
  std::printf("  ConvertHTMLBodyToText(page, '|') => \"%s\"\n", u8(zyl::ConvertHTMLBodyToText(page, u'|')).c_str());
  bool in_tag = false;
  std::printf("  CountWordsHTML(\"<b>Hello</b> world \") => %d\n",
              zyl::CountWordsHTML(u"<b>Hello</b> world ", false, in_tag));
  std::printf("  DefaultHTMLFoot(false) => \"%s\"\n", shown(zyl::DefaultHTMLFoot(false)).c_str());
}

const DemoRegistration demo{{40, "HTML: templates, URL coding and entities", demo_html}};

}  // namespace
}  // namespace zyl_tool

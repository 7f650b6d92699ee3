// Fills an HTML template through the tag event and percent-encodes a text.
#include <cstdio>

#include "zyl.h"

int main() {
  zyl::THtmlProducer page(nullptr);
  page.SetTemplate(u"<p>Hello, <#user>! Search: <#search fish & chips></p>");
  page.SetOnHTMLTag([](zyl::TObject*, zyl::String Name, zyl::String Params, zyl::String& Replacement) {
    if (Name == u"user") Replacement = zyl::MakeStringHTMLCompatible(u"Zoë <admin>");
    if (Name == u"search") Replacement = u"/search?q=" + zyl::URLEncode(Params);
  });
  const zyl::String html = page.Convert();
  std::printf("%s\n", zyl::to_utf8(html).c_str());
  return zyl::Pos(u"<#", html) == 0 ? 0 : 1;
}

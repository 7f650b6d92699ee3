// The HTML module through the shared library: its exported table is the
// library's data, and the producer's event, set here, is called there.
#include <gtest/gtest.h>

#include "ZYL_htmlsupport/ZYL_htmlsupport.h"

namespace ZYL_htmlsupport {
namespace {

TEST(PackageLoad, HtmlTableAndProducerEventCrossTheBoundary) {
  EXPECT_EQ(HTMLLat1Entities[0], "&nbsp;");
  EXPECT_EQ(HTMLLat1Entities[95], "&yuml;");
  THtmlProducer p(nullptr);
  p.SetTemplate(u"<p><#Date fmt=short></p>");
  String params;
  p.SetOnHTMLTag([&](zyl::TObject*, String Name, String Params, String& Repl) {
    params = Params;
    if (Name == u"date") Repl = u"1.1.2000";
  });
  EXPECT_EQ(p.Convert(), u"<p>1.1.2000</p>");
  EXPECT_EQ(params, u"fmt=short");
  EXPECT_EQ(p.ConvertedHTMLAsStream().DataString(), u"<p>1.1.2000</p>");
}

}  // namespace
}  // namespace ZYL_htmlsupport

#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

class HtmlTool : public TempDirTest {
 protected:
  // The path of a file written into the test's directory, for the tool's
  // command line.
  std::string put(const std::string& name, const std::string& bytes) {
    write_file_bytes(tmp.path() / name, bytes);
    return "'" + to_utf8(tmp.file(name)) + "'";
  }
};

TEST_F(HtmlTool, FillsTagsFromSetAndValues) {
  const std::string tmpl = put("t.html", "<h1><#Title></h1>\n<p><#body raw> <#who> <#unknown x=1></p>\n");
  const std::string values = put("v.txt", "# comment\r\ntitle=Fish & Chips\r\n\r\nWHO=file\nbody=<b>bold</b>\n");
  const ToolResult r = run_tool("html " + tmpl + " --values " + values + " --set who=\"<Ann>\" --set Title=Tea");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "<h1>Tea</h1>\n<p><b>bold</b> &lt;Ann&gt; <#unknown x=1></p>\n")
      << "--set wins, raw is not escaped, unknown tags stay, line ends unchanged";
}

// Non-ASCII values come from a file: a Windows command line built by the
// test would pass through the ANSI code page.
TEST_F(HtmlTool, EscapesUtf8ValuesAndReadsTheTemplateFromStandardInput) {
  const std::string values = put("v.txt", "name=Gr\xC3\xBC\xC3\x9F \"x\"\n");
  const ToolResult r = run_tool("html - --values " + values, "<p title=\"<#name>\">\xE2\x82\xAC</p>");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "<p title=\"Gr&uuml;&szlig; &quot;x&quot;\">\xE2\x82\xAC</p>");
}

TEST_F(HtmlTool, Errors) {
  const std::string tmpl = put("t.html", "<#a>");
  const std::string bad_values = put("bad.txt", "a=1\nno equals sign\n");
  struct Case {
    std::string args;
    int status;
    const char* err_part;
  };
  const Case cases[] = {
      {"html", 2, "one TEMPLATE"},
      {"html " + tmpl + " " + tmpl, 2, "one TEMPLATE"},
      {"html " + tmpl + " --set novalue", 2, "NAME=VALUE"},
      {"html " + tmpl + " --set =x", 2, "NAME=VALUE"},
      {"html " + tmpl + " --values", 2, "needs a value"},
      {"html " + tmpl + " --values " + bad_values, 1, ":2: expected NAME=VALUE"},
      {"html " + put("x", "") + "missing", 1, "cannot open"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const ToolResult r = run_tool(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_NE(r.err.find(c.err_part), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
}

TEST(UrlTool, EncodesAndDecodesArgumentsAndStandardInput) {
  struct Case {
    const char* args;
    const char* input;
    const char* out;
  };
  const Case cases[] = {
      {"urlencode 'a b/c' \"it's\"", "", "a%20b%2Fc\nit%27s\n"},
      {"urlencode", "x=1&y=caf\xC3\xA9\n", "x%3D1%26y%3Dcaf\xC3\xA9\n"},
      {"urldecode %2541 '%41%4'", "", "A\nA%4\n"},
      {"urldecode", "caf%C3%A9%20%2B", "caf\xC3\xA9 +"},
      {"urldecode", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const ToolResult r = run_tool(c.args, c.input);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.out);
  }
  EXPECT_EQ(run_tool("urlencode --bogus").status, 2);
}

}  // namespace
}  // namespace zyl::test

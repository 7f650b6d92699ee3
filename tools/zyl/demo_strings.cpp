// The strings section of "zyl demo": a tour of the string library.
#include <cstdio>
#include <string>

#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::string u8(const zyl::String& s) { return zyl::to_utf8(s); }

// The call, padded to a column by characters (not bytes, so accents line up).
void print_call(const char* call) {
  const std::size_t width = zyl::from_utf8(call).size();
  std::printf("  %s%*s => ", call, static_cast<int>(width < 54 ? 54 - width : 0), "");
}
void show(const char* call, const zyl::String& result) {
  print_call(call);
  std::printf("\"%s\"\n", u8(result).c_str());
}
void show(const char* call, int result) {
  print_call(call);
  std::printf("%d\n", result);
}

void demo_strings() {
  show("StripLTBlanks(\"  padded  \")", zyl::StripLTBlanks(u"  padded  "));
  show("CenterString(\"ab\", 7)", zyl::CenterString(u"ab", 7));
  show("ReplaceStringInString(\"a.B.b\", \"b\", \"<>\", ignore case)",
       zyl::ReplaceStringInString(u"a.B.b", u"b", u"<>", true));
  show("NumberedPos(\"ab\", \"xxabab\", 1, false, 2)", zyl::NumberedPos(u"ab", u"xxabab", 1, false, 2));
  show("CountWords(\"one, two three\")", zyl::CountWords(u"one, two three"));
  show("ExtractSubString(\"a;b;;d\", 3, \";\")", zyl::ExtractSubString(u"a;b;;d", 3, u";"));
  show("ExpandDiphthongs(\"Ärger über Straßen\")", zyl::ExpandDiphthongs(u"Ärger über Straßen"));
  show("ChangeCase(\"Hello Wörld\")", zyl::ChangeCase(u"Hello Wörld"));
  show("DetectCSVDelimiter(\"1;2;3,5\")", zyl::DetectCSVDelimiter(u"1;2;3,5"));

  zyl::TOpenStringArray tokens;
  const int n = zyl::Tokenize(u"red,green\\,blue,,end", u",", u'\\', tokens);
  std::printf("  Tokenize(\"red,green\\,blue,,end\", \",\", escape \\) gives %d tokens:", n);
  for (const zyl::String& t : tokens) std::printf(" \"%s\"", u8(t).c_str());
  std::printf("\n");

  const zyl::String text = u"first line\r\nsecond line";
  int pos = 1;
  bool at_end = false;
  std::printf("  ReadLnString, mode 0:");
  while (!at_end) std::printf(" \"%s\"", u8(zyl::ReadLnString(text, pos, at_end, 0)).c_str());
  std::printf("\n");

  const zyl::String plain = u"Meet me at noon";
  const zyl::String hidden = zyl::Scramble(plain);
  std::printf("  Scramble(\"%s\") under the default seed: %zu characters, descrambled \"%s\"\n", u8(plain).c_str(),
              hidden.size(), u8(zyl::DeScramble(hidden)).c_str());
  show("UUEncodeStr(\"Cat\") (line ends shown as \\r\\n)",
       zyl::ReplaceStringInString(zyl::UUEncodeStr(u"Cat"), u"\r\n", u"\\r\\n", false));
  std::printf("  uc_LnFactorial[10] = %.15g, month_long(lgFrench, 2) = \"%s\"\n", zyl::uc_LnFactorial[10],
              u8(zyl::month_long(zyl::TLanguage::lgFrench, 2)).c_str());
}

const DemoRegistration demo{{20, "Strings: manipulation, scanning, scrambling and locale tables", demo_strings}};

}  // namespace
}  // namespace zyl_tool

#include <gtest/gtest.h>

#include "ZYL_stringl/casing.h"
#include "ZYL_stringl/replace.h"
#include "platform/hoststring.h"
#include "string_cases.h"

namespace ZYL_stringl {
namespace {

using test::Case;
using test::check;

TEST(Replace, StringInString) {
  check({
      {"every occurrence", ReplaceStringInString(u"a.b.c", u".", u"::", false), u"a::b::c"},
      {"inserted text is not rescanned", ReplaceStringInString(u"aaa", u"a", u"aa", false), u"aaaaaa"},
      {"left to right, no overlap", ReplaceStringInString(u"aaaa", u"aa", u"b", false), u"bb"},
      {"odd overlap leaves the rest", ReplaceStringInString(u"aaa", u"aa", u"b", false), u"ba"},
      {"case respected", ReplaceStringInString(u"aXbx", u"x", u"-", false), u"aXb-"},
      {"case ignored, replacement as given", ReplaceStringInString(u"aXbx", u"x", u"Y", true), u"aYbY"},
      {"only A-Z fold", ReplaceStringInString(u"Äxä", u"ä", u"-", true), u"Äx-"},
      {"empty find changes nothing", ReplaceStringInString(u"abc", u"", u"-", false), u"abc"},
      {"replace by nothing", ReplaceStringInString(u"a--b--", u"--", u"", false), u"ab"},
      {"not found", ReplaceStringInString(u"abc", u"x", u"y", false), u"abc"},
      {"match at the very end", ReplaceStringInString(u"abc", u"bc", u"X", false), u"aX"},
  });
}

TEST(Replace, Characters) {
  check({
      {"char", ReplaceCharInString(u"a.b.c", u'.', u'/'), u"a/b/c"},
      {"remove char", RemoveCharInString(u"-a-b-", u'-'), u"ab"},
      {"runs shrink", RemoveMultiChars(u"a  b   c ", u' '), u"a b c "},
      {"other runs stay", RemoveMultiChars(u"aabb", u'b'), u"aab"},
      {"control chars", RemoveControlChars(u"\ta\x1f" u"b\r\n\x7f"), u"ab\x7f"},
      {"reverse", ReverseString(u"abc"), u"cba"},
      {"reverse empty", ReverseString(u""), u""},
      {"a-z0-9", ReduceStringToAZ09(u"a-b ä1Z"), u"a_b__1Z"},
      {"8.3 names", ReduceStringToFN83CompliantChars(u"a b*c\"d.txt"), u"a_b_c_d.txt"},
      {"8.3 keeps its punctuation", ReduceStringToFN83CompliantChars(u"!#$%&'()-.@^_`{}~"), u"!#$%&'()-.@^_`{}~"},
      {"8.3 replaces the rest", ReduceStringToFN83CompliantChars(u"+,/:;<=>?[\\]|\x7f\xe9\x2603"),
       u"________________"},
  });
}

TEST(Casing, ChangeCase) {
  check({
      {"ascii", ChangeCase(u"aBc"), u"AbC"},
      {"latin-1 letters", ChangeCase(u"äÄéÉ"), u"ÄäÉé"},
      {"greek and cyrillic", ChangeCase(u"αΒжЖ"), u"ΑβЖж"},
      {"no case stays", ChangeCase(u"1 ß-\x2603"), u"1 ß-\x2603"},
  });
}

TEST(Casing, Capitalize) {
  check({
      {"words", CapitalizeString(u"hello world"), u"Hello World"},
      {"rest of word untouched", CapitalizeString(u"hello wORLD"), u"Hello WORLD"},
      {"digit clears the word start", CapitalizeString(u"2nd go"), u"2nd Go"},
      {"punctuation starts a word", CapitalizeString(u"a-b.c"), u"A-B.C"},
      {"letters above 127 continue a word", CapitalizeString(u"éa ab"), u"éa Ab"},
      {"empty", CapitalizeString(u""), u""},
  });
}

TEST(Casing, ExpandDiphthongs) {
  check({
      {"capital before small", ExpandDiphthongs(u"Äpfel"), u"Aepfel"},
      {"capital before capital", ExpandDiphthongs(u"ÄRGER"), u"AERGER"},
      {"capital at the end", ExpandDiphthongs(u"xÜ"), u"xUE"},
      {"capital before non-letter", ExpandDiphthongs(u"Ö1"), u"OE1"},
      {"small ones", ExpandDiphthongs(u"äöüß"), u"aeoeuess"},
      {"micro sign", ExpandDiphthongs(u"µm"), u"um"},
      {"others untouched", ExpandDiphthongs(u"éÉ"), u"éÉ"},
  });
}

TEST(Casing, EqualAnsiStrings) {
  EXPECT_TRUE(EqualAnsiStrings(u"Öl", u"öL"));
  EXPECT_TRUE(EqualAnsiStrings(u"ΣΟΦΙΑ", u"σοφια"));
  EXPECT_FALSE(EqualAnsiStrings(u"ab", u"abc"));
  EXPECT_TRUE(EqualAnsiStrings(String(u"ab\0x", 4), u"AB")) << "compared up to code 0";
  EXPECT_TRUE(EqualAnsiStrings(u"", u""));
}

}  // namespace
}  // namespace ZYL_stringl

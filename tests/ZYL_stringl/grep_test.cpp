#include "ZYL_stringl/grep.h"

#include <filesystem>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "ZYL_zylbase/errors.h"

namespace ZYL_stringl {
namespace {

using zyl::String;
using A = TGrepTokenAct;

int compile(const String& expr, bool ignore_case = false) {
  TGrep g(nullptr);
  g.SetStopOnError(false);
  g.SetIgnoreCase(ignore_case);
  g.SetRegExp(expr);
  return g.LastError();
}

TEST(GrepCompile, EveryErrorCode) {
  struct Case {
    const char16_t* expr;
    int code;
  } cases[] = {
      {u"*a", 1},    {u"$", 1},      {u"+", 1},     {u"?a", 1},     {u"a^", 2},    {u"(ab)^", 2},
      {u"[a]^", 2},  {u"(a^b)", 2},  {u"a$b", 3},   {u"(a)$x", 3},  {u"[]", 4},    {u"a[]", 4},
      {u"[a^b]", 5}, {u"a]", 6},     {u"]", 6},     {u"(a)]", 6},   {u"[-a]", 7},  {u"[a]-", 7},
      {u"a)", 8},    {u")", 8},      {u"(a))", 8},  {u"^*", 9},     {u"a**", 9},   {u"[a]+?", 9},
      {u"(a)*?", 9}, {u"x$", 0},     {u"^a", 0},    {u"[a-]", 0},   {u"(ab", 0},   {u"[ab", 0},
      {u"a(b)c-", 0}, {u"[^]", 0},   {u"", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(zyl::to_utf8(c.expr));
    EXPECT_EQ(compile(c.expr), c.code);
  }
}

TEST(GrepCompile, ErrorRaisesAComponentMessageOnlyWithStopOnError) {
  TGrep g(nullptr);
  g.SetName(u"Finder");
  try {
    g.SetRegExp(u"a**");
    FAIL() << "no exception";
  } catch (const ZYL_zylbase::EZYLStringlError& e) {
    EXPECT_EQ(zyl::to_utf8(e.Message()),
              "Component \"Finder\": error in regular expression - *, ?, + have to be applied to groups or sets only");
  }
  EXPECT_EQ(g.LastError(), 9);
  EXPECT_EQ(g.NrOfRegExpTokens(), 1) << "the table keeps what was compiled";
  g.SetStopOnError(false);
  EXPECT_NO_THROW(g.SetRegExp(u"[]"));
  EXPECT_EQ(g.LastError(), 4);
  // Recompiling through IgnoreCase never raises either.
  g.SetStopOnError(true);
  EXPECT_NO_THROW(g.SetIgnoreCase(true));
  EXPECT_EQ(g.LastError(), 4);
}

String set_members(const TGrepToken& t) {
  String s;
  for (unsigned c = 0; c < 256; ++c)
    if (t.Params[c] == u'*') s.push_back(static_cast<char16_t>(c));
  return s;
}

String token_string(const TGrepToken& t) { return String(t.Params.data() + 1, static_cast<std::size_t>(t.NumChars)); }

TEST(GrepCompile, TokenTables) {
  TGrep g(nullptr);
  g.SetRegExp(u"ab*c");
  ASSERT_EQ(g.NrOfRegExpTokens(), 3);
  EXPECT_EQ(g.RegExpToken(1).Action, A::taNormal);
  EXPECT_EQ(token_string(g.RegExpToken(1)), u"a");
  EXPECT_EQ(g.RegExpToken(2).Action, A::taMult0);
  EXPECT_EQ(token_string(g.RegExpToken(2)), u"b");
  EXPECT_EQ(token_string(g.RegExpToken(3)), u"c");
  EXPECT_EQ(g.RegExpToken(99).NumChars, 1) << "index limited to the last token";

  g.SetRegExp(u"(ab)*(cd)");
  ASSERT_EQ(g.NrOfRegExpTokens(), 2);
  EXPECT_EQ(g.RegExpToken(1).Action, A::taMult0);
  EXPECT_EQ(token_string(g.RegExpToken(1)), u"ab");
  EXPECT_EQ(g.RegExpToken(2).Action, A::taNormal);
  EXPECT_EQ(token_string(g.RegExpToken(2)), u"cd");

  g.SetRegExp(u"[z-a]");
  const String az = set_members(g.RegExpToken(1));
  g.SetRegExp(u"[a-z]");
  EXPECT_EQ(az, set_members(g.RegExpToken(1)));
  EXPECT_EQ(az.size(), 26u);

  g.SetRegExp(u"[^]");
  EXPECT_EQ(set_members(g.RegExpToken(1)).size(), 256u);
  g.SetRegExp(u"[^a-y]");
  EXPECT_EQ(set_members(g.RegExpToken(1)).size(), 231u);
  g.SetRegExp(u"[\\]\\-]");
  EXPECT_EQ(set_members(g.RegExpToken(1)), u"-]") << "escaped members";
  g.SetRegExp(u"[a\u20AC]");
  EXPECT_EQ(set_members(g.RegExpToken(1)), u"a") << "members above 255 are ignored";

  g.SetRegExp(u"\\#41");
  ASSERT_EQ(g.NrOfRegExpTokens(), 1);
  EXPECT_EQ(token_string(g.RegExpToken(1)), u"A");
  g.SetRegExp(u"\\\\\\#41");
  EXPECT_EQ(token_string(g.RegExpToken(1)), u"\\#41");
  g.SetIgnoreCase(true);
  g.SetRegExp(u"X\\#41");
  EXPECT_EQ(token_string(g.RegExpToken(1)), u"xA") << "escape result is not lower-cased";

  g.SetIgnoreCase(false);
  g.SetRegExp(u"ab+");  // quantifier binds to the last character only
  ASSERT_EQ(g.NrOfRegExpTokens(), 2);
  EXPECT_EQ(token_string(g.RegExpToken(1)), u"a");
  EXPECT_EQ(g.RegExpToken(2).Action, A::taMult1);
  g.SetRegExp(u".?");
  EXPECT_EQ(g.RegExpToken(1).Action, A::taOpti);
  EXPECT_EQ(g.RegExpToken(1).NumChars, 0);
}

TEST(GrepCompile, TokenLimitsAreGuarded) {
  String many;
  for (int i = 0; i < 64; ++i) many += u".";
  EXPECT_EQ(compile(many), 0);
  EXPECT_EQ(compile(many + u"."), 10) << "65 tokens";
  EXPECT_EQ(compile(many + u"[a]"), 10);
  String sets;
  for (int i = 0; i < 200; ++i) sets += u"[ab]x*";
  EXPECT_EQ(compile(sets), 10);

  const String long_literal(600, u'q');
  TGrep g(nullptr);
  g.SetRegExp(long_literal);
  EXPECT_EQ(g.NrOfRegExpTokens(), 3) << "255 + 255 + 90 characters";
  int pos = 0;
  EXPECT_TRUE(g.MatchString(u"x" + long_literal, pos));
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(g.MatchEndPos(), 601);
  EXPECT_FALSE(g.MatchString(String(599, u'q'), pos));

  EXPECT_EQ(compile(u"(" + String(255, u'g') + u")"), 0);
  EXPECT_EQ(compile(u"(" + String(256, u'g') + u")"), 11);
}

struct MatchCase {
  const char* label;
  const char16_t* expr;
  const char16_t* text;
  int start, end;  // 0 = no match
};

void check_matches(const MatchCase* cases, std::size_t n, bool ignore_case = false, int search_start = 1) {
  for (std::size_t i = 0; i < n; ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.label);
    TGrep g(nullptr);
    g.SetIgnoreCase(ignore_case);
    g.SetRegExp(c.expr);
    g.SetSearchStartPos(search_start);
    int pos = -7;
    const bool found = g.MatchString(c.text, pos);
    EXPECT_EQ(found, c.start != 0);
    if (found && c.start != 0) {
      EXPECT_EQ(pos, c.start);
      EXPECT_EQ(g.MatchStartPos(), c.start);
      EXPECT_EQ(g.MatchEndPos(), c.end);
    }
  }
}

TEST(GrepMatch, EveryTokenKindFirstMiddleAndLast) {
  const MatchCase cases[] = {
      {"literal first and last", u"bc", u"abcd", 2, 3},
      {"literal missing", u"bd", u"abcd", 0, 0},
      {"literal at the very end", u"cd", u"abcd", 3, 4},
      {"dot first", u".c", u"abcd", 2, 3},
      {"dot middle", u"a.c", u"xabcx", 2, 4},
      {"dot last", u"c.", u"abcd", 3, 4},
      {"dot needs a character", u"d.", u"abcd", 0, 0},
      {"eol after literal", u"cd$", u"abcdcd", 5, 6},
      {"eol ends at the length", u"a.+$", u"abc", 1, 3},
      {"bol", u"^ab", u"abab", 1, 2},
      {"bol only at 1", u"^b", u"abab", 0, 0},
      {"bol alone", u"^", u"xyz", 1, 1},
      {"set first", u"[0-9]x", u"ab7x", 3, 4},
      {"set middle", u"a[bc]d", u"xacd", 2, 4},
      {"set last", u"a[bc]", u"xad ac", 5, 6},
      {"negated set", u"[^a-z]", u"abC", 3, 3},
      {"star last greedy over a set", u"x[ab]*", u"xaab", 1, 4},
      {"star last with no occurrence", u"ab*", u"a", 1, 1},
      {"star middle lazy", u"a.*b", u"aXbYb", 1, 3},
      {"star first, then literal", u"[ab]*c", u"zabc", 2, 4},
      {"plus last", u"x[ab]+", u"xaazz", 1, 3},
      {"plus needs one", u"x[ab]+", u"xzz", 0, 0},
      {"plus middle", u"x(ab)+c", u"xababc", 1, 6},
      {"plus of a group last", u"(ab)+", u"zababa", 2, 5},
      {"plus first", u"[0-9]+x", u"ab12x", 3, 5},
      {"plus first is lazy before the next token", u"[0-9]+[0-9]", u"a123", 2, 3},
      {"opti first, absent", u"b?c", u"ac", 2, 2},
      {"opti first, present", u"b?c", u"abc", 2, 3},
      {"opti middle, present", u"x(ab)?c", u"xabc", 1, 4},
      {"opti middle, absent", u"x(ab)?c", u"xc", 1, 2},
      {"opti last, absent", u"ab?", u"ac", 1, 1},
      {"opti last, present", u"ab?", u"abc", 1, 2},
      {"dot star last runs to the end", u"b.*", u"abcd", 2, 4},
      {"dot plus last", u"c.+", u"abc", 0, 0},
      {"empty group is empty string", u"a()b", u"ab", 1, 2},
      {"escaped syntax characters", u"\\(\\*\\)", u"x(*)", 2, 4},
      {"characters above 255 match literally", u"\u20AC1", u"a\u20AC1", 2, 3},
      {"text above 255 is never a set member", u"[^a]", u"\u20ACb", 2, 2},
      {"star alone matches everything", u"a*", u"xyz", 1, 3},
      {"star alone on the empty text", u"a*", u"", 1, 0},
      {"empty expression matches empty at start", u"", u"abc", 1, 0},
      {"opti alone on empty text", u"a?", u"", 1, 0},
  };
  check_matches(cases, std::size(cases));
}

TEST(GrepMatch, IgnoreCaseFoldsAsciiOnBothSides) {
  const MatchCase cases[] = {
      {"upper pattern, lower text", u"ABC", u"xabcx", 2, 4},
      {"set range folded", u"[A-C]+", u"zzBcA", 3, 5},
      {"non-ASCII letters are not folded", u"\u00C4", u"\u00E4", 0, 0},
  };
  check_matches(cases, std::size(cases), true);
}

TEST(GrepMatch, SearchStartPosition) {
  TGrep g(nullptr);
  int pos = 0;
  g.SetRegExp(u"ab");
  g.SetSearchStartPos(2);
  EXPECT_TRUE(g.MatchString(u"abab", pos));
  EXPECT_EQ(pos, 3);
  g.SetSearchStartPos(4);
  EXPECT_FALSE(g.MatchString(u"abab", pos));
  g.SetSearchStartPos(0);
  EXPECT_TRUE(g.MatchString(u"abab", pos)) << "below 1 counts as 1";
  EXPECT_EQ(pos, 1);
  g.SetSearchStartPos(1000);
  EXPECT_FALSE(g.MatchString(u"abab", pos));
  g.SetSearchStartPos(2147483647);
  EXPECT_FALSE(g.MatchString(u"abab", pos));

  g.SetRegExp(u"^b");
  g.SetSearchStartPos(2);
  EXPECT_FALSE(g.MatchString(u"bb", pos));

  g.SetRegExp(u"a*");
  g.SetSearchStartPos(5);
  EXPECT_FALSE(g.MatchString(u"abab", pos)) << "text shorter than the start";
  EXPECT_TRUE(g.MatchString(u"", pos)) << "the empty text still matches";
  g.SetSearchStartPos(4);
  EXPECT_TRUE(g.MatchString(u"abab", pos));
  EXPECT_EQ(g.MatchEndPos(), 4);

  g.SetRegExp(u"b?$");  // the position after the text is tried too
  g.SetSearchStartPos(3);
  EXPECT_TRUE(g.MatchString(u"ab", pos));
  EXPECT_EQ(pos, 3);
}

TEST(GrepMatch, ValidFromRecordsTheMatchedPath) {
  TGrep g(nullptr);
  g.SetRegExp(u"a[0-9]+x.");
  int pos = 0;
  ASSERT_TRUE(g.MatchString(u"--a12xy", pos));
  EXPECT_EQ(g.RegExpToken(1).ValidFrom, 3);
  EXPECT_EQ(g.RegExpToken(2).ValidFrom, 4);
  EXPECT_EQ(g.RegExpToken(3).ValidFrom, 6);
  EXPECT_EQ(g.RegExpToken(4).ValidFrom, 7);
  g.SetRegExp(u"q");
  EXPECT_EQ(g.RegExpToken(1).ValidFrom, 0) << "reset by compiling";
}

TEST(GrepMatch, LongTextsNeitherOverflowNorTakeQuadraticTime) {
  const String as(1 << 20, u'a');
  TGrep g(nullptr);
  int pos = 0;
  g.SetRegExp(u"a*b");
  EXPECT_FALSE(g.MatchString(as, pos));
  EXPECT_TRUE(g.MatchString(as + u"b", pos));
  EXPECT_EQ(pos, 1);
  EXPECT_EQ(g.MatchEndPos(), (1 << 20) + 1);
  g.SetRegExp(u".*.*.*c");
  EXPECT_FALSE(g.MatchString(as, pos));
  g.SetRegExp(u"a?a?a?a?a?a?a?a?a?a?a?a?a?a?a?a?a?a?a?a?aaaaaaaaaaaaaaaaaaaab");
  EXPECT_FALSE(g.MatchString(String(20000, u'a'), pos));
}

// The matcher as literally described, without skipping or remembering, as an
// oracle for random patterns.
class NaiveMatcher {
 public:
  NaiveMatcher(const TGrep& g, const String& t) : FT(t), FN(g.NrOfRegExpTokens()) {
    for (int k = 1; k <= FN; ++k) FTok.push_back(g.RegExpToken(k));
  }
  bool search(int start, int& first, int& end) {
    const int len = static_cast<int>(FT.size());
    for (int p = start;; ++p) {
      if (m(p, 0)) {
        first = p;
        end = FEnd;
        return true;
      }
      if (FTok[0].Action == A::taBol || p >= std::max(start + 1, len)) return false;
    }
  }

 private:
  bool occ(const TGrepToken& t, int q) const {
    const int len = static_cast<int>(FT.size());
    if (t.NumChars == 0) return q <= len;
    if (t.NumChars < 0) return q <= len && FT[q - 1] < 256 && t.Params[FT[q - 1]] == u'*';
    if (q + t.NumChars - 1 > len) return false;
    return FT.compare(q - 1, t.NumChars, t.Params.data() + 1, t.NumChars) == 0;
  }
  bool m(int p, int k) {
    const TGrepToken& t = FTok[k];
    const int len = static_cast<int>(FT.size()), w = t.NumChars > 0 ? t.NumChars : 1;
    const bool last = k == FN - 1;
    switch (t.Action) {
      case A::taNormal: if (!occ(t, p)) return false; break;
      case A::taAnyByte: if (p > len) return false; break;
      case A::taEol: if (p <= len || !last) return false; break;
      case A::taBol: if (p != 1) return false; break;
      case A::taSet: if (!occ(t, p)) return false; break;
      case A::taMult1: if (!occ(t, p)) return false; break;
      default: break;
    }
    if (last) {
      int q = t.Action == A::taMult1 ? p + w : p;
      switch (t.Action) {
        case A::taNormal: FEnd = p + t.NumChars - 1; break;
        case A::taAnyByte: case A::taSet: FEnd = p; break;
        case A::taEol: FEnd = len; break;
        case A::taBol: FEnd = 1; break;
        case A::taOpti: FEnd = occ(t, p) ? p + w - 1 : p - 1; break;
        default:
          if (t.NumChars == 0) { FEnd = len; break; }
          while (occ(t, q)) q += w;
          FEnd = q - 1;
      }
      return true;
    }
    switch (t.Action) {
      case A::taNormal: return m(p + t.NumChars, k + 1);
      case A::taAnyByte: case A::taSet: return m(p + 1, k + 1);
      case A::taBol: return m(1, k + 1);
      case A::taEol: return true;
      case A::taOpti: return m(p, k + 1) || (occ(t, p) && m(p + w, k + 1));
      default:
        for (int q = t.Action == A::taMult1 ? p + w : p;; q += w) {
          if (m(q, k + 1)) return true;
          if (!occ(t, q)) return false;
        }
    }
  }
  const String& FT;
  int FN;
  std::vector<TGrepToken> FTok;
  int FEnd = 0;
};

TEST(GrepMatch, AgreesWithTheNaiveMatcherOnRandomPatterns) {
  const unsigned seed = 4711;
  std::mt19937 rng(seed);
  const char16_t pieces[][6] = {u"a", u"b", u"ab", u".", u"[ab]", u"[^a]", u"(ab)", u"*", u"+", u"?", u"^", u"$"};
  int compared = 0;
  for (int round = 0; round < 4000; ++round) {
    String expr, text;
    const int n = 1 + static_cast<int>(rng() % 5);
    for (int i = 0; i < n; ++i) expr += pieces[rng() % std::size(pieces)];
    const int tl = static_cast<int>(rng() % 14);
    for (int i = 0; i < tl; ++i) text.push_back(u"abc"[rng() % 3]);
    TGrep g(nullptr);
    g.SetStopOnError(false);
    g.SetRegExp(expr);
    if (g.LastError() != 0) continue;
    const int start = 1 + static_cast<int>(rng() % 3);
    g.SetSearchStartPos(start);
    int pos = 0, first = 0, end = 0;
    if (start > static_cast<int>(text.size()) + 1 &&
        !(g.NrOfRegExpTokens() == 1 && g.RegExpToken(1).Action == A::taMult0))
      continue;  // documented: nothing is found beyond the end
    const bool got = g.MatchString(text, pos);
    const bool want = (g.NrOfRegExpTokens() == 1 && g.RegExpToken(1).Action == A::taMult0)
                          ? got  // the special case is checked elsewhere
                          : NaiveMatcher(g, text).search(start, first, end);
    ASSERT_EQ(got, want) << "seed " << seed << " expr " << zyl::to_utf8(expr) << " text " << zyl::to_utf8(text);
    if (got && g.NrOfRegExpTokens() > 0 && !(g.NrOfRegExpTokens() == 1 && g.RegExpToken(1).Action == A::taMult0)) {
      ASSERT_EQ(pos, first) << zyl::to_utf8(expr) << " / " << zyl::to_utf8(text);
      ASSERT_EQ(g.MatchEndPos(), end) << zyl::to_utf8(expr) << " / " << zyl::to_utf8(text);
      ++compared;
    }
  }
  EXPECT_GT(compared, 500);
}

class GrepListing : public zyl::test::TempDirTest {};

TEST_F(GrepListing, OneLinePerTokenThenTheErrorLine) {
  TGrep g(nullptr);
  g.SetRegExp(u"^ab.[x-z]c*(de)+.?$");
  const zyl::String f = tmp.file("list.txt");
  g.PrintRegExp(f);
  EXPECT_EQ(zyl::test::read_file_bytes(tmp.path() / "list.txt"),
            "    taBol: \r\n"
            " taNormal: ab\r\n"
            "taAnyByte: \r\n"
            "    taSet: xyz\r\n"
            "  taMult0: (string) c\r\n"
            "  taMult1: (string) de\r\n"
            "   taOpti: (anychar) \r\n"
            "    taEol: \r\n"
            "no errors\r\n");
  g.SetStopOnError(false);
  g.SetRegExp(u"[ab]*x[");
  g.PrintRegExp(f);
  EXPECT_EQ(zyl::test::read_file_bytes(tmp.path() / "list.txt"),
            "  taMult0: (set) ab\r\n"
            " taNormal: x\r\n"
            "    taSet: \r\n"
            "no errors\r\n");
  g.SetRegExp(u"a)");
  g.PrintRegExp(f);
  EXPECT_EQ(zyl::test::read_file_bytes(tmp.path() / "list.txt"), " taNormal: a\r\nmismatch of group brackets\r\n");
  EXPECT_THROW(g.PrintRegExp(tmp.file("no/such/dir/x.txt")), zyl::EInOutError);
  // Each listing replaced the one before; no temporary file is left behind.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(tmp.path())) ++files;
  EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace ZYL_stringl

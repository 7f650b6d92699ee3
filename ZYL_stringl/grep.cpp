// Library: zyl / Package: ZYL_stringl / Module: grep
#include "ZYL_stringl/grep.h"

#include <algorithm>

#include "platform/casemap.h"
#include "platform/exceptions.h"
#include "platform/savefile.h"
#include "ZYL_stringl/detail/hexreader.h"
#include "ZYL_zylbase/errors.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;

namespace {

constexpr int kMaxTokens = 64;
constexpr int kMaxChars = 255;  // Params[1..255] holds a string
constexpr int kErrTooManyTokens = 10;
constexpr int kErrGroupTooLong = 11;

const char16_t* const kErrorTexts[] = {
    u"no errors",
    u"reg.exp. must not start with $, *, ?, or +",
    u"circumflex not allowed here",
    u"no character allowed after end of line",
    u"empty set",
    u"circumflex has to be quoted in set",
    u"mismatch of set brackets",
    u"minus not allowed here",
    u"mismatch of group brackets",
    u"*, ?, + have to be applied to groups or sets only",
    u"reg.exp. needs more than 64 tokens",
    u"group longer than 255 characters",
};

const char16_t* error_text(int code) {
  return code >= 0 && code < static_cast<int>(std::size(kErrorTexts)) ? kErrorTexts[code] : u"unknown error";
}

// The text lower-cased (A-Z only) into a buffer that is reused between searches.
void lower_into(std::u16string_view in, String& out) {
  out.resize(in.size());
  std::transform(in.begin(), in.end(), out.begin(), zyl::detail::ascii_lower);
}

bool is_member(const TGrepToken& t, Char c) { return c < 256 && t.Params[c] == u'*'; }

// Replaces each "\#hh" whose backslash is not itself escaped by the character
// of code hh, read by the shared hexadecimal reader.
String resolve_hex_escapes(String s) {
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] != u'\\' || s[i + 1] != u'#' || (i > 0 && s[i - 1] == u'\\')) continue;
    const std::size_t digits = std::min<std::size_t>(2, s.size() - i - 2);
    int pos = 1;
    const auto code = detail::read_hex(std::u16string_view(s).substr(i + 2, digits), pos);
    s.replace(i, 2 + digits, 1, static_cast<Char>(code));
  }
  return s;
}

// The one-pass compiler: the states of the scan and the rules it applies.
class Compiler {
 public:
  Compiler(TRegExp& table, std::int32_t& count) : FTable(table), FCount(count) {}

  int run(const String& expr) {
    for (FPos = 0; FPos < expr.size() && FError == 0; ++FPos) step(expr);
    return FError;
  }

 private:
  enum class State { Start, AfterLiteral, SetOpened, InSet, AfterSet, InGroup, AfterGroup, AfterEndAnchor };

  void step(const String& e) {
    const Char c = e[FPos];
    switch (FState) {
      case State::Start:
        return start_like(e, c, false);
      case State::AfterLiteral:
        if (c == u'*' || c == u'+' || c == u'?') return quantify_literal(c);
        if (c == u'$') return eol();
        if (c == u'^') return fail(2);
        if (c == u'\\' || !is_syntax(c)) return append(escaped(e, c));
        return start_like(e, c, true);
      case State::SetOpened:
        if (c == u'-') return fail(7);
        if (c == u']') return fail(4);
        if (c == u'^') {
          FNegated = true;
          FState = State::InSet;
          return;
        }
        return add_member(escaped(e, c));
      case State::InSet:
        if (c == u'-') return add_range(e);
        if (c == u']') return close_set();
        if (c == u'^') return fail(5);
        return add_member(escaped(e, c));
      case State::AfterSet:
        if (c == u'*' || c == u'+' || c == u'?') return quantify_set_or_group(c);
        if (c == u'-') return fail(7);
        if (c == u'$') return eol();
        if (c == u'^') return fail(2);
        return start_like(e, c, true);
      case State::InGroup:
        if (c == u')') {
          FState = State::AfterGroup;
          return;
        }
        if (c == u'^') return fail(2);
        return append_to_group(escaped(e, c));
      case State::AfterGroup:
        if (c == u'*' || c == u'+' || c == u'?') return quantify_set_or_group(c);
        if (c == u'$') return eol();
        if (c == u'^') return fail(2);
        return start_like(e, c, true);
      case State::AfterEndAnchor:
        return fail(3);
    }
  }

  // Characters that the start state treats specially.
  static bool is_syntax(Char c) {
    return c == u'$' || c == u'*' || c == u'+' || c == u'?' || c == u'(' || c == u')' || c == u']' || c == u'.' ||
           c == u'[' || c == u'^';
  }

  // The rows of state "start"; `later` is set when a token stands before
  // (then "^" has been handled by the caller and quantifiers too).
  void start_like(const String& e, Char c, bool later) {
    switch (c) {
      case u'$':
      case u'*':
      case u'+':
      case u'?':
        return fail(1);
      case u'(':
        if (new_token(TGrepTokenAct::taNormal)) {
          FState = State::InGroup;
        }
        return;
      case u')':
        return fail(8);
      case u']':
        return fail(6);
      case u'.':
        if (new_token(TGrepTokenAct::taAnyByte)) FState = State::AfterLiteral;
        return;
      case u'[':
        return new_set();
      case u'^':
        if (later) return fail(2);
        if (new_token(TGrepTokenAct::taBol)) FState = State::AfterLiteral;
        return;
      default:
        if (new_token(TGrepTokenAct::taNormal)) {
          last().NumChars = 1;
          last().Params[1] = escaped(e, c);
          FState = State::AfterLiteral;
        }
        return;
    }
  }

  // The character itself, or after a backslash the next one (consumed).
  Char escaped(const String& e, Char c) {
    if (c != u'\\' || FPos + 1 >= e.size()) return c;
    return e[++FPos];
  }

  TGrepToken& last() { return FTable[static_cast<std::size_t>(FCount - 1)]; }

  bool new_token(TGrepTokenAct action) {
    if (FCount >= kMaxTokens) {
      fail(kErrTooManyTokens);
      return false;
    }
    ++FCount;
    last().Action = action;
    last().NumChars = 0;
    return true;
  }

  void new_set() {
    if (!new_token(TGrepTokenAct::taSet)) return;
    last().NumChars = -1;
    last().Params.fill(u' ');
    FNegated = false;
    FState = State::SetOpened;
  }

  void eol() {
    if (new_token(TGrepTokenAct::taEol)) FState = State::AfterEndAnchor;
  }

  // Rule A: consecutive literal characters form one string token (a new one
  // when the last is full).
  void append(Char c) {
    if (last().Action != TGrepTokenAct::taNormal || last().NumChars >= kMaxChars) {
      if (!new_token(TGrepTokenAct::taNormal)) return;
    }
    last().Params[static_cast<std::size_t>(++last().NumChars)] = c;
  }

  void append_to_group(Char c) {
    if (last().NumChars >= kMaxChars) return fail(kErrGroupTooLong);
    last().Params[static_cast<std::size_t>(++last().NumChars)] = c;
  }

  static TGrepTokenAct quantifier_action(Char c) {
    return c == u'*' ? TGrepTokenAct::taMult0 : c == u'+' ? TGrepTokenAct::taMult1 : TGrepTokenAct::taOpti;
  }

  // Rule Q1: a quantifier after a literal binds to its last character.
  void quantify_literal(Char c) {
    TGrepToken& t = last();
    if (t.Action == TGrepTokenAct::taNormal && t.NumChars == 1) {
      t.Action = quantifier_action(c);
    } else if (t.Action == TGrepTokenAct::taNormal && t.NumChars > 1) {
      const Char ch = t.Params[static_cast<std::size_t>(t.NumChars)];
      --t.NumChars;
      if (!new_token(quantifier_action(c))) return;
      last().NumChars = 1;
      last().Params[1] = ch;
    } else if (t.Action == TGrepTokenAct::taAnyByte) {
      t.Action = quantifier_action(c);
      t.NumChars = 0;
    } else {
      fail(9);
    }
  }

  // Rule Q2: a quantifier after a set or a group applies to all of it.
  void quantify_set_or_group(Char c) {
    TGrepToken& t = last();
    if (t.Action == TGrepTokenAct::taSet) {
      t.Action = quantifier_action(c);
      t.NumChars = -1;
    } else if (t.Action == TGrepTokenAct::taNormal) {
      t.Action = quantifier_action(c);
    } else {
      fail(9);
    }
  }

  void add_member(Char c) {
    if (c < 256) last().Params[c] = u'*';
    FLastMember = c;
    FState = State::InSet;
  }

  // Rule R: "-" and the character after it (unescaped) make a range from the
  // last member; the bounds are swapped when given in descending order.
  void add_range(const String& e) {
    if (FPos + 1 >= e.size()) return;  // an unclosed set ending in "-": nothing more to add
    Char lo = FLastMember, hi = e[++FPos];
    if (hi < lo) std::swap(lo, hi);
    for (unsigned code = lo; code <= hi && code < 256; ++code) last().Params[code] = u'*';
    FLastMember = lo;
  }

  void close_set() {
    if (FNegated) {
      for (auto& entry : last().Params) entry = entry == u'*' ? u' ' : u'*';
    }
    FNegated = false;
    FState = State::AfterSet;
  }

  void fail(int code) { FError = code; }

  TRegExp& FTable;
  std::int32_t& FCount;
  std::size_t FPos = 0;
  State FState = State::Start;
  int FError = 0;
  bool FNegated = false;
  Char FLastMember = 0;
};

}  // namespace

TGrep::TGrep(zyl::TComponent* AOwner) : zyl::TComponent(AOwner) {}

TGrep::~TGrep() = default;

void TGrep::SetIgnoreCase(bool Value) {
  FIgnoreCase = Value;
  CompileRegExp(FRegExpStr);
}

void TGrep::SetRegExp(const String& Value) {
  FRegExpStr = Value;
  const int code = CompileRegExp(Value);
  if (FStopOnError && code > 0)
    throw ZYL_zylbase::EZYLStringlError(
        ZYL_zylbase::ComponentMessage(Name(), String(u"error in regular expression - ") + error_text(code)));
}

TGrepToken TGrep::GetRegExpToken(int regix) const {
  regix = std::max(std::min(regix, FLengRegExp), 1);
  return FregExp[static_cast<std::size_t>(regix - 1)];
}

int TGrep::CompileRegExp(const String& Expression) {
  FError = 0;
  String expr = resolve_hex_escapes(FIgnoreCase ? zyl::LowerCase(Expression) : Expression);
  FLengRegExp = 0;
  for (auto& t : FregExp) {
    t.NumChars = 0;
    t.ValidFrom = 0;
  }
  FError = Compiler(FregExp, FLengRegExp).run(expr);
  return FError;
}

// ---- matching -------------------------------------------------------------

long long TGrep::operand_width(const TGrepToken& t) const { return t.NumChars > 0 ? t.NumChars : 1; }

bool TGrep::occurs(const TGrepToken& t, long long q) const {
  const auto len = static_cast<long long>(FText.size());
  if (q < 1) return false;
  if (t.NumChars == 0) return q <= len;
  if (t.NumChars < 0) return q <= len && is_member(t, FText[static_cast<std::size_t>(q - 1)]);
  if (q + t.NumChars - 1 > len) return false;
  return std::equal(t.Params.begin() + 1, t.Params.begin() + 1 + t.NumChars,
                    FText.begin() + static_cast<std::ptrdiff_t>(q - 1));
}

bool TGrep::failed_before(long long p, int k) const {
  if (!FUseMemo || p < 1 || p > static_cast<long long>(FText.size()) + 2) return false;
  const auto bit = static_cast<std::size_t>(k - 1) * (FText.size() + 3) + static_cast<std::size_t>(p);
  return (FFailed[bit / 64] >> (bit % 64)) & 1u;
}

void TGrep::record_failure(long long p, int k) {
  if (!FUseMemo || p < 1 || p > static_cast<long long>(FText.size()) + 2) return;
  const auto bit = static_cast<std::size_t>(k - 1) * (FText.size() + 3) + static_cast<std::size_t>(p);
  FFailed[bit / 64] |= std::uint64_t{1} << (bit % 64);
}

// M(p, k): does the table from token k on match the text at position p?
// Recurses once per token; the repetition of a quantifier is a loop. The
// answer depends only on (p, k), so a failure found once is remembered.
bool TGrep::match(long long p, int k) {
  if (failed_before(p, k)) return false;
  const bool ok = match_here(p, k);
  if (!ok) record_failure(p, k);
  return ok;
}

bool TGrep::match_here(long long p, int k) {
  TGrepToken& t = FregExp[static_cast<std::size_t>(k - 1)];
  const auto len = static_cast<long long>(FText.size());
  const bool last_token = k == FLengRegExp;
  switch (t.Action) {
    case TGrepTokenAct::taNormal:
      if (!occurs(t, p)) return false;
      break;
    case TGrepTokenAct::taAnyByte:
      if (p > len) return false;
      break;
    case TGrepTokenAct::taEol:
      if (p <= len || !last_token) return false;
      break;
    case TGrepTokenAct::taBol:
      if (p != 1) return false;
      break;
    case TGrepTokenAct::taSet:
      if (p > len || !is_member(t, FText[static_cast<std::size_t>(p - 1)])) return false;
      break;
    case TGrepTokenAct::taMult0:
    case TGrepTokenAct::taOpti:
      break;
    case TGrepTokenAct::taMult1:
      if (!occurs(t, p)) return false;
      break;
  }
  t.ValidFrom = static_cast<std::int32_t>(p);
  const long long w = operand_width(t);

  if (last_token) {
    long long end = p;
    switch (t.Action) {
      case TGrepTokenAct::taNormal: end = p + t.NumChars - 1; break;
      case TGrepTokenAct::taAnyByte:
      case TGrepTokenAct::taSet: end = p; break;
      case TGrepTokenAct::taEol: end = len; break;
      case TGrepTokenAct::taBol: end = 1; break;
      case TGrepTokenAct::taMult0:
      case TGrepTokenAct::taMult1: {
        if (t.NumChars == 0) {
          end = len;
          break;
        }
        long long q = t.Action == TGrepTokenAct::taMult1 ? p + w : p;
        while (occurs(t, q)) q += w;
        end = q - 1;
        break;
      }
      case TGrepTokenAct::taOpti: end = occurs(t, p) ? p + w - 1 : p - 1; break;
    }
    FMatchEndPos = static_cast<std::int32_t>(end);
    return true;
  }

  bool ok = false;
  switch (t.Action) {
    case TGrepTokenAct::taNormal: ok = match(p + t.NumChars, k + 1); break;
    case TGrepTokenAct::taAnyByte:
    case TGrepTokenAct::taSet: ok = match(p + 1, k + 1); break;
    case TGrepTokenAct::taBol: ok = match(1, k + 1); break;
    case TGrepTokenAct::taEol: ok = true; break;
    case TGrepTokenAct::taMult0:
      // Lazy: fewest repetitions first.
    case TGrepTokenAct::taMult1: {
      long long q = t.Action == TGrepTokenAct::taMult1 ? p + w : p;
      // Any character repeated, then a literal: only the places where the
      // literal occurs can continue the match, so the loop jumps to them.
      const TGrepToken& next = FregExp[static_cast<std::size_t>(k)];
      const bool jump = t.NumChars == 0 && next.Action == TGrepTokenAct::taNormal && next.NumChars > 0;
      for (;; q += w) {
        if (jump) {
          const long long at = q <= len ? find_literal(next, q) : -1;
          if (at < 0) {
            q = std::max(q, len + 1);
            break;
          }
          q = at;
        }
        if (match(q, k + 1)) {
          ok = true;
          break;
        }
        if (!occurs(t, q)) break;
      }
      // Starting this token anywhere further along the same run of
      // occurrences tries a subset of the positions just tried, so all those
      // starts fail as well. Recording them keeps the search linear: the next
      // start position is answered at once instead of walking the run again.
      if (!ok)
        for (long long r = p; r <= q; r += w) record_failure(r, k);
      break;
    }
    case TGrepTokenAct::taOpti:
      ok = match(p, k + 1) || (occurs(t, p) && match(p + w, k + 1));
      break;
  }
  return ok;
}

long long TGrep::find_literal(const TGrepToken& t, long long from) const {
  const std::u16string_view lit(t.Params.data() + 1, static_cast<std::size_t>(t.NumChars));
  const Char first = lit[0];
  const Char* const begin = FText.data();
  const Char* const end = begin + FText.size();
  for (const Char* s = begin + (from - 1); s < end; ++s) {
    s = std::find(s, end, first);
    if (s == end || static_cast<std::size_t>(end - s) < lit.size()) break;
    if (std::equal(lit.begin() + 1, lit.end(), s + 1)) return (s - begin) + 1;
  }
  return -1;
}

long long TGrep::skip_to_candidate(long long p) const {
  const TGrepToken& t = FregExp[0];
  const auto len = static_cast<long long>(FText.size());
  if (t.Action == TGrepTokenAct::taNormal && t.NumChars > 0) return p > len ? -1 : find_literal(t, p);
  if (t.Action == TGrepTokenAct::taSet || (t.Action == TGrepTokenAct::taMult1 && t.NumChars < 0)) {
    for (long long q = p; q <= len; ++q)
      if (is_member(t, FText[static_cast<std::size_t>(q - 1)])) return q;
    return -1;
  }
  return p;
}

bool TGrep::MatchString(const String& Instring, int& MatchPos) {
  const auto len = static_cast<long long>(Instring.size());
  if (FLengRegExp == 1 && FregExp[0].Action == TGrepTokenAct::taMult0) {
    if (len > 0 && len < FSrcStartPos) return false;
    FMatchEndPos = static_cast<std::int32_t>(len);
    FMatchStartPos = 1;
    MatchPos = 1;
    FregExp[0].ValidFrom = 1;
    return true;
  }
  const long long start = std::max(FSrcStartPos, 1);
  if (start > len + 1) return false;
  if (FLengRegExp == 0) {
    FMatchStartPos = MatchPos = static_cast<std::int32_t>(start);
    FMatchEndPos = static_cast<std::int32_t>(start - 1);
    return true;
  }
  if (FIgnoreCase) {
    lower_into(Instring, FLowered);
    FText = FLowered;
  } else {
    FText = Instring;
  }
  // Remembering failures only pays when a quantifier before the last token
  // can reach the same (position, token) pair along several paths.
  FUseMemo = false;
  for (int k = 1; k < FLengRegExp; ++k) {
    const auto a = FregExp[static_cast<std::size_t>(k - 1)].Action;
    if (a == TGrepTokenAct::taMult0 || a == TGrepTokenAct::taMult1 || a == TGrepTokenAct::taOpti) FUseMemo = true;
  }
  if (FUseMemo) {
    const std::size_t bits = static_cast<std::size_t>(FLengRegExp) * (FText.size() + 3);
    FFailed.assign(bits / 64 + 1, 0);
  }

  bool found = false;
  if (FregExp[0].Action == TGrepTokenAct::taBol) {
    found = match(start, 1);
  } else {
    // Leftmost match: start, start + 1, ... as long as the last tried
    // position is below the text length (at least two positions).
    const long long last = std::max(start + 1, len);
    // A leading repeated dot tries every later start on its first attempt
    // already (the later starts try a subset), so one failure settles it.
    const TGrepToken& first = FregExp[0];
    const bool one_attempt = first.NumChars == 0 && (first.Action == TGrepTokenAct::taMult0 ||
                                                     first.Action == TGrepTokenAct::taMult1);
    for (long long p = start; p <= last; ++p) {
      const long long q = skip_to_candidate(p);
      if (q < 0) break;
      p = q;
      if (p > last) break;
      if ((found = match(p, 1)) || one_attempt) break;
    }
  }
  FText = {};
  FMatchStartPos = FregExp[0].ValidFrom;
  MatchPos = FMatchStartPos;
  return found;
}

// ---- listing ----------------------------------------------------------------

namespace {

String operand_text(const TGrepToken& t) {
  String s;
  if (t.NumChars < 0) {
    s = u"(set) ";
    for (unsigned c = 0; c < 256; ++c)
      if (t.Params[c] == u'*') s.push_back(static_cast<Char>(c));
  } else if (t.NumChars > 0) {
    s = u"(string) ";
    s.append(t.Params.data() + 1, static_cast<std::size_t>(t.NumChars));
  } else {
    s = u"(anychar) ";
  }
  return s;
}

String token_line(const TGrepToken& t) {
  switch (t.Action) {
    case TGrepTokenAct::taNormal:
      return u" taNormal: " + String(t.Params.data() + 1, static_cast<std::size_t>(std::max(t.NumChars, 0)));
    case TGrepTokenAct::taAnyByte: return u"taAnyByte: ";
    case TGrepTokenAct::taEol: return u"    taEol: ";
    case TGrepTokenAct::taBol: return u"    taBol: ";
    case TGrepTokenAct::taSet: {
      String s = u"    taSet: ";
      for (unsigned c = 0; c < 256; ++c)
        if (t.Params[c] == u'*') s.push_back(static_cast<Char>(c));
      return s;
    }
    case TGrepTokenAct::taMult0: return u"  taMult0: " + operand_text(t);
    case TGrepTokenAct::taMult1: return u"  taMult1: " + operand_text(t);
    case TGrepTokenAct::taOpti: return u"   taOpti: " + operand_text(t);
  }
  return String();
}

}  // namespace

void TGrep::PrintRegExp(const String& FName) {
  String text;
  for (int k = 1; k <= FLengRegExp; ++k) text += token_line(FregExp[static_cast<std::size_t>(k - 1)]) + u"\r\n";
  text += String(error_text(FError)) + u"\r\n";
  zyl::platform::save_file(FName, zyl::to_utf8(text));
}

}  // namespace ZYL_stringl

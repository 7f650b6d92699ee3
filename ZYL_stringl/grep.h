// Library: zyl / Package: ZYL_stringl / Module: grep
//
// TGrep: a small regular-expression matcher. An expression is compiled into
// a fixed table of at most 64 tokens and searched for in strings.
//
// The language:
//   abc     a literal string            .      any one character
//   [a-z0]  a set (ranges, members)     [^..]  a negated set
//   (abc)   a group: a plain string that a quantifier applies to as a whole
//   *  +  ? zero or more, one or more, zero or one of the preceding set,
//           group, dot or single character (after a literal string: its
//           last character only)
//   ^  $    beginning and end of the text (^ only first, $ only last)
//   \c      the character c, taken literally
//   \#hh    the character of hexadecimal code hh
// There is no alternation, nesting or capture. Non-final quantifiers are lazy,
// a final one is greedy. Sets hold codes 0..255 only: characters above 255 are
// never members, neither of a set nor of its negation, and a set member above
// 255 is ignored.
//
// Compile error codes (LastError) and their texts:
//   0  no errors
//   1  reg.exp. must not start with $, *, ?, or +
//   2  circumflex not allowed here
//   3  no character allowed after end of line
//   4  empty set
//   5  circumflex has to be quoted in set
//   6  mismatch of set brackets
//   7  minus not allowed here
//   8  mismatch of group brackets
//   9  *, ?, + have to be applied to groups or sets only
//  10  reg.exp. needs more than 64 tokens
//  11  group longer than 255 characters
// A literal string longer than 255 characters simply takes several tokens.
//
// The empty expression (no tokens) matches the empty string at the search
// start: MatchStartPos = SearchStartPos, MatchEndPos = SearchStartPos - 1.
// A SearchStartPos below 1 counts as 1; one beyond the text's end + 1 finds
// nothing.
//
// Matching walks the token table recursively, one level per token (so at
// most 64 levels, whatever the text's length), and remembers which
// (position, token) pairs have failed, so no pair is tried twice: a search
// costs at most about text length x token count steps (a*b over a 1 MB text
// of "a" is linear, not quadratic). A literal first token makes the search
// jump straight to the places where the literal occurs.
//
// Example:
//   TGrep g(nullptr);
//   g.SetRegExp(u"x[ab]+");       // compiles; an invalid one raises EZYLStringlError
//   int pos = 0;
//   g.MatchString(u"zxaazz", pos) // == true, pos == 2, MatchEndPos() == 4
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/component.h"
#include "platform/hoststring.h"

namespace ZYL_stringl {

enum class TGrepTokenAct : std::uint8_t { taNormal, taAnyByte, taEol, taBol, taSet, taMult0, taMult1, taOpti };

using TCharArr256 = std::array<zyl::Char, 256>;

// One compiled token. NumChars: string length for taNormal, -1 for taSet;
// for the quantifiers what they repeat: -1 the set in Params, 0 any
// character, n > 0 the string Params[1..n]. Params holds a string at 1..n
// (index 0 unused) or a set's map: Params[c] == '*' when code c is a member,
// ' ' otherwise. ValidFrom: where the token last matched (0 after compiling).
struct TGrepToken {
  TGrepTokenAct Action = TGrepTokenAct::taNormal;
  std::int32_t NumChars = 0;
  TCharArr256 Params{};
  std::int32_t ValidFrom = 0;
};

// The token table, tokens 1..64 stored at indexes 0..63.
using TRegExp = std::array<TGrepToken, 64>;

class ZYL_API TGrep : public zyl::TComponent {
 public:
  // Nothing compiled, IgnoreCase false, StopOnError true, SearchStartPos 1.
  explicit TGrep(zyl::TComponent* AOwner);
  ~TGrep() override;

  bool IgnoreCase() const noexcept { return FIgnoreCase; }
  // Stores the flag and recompiles RegExp; a compile error is only recorded
  // in LastError, never raised.
  void SetIgnoreCase(bool Value);

  const zyl::String& RegExp() const noexcept { return FRegExpStr; }
  // Stores and compiles the expression. With StopOnError and a compile error
  // raises EZYLStringlError
  //   Component "<Name>": error in regular expression - <text of the code>
  // The token table keeps what the failed compilation left in it.
  void SetRegExp(const zyl::String& Value);

  int SearchStartPos() const noexcept { return FSrcStartPos; }
  void SetSearchStartPos(int Value) noexcept { FSrcStartPos = Value; }
  bool StopOnError() const noexcept { return FStopOnError; }
  void SetStopOnError(bool Value) noexcept { FStopOnError = Value; }

  // A copy of token regix, regix limited to 1..NrOfRegExpTokens (token 1 when
  // the table is empty).
  TGrepToken GetRegExpToken(int regix) const;
  TGrepToken RegExpToken(int regix) const { return GetRegExpToken(regix); }
  int MatchEndPos() const noexcept { return FMatchEndPos; }
  int MatchStartPos() const noexcept { return FMatchStartPos; }
  int NrOfRegExpTokens() const noexcept { return FLengRegExp; }
  int LastError() const noexcept { return FError; }

  // Compiles the expression into the token table and returns the error code
  // (0 = success; see the table above). Never raises.
  int CompileRegExp(const zyl::String& Expression);

  // Searches Instring from SearchStartPos for the leftmost match. True when
  // found: MatchPos and MatchStartPos give its first position, MatchEndPos
  // its last (MatchStartPos - 1 for an empty match). On failure the positions
  // carry no meaning.
  //   RegExp "ab*"  in "a"     -> true, 1..1
  //   RegExp "a.+$" in "abc"   -> true, 1..3
  //   RegExp "a*" matches every string in full, even one without "a".
  bool MatchString(const zyl::String& Instring, int& MatchPos);

  // Writes the token table to the text file FName (created or replaced,
  // UTF-8, CR LF line ends): one line per token with an 11-character label
  // (" taNormal: abc", "    taSet: 0123456789", "  taMult0: (set) ab",
  // "   taOpti: (string) xy", "  taMult1: (anychar) ", ...), then the error
  // line ("no errors" or the code's text). The text goes to a temporary file
  // beside FName first, which then takes FName's place, so a failed write
  // never leaves a half-written listing. Raises EInOutError when the file
  // cannot be written.
  void PrintRegExp(const zyl::String& FName);

 private:
  bool match(long long p, int k);
  bool match_here(long long p, int k);
  bool occurs(const TGrepToken& t, long long q) const;
  long long operand_width(const TGrepToken& t) const;
  long long find_literal(const TGrepToken& t, long long from) const;
  long long skip_to_candidate(long long p) const;
  bool failed_before(long long p, int k) const;
  void record_failure(long long p, int k);

  std::int32_t FLengRegExp = 0;
  bool FStopOnError = true;
  TRegExp FregExp{};
  zyl::String FRegExpStr;
  bool FIgnoreCase = false;
  std::int32_t FError = 0;
  std::int32_t FMatchEndPos = 0;
  std::int32_t FMatchStartPos = 0;
  std::int32_t FSrcStartPos = 1;

  // Matching state of the running search.
  std::u16string_view FText;
  zyl::String FLowered;                // the lower-cased text with IgnoreCase
  std::vector<std::uint64_t> FFailed;  // failed (position, token) pairs, one bit each
  bool FUseMemo = false;
};

}  // namespace ZYL_stringl

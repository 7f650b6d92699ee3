// Library: zyl / Package: ZYL_zylbase / Module: numberscan (internal)
//
// The scanners of free-format numbers that the stream readers (and the label
// reader's attribute values) share, written once over any byte source:
//   bool next(std::uint8_t& b);   // the next byte; false at the end
//
// scan_decimal: skips blanks, CR and LF (at least one byte is read), takes
// an optional sign and the digits; the value wraps in 32 bits.
//
// scan_fpnum: a state machine, one byte at a time (upper-cased). The end of
// the input counts as the letter Z, so it ends a complete number and fails an
// incomplete one.
//
//   state                  sep  digit  + or -  E             blank/tab/CR/LF  other
//   1 start                 4     3      2     fail              1            fail
//   2 after the sign        4     3     fail   fail             fail          fail
//   3 integer digits        4     3      9     6 (9 if no exp)   9             9
//   4 after the separator  fail   5      9     6 (9 if no exp)   9             9
//   5 fraction digits      fail   5      9     6 (9 if no exp)   9             9
//   6 after E              fail   8      7     fail             fail          fail
//   7 after exponent sign  fail   8     fail   fail             fail          fail
//   8 exponent digits       9     8      9     9                 9             9
//
// "sep" is a byte accepted as decimal separator (kDecPoint "." only,
// kDecComma "," only, kDecEither both, anything else none) and is tested
// first. Characters above blank are gathered ("," as ".") while the exponent
// read so far is at most 4200, so a huge exponent cannot make the text grow
// without use; the text is converted to extended precision, and the result
// clamped to +-1.7e308. A failed number gives 0.0. The byte that ends a number
// is consumed.
//
// Example (bytes " 1,5e3;" with AllowExp, kDecEither): 1500.0, ";" consumed.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace zyl::detail {

template <class S>
concept ByteSource = requires(S& s, std::uint8_t& b) {
  { s.next(b) } -> std::convertible_to<bool>;
};

constexpr int kDecPoint = 1;
constexpr int kDecComma = 2;
constexpr int kDecEither = 3;

constexpr double kFPNumClamp = 1.7e308;
constexpr long kFPNumExponentGuard = 4200;

// A byte source over bytes in memory; the bytes must outlive it.
class MemoryByteSource {
 public:
  explicit MemoryByteSource(std::string_view Bytes) : FBytes(Bytes) {}
  bool next(std::uint8_t& b) {
    if (FPos >= FBytes.size()) return false;
    b = static_cast<std::uint8_t>(FBytes[FPos++]);
    return true;
  }
  std::size_t pos() const noexcept { return FPos; }

 private:
  std::string_view FBytes;
  std::size_t FPos = 0;
};

template <ByteSource S>
std::int32_t scan_decimal(S& Src) {
  std::uint8_t b;
  do {
    if (!Src.next(b)) return 0;
  } while (b == ' ' || b == '\n' || b == '\r');
  bool negative = false;
  bool more = true;
  if (b == '-' || b == '+') {
    negative = b == '-';
    more = Src.next(b);
  }
  std::uint32_t value = 0;  // unsigned: wraps in 32 bits without undefined behaviour
  while (more && b >= '0' && b <= '9') {
    value = value * 10u + static_cast<std::uint32_t>(b - '0');
    more = Src.next(b);
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

// Converts a gathered number text ("-12.5E+3", "." as separator) to extended
// precision, correctly rounded; overflow gives +-infinity, underflow 0.
long double fpnum_text_value(std::string_view Text);

namespace fpnum {

enum State : std::int8_t { kFailed = -1, kStart = 1, kSign, kInt, kSep, kFrac, kE, kExpSign, kExp, kDone };

// Byte classes, the columns of the state table (a separator is decided by
// DecPChar; "E" only counts when exponents are allowed).
enum Class : std::uint8_t { cSep, cDigit, cSign, cE, cBlank, cOther, cDot, cComma, cClasses = 6 };

constexpr std::array<std::uint8_t, 256> kClassOf = [] {
  std::array<std::uint8_t, 256> t{};
  t.fill(cOther);
  for (int c = '0'; c <= '9'; ++c) t[static_cast<std::size_t>(c)] = cDigit;
  t['+'] = t['-'] = cSign;
  t['E'] = t['e'] = cE;
  t[' '] = t['\t'] = t['\r'] = t['\n'] = cBlank;
  t['.'] = cDot;
  t[','] = cComma;
  return t;
}();

// kNext[state][class] for states 1..8; "E" is mapped to cOther beforehand
// when exponents are not allowed, which gives the "9 if no exp" entries.
constexpr State kNext[9][cClasses] = {
    {},                                                  // (unused)
    {kSep, kInt, kSign, kFailed, kStart, kFailed},       // 1 start
    {kSep, kInt, kFailed, kFailed, kFailed, kFailed},    // 2 after the sign
    {kSep, kInt, kDone, kE, kDone, kDone},               // 3 integer digits
    {kFailed, kFrac, kDone, kE, kDone, kDone},           // 4 after the separator
    {kFailed, kFrac, kDone, kE, kDone, kDone},           // 5 fraction digits
    {kFailed, kExp, kExpSign, kFailed, kFailed, kFailed},  // 6 after E
    {kFailed, kExp, kFailed, kFailed, kFailed, kFailed},   // 7 after the exponent sign
    {kDone, kExp, kDone, kDone, kDone, kDone},           // 8 exponent digits
};

inline Class class_of(std::uint8_t c, bool AllowExp, int DecPChar) {
  const auto k = static_cast<Class>(kClassOf[c]);
  if (k == cDot) return DecPChar == kDecPoint || DecPChar == kDecEither ? cSep : cOther;
  if (k == cComma) return DecPChar == kDecComma || DecPChar == kDecEither ? cSep : cOther;
  if (k == cE && !AllowExp) return cOther;
  return k;
}

}  // namespace fpnum

template <ByteSource S>
double scan_fpnum(S& Src, bool AllowExp, int DecPChar) {
  using namespace fpnum;
  std::string text;
  long exponent = 0;  // the exponent digits read, saturating above the guard
  State state = kStart;
  do {
    std::uint8_t c;
    if (!Src.next(c)) c = 'Z';
    if (c >= 'a' && c <= 'z') c = static_cast<std::uint8_t>(c - 32);
    const State prev = state;
    state = kNext[state][class_of(c, AllowExp, DecPChar)];
    if (state == kExp) {
      if (prev != kExp) exponent = 0;
      exponent = std::min(exponent * 10 + (c - '0'), kFPNumExponentGuard + 1);
    }
    if (state != kDone && state != kFailed && c > ' ' && exponent <= kFPNumExponentGuard)
      text.push_back(c == ',' ? '.' : static_cast<char>(c));
  } while (state != kDone && state != kFailed);
  if (state == kFailed) return 0.0;
  if (!text.empty() && text.back() == '.') text.push_back('0');
  const long double v = fpnum_text_value(text);
  return static_cast<double>(std::clamp<long double>(v, -kFPNumClamp, kFPNumClamp));
}

}  // namespace zyl::detail

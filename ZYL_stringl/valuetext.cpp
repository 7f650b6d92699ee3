// Library: zyl / Package: ZYL_stringl / Module: valuetext
#include "ZYL_stringl/valuetext.h"

#include <algorithm>
#include <cmath>

#include "platform/casemap.h"
#include "platform/numtext.h"
#include "ZYL_stringl/strip.h"

namespace ZYL_stringl {
namespace {

// A clock field: at least two digits, zero-filled (or blank-filled).
String field(long double value, bool zero_fill) {
  String s = zyl::Str(value, 2, 0);
  if (zero_fill && s[0] == u' ') s[0] = u'0';
  return s;
}

}  // namespace

String BoolToStr(bool Value, int Kind) {
  static const char16_t* const kPairs[][2] = {{u"TRUE", u"FALSE"}, {u"T", u"F"},     {u".T.", u".F."},
                                              {u"1", u"0"},        {u"-1", u"0"},    {u"FF", u"00"},
                                              {u"YES", u"NO"},     {u"GOOD", u"BAD"}};
  if (Kind < 0 || Kind > 7) Kind = 0;
  return kPairs[Kind][Value ? 0 : 1];
}

TTriState StrToTriState(const String& S) {
  const String t = StripLTBlanks(zyl::LowerCase(S));
  if (t == u"true" || t == u"1" || t == u"+1" || t == u"yes") return TTriState::tsTrue;
  if (t == u"false" || t == u"-1" || t == u"no") return TTriState::tsFalse;
  return TTriState::tsUndefined;
}

String TriStateToStr(TTriState Value, int Kind) {
  static const char16_t* const kTexts[][3] = {
      {u"false", u"true", u""}, {u"-1", u"1", u"0"}, {u"no", u"yes", u"unknown"}};
  if (Kind < 0 || Kind > 2) Kind = 0;
  const int v = ZYL_zylbase::Ord(Value);
  return v >= 0 && v <= 2 ? kTexts[Kind][v] : u"";
}

String BinString(bool Condition, const String& IfTrue, const String& IfFalse) { return Condition ? IfTrue : IfFalse; }

String SortableNumericString(const String& S, Char C, int N) {
  String t = StripLTBlanks(S);
  const std::size_t found = t.find(C);
  const long long p = found == String::npos ? 0 : static_cast<long long>(found) + 1;
  if (p < N) t.insert(0, static_cast<std::size_t>(N - p), u' ');
  return t;
}

String TimeString(double Seconds, std::uint8_t Format) {
  const long double secs = std::isfinite(Seconds) && Seconds > 0 ? Seconds : 0;
  const long double h = std::trunc(secs / 3600);
  const long double r = secs - h * 3600;
  // Beyond about 10^15 s the extended's precision no longer holds minutes
  // and seconds; the clamps keep the fields in range.
  const long double m = std::clamp(std::trunc(r / 60), 0.0L, 59.0L);
  const long double s = std::clamp(std::trunc(r - m * 60), 0.0L, 59.0L);
  const long double c = std::trunc((secs - std::trunc(secs)) * 100);
  switch (Format) {
    case 0: return field(h, true) + u":" + field(m, true) + u":" + field(s, true) + u"." + field(c, true);
    case 1: return field(h, true) + u":" + field(m, true) + u":" + field(s, true);
    case 2: return field(h, false) + u"h" + field(m, true);
    case 3: return field(h, false) + u"h" + field(m, true) + u"'" + field(s, true) + u"\"";
    case 4: return field(h, true) + u":" + field(m, true);
    case 5: {
      const long double h12 = h == 0 ? 12 : h > 12 ? h - 12 : h;
      return field(h12, false) + u":" + field(m, true) + (h > 11 ? u"p" : u"a");
    }
    default: return String();
  }
}

int StringIx(const String& S, std::span<const String> Entries) { return StringIx(S, true, Entries); }

int StringIx(const String& S, bool CaseSensitive, std::span<const String> Entries) {
  const String key = CaseSensitive ? S : zyl::LowerCase(S);
  for (std::size_t i = 0; i < Entries.size(); ++i) {
    if ((CaseSensitive ? Entries[i] : zyl::LowerCase(Entries[i])) == key) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace ZYL_stringl

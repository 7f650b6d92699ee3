// Library: zyl / Package: ZYL_stringl / Module: casing
#include "ZYL_stringl/casing.h"

#include "platform/casemap.h"
#include "ZYL_stringl/charclass.h"

namespace ZYL_stringl {

String ChangeCase(const String& S) {
  String r = S;
  for (Char& c : r) {
    const Char up = zyl::detail::simple_upper(c);
    c = (up == c) ? zyl::detail::simple_lower(c) : up;
  }
  return r;
}

String CapitalizeString(const String& S) {
  String r = S;
  bool at_word_start = true;
  for (Char& c : r) {
    if (IsLetter(c) || c > 127) {
      if (at_word_start) c = zyl::detail::ascii_upper(c);
      at_word_start = false;
    } else if (IsDigit(c)) {
      at_word_start = false;
    } else {
      at_word_start = true;
    }
  }
  return r;
}

String ExpandDiphthongs(const String& S) {
  String r;
  r.reserve(S.size() + S.size() / 8);
  for (std::size_t i = 0; i < S.size(); ++i) {
    const Char c = S[i];
    switch (c) {
      case u'µ': r += u'u'; break;
      case u'ä': r += u"ae"; break;
      case u'ö': r += u"oe"; break;
      case u'ü': r += u"ue"; break;
      case u'ß': r += u"ss"; break;
      case u'Ä':
      case u'Ö':
      case u'Ü': {
        const bool small_next = i + 1 < S.size() && S[i + 1] >= u'a' && S[i + 1] <= u'z';
        r += c == u'Ä' ? u'A' : c == u'Ö' ? u'O' : u'U';
        r += small_next ? u'e' : u'E';
        break;
      }
      default: r += c;
    }
  }
  return r;
}

bool EqualAnsiStrings(const String& S1, const String& S2) { return zyl::AnsiStrIComp(S1, S2) == 0; }

}  // namespace ZYL_stringl

// Library: zyl / Package: ZYL_stringl / Module: charlist
#include "ZYL_stringl/charlist.h"

#include <algorithm>
#include <bitset>
#include <string_view>

namespace ZYL_stringl {
namespace {

struct list_macro {
  std::u16string_view name;
  zyl::Char first;
  zyl::Char last;
};

constexpr list_macro kMacros[] = {
    {u"//dig", u'0', u'9'}, {u"//lc", u'a', u'z'}, {u"//uc", u'A', u'Z'}, {u"//31dwn", 0, 31}, {u"//128up", 128, 255},
};

// Expands the macros, each at its first occurrence, until none is left.
// No expansion holds a "/", so expanding never forms a new macro and the
// order of expansion does not matter.
String expand_macros(String list) {
  for (bool expanded = true; expanded;) {
    expanded = false;
    for (const list_macro& m : kMacros) {
      const std::size_t at = list.find(m.name);
      if (at == String::npos) continue;
      String range;
      for (unsigned c = m.first; c <= m.last; ++c) range += static_cast<zyl::Char>(c);
      list.replace(at, m.name.size(), range);
      expanded = true;
    }
  }
  return list;
}

std::bitset<256> char_table(const String& list) {
  std::bitset<256> t;
  for (zyl::Char c : expand_macros(list)) {
    if (c < 256) t.set(c);
  }
  return t;
}

}  // namespace

bool StringContains(const String& S, const String& CharList) {
  const std::bitset<256> t = char_table(CharList);
  return std::any_of(S.begin(), S.end(), [&t](zyl::Char c) { return c < 256 && t.test(c); });
}

bool StringContainsOtherThan(const String& S, const String& CharList) {
  const std::bitset<256> t = char_table(CharList);
  return std::any_of(S.begin(), S.end(), [&t](zyl::Char c) { return c < 256 && !t.test(c); });
}

}  // namespace ZYL_stringl

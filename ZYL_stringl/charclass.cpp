// Library: zyl / Package: ZYL_stringl / Module: charclass
#include "ZYL_stringl/charclass.h"

#include <algorithm>
#include <string_view>

namespace ZYL_stringl {
namespace {

std::bitset<256> make_word_seps() {
  std::bitset<256> s;
  for (Char c : std::u16string_view(u"\0\n\r \"#%'()*+,-./:;<=>[\\]{}", 26)) s.set(c);
  return s;
}

}  // namespace

std::bitset<256> WordSeps = make_word_seps();

bool IsAbbreviation(const String& S) {
  std::size_t longest = 0, run = 0, small_or_digit = 0;
  for (Char c : S) {
    if (c >= u'A' && c <= u'Z') {
      longest = std::max(longest, ++run);
      continue;
    }
    run = 0;
    if ((c >= u'a' && c <= u'z') || IsDigit(c)) ++small_or_digit;
  }
  return longest > 1 && small_or_digit < longest;
}

int CountWords(const String& S) {
  int words = 0;
  std::size_t run = 0;
  for (Char c : S) {
    if (!is_word_sep(c)) {
      ++run;
      continue;
    }
    if (run >= 2) ++words;
    run = 0;
  }
  return words;
}

}  // namespace ZYL_stringl

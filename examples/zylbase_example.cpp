// Month, weekday and number words in the languages the package knows.
#include <cstdio>

#include "zyl.h"

int main() {
  using zyl::TLanguage;
  for (TLanguage lang : {TLanguage::lgEnglish, TLanguage::lgGerman, TLanguage::lgFrench}) {
    std::printf("%s: %s, %s, %s\n", zyl::to_utf8(zyl::iso639_2(lang)).c_str(),
                zyl::to_utf8(zyl::month_long(lang, 2)).c_str(), zyl::to_utf8(zyl::weekday_long(lang, 7)).c_str(),
                zyl::to_utf8(zyl::number_word(lang, 12)).c_str());
  }
  return zyl::number_word(TLanguage::lgGerman, 12) == u"zwölf" ? 0 : 1;
}

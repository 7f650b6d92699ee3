// Library: zyl / Package: ZYL_zylbase / Module: localetables
//
// Accented letters are written as octal escapes of their Latin-1 codes
// (\344 = ä, \366 = ö, \374 = ü, \351 = é, \373 = û, \347 = ç, \341 = á,
// \363 = ó, \361 = ñ) so that the bytes stored are Latin-1 whatever the
// source encoding.
#include "ZYL_zylbase/localetables.h"

#include <string>

#include "ZYL_zylbase/errors.h"

namespace ZYL_zylbase {

constexpr TLocaleTable<12> MonthShort = {{
    {"M01", "M02", "M03", "M04", "M05", "M06", "M07", "M08", "M09", "M10", "M11", "M12"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"J\344n", "Feb", "M\344r", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"jan", "f\351v", "mar", "avr", "mai", "juin", "jul", "ao\373", "sep", "oct", "nov", "d\351c"},
    {"Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"},
}};

constexpr TLocaleTable<12> MonthLong = {{
    {"M01", "M02", "M03", "M04", "M05", "M06", "M07", "M08", "M09", "M10", "M11", "M12"},
    {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November",
     "December"},
    {"J\344nner", "Februar", "M\344rz", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November",
     "Dezember"},
    {"janvier", "f\351vrier ", "mars", "avril", "mai", "juin", "juillet", "ao\373t", "septembre", "octobre", "novembre",
     "d\351cembre"},
    {"enero", "febrero", "marzo", "abril", "mai", "junio", "julio", "agosto", "septiembre", "octubre", "noviembre",
     "diciembre"},
}};

constexpr TLocaleTable<7> WeekDayShort = {{
    {"D01", "D02", "D03", "D04", "D05", "D06", "D07"},
    {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
    {"lun", "mar", "mer", "jeu", "ven", "sam", "dim"},
    {"lun", "mar", "mie", "jue", "vie", "sab", "dom"},
}};

constexpr TLocaleTable<7> WeekDayLong = {{
    {"D01", "D02", "D03", "D04", "D05", "D06", "D07"},
    {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
    {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"},
    {"lunes", "martes", "mi\351rcoles", "jueves", "viernes", "s\341bado", "domingo"},
}};

constexpr TLocaleTable<13> NumWords = {{
    {"N00", "N01", "N02", "N03", "N04", "N05", "N06", "N07", "N08", "N09", "N10", "N11", "N12"},
    {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "eleven", "twelve"},
    {"null", "eins", "zwei", "drei", "vier", "f\374nf", "sechs", "sieben", "acht", "neun", "zehn", "elf", "zw\366lf"},
    {"z\351ro", "celui", "deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf", "dix", "onze", "douze"},
    {"cero", "uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "diez", "once", "doce"},
}};

constexpr TLocaleTable<kLanguageCount> LanguageID = {{
    {"???", "???", "???", "???", "???"},
    {"???", "English", "German", "French", "Spanish"},
    {"???", "englisch", "deutsch", "franz\366sisch", "spanisch"},
    {"???", "anglais", "allemand", "fran\347ais", "espagnol"},
    {"???", "ingl\351s", "alem\341n", "franc\351s", "espa\361ol"},
}};

constexpr TLocaleRow<kLanguageCount> ISO639_2Char = {"??", "en", "de", "fr", "es"};
constexpr TLocaleRow<kLanguageCount> ISO639_3Char = {"???", "eng", "ger", "fre", "spa"};

namespace {

// Every entry keeps to its table's maximum length.
template <std::size_t N>
constexpr bool fits(const TLocaleTable<N>& t, std::size_t max) {
  for (const auto& row : t) {
    for (std::string_view s : row) {
      if (s.size() > max) return false;
    }
  }
  return true;
}
static_assert(fits(MonthShort, 4) && fits(MonthLong, 10) && fits(WeekDayShort, 3) && fits(WeekDayLong, 10) &&
              fits(NumWords, 6) && fits(LanguageID, 15));

template <std::size_t N>
zyl::String entry(const TLocaleTable<N>& t, TLanguage lang, int index, int base, const char* what) {
  const int i = index - base;
  if (i < 0 || i >= static_cast<int>(N) || Ord(lang) >= static_cast<int>(kLanguageCount)) {
    throw EZYLError(zyl::from_ascii(std::string(what) + " " + std::to_string(index) + " out of range " +
                                    std::to_string(base) + ".." + std::to_string(base + static_cast<int>(N) - 1)));
  }
  return zyl::from_latin1(t[static_cast<std::size_t>(Ord(lang))][static_cast<std::size_t>(i)]);
}

zyl::String code_of(const TLocaleRow<kLanguageCount>& row, TLanguage lang) {
  const auto i = static_cast<std::size_t>(Ord(lang));
  if (i >= row.size()) throw EZYLError(u"language " + zyl::from_ascii(std::to_string(i)) + u" out of range");
  return zyl::from_latin1(row[i]);
}

}  // namespace

zyl::String month_short(TLanguage Lang, int Month) { return entry(MonthShort, Lang, Month, 1, "month"); }
zyl::String month_long(TLanguage Lang, int Month) { return entry(MonthLong, Lang, Month, 1, "month"); }
zyl::String weekday_short(TLanguage Lang, int Day) { return entry(WeekDayShort, Lang, Day, 1, "weekday"); }
zyl::String weekday_long(TLanguage Lang, int Day) { return entry(WeekDayLong, Lang, Day, 1, "weekday"); }
zyl::String number_word(TLanguage Lang, int Number) { return entry(NumWords, Lang, Number, 0, "number word"); }

zyl::String language_name(TLanguage WrittenIn, TLanguage Named) {
  return entry(LanguageID, WrittenIn, Ord(Named), 0, "language");
}

zyl::String iso639_2(TLanguage Lang) { return code_of(ISO639_2Char, Lang); }
zyl::String iso639_3(TLanguage Lang) { return code_of(ISO639_3Char, Lang); }

}  // namespace ZYL_zylbase

#include <gtest/gtest.h>

#include "ZYL_zylbase/errors.h"
#include "ZYL_zylbase/localetables.h"
#include "ZYL_zylbase/nametables.h"

namespace ZYL_zylbase {
namespace {

using L = TLanguage;

TEST(LocaleTables, AccentedLettersReadBackAsUtf16) {
  struct Case {
    const char* label;
    zyl::String got;
    zyl::String want;
  };
  const Case cases[] = {
      {"German short January", month_short(L::lgGerman, 1), u"Jän"},
      {"German long March", month_long(L::lgGerman, 3), u"März"},
      {"French short August", month_short(L::lgFrench, 8), u"aoû"},
      {"French long December", month_long(L::lgFrench, 12), u"décembre"},
      {"French February keeps its blank", month_long(L::lgFrench, 2), u"février "},
      {"Spanish Wednesday", weekday_long(L::lgSpanish, 3), u"miércoles"},
      {"Spanish Saturday", weekday_long(L::lgSpanish, 6), u"sábado"},
      {"German twelve", number_word(L::lgGerman, 12), u"zwölf"},
      {"French zero", number_word(L::lgFrench, 0), u"zéro"},
      {"French in German", language_name(L::lgGerman, L::lgFrench), u"französisch"},
      {"French in French", language_name(L::lgFrench, L::lgFrench), u"français"},
      {"Spanish in Spanish", language_name(L::lgSpanish, L::lgSpanish), u"español"},
      {"German in Spanish", language_name(L::lgSpanish, L::lgGerman), u"alemán"},
      {"unknown row", language_name(L::lgUnknown, L::lgEnglish), u"???"},
      {"English Sunday is day 7", weekday_short(L::lgEnglish, 7), u"Sun"},
      {"neutral month code", month_long(L::lgUnknown, 12), u"M12"},
      {"ISO 639 two letters", iso639_2(L::lgSpanish), u"es"},
      {"ISO 639 three letters", iso639_3(L::lgGerman), u"ger"},
      {"ISO 639 unknown", iso639_3(L::lgUnknown), u"???"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(zyl::to_utf8(c.got), zyl::to_utf8(c.want));
  }
  EXPECT_EQ(month_long(L::lgFrench, 2).size(), 8u);
  EXPECT_EQ(MonthShort[2][0], "J\xe4n") << "stored as Latin-1 bytes";
}

TEST(LocaleTables, AccessorsRejectIndicesOutOfRange) {
  EXPECT_THROW((void)month_short(L::lgEnglish, 0), EZYLError);
  EXPECT_THROW((void)month_long(L::lgEnglish, 13), EZYLError);
  EXPECT_THROW((void)weekday_long(L::lgEnglish, 8), EZYLError);
  EXPECT_THROW((void)number_word(L::lgEnglish, 13), EZYLError);
  EXPECT_THROW((void)number_word(L::lgEnglish, -1), EZYLError);
  EXPECT_THROW((void)iso639_2(static_cast<L>(5)), EZYLError);
  EXPECT_EQ(zyl::to_utf8(number_word(L::lgEnglish, 12)), "twelve");
}

TEST(NameTables, CSVDelimiters) {
  struct Case {
    zyl::Char c;
    TCSVDelimiters want;
  };
  const Case cases[] = {{u';', TCSVDelimiters::csvSemicolon}, {u'\t', TCSVDelimiters::csvTab},
                        {u' ', TCSVDelimiters::csvBlank},     {u',', TCSVDelimiters::csvComma},
                        {u':', TCSVDelimiters::csvColon},     {u'x', TCSVDelimiters::csvUnknown},
                        {0, TCSVDelimiters::csvUnknown},      {u'\x013b', TCSVDelimiters::csvUnknown}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.c));
    EXPECT_EQ(ResolveCSVDelimiter(c.c), c.want);
  }
  EXPECT_EQ(CSVDELIMITERIDS[Ord(TCSVDelimiters::csvTab)], u"tab");
  EXPECT_EQ(DistModeId[Ord(TDistMode::dmEuclidSqr)], u"squared Euclidean");
}

TEST(NameTables, EntriesNameTheirValues) {
  EXPECT_EQ(xmlVarKind[Ord(TVarKind::Bool)], u"bool");
  EXPECT_EQ(xmlMouseActMode[Ord(TMouseActMode::maZoomPanColors)], u"maZoomPanColors");
  EXPECT_EQ(xmlMouseActMode[Ord(TMouseActMode::maDragLabel)], u"maDragLabel");
  EXPECT_EQ(xmlTxtLblMode[Ord(TTxtLblMode::tlsimple)], u"tlsimple");
  EXPECT_EQ(xmlFrameStyle[Ord(TFrameStyle::fsEngraved)], u"fsEngraved");
  EXPECT_EQ(xmlLanguage[Ord(TLanguage::lgSpanish)], u"lgSpanish");
  EXPECT_EQ(xmlDateForTime[Ord(TDateForTime::dtAllTicks)], u"dtAllTicks");
}

}  // namespace
}  // namespace ZYL_zylbase

// Text labels: defaults and notification rules, copying, the XML form
// written line by line, reading it back (ids, old files, truncated files),
// and random labels surviving a round trip; the date/time label and the
// cross hair.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

#include "platform/casemap.h"
#include "platform/exceptions.h"
#include "support/tempdir.h"
#include "ZYL_zylbase/crosshair.h"
#include "ZYL_zylbase/dtlabel.h"
#include "ZYL_zylbase/textlabel.h"

using namespace zyl;
using namespace ZYL_zylbase;

namespace {

class LabelFiles : public zyl::test::TempDirTest {
 protected:
  String write(const TCustomTextLabel& L, bool Header, const String& Id, int Indent, const char* Name = "l.xml") {
    TextFile f;
    f.Assign(tmp.file(Name));
    f.Rewrite();
    L.WriteToOpenXMLFile(f, Header, Id, Indent);
    f.CloseFile();
    return tmp.file(Name);
  }
  void put(const char* Name, const std::string& Bytes) { zyl::test::write_file_bytes(tmp.path() / Name, Bytes); }
  bool read(TCustomTextLabel& L, const char* Name, const String& Id) {
    TextFile f;
    f.Assign(tmp.file(Name));
    f.Reset();
    const bool ok = L.ReadFromOpenXMLFile(f, Id);
    f.CloseFile();
    return ok;
  }
};

TEST_F(LabelFiles, ANewLabelIsWrittenLineByLine) {
  TCustomTextLabel l;
  write(l, false, u"L1", 2);
  const std::string want =
      "\r\n"
      "  <!-- TCustomTextLabel / ZYL Component Suite -->\r\n"
      "  <custtextlbl sig=\"ZYLCSuite\" vers=\"1.0\" id=\"L1\">\r\n"
      "    <posxy x=1.0000000000000000E+02 y=1.0000000000000000E+01 />\r\n"
      "    <caption></caption>\r\n"
      "    <colors brd=$000000 bg=$C0C0C0 shdw=$808080 />\r\n"
      "    <shadowofs dx=0 dy=0 />\r\n"
      "    <layer val=1 />\r\n"
      "    <transparent val=0 />\r\n"
      "    <visible val=1 />\r\n"
      "    <alignment horiz=taCenter vert=vaBottom />\r\n"
      "    <attachmode val=tlamNone />\r\n"
      "    <font name=\"Tahoma\" size=8 color=$000000 style=\"\" />\r\n"
      "    <style val=tlsimple />\r\n"
      "  </custtextlbl>\r\n";
  EXPECT_EQ(zyl::test::read_file_bytes(tmp.path() / "l.xml"), want);
}

TEST_F(LabelFiles, HeaderIndentationColoursAndEscapes) {
  TCustomTextLabel l;
  l.SetTxtLblColorBrd(0x0000FF);  // red: blue first in the text
  l.SetTxtLblCaption(u"a<b>&c");
  TFont f;
  f.SetStyle({TFontStyle::fsItalic, TFontStyle::fsBold, TFontStyle::fsStrikeOut});
  l.SetTxtLblFont(f);
  l.SetTxtLblPosX(-0.5);
  for (const auto& [indent, blanks] : {std::pair{0, 1}, {-7, 1}, {3, 3}, {300, 255}}) {
    write(l, true, u"x", indent);
    const std::string bytes = zyl::test::read_file_bytes(tmp.path() / "l.xml");
    const std::string p(static_cast<std::size_t>(blanks), ' ');
    EXPECT_EQ(bytes.substr(0, p.size() + 23), p + "<?xml version=\"1.0\"?>\r\n") << indent;
    EXPECT_NE(bytes.find("\r\n\r\n" + p + "<!--"), std::string::npos) << "the empty line has no blanks";
    EXPECT_NE(bytes.find(p + "  <colors brd=$0000FF "), std::string::npos);
    EXPECT_NE(bytes.find(p + "  <caption>a&lt;b&gt;&amp;c</caption>\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("style=\"fsBold fsItalic fsStrikeOut\" />"), std::string::npos);
    EXPECT_NE(bytes.find("<posxy x=-5.0000000000000000E-01 y="), std::string::npos);
  }
}

TEST_F(LabelFiles, ReadingFindsTheElementByIdInAnyCase) {
  TCustomTextLabel a, b;
  a.SetTxtLblCaption(u"first");
  b.SetTxtLblCaption(u"second");
  TextFile f;
  f.Assign(tmp.file("two.xml"));
  f.Rewrite();
  a.WriteToOpenXMLFile(f, true, u"Axis1", 2);
  b.WriteToOpenXMLFile(f, false, u"Axis2", 2);
  f.CloseFile();

  TCustomTextLabel r;
  int changes = 0;
  r.OnChange = [&](TObject*) { ++changes; };
  EXPECT_TRUE(read(r, "two.xml", u"AXIS2"));
  EXPECT_EQ(r.Caption(), u"second");
  EXPECT_EQ(changes, 1) << "reading notifies once";
  EXPECT_TRUE(read(r, "two.xml", u""));
  EXPECT_EQ(r.Caption(), u"first") << "an empty id takes the first element";
  changes = 0;
  EXPECT_FALSE(read(r, "two.xml", u"Axis3"));
  EXPECT_EQ(r.Caption(), u"first");
  EXPECT_EQ(changes, 0) << "nothing found: unchanged, not notified";
}

TEST_F(LabelFiles, OldAndDamagedFiles) {
  // Written by hand as older programs did: unescaped caption, lower-case
  // names, a layer outside the setter's range, an unknown tag.
  put("old.xml",
      "<custtextlbl sig=\"zylcsuite\" id=\" A \">\r\n"
      "<posxy x=  1,5E2 y=abc />\r\n"
      "<unknown foo=1 />\r\n"
      "<layer val=40 />\r\n"
      "<COLORS brd=ff bg=zz shdw=$1g />\r\n"
      "<alignment horiz=tacenter vert=vaTop />\r\n"
      "<caption>x > y</caption>\r\n"
      "</custtextlbl>");
  TCustomTextLabel l;
  EXPECT_TRUE(read(l, "old.xml", u"a")) << "a closing tag at the very end counts";
  EXPECT_EQ(l.PosX(), 150.0);
  EXPECT_EQ(l.PosY(), 0.0);
  EXPECT_EQ(l.Layer(), 40);
  EXPECT_EQ(l.ColorBrd(), 0xFFu);
  EXPECT_EQ(l.ColorBkg(), 0u);
  EXPECT_EQ(l.ColorShadow(), 1u);
  EXPECT_EQ(l.Alignment(), TAlignment::taCenter) << "names compare exactly: tacenter is unknown";
  EXPECT_EQ(l.VertAlignment(), TVerticalAlignment::vaTop);
  EXPECT_EQ(l.Caption(), u"x >") << "an unescaped > cuts the caption";

  put("cut.xml", "<custtextlbl sig=\"ZYLCSuite\" id=\"b\">\r\n<layer val=3 />\r\n<shadowofs dx=-4 dy=+7 />\r\n<visi");
  TCustomTextLabel m;
  int changes = 0;
  m.OnChange = [&](TObject*) { ++changes; };
  EXPECT_FALSE(read(m, "cut.xml", u"B"));
  EXPECT_EQ(m.Layer(), 3) << "what was read is kept";
  EXPECT_EQ(m.ShadowDx(), -4);
  EXPECT_EQ(m.ShadowDy(), 7);
  EXPECT_EQ(changes, 1);
}

TEST_F(LabelFiles, RandomLabelsSurviveARoundTrip) {
  const unsigned seed = 14;
  std::mt19937 gen(seed);
  auto pick = [&](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
  const String alphabet = u"ab Z09<>&;\n\"=/é€";
  const String fonts[] = {u"Tahoma", u"DejaVu Sans", u"x"};
  std::vector<TCustomTextLabel> labels(60);
  TextFile f;
  f.Assign(tmp.file("many.xml"));
  f.Rewrite();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    TCustomTextLabel& l = labels[i];
    std::uniform_real_distribution<double> real(-1e6, 1e6);
    l.SetTxtLblPosX(real(gen) * std::pow(10.0, pick(40) - 20));
    l.SetTxtLblPosY(real(gen));
    l.SetTxtLblLayer(1 + pick(16));
    l.SetTxtLblShadowDx(static_cast<std::int32_t>(gen()));
    l.SetTxtLblShadowDy(pick(21) - 10);
    l.SetTxtLblColorShadow(gen() & 0xFFFFFF);
    l.SetTxtLblColorBkg(gen() & 0xFFFFFF);
    l.SetTxtLblColorBrd(gen() & 0xFFFFFF);
    l.SetTxtLblAlignment(static_cast<TAlignment>(pick(3)));
    l.SetTxtLblVertAlignment(static_cast<TVerticalAlignment>(pick(3)));
    l.SetTxtLblScreenPos(static_cast<TTxtLblAttachMode>(pick(4)));
    l.SetTxtLblTranspar(pick(2) == 1);
    l.SetTxtLblVisible(pick(2) == 1);
    l.SetTxtLblMode(static_cast<TTxtLblMode>(pick(5)));
    String caption;
    for (int n = pick(20); n > 0; --n) caption.push_back(alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))]);
    l.SetTxtLblCaption(caption);
    TFont font;
    font.SetName(fonts[pick(3)]);
    font.SetSize(pick(72));
    font.SetColor(gen() & 0xFFFFFF);
    TFontStyles st;
    for (int s = 0; s < 4; ++s)
      if (pick(2)) st.Include(static_cast<TFontStyle>(s));
    font.SetStyle(st);
    l.SetTxtLblFont(font);
    l.WriteToOpenXMLFile(f, i == 0, u"id" + from_utf8(std::to_string(i)), pick(5));
  }
  f.CloseFile();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const TCustomTextLabel& w = labels[i];
    TCustomTextLabel r;
    ASSERT_TRUE(read(r, "many.xml", u"ID" + from_utf8(std::to_string(i)))) << "seed " << seed << " label " << i;
    SCOPED_TRACE(i);
    EXPECT_EQ(r.PosX(), w.PosX());
    EXPECT_EQ(r.PosY(), w.PosY());
    EXPECT_EQ(r.Layer(), w.Layer());
    EXPECT_EQ(r.ShadowDx(), w.ShadowDx());
    EXPECT_EQ(r.ShadowDy(), w.ShadowDy());
    EXPECT_EQ(r.ColorShadow(), w.ColorShadow());
    EXPECT_EQ(r.ColorBkg(), w.ColorBkg());
    EXPECT_EQ(r.ColorBrd(), w.ColorBrd());
    EXPECT_EQ(r.Alignment(), w.Alignment());
    EXPECT_EQ(r.VertAlignment(), w.VertAlignment());
    EXPECT_EQ(r.AttachDat(), w.AttachDat());
    EXPECT_EQ(r.Transparent(), w.Transparent());
    EXPECT_EQ(r.Visible(), w.Visible());
    EXPECT_EQ(r.Mode(), w.Mode());
    EXPECT_EQ(r.Caption(), w.Caption());
    EXPECT_EQ(r.Font().Name(), w.Font().Name());
    EXPECT_EQ(r.Font().Size(), w.Font().Size());
    EXPECT_EQ(r.Font().Color(), w.Font().Color());
    EXPECT_EQ(r.Font().Style(), w.Font().Style());
  }
}

TEST_F(LabelFiles, HostileValuesSurviveARoundTrip) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* label;
    double x, y;
    String font;  // the font name
    String id;    // written as it stands, looked up upper-cased
  };
  const std::vector<Case> cases = {
      {"NaN and infinity", std::nan(""), inf, u"Tahoma", u"nan"},
      {"minus infinity, minus zero", -inf, -0.0, u"x", u"neg"},
      {"extremes", std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(), u"x", u"ext"},
      {"quotes in the font", 1, 2, u"My \"Quoted\" Font", u"quoted"},
      {"markup in the font", 3, 4, u"a>b<c&d", u"markup"},
      {"entities as text", 5, 6, u"&amp; &#10; &quot", u"entities"},
      {"line breaks in the font", 7, 8, u"two\nlines\r\nthree", u"breaks"},
      {"markup in the id", 9, 10, u"x", u"Axis \"1\" <a&b>"},
      {"line break in the id", 11, 12, u"x", u"first\nsecond"},
      {"entity text in the id", 13, 14, u"x", u"&quot;"},
  };
  TextFile f;
  f.Assign(tmp.file("hostile.xml"));
  f.Rewrite();
  for (const Case& c : cases) {
    TCustomTextLabel l;
    l.SetTxtLblPosX(c.x);
    l.SetTxtLblPosY(c.y);
    TFont font;
    font.SetName(c.font);
    font.SetSize(12);
    font.SetColor(0x123456);
    font.SetStyle({TFontStyle::fsItalic});
    l.SetTxtLblFont(font);
    l.SetTxtLblLayer(5);
    l.WriteToOpenXMLFile(f, false, c.id, 2);
  }
  f.CloseFile();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TCustomTextLabel r;
    ASSERT_TRUE(read(r, "hostile.xml", UpperCase(c.id)));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(r.PosX()) == std::bit_cast<std::uint64_t>(c.x) ||
                  (std::isnan(r.PosX()) && std::isnan(c.x)),
              true)
        << r.PosX();
    EXPECT_EQ(std::bit_cast<std::uint64_t>(r.PosY()), std::bit_cast<std::uint64_t>(c.y)) << r.PosY();
    EXPECT_EQ(r.Font().Name(), c.font);
    EXPECT_EQ(r.Font().Size(), 12);
    EXPECT_EQ(r.Font().Color(), 0x123456u);
    EXPECT_EQ(r.Font().Style(), TFontStyles({TFontStyle::fsItalic}));
    EXPECT_EQ(r.Layer(), 5) << "the tags after the font are still read";
  }
}

TEST(TextLabel, SettersNotifyOnEveryCallExceptIgnoredLayers) {
  TCustomTextLabel l;
  int changes = 0;
  l.OnChange = [&](TObject* s) {
    EXPECT_EQ(s, &l);
    ++changes;
  };
  TFont font;
  const std::function<void()> setters[] = {
      [&] { l.SetTxtLblScreenPos(TTxtLblAttachMode::tlamNone); }, [&] { l.SetTxtLblAlignment(TAlignment::taCenter); },
      [&] { l.SetTxtLblVertAlignment(TVerticalAlignment::vaBottom); }, [&] { l.SetTxtLblPosX(100); },
      [&] { l.SetTxtLblPosY(10); }, [&] { l.SetTxtLblLayer(1); }, [&] { l.SetTxtLblColorBkg(0xC0C0C0); },
      [&] { l.SetTxtLblColorBrd(0); }, [&] { l.SetTxtLblColorShadow(0x808080); }, [&] { l.SetTxtLblShadowDx(0); },
      [&] { l.SetTxtLblShadowDy(0); }, [&] { l.SetTxtLblVisible(true); }, [&] { l.SetTxtLblFont(font); },
      [&] { l.SetTxtLblCaption(u""); }, [&] { l.SetTxtLblTranspar(false); },
      [&] { l.SetTxtLblMode(TTxtLblMode::tlsimple); }};
  for (const auto& set : setters) {
    const int before = changes;
    set();
    EXPECT_EQ(changes, before + 1) << "setter " << (&set - setters);
  }
  changes = 0;
  l.SetTxtLblLayer(17);
  l.SetTxtLblLayer(0);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(l.Layer(), 1);
  l.SetTxtLblCaption(u"a\tb\nc\rd\x1f");
  EXPECT_EQ(l.Caption(), u"a b\nc d ");
}

TEST(TextLabel, AssignCopiesEveryFieldAndTheFontByValue) {
  TCustomTextLabel a, b;
  int fired = 0;
  a.OnChange = [&](TObject*) { ++fired; };
  a.SetTxtLblCaption(u"x");
  a.SetTxtLblLayer(5);
  TFont f;
  f.SetName(u"Mono");
  a.SetTxtLblFont(f);
  fired = 0;
  b.Assign(&a);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(b.Caption(), u"x");
  EXPECT_EQ(b.Layer(), 5);
  EXPECT_EQ(b.Font().Name(), u"Mono");
  EXPECT_NE(&b.Font(), &a.Font());
  b.SetTxtLblPosX(1);
  EXPECT_EQ(fired, 1) << "the handler was copied";
  TCrossHair h;
  EXPECT_THROW(b.Assign(&h), EConvertError);
}

TEST(DTLabel, DefaultsAndWhichSettersCompare) {
  TDTLabel d;
  EXPECT_EQ(d.DateSeparator(), u'.');
  EXPECT_EQ(d.TimeSeparator(), u':');
  EXPECT_EQ(d.DateOrder(), TDateOrder::doYYMMDD);
  EXPECT_EQ(d.DateForTime(), TDateForTime::dtOnePerChart);
  EXPECT_EQ(d.YearLength(), TYearLength::ylYYYY);
  int changes = 0;
  d.OnChange = [&](TObject*) { ++changes; };
  d.SetDateSeparator(u'.');
  d.SetTimeSeparator(u':');
  d.SetYearLength(TYearLength::ylYYYY);
  d.SetDateForTime(TDateForTime::dtOnePerChart);
  d.SetMonthName(false);
  EXPECT_EQ(changes, 0) << "unchanged values fire nothing";
  d.SetTimeFormat(TTimeFormat::tfHHMMSS);
  d.SetDAteOrder(TDateOrder::doYYMMDD);
  EXPECT_EQ(changes, 2) << "these two fire on every call";
  d.SetDateSeparator(u'/');
  d.SetMonthName(true);
  EXPECT_EQ(changes, 4);
  TDTLabel e;
  e.Assign(&d);
  EXPECT_EQ(e.DateSeparator(), u'/');
  EXPECT_TRUE(e.MonthName());
}

TEST(CrossHair, StartsAtZeroClampsLayersAndComparesPositions) {
  TCrossHair h;
  EXPECT_EQ(h.Layer(), 0);
  EXPECT_EQ(h.Mode(), TCrossHMode::chOff);
  EXPECT_EQ(h.LineWid(), 0);
  int changes = 0;
  h.OnChange = [&](TObject*) { ++changes; };
  h.SetCrossHLayer(7);
  EXPECT_EQ(h.Layer(), 2);
  h.SetCrossHLayer(-3);
  EXPECT_EQ(h.Layer(), 1);
  EXPECT_EQ(changes, 2);
  h.SetPos(0, 0);
  EXPECT_EQ(changes, 2);
  h.SetPos(0, 1);
  EXPECT_EQ(changes, 3);
  h.SetCrossHColor(0);
  EXPECT_EQ(changes, 4) << "plain setters fire on every call";
}

}  // namespace

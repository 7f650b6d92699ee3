#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/featmatrix.h"
#include "platform/exceptions.h"
#include "platform/numtext.h"
#include "platform/textfile.h"
#include "support/tempdir.h"

namespace ZYL_dstruct {
namespace {

using zyl::String;
using zyl::test::read_file_bytes;
using zyl::test::TempDirTest;
using zyl::test::write_file_bytes;

struct FeatureMatrixFile : TempDirTest {
  // Loads Text (written as the file's bytes) through LoadFromOpenFile.
  std::int32_t load_text(TFeatureMatrix& m, const std::string& text) {
    write_file_bytes(tmp.path() / "in.txt", text);
    zyl::TextFile f;
    f.Assign(tmp.file("in.txt"));
    f.Reset();
    const std::int32_t r = m.LoadFromOpenFile(f);
    f.CloseFile();
    return r;
  }
};

void build_sample(TFeatureMatrix& m) {
  m.Resize(3, 2);
  m.SetFeatType(1, 1, TFeatKind::fkInteger);
  m.SetFeatType(2, 2, TFeatKind::fkDouble);
  m.SetFeatType(3, 3, TFeatKind::fkString);
  m.RenumberFeatures(0, 0, 10, 5);
  m.GetFeatProps(1)->SetFeatName(u"count");
  m.GetFeatProps(2)->SetFeatName(u"Größe");
  m.GetFeatProps(2)->SetComment(u"in m");
  m.GetFeatProps(3)->SetPresetValues(u"a;b");
  m.GetFeatProps(3)->SetSorted(true);
  m.SetFeatValint(1, 1, -3);
  m.SetFeatValDouble(2, 1, 2.5e-7);
  m.SetFeatValStr(3, 2, u"two words");
}

const char* const kSampleFile =
    "#featdef 3 1\r\n"
    "1 fplFeatNum 10\r\n1 fplFeatName count\r\n1 fplFeatKind fkInteger\r\n"
    "1 fplComment \r\n1 fplPresets \r\n1 fplSorted FALSE\r\n"
    "2 fplFeatNum 15\r\n2 fplFeatName Gr\xC3\xB6\xC3\x9F" "e\r\n2 fplFeatKind fkDouble\r\n"
    "2 fplComment in m\r\n2 fplPresets \r\n2 fplSorted FALSE\r\n"
    "3 fplFeatNum 20\r\n3 fplFeatName undefined\r\n3 fplFeatKind fkString\r\n"
    "3 fplComment \r\n3 fplPresets a;b\r\n3 fplSorted TRUE\r\n"
    "#featvals 3 2\r\n"
    "1 1 -3\r\n2 1 2.5E-7\r\n3 2 two words\r\n"
    "#featend\r\n";

TEST_F(FeatureMatrixFile, SavesTheFormatByteForByte) {
  TFeatureMatrix m(nullptr);
  build_sample(m);
  m.Save(tmp.file("m.txt"));
  EXPECT_EQ(read_file_bytes(tmp.path() / "m.txt"), kSampleFile);
  // SaveToOpenFile writes the same at the file's current position.
  zyl::TextFile f;
  f.Assign(tmp.file("open.txt"));
  f.Rewrite();
  f.WriteLn(u"header");
  m.SaveToOpenFile(f);
  f.CloseFile();
  EXPECT_EQ(read_file_bytes(tmp.path() / "open.txt"), std::string("header\r\n") + kSampleFile);
}

TEST_F(FeatureMatrixFile, LoadRestoresEverythingSaved) {
  TFeatureMatrix m(nullptr);
  EXPECT_EQ(m.Load(tmp.file("missing.txt")), -1);
  write_file_bytes(tmp.path() / "m.txt", kSampleFile);
  int changes = 0;
  m.OnChange = [&](zyl::TObject*) { ++changes; };
  EXPECT_EQ(m.Load(tmp.file("m.txt")), 0);
  EXPECT_EQ(changes, 1);
  TFeatureMatrix expected(nullptr);
  build_sample(expected);
  ASSERT_EQ(m.NFeatures(), 3);
  ASSERT_EQ(m.NObjects(), 2);
  for (int f = 1; f <= 3; ++f) {
    const TFeatMatProps& a = *m.GetFeatProps(f);
    const TFeatMatProps& b = *expected.GetFeatProps(f);
    EXPECT_EQ(a.FeatNum(), b.FeatNum());
    EXPECT_EQ(a.FeatName(), b.FeatName());
    EXPECT_EQ(a.FeatKind(), b.FeatKind());
    EXPECT_EQ(a.Comment(), b.Comment());
    EXPECT_EQ(a.PresetValues(), b.PresetValues());
    EXPECT_EQ(a.Sorted(), b.Sorted());
    for (int o = 1; o <= 2; ++o) EXPECT_EQ(m.GetFeatValStr(f, o), expected.GetFeatValStr(f, o));
  }
  EXPECT_EQ(m.GetFeatValDouble(2, 1), 2.5e-7);
}

TEST_F(FeatureMatrixFile, RandomMatricesSurviveARoundTrip) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  const std::vector<String> words = {u"", u"a", u"x y", u"µ", u"#hash", u"fplFeatName", u"1 2 3", u"\u20AC\U0001F600"};
  for (int round = 0; round < 20; ++round) {
    TFeatureMatrix m(nullptr);
    m.Resize(static_cast<int>(rng() % 6), static_cast<int>(rng() % 6));
    for (int f = 1; f <= m.NFeatures(); ++f) {
      TFeatMatProps& p = *m.GetFeatProps(f);
      p.SetFeatKind(static_cast<TFeatKind>(rng() % 5));
      p.SetFeatNum(static_cast<std::int32_t>(rng()));
      p.SetFeatName(words[rng() % words.size()]);
      p.SetComment(words[rng() % words.size()]);
      p.SetPresetValues(words[rng() % words.size()]);
      p.SetSorted(rng() % 2 == 0);
      for (int o = 1; o <= m.NObjects(); ++o) {
        switch (p.FeatKind()) {
          case TFeatKind::fkInteger: m.SetFeatValint(f, o, static_cast<std::int64_t>(rng()) - (1LL << 31)); break;
          case TFeatKind::fkDouble: m.SetFeatValDouble(f, o, std::ldexp(static_cast<double>(rng()), static_cast<int>(rng() % 200) - 100)); break;
          case TFeatKind::fkString: m.SetFeatValStr(f, o, words[rng() % words.size()]); break;
          case TFeatKind::fkTriState: m.SetFeatValStr(f, o, rng() % 2 ? u"True" : u""); break;
          default: break;
        }
      }
    }
    m.Save(tmp.file("r.txt"));
    TFeatureMatrix back(nullptr);
    ASSERT_EQ(back.Load(tmp.file("r.txt")), 0);
    ASSERT_EQ(back.NFeatures(), m.NFeatures());
    ASSERT_EQ(back.NObjects(), m.NObjects());
    for (int f = 1; f <= m.NFeatures(); ++f) {
      // Names lose their surrounding blanks; these words have none except the
      // empty name, which reads back empty.
      EXPECT_EQ(back.GetFeatProps(f)->FeatName(), m.GetFeatProps(f)->FeatName());
      EXPECT_EQ(back.GetFeatProps(f)->FeatNum(), m.GetFeatProps(f)->FeatNum());
      EXPECT_EQ(back.GetFeatProps(f)->FeatKind(), m.GetFeatProps(f)->FeatKind());
      EXPECT_EQ(back.GetFeatProps(f)->Comment(), m.GetFeatProps(f)->Comment());
      EXPECT_EQ(back.GetFeatProps(f)->PresetValues(), m.GetFeatProps(f)->PresetValues());
      EXPECT_EQ(back.GetFeatProps(f)->Sorted(), m.GetFeatProps(f)->Sorted());
      if (m.GetFeatProps(f)->FeatKind() == TFeatKind::fkUndefined) continue;
      for (int o = 1; o <= m.NObjects(); ++o) EXPECT_EQ(back.GetFeatValStr(f, o), m.GetFeatValStr(f, o));
    }
    // Saving what was loaded gives the same bytes.
    back.Save(tmp.file("r2.txt"));
    EXPECT_EQ(read_file_bytes(tmp.path() / "r2.txt"), read_file_bytes(tmp.path() / "r.txt"));
  }
}

TEST_F(FeatureMatrixFile, LargeDeclaredCountsSurviveARoundTrip) {
  // Counts far beyond the values present: only the values take memory, so
  // these save and load in an instant and come back whole.
  struct Value {
    std::int32_t f, o;
    String text;
  };
  struct Case {
    const char* what;
    std::int32_t feats, objs;
    std::vector<Value> values;
  };
  const std::int32_t most = 2147483647;
  const std::vector<Case> cases = {
      {"the last of two billion objects", 1, most, {{1, most, u"last"}, {1, 1, u"first"}}},
      {"corners of a wide table", 3000, 1000000, {{3000, 1000000, u"z"}, {1, 1, u"a"}, {1500, 2, u"m"}}},
      {"nothing but counts", 3, 1000000000, {}},
      {"markup and blanks inside a value", 2, 5, {{2, 3, u"a  #featend <b> \"c\""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TFeatureMatrix m(nullptr);
    ASSERT_TRUE(m.Resize(c.feats, c.objs));
    for (const Value& v : c.values) {
      m.GetFeatProps(v.f)->SetFeatKind(TFeatKind::fkString);
      m.SetFeatValStr(v.f, v.o, v.text);
    }
    m.Save(tmp.file("big.txt"));
    TFeatureMatrix b(nullptr);
    ASSERT_EQ(b.Load(tmp.file("big.txt")), 0);
    EXPECT_EQ(b.NFeatures(), c.feats);
    EXPECT_EQ(b.NObjects(), c.objs);
    for (const Value& v : c.values) {
      EXPECT_EQ(b.GetFeatProps(v.f)->FeatKind(), TFeatKind::fkString);
      EXPECT_EQ(b.GetFeatValStr(v.f, v.o), v.text);
    }
    b.GetFeatProps(c.feats)->SetFeatKind(TFeatKind::fkString);
    EXPECT_EQ(b.GetFeatValStr(c.feats, c.objs - 1), u"") << "a value never set";
    // Six property lines per feature and one line per value, nothing more.
    EXPECT_LT(read_file_bytes(tmp.path() / "big.txt").size(), 200u * static_cast<std::size_t>(c.feats) + 400u);
  }

  // A value section alone declaring a million features: cleared properties
  // stand for all of them, created only when asked for.
  TFeatureMatrix v(nullptr);
  EXPECT_EQ(load_text(v, "#featvals 1048576 16\r\n1048576 16 x\r\n"), 0);
  EXPECT_EQ(v.NFeatures(), 1048576);
  EXPECT_EQ(v.FindFeatNum(0), 1);
  EXPECT_EQ(v.GetFeatProps(1048576)->FeatName(), u"undefined");
  EXPECT_EQ(v.FindFeatName(u"Undefined"), 1);
  v.GetFeatProps(1048576)->SetFeatKind(TFeatKind::fkString);
  EXPECT_EQ(v.GetFeatValStr(1048576, 16), u"x");
  v.RemoveFeature(1);
  EXPECT_EQ(v.GetFeatValStr(1048575, 16), u"x") << "the value moved with its feature";
  EXPECT_EQ(v.GetFeatProps(1048575)->FeatKind(), TFeatKind::fkString);
}

TEST_F(FeatureMatrixFile, ReadingResultsAndConsistency) {
  struct Case {
    const char* what;
    std::string text;
    int result, feats, objs;
  };
  const std::vector<Case> cases = {
      {"no # lines", "hello\r\nworld\r\n", -1, 0, 0},
      {"empty file", "", -1, 0, 0},
      {"unknown sections only", "#other 1\r\n#featend\r\n", -1, 0, 0},
      {"keywords ignore case, values alone", "#FeatVals 2 3\r\n2 3 x\r\n", 0, 2, 3},
      {"values stop at an empty line", "#featvals 1 2\r\n1 1 a\r\n\r\n1 2 b\r\n", 0, 1, 2},
      {"out-of-range value lines skipped", "#featvals 1 1\r\n2 1 a\r\n1 0 b\r\n1 1 c\r\n", 0, 1, 1},
      {"format number 2 ignored", "#featdef 1 2\r\n1 fplFeatNum 3\r\n", -1, 0, 0},
      {"properties alone", "#featdef 1 1\r\n1 fplFeatNum 7\r\n1 fplFeatName n\r\n1 fplFeatKind fkinteger\r\n"
                           "1 fplComment\r\n1 fplPresets\r\n1 fplGUIElem 5\r\n", 0, 1, 0},
      {"value section smaller than properties", std::string("#featdef 2 1\r\n") +
           "1 fplFeatNum 1\r\n1 fplFeatNum 1\r\n1 fplFeatNum 1\r\n1 fplFeatNum 1\r\n1 fplFeatNum 1\r\n1 fplFeatNum 1\r\n"
           "2 fplFeatNum 2\r\n2 fplFeatNum 2\r\n2 fplFeatNum 2\r\n2 fplFeatNum 2\r\n2 fplFeatNum 2\r\n2 fplFeatNum 2\r\n"
           "#featvals 1 1\r\n1 1 v\r\n", 0, 1, 1},
      {"truncated property section", "#featdef 2 1\r\n1 fplFeatNum 1\r\n", -2, 0, 0},
      {"bad property index", "#featdef 1 1\r\nx fplFeatNum 1\r\n1 a\r\n1 a\r\n1 a\r\n1 a\r\n1 a\r\n", -2, 0, 0},
      {"bad feature number", "#featdef 1 1\r\n1 fplFeatNum 1x\r\n1 a\r\n1 a\r\n1 a\r\n1 a\r\n1 a\r\n", -2, 0, 0},
      {"bad value index", "#featvals 1 1\r\n1 one v\r\n", -2, 1, 1},
      {"missing object count", "#featvals 1\r\n", -2, 0, 0},
      {"negative count", "#featvals -1 2\r\n", -2, 0, 0},
      {"many values declared, one present", "#featvals 65536 65536\r\n65536 65536 x\r\n", 0, 65536, 65536},
      {"too many features declared", "#featdef 2000000 1\r\n", -2, 0, 0},
      {"numbers beyond 32 bits", "#featvals 1 99999999999\r\n", -2, 0, 0},
      {"many objects, no features", "#featvals 0 2000000000\r\n", 0, 0, 2000000000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TFeatureMatrix m(nullptr);
    m.Resize(4, 4);  // loading clears whatever was there
    EXPECT_EQ(load_text(m, c.text), c.result);
    EXPECT_EQ(m.NFeatures(), c.feats);
    EXPECT_EQ(m.NObjects(), c.objs);
    // Whatever happened, every feature has properties and every cell exists.
    for (int f = 1; f <= std::min(m.NFeatures(), 100); ++f) {
      ASSERT_NE(m.GetFeatProps(f), nullptr);
      m.GetFeatProps(f)->SetFeatKind(TFeatKind::fkString);
      if (m.NObjects() < 10)
        for (int o = 1; o <= m.NObjects(); ++o) (void)m.GetFeatValStr(f, o);
    }
  }
}

TEST_F(FeatureMatrixFile, PropertySectionDetails) {
  TFeatureMatrix m(nullptr);
  ASSERT_EQ(load_text(m, "#featdef 2 1\r\n"
                         "  2   fplfeatname   spaced name  \r\n2 FPLSORTED true\r\n2 fplFeatKind fkBogus\r\n"
                         "9 fplFeatNum 1\r\n1 fplFeatKind FKTRISTATE\r\n1 fplPresets a b\r\n"
                         "7 8 9\r\n12 5\r\n1 fplFeatNum -12\r\n2 fplFeatNum +3\r\n1 fplSorted yes\r\n2 fplComment\r\n"
                         "#featvals 2 2\r\n1 2   TRUE  \r\n#featend\r\n1 1 ignored\r\n"),
            0);
  EXPECT_EQ(m.GetFeatProps(2)->FeatName(), u"spaced name");
  EXPECT_TRUE(m.GetFeatProps(2)->Sorted());
  EXPECT_EQ(m.GetFeatProps(2)->FeatKind(), TFeatKind::fkUndefined);
  EXPECT_EQ(m.GetFeatProps(2)->FeatNum(), 3);
  EXPECT_EQ(m.GetFeatProps(1)->FeatKind(), TFeatKind::fkTriState);
  EXPECT_EQ(m.GetFeatProps(1)->PresetValues(), u"a b");
  EXPECT_EQ(m.GetFeatProps(1)->FeatNum(), -12);
  EXPECT_FALSE(m.GetFeatProps(1)->Sorted());
  EXPECT_EQ(m.GetFeatValStr(1, 2), u"TRUE");
  EXPECT_EQ(m.GetFeatValStr(1, 1), u"");
}

TEST_F(FeatureMatrixFile, LoadMapsTheReaderResults) {
  TFeatureMatrix m(nullptr);
  write_file_bytes(tmp.path() / "none.txt", "no sections\r\n");
  EXPECT_EQ(m.Load(tmp.file("none.txt")), -2);
  write_file_bytes(tmp.path() / "bad.txt", "#featvals x\r\n");
  EXPECT_EQ(m.Load(tmp.file("bad.txt")), -3);
  // An older 8-bit file and LF line ends read too.
  write_file_bytes(tmp.path() / "latin1.txt", "#featdef 1 1\n1 fplFeatName Gr\xF6\xDF" "e\n1 a\n1 a\n1 a\n1 a\n1 a\n");
  EXPECT_EQ(m.Load(tmp.file("latin1.txt")), 0);
  EXPECT_EQ(m.GetFeatProps(1)->FeatName(), u"Größe");
  // Saving over a directory fails with the platform's I/O error.
  EXPECT_THROW(m.Save(tmp.file("")), zyl::EInOutError);
}

}  // namespace
}  // namespace ZYL_dstruct

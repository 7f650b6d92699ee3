#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/detail/featvalue.h"
#include "ZYL_dstruct/featmatrix.h"
#include "ZYL_zylbase/errors.h"
#include "platform/exceptions.h"
#include "platform/numtext.h"

namespace ZYL_dstruct {
namespace {

using zyl::String;
using ZYL_zylbase::EZYLDStructError;
using ZYL_zylbase::TTriState;

std::string u8(const String& s) { return zyl::to_utf8(s); }

// The message of the EZYLDStructError that f raises ("" when none).
std::string error_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const EZYLDStructError& e) {
    return u8(e.Message());
  }
  return "";
}

// A matrix with one feature of each kind: 1 integer, 2 double, 3 string,
// 4 tri-state, 5 undefined; 3 objects.
struct Kinds : ::testing::Test {
  Kinds() {
    m.SetName(u"M");
    m.Resize(5, 3);
    m.SetFeatType(1, 1, TFeatKind::fkInteger);
    m.SetFeatType(2, 2, TFeatKind::fkDouble);
    m.SetFeatType(3, 3, TFeatKind::fkString);
    m.SetFeatType(4, 4, TFeatKind::fkTriState);
  }
  TFeatureMatrix m{nullptr};
};

TEST(FeatureMatrix, NewAndResized) {
  TFeatureMatrix m(nullptr);
  EXPECT_EQ(m.NFeatures(), 0);
  EXPECT_EQ(m.NObjects(), 0);
  EXPECT_TRUE(m.Resize(3, 2));
  EXPECT_EQ(m.NFeatures(), 3);
  EXPECT_EQ(m.NObjects(), 2);
  for (int f = 1; f <= 3; ++f) {
    EXPECT_EQ(m.GetFeatProps(f)->FeatName(), u"undefined");
    EXPECT_EQ(m.GetFeatProps(f)->FeatKind(), TFeatKind::fkUndefined);
  }
  m.SetFeatType(0, 0, TFeatKind::fkString);
  for (int f = 1; f <= 3; ++f)
    for (int o = 1; o <= 2; ++o) EXPECT_EQ(m.GetFeatValStr(f, o), u"");
  EXPECT_EQ(FEATKINDIDS[static_cast<int>(TFeatKind::fkTriState)], u"tristate");
  EXPECT_EQ(FEATKINDIDS[0], u"undefined");
}

TEST_F(Kinds, SetFeatValStrChecksTheTextByKind) {
  struct Case {
    int feat;
    String text;
    std::string error;  // "" = accepted
  };
  const std::vector<Case> cases = {
      {1, u"+12", ""},
      {1, u"-5", ""},
      {1, u"007", ""},
      {1, u"", ""},
      {1, u"1.5", "Component \"M\": feature value \"1.5\" is not a valid integer number"},
      {1, u"+", "Component \"M\": feature value \"+\" is not a valid integer number"},
      {1, u" 1", "Component \"M\": feature value \" 1\" is not a valid integer number"},
      {2, u"2.5E-3", ""},
      {2, u"1.", ""},
      {2, u"12abc", ""},
      {2, u"", ""},
      {2, u"E5", "Component \"M\": feature value \"E5\" is not a valid floating point number"},
      {2, u"1,5", ""},  // the number 1 ends at ","; the rest is not examined
      {2, u"1E5000", "Component \"M\": feature value \"1E5000\" is not a valid floating point number"},
      {3, u"anything at all", ""},
      {4, u"TRUE", ""},
      {4, u"false", ""},
      {4, u"", ""},
      {4, u"yes", "Component \"M\": feature value \"yes\" is not a valid tri-state value"},
      {5, u"x", "Component \"M\": feature 5 is undefined"},
      {5, u"", "Component \"M\": feature 5 is undefined"},
      {3, u"two\nlines", "Component \"M\": feature value must not contain a line break"},
      {3, u"cr\r", "Component \"M\": feature value must not contain a line break"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(u8(c.text));
    EXPECT_EQ(error_of([&] { m.SetFeatValStr(c.feat, 2, c.text); }), c.error);
    if (c.error.empty()) {
      EXPECT_EQ(m.GetFeatValStr(c.feat, 2), c.text);
    }
  }
  // Out of range: ignored, neutral.
  m.SetFeatValStr(0, 1, u"x");
  m.SetFeatValStr(1, 4, u"x");
  EXPECT_EQ(m.GetFeatValStr(6, 1), u"");
  EXPECT_EQ(m.GetFeatValStr(1, 0), u"");
}

TEST_F(Kinds, TypedAccessorsAndTheirErrors) {
  // Integers: any kind's text is read; the setter needs a numeric or string kind.
  m.SetFeatValint(3, 1, 5000000000);
  EXPECT_EQ(m.GetFeatValStr(3, 1), u"5000000000");
  EXPECT_EQ(m.GetFeatValInt(3, 1), 5000000000);
  m.SetFeatValint(2, 1, -7);
  EXPECT_EQ(m.GetFeatValInt(2, 1), -7);
  EXPECT_EQ(error_of([&] { m.GetFeatValInt(5, 1); }), "Component \"M\": feature is not an integer");
  EXPECT_EQ(error_of([&] { m.SetFeatValint(4, 1, 1); }), "Component \"M\": feature is not of numeric or string type");
  m.SetFeatValStr(3, 2, u"99999999999999999999");
  EXPECT_THROW(m.GetFeatValInt(3, 2), zyl::EConvertError);

  // Doubles: the general 15-digit form; reading what the scanner reads.
  const std::vector<std::pair<double, String>> doubles = {
      {1.5, u"1.5"},       {1e20, u"1E20"},    {-2.5e-7, u"-2.5E-7"}, {1.0 / 3, u"0.333333333333333"},
      {0.0, u"0"},         {123456789012345.0, u"123456789012345"}, {1e15, u"1E15"}, {1e-5, u"0.00001"}, {1e-6, u"1E-6"},
      {-0.0001, u"-0.0001"}};
  for (const auto& [v, text] : doubles) {
    SCOPED_TRACE(u8(text));
    m.SetFeatValDouble(2, 3, v);
    EXPECT_EQ(m.GetFeatValStr(2, 3), text);
    EXPECT_NEAR(m.GetFeatValDouble(2, 3), v, std::fabs(v) * 1e-15);
  }
  // The whole text is converted: what follows the number raises the
  // conversion's error instead of being dropped.
  for (const String text : {u"12abc", u"1,5", u"1.5 2", u"1E"}) {
    SCOPED_TRACE(u8(text));
    m.SetFeatValStr(2, 3, text);
    try {
      (void)m.GetFeatValDouble(2, 3);
      ADD_FAILURE() << "no error";
    } catch (const zyl::EConvertError& e) {
      EXPECT_EQ(u8(e.Message()), "'" + u8(text) + "' is not a valid floating point value");
    }
  }
  m.SetFeatValStr(2, 3, u".5");
  EXPECT_EQ(m.GetFeatValDouble(2, 3), 0.5);
  m.SetFeatValStr(3, 3, u"n/a");
  EXPECT_EQ(error_of([&] { m.GetFeatValDouble(3, 3); }), "Component \"M\": feature is not a floating point number");
  EXPECT_EQ(error_of([&] { m.SetFeatValDouble(1, 1, 1.0); }),
            "Component \"M\": feature is not a floating point or string type");

  // Tri-states.
  m.SetFeatValTriState(4, 1, TTriState::tsUndefined);
  EXPECT_EQ(m.GetFeatValStr(4, 1), u"");
  EXPECT_EQ(m.GetFeatValTriState(4, 1), TTriState::tsUndefined);
  m.SetFeatValStr(4, 1, u"TRUE");
  EXPECT_EQ(m.GetFeatValTriState(4, 1), TTriState::tsTrue);
  m.SetFeatValTriState(3, 1, TTriState::tsFalse);
  EXPECT_EQ(m.GetFeatValStr(3, 1), u"false");
  m.SetFeatValStr(3, 1, u"yes");
  EXPECT_EQ(error_of([&] { m.GetFeatValTriState(3, 1); }), "Component \"M\": feature is not a tri-state value");
  EXPECT_EQ(error_of([&] { m.SetFeatValTriState(2, 1, TTriState::tsTrue); }),
            "Component \"M\": feature is not a tri-state or string type");

  // Out of range: neutral values, setters ignored without errors.
  EXPECT_EQ(m.GetFeatValInt(9, 1), 0);
  EXPECT_EQ(m.GetFeatValDouble(1, 9), 0.0);
  EXPECT_EQ(m.GetFeatValTriState(0, 0), TTriState::tsUndefined);
  m.SetFeatValint(5, 9, 1);
  m.SetFeatValDouble(9, 1, 1.0);
  m.SetFeatValTriState(9, 9, TTriState::tsTrue);
}

TEST_F(Kinds, FillOverloads) {
  EXPECT_TRUE(m.Fill(1, std::int64_t{42}));
  EXPECT_TRUE(m.Fill(2, 2.5));
  EXPECT_TRUE(m.Fill(3, String(u"s")));
  EXPECT_TRUE(m.Fill(4, TTriState::tsTrue));
  for (int o = 1; o <= 3; ++o) {
    EXPECT_EQ(m.GetFeatValStr(1, o), u"42");
    EXPECT_EQ(m.GetFeatValStr(2, o), u"2.5");
    EXPECT_EQ(m.GetFeatValStr(3, o), u"s");
    EXPECT_EQ(m.GetFeatValStr(4, o), u"true");
  }
  EXPECT_FALSE(m.Fill(6, String(u"1")));
  EXPECT_FALSE(m.Fill(0, 1));
  EXPECT_EQ(error_of([&] { m.Fill(1, String()); }), "Component \"M\": feature value \"\" is not a valid integer number");
  EXPECT_EQ(error_of([&] { m.Fill(2, String()); }),
            "Component \"M\": feature value \"\" is not a valid floating point number");
  EXPECT_EQ(error_of([&] { m.Fill(5, String(u"x")); }), "Component \"M\": feature 5 is undefined");
  EXPECT_EQ(error_of([&] { m.Fill(3, std::int64_t{1}); }), "Component \"M\": feature 3 is not an integer number");
  EXPECT_EQ(error_of([&] { m.Fill(3, 1.0); }), "Component \"M\": feature 3 is not floating point number");
  EXPECT_EQ(error_of([&] { m.Fill(3, TTriState::tsTrue); }), "Component \"M\": feature 3 is not a tri-state value");
  EXPECT_TRUE(m.Fill(4, String()));  // an empty tri-state is valid
}

TEST_F(Kinds, DefaultsOfClearingOperations) {
  for (int f = 1; f <= 4; ++f) m.Fill(f, String(f == 4 ? u"true" : u"7"));
  m.ClearObject(2);
  m.SetFeatType(5, 5, TFeatKind::fkString);
  const std::vector<String> expected = {u"0", u"0", u"", u"", u""};
  for (int f = 1; f <= 5; ++f) EXPECT_EQ(m.GetFeatValStr(f, 2), expected[static_cast<std::size_t>(f - 1)]);
  EXPECT_EQ(m.GetFeatValStr(1, 1), u"7");
  m.ClearFeature(3);
  EXPECT_EQ(m.GetFeatValStr(3, 1), u"");
  m.ResetToDefault();
  for (int f = 1; f <= 5; ++f)
    for (int o = 1; o <= 3; ++o) EXPECT_EQ(m.GetFeatValStr(f, o), expected[static_cast<std::size_t>(f - 1)]);
}

// The structural operations against a plain model of the value table.
TEST(FeatureMatrix, StructureMatchesAModelUnderRandomOperations) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  TFeatureMatrix m(nullptr);
  std::vector<std::vector<String>> model;           // [feature][object]
  std::vector<std::int32_t> nums;                   // FeatNum per feature
  auto objects = [&] { return model.empty() ? m.NObjects() : static_cast<int>(model[0].size()); };
  m.Resize(3, 4);
  model.assign(3, std::vector<String>(4));
  nums.assign(3, 0);
  m.SetFeatType(0, 0, TFeatKind::fkString);
  for (int step = 0; step < 3000; ++step) {
    const int nf = static_cast<int>(model.size()), no = objects();
    const int f = static_cast<int>(rng() % static_cast<unsigned>(nf + 3)) - 1;
    const int o = static_cast<int>(rng() % static_cast<unsigned>(no + 3)) - 1;
    switch (rng() % 8) {
      case 0: {
        const String v = zyl::from_utf8(std::to_string(rng() % 100));
        m.SetFeatValStr(f, o, v);
        if (f >= 1 && f <= nf && o >= 1 && o <= no) model[f - 1][o - 1] = v;
        break;
      }
      case 1:
        m.InsertObject(o);
        if (o >= 1 && o <= no)
          for (auto& col : model) col.insert(col.begin() + (o - 1), String());
        break;
      case 2:
        if (no > 1) {
          m.RemoveObject(o);
          if (o >= 1 && o <= no)
            for (auto& col : model) col.erase(col.begin() + (o - 1));
        }
        break;
      case 3:
        if (nf < 8) {
          m.InsertFeature(f);
          if (f >= 1 && f <= nf + 1) {
            model.insert(model.begin() + (f - 1), std::vector<String>(static_cast<std::size_t>(no)));
            nums.insert(nums.begin() + (f - 1), 0);
            m.GetFeatProps(f)->SetFeatKind(TFeatKind::fkString);
          }
        }
        break;
      case 4:
        if (nf > 1) {
          m.RemoveFeature(f);
          if (f >= 1 && f <= nf) {
            model.erase(model.begin() + (f - 1));
            nums.erase(nums.begin() + (f - 1));
          }
        }
        break;
      case 5: {
        const int t = static_cast<int>(rng() % static_cast<unsigned>(no + 2));
        m.CopyObject(o, t);
        if (o >= 1 && o <= no && t >= 1 && t <= no)
          for (auto& col : model) col[t - 1] = col[o - 1];
        break;
      }
      case 6: {
        const auto num = static_cast<std::int32_t>(rng() % 1000);
        if (f >= 1 && f <= nf) {
          m.GetFeatProps(f)->SetFeatNum(num);
          nums[f - 1] = num;
        }
        break;
      }
      default: {
        const int n = static_cast<int>(rng() % 6) + 1;
        if (rng() % 2) {
          m.SetNObjs(n);
          for (auto& col : model) col.resize(static_cast<std::size_t>(n));
        } else {
          m.SetNFeats(n);
          model.resize(static_cast<std::size_t>(n), std::vector<String>(static_cast<std::size_t>(m.NObjects())));
          nums.resize(static_cast<std::size_t>(n), 0);
          m.SetFeatType(0, 0, TFeatKind::fkString);
        }
      }
    }
    ASSERT_EQ(m.NFeatures(), static_cast<int>(model.size())) << "step " << step;
    ASSERT_EQ(m.NObjects(), objects()) << "step " << step;
    for (int ff = 1; ff <= m.NFeatures(); ++ff) {
      ASSERT_EQ(m.GetFeatProps(ff)->FeatNum(), nums[ff - 1]) << "step " << step;
      for (int oo = 1; oo <= m.NObjects(); ++oo) ASSERT_EQ(m.GetFeatValStr(ff, oo), model[ff - 1][oo - 1]);
    }
  }
}

TEST(FeatureMatrix, InsertBoundsAndFeatureContentsMove) {
  TFeatureMatrix m(nullptr);
  m.Resize(2, 2);
  m.InsertObject(3);  // NObjects + 1 is ignored for objects ...
  EXPECT_EQ(m.NObjects(), 2);
  m.GetFeatProps(2)->SetFeatName(u"second");
  TFeatMatProps* held = m.GetFeatProps(2);
  m.InsertFeature(3);  // ... but appends a feature
  EXPECT_EQ(m.NFeatures(), 3);
  EXPECT_EQ(m.GetFeatProps(3)->FeatName(), u"undefined");
  m.InsertFeature(1);
  EXPECT_EQ(m.GetFeatProps(3)->FeatName(), u"second");
  EXPECT_EQ(held, m.GetFeatProps(2)) << "the objects stay; their contents move";
  EXPECT_EQ(held->FeatName(), u"undefined");
}

TEST(FeatureMatrix, OnChangeFiresAsDocumented) {
  TFeatureMatrix m(nullptr);
  int changes = 0;
  m.OnChange = [&](zyl::TObject* sender) {
    EXPECT_EQ(sender, &m);
    ++changes;
  };
  struct Case {
    const char* what;
    std::function<void()> op;
    int expected;
  };
  const std::vector<Case> cases = {
      {"Resize", [&] { m.Resize(2, 3); }, 1},
      {"SetNFeats", [&] { m.SetNFeats(2); }, 1},
      {"ResetToDefault: once per object", [&] { m.ResetToDefault(); }, 3},
      {"SetFeatType: none", [&] { m.SetFeatType(0, 0, TFeatKind::fkString); }, 0},
      {"RenumberFeatures: none", [&] { m.RenumberFeatures(0, 0, 1, 1); }, 0},
      {"SetFeatValStr", [&] { m.SetFeatValStr(1, 1, u"x"); }, 1},
      {"SetFeatValStr out of range", [&] { m.SetFeatValStr(1, 9, u"x"); }, 0},
      {"Fill", [&] { m.Fill(1, String(u"y")); }, 1},
      {"CopyObject", [&] { m.CopyObject(1, 2); }, 1},
      {"RemoveObject", [&] { m.RemoveObject(3); }, 1},
      {"ClearFeature", [&] { m.ClearFeature(1); }, 1},
      {"SetFeatProps", [&] { m.SetFeatProps(1, new TFeatMatProps(nullptr)); }, 1},
      {"Clear", [&] { m.Clear(); }, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    changes = 0;
    c.op();
    EXPECT_EQ(changes, c.expected);
  }
}

TEST(FeatureMatrix, SetFeatPropsOwnership) {
  // The sanitizer build reports a leak or a double free if any case is wrong.
  TFeatureMatrix m(nullptr);
  m.Resize(3, 1);
  TFeatMatProps* own = m.GetFeatProps(1);
  m.SetFeatProps(1, own);  // handed back: kept, not freed
  own->SetFeatName(u"kept");
  EXPECT_EQ(m.GetFeatProps(1)->FeatName(), u"kept");

  auto* fresh = new TFeatMatProps(nullptr);
  fresh->SetFeatName(u"fresh");
  m.SetFeatProps(2, fresh);  // the old one is freed, the new one owned
  EXPECT_EQ(m.GetFeatProps(2), fresh);

  m.SetFeatProps(3, m.GetFeatProps(2));  // held for feature 2: copied
  EXPECT_NE(m.GetFeatProps(3), m.GetFeatProps(2));
  EXPECT_EQ(m.GetFeatProps(3)->FeatName(), u"fresh");

  m.SetFeatProps(9, new TFeatMatProps(nullptr));  // out of range: freed
  m.SetFeatProps(1, nullptr);
  EXPECT_EQ(m.GetFeatProps(1)->FeatName(), u"kept");

  TFeatMatProps* outside = m.GetFeatProps(0);
  EXPECT_EQ(outside->FeatName(), u"undefined");
  outside->SetFeatName(u"scribbled");
  EXPECT_EQ(m.GetFeatProps(7)->FeatName(), u"undefined") << "cleared on every call";
  m.GetFeatProps(7)->SetFeatName(u"copy me");
  m.SetFeatProps(1, m.GetFeatProps(7));  // the out-of-range object's state is taken
  EXPECT_EQ(m.GetFeatProps(1)->FeatName(), u"undefined");
}

TEST(FeatureMatrix, PropertiesRefuseLineBreaksAndAssign) {
  TFeatMatProps p(nullptr);
  p.SetName(u"P");
  EXPECT_EQ(error_of([&] { p.SetFeatName(u"a\nb"); }), "Component \"P\": feature name must not contain a line break");
  EXPECT_EQ(error_of([&] { p.SetComment(u"a\r"); }), "Component \"P\": comment must not contain a line break");
  EXPECT_EQ(error_of([&] { p.SetPresetValues(u"\n"); }), "Component \"P\": preset values must not contain a line break");
  TFeatMatProps q(nullptr);
  q.SetFeatNum(4);
  q.SetFeatName(u"n");
  q.SetFeatKind(TFeatKind::fkDouble);
  q.SetComment(u"c");
  q.SetPresetValues(u"1;2");
  q.SetSorted(true);
  q.SetGUIElem(&q);
  p.Assign(&q);
  EXPECT_EQ(p.FeatNum(), 4);
  EXPECT_EQ(p.FeatName(), u"n");
  EXPECT_EQ(p.FeatKind(), TFeatKind::fkDouble);
  EXPECT_EQ(p.Comment(), u"c");
  EXPECT_EQ(p.PresetValues(), u"1;2");
  EXPECT_TRUE(p.Sorted());
  EXPECT_EQ(p.GUIElem(), &q);
  p.Clear();
  EXPECT_EQ(p.FeatName(), u"undefined");
  EXPECT_EQ(p.GUIElem(), nullptr);
  TFeatureMatrix m(nullptr);
  EXPECT_THROW(p.Assign(&m), zyl::EConvertError);
}

TEST(FeatureMatrix, AssignCopiesEverythingAndTheHandler) {
  TFeatureMatrix a(nullptr), b(nullptr);
  int changes = 0;
  a.OnChange = [&](zyl::TObject*) { ++changes; };
  a.Resize(2, 2);
  a.SetFeatType(1, 1, TFeatKind::fkInteger);
  a.GetFeatProps(2)->SetFeatName(u"two");
  a.SetFeatValStr(1, 2, u"5");
  changes = 0;
  b.Assign(&a);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(b.NFeatures(), 2);
  EXPECT_EQ(b.GetFeatValInt(1, 2), 5);
  EXPECT_EQ(b.GetFeatProps(2)->FeatName(), u"two");
  EXPECT_NE(b.GetFeatProps(2), a.GetFeatProps(2));
  b.SetFeatValStr(1, 1, u"6");
  EXPECT_EQ(changes, 1) << "the handler was taken over";
  TFeatureMatrix c(nullptr);
  a.AssignTo(&c);
  EXPECT_EQ(c.GetFeatValStr(1, 2), u"5");
  TFeatMatProps p(nullptr);
  EXPECT_THROW(a.Assign(&p), zyl::EConvertError);
}

TEST(FeatureMatrix, RangesNumbersAndLookups) {
  TFeatureMatrix m(nullptr);
  m.SetFeatType(0, 0, TFeatKind::fkInteger);  // no features: nothing happens
  m.Resize(5, 1);
  m.SetFeatType(9, 4, TFeatKind::fkDouble);  // clamped to 5, taken as 4..5
  m.RenumberFeatures(0, 0, 100, -10);
  m.RenumberFeatures(3, -7, 1, 2);  // 1..3
  const std::vector<std::int32_t> nums = {1, 3, 5, 70, 60};
  for (int f = 1; f <= 5; ++f) {
    EXPECT_EQ(m.GetFeatProps(f)->FeatNum(), nums[static_cast<std::size_t>(f - 1)]);
    EXPECT_EQ(m.GetFeatProps(f)->FeatKind(), f >= 4 ? TFeatKind::fkDouble : TFeatKind::fkUndefined);
  }
  m.RenumberFeatures(1, 2, std::numeric_limits<std::int32_t>::max(), 1);  // wraps, no overflow
  EXPECT_EQ(m.GetFeatProps(2)->FeatNum(), std::numeric_limits<std::int32_t>::min());
  m.GetFeatProps(3)->SetFeatName(u"Mass");
  m.GetFeatProps(4)->SetFeatName(u"mass");
  EXPECT_EQ(m.FindFeatName(u"MASS"), 3);
  EXPECT_EQ(m.FindFeatName(u"volume"), -1);
  EXPECT_EQ(m.FindFeatNum(70), 4);
  EXPECT_EQ(m.FindFeatNum(71), -1);
}

TEST(FeatureMatrix, GenerateFeatNames) {
  struct Case {
    String tmpl;
    int from, to, first, delta;
    int result;
    std::vector<String> names;  // of features 1..3 afterwards
  };
  const std::vector<Case> cases = {
      {u"F<%D-3%>_<%I%>", 0, 0, 10, 5, 0, {u"F010_1", u"F015_2", u"F020_3"}},
      {u"<%d 4%>|", 3, 2, -5, -100, 0, {u"f1", u"  -5|", u"-105|"}},
      {u"<%D2%>", 1, 1, 12345, 0, 0, {u"45", u"f2", u"f3"}},
      {u"<%D-2%>", 1, 2, -7, -100, 0, {u"-07", u"-07", u"f3"}},  // higher digits dropped
      {u"<%h2%>.<%H%>.<%H12%>", 1, 1, 300, 0, 0, {u"2C.C.0000012C", u"f2", u"f3"}},
      {u"<%H4%>", 1, 1, -1, 0, 0, {u"FFFF", u"f2", u"f3"}},
      {u"<%I-4%>", 0, 0, 0, 0, 0, {u"0001", u"0002", u"0003"}},
      {u"plain", 2, 2, 0, 0, 0, {u"f1", u"plain", u"f3"}},
      {u"<%T\"x\"%>", 1, 1, 0, 0, 0, {u"x", u"f2", u"f3"}},
      {u"<%D%><%X%>", 0, 0, 1, 1, -2, {u"f1", u"f2", u"f3"}},
      {u"ok<%I%>", 0, 5, 1, 1, -1, {u"f1", u"f2", u"f3"}},
      {u"%><%D%>", 0, 0, 1, 1, -2, {u"f1", u"f2", u"f3"}},
      {u"<%D", 0, 0, 1, 1, -2, {u"f1", u"f2", u"f3"}},
      {u"<%>", 0, 0, 1, 1, -2, {u"f1", u"f2", u"f3"}},
      {u"<%D300%>", 0, 0, 1, 1, -2, {u"f1", u"f2", u"f3"}},
      {u"<%D255%>", 1, 1, 1, 1, 0, {String(254, u' ') + u"1", u"f2", u"f3"}},
      {u"a<%T\"\r\"%>", 0, 0, 1, 1, -2, {u"f1", u"f2", u"f3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(u8(c.tmpl));
    TFeatureMatrix m(nullptr);
    m.Resize(3, 0);
    for (int f = 1; f <= 3; ++f) m.GetFeatProps(f)->SetFeatName(u"f" + zyl::IntToStr(f));
    EXPECT_EQ(m.GenerateFeatNames(c.tmpl, c.from, c.to, c.first, c.delta), c.result);
    for (int f = 1; f <= 3; ++f) EXPECT_EQ(u8(m.GetFeatProps(f)->FeatName()), u8(c.names[static_cast<std::size_t>(f - 1)]));
  }
  // Names are limited to 65536 characters, so no template can grow without end.
  TFeatureMatrix m(nullptr);
  m.Resize(1, 0);
  String huge;
  for (int k = 0; k < 300; ++k) huge += u"<%D255%>";
  EXPECT_EQ(m.GenerateFeatNames(huge, 0, 0, 8, 1), -2);
  EXPECT_EQ(m.GetFeatProps(1)->FeatName(), u"undefined");
}

TEST(FeatureValueText, FloatTextsAreWhatTheStringScannerReads) {
  // valid: the check passes; converts: the whole text converts to value.
  struct Case {
    String text;
    bool valid;
    bool converts;
    double value;
  };
  const std::vector<Case> cases = {
      {u"1.5", true, true, 1.5},          {u"-2E3", true, true, -2000},   {u"  7", true, true, 7},
      {u"1.", true, true, 1},             {u".5", true, true, 0.5},       {u"1e-2", true, true, 0.01},
      {u"+.25e+1", true, true, 2.5},      {u"1E4200", true, true, 1.7e308}, {u"-1E4200", true, true, -1.7e308},
      {u"7 ", true, true, 7},             {u"12abc", true, false, 0},     {u"1E", true, false, 0},
      {u"1,5", true, false, 0},           {u"1.5 2", true, false, 0},     {u"", false, false, 0},
      {u"+", false, false, 0},            {u"E5", false, false, 0},       {u"\t1", false, false, 0},
      {u"1E5000", false, false, 0},       {u"1E-4201", false, false, 0},  {u"--1", false, false, 0},
      {u"x", false, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(u8(c.text));
    EXPECT_EQ(detail::is_float_text(c.text), c.valid);
    if (c.converts) {
      EXPECT_EQ(detail::float_value(c.text), c.value);
    } else if (c.valid) {
      EXPECT_THROW((void)detail::float_value(c.text), zyl::EConvertError);
    }
  }
}

}  // namespace
}  // namespace ZYL_dstruct

#include "ZYL_filesys/password.h"

#include <set>

#include <gtest/gtest.h>

#include "platform/random.h"

namespace ZYL_filesys {
namespace {

// The shape of a password: V vowel, C consonant, D digit.
String shape(const String& P) {
  const String vowels = u"aeiouy", consonants = u"bcdfghjklmnpqrstvwxz";
  String s;
  for (const char16_t c : P)
    s += vowels.find(c) != String::npos ? u'V' : consonants.find(c) != String::npos ? u'C' : c >= u'0' && c <= u'9' ? u'D' : u'?';
  return s;
}

TEST(Password, LengthsAndLayout) {
  const struct {
    int length;
    const char16_t* shape;
  } cases[] = {
      {-5, u"CVDD"},  {2, u"CVDD"},     {4, u"CVDD"},          {5, u"VCVDD"},          {6, u"CVCVDD"},
      {8, u"CVCVCVDD"}, {9, u"VCVCVCDDV"}, {11, u"VCVCVCDDVCV"}, {14, u"CVCVCVDDCVCVCV"}, {30, u"CVCVCVDDCVCVCV"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(shape(InventPassword(c.length)), c.shape);
  }
}

TEST(Password, DrawsFromTheSecureSourceAndLeavesTheProcessGeneratorAlone) {
  zyl::RandSeed = 12345;
  std::set<String> seen;
  for (int i = 0; i < 200; ++i) seen.insert(InventPassword(14, true, true));
  EXPECT_EQ(zyl::RandSeed, 12345);
  EXPECT_EQ(seen.size(), 200u);
}

TEST(Password, MixedCaseAndSpecialCharactersStayWithinTheRequestedLength) {
  const String specials = u"_!$%#=";
  bool upper = false, special = false;
  for (int i = 0; i < 300; ++i) {
    const String plain = InventPassword(14, false, false);
    EXPECT_EQ(shape(plain).find(u'?'), String::npos) << zyl::to_utf8(plain);
    const String mixed = InventPassword(14, true, false);
    for (const char16_t c : mixed) upper = upper || (c >= u'A' && c <= u'Z');
    const String with_special = InventPassword(14, false, true);
    for (const char16_t c : with_special) special = special || specials.find(c) != String::npos;
    // Only the first two characters may change for a requested length of 2.
    const String short_one = InventPassword(2, true, true);
    ASSERT_EQ(short_one.size(), 4u);
    EXPECT_EQ(shape(short_one.substr(2)), u"DD");
  }
  EXPECT_TRUE(upper);
  EXPECT_TRUE(special);
}

}  // namespace
}  // namespace ZYL_filesys

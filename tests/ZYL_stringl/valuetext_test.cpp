#include "ZYL_stringl/valuetext.h"

#include <array>

#include <gtest/gtest.h>

#include "platform/variant.h"
#include "ZYL_stringl/hexchars.h"
#include "ZYL_stringl/parlist.h"
#include "ZYL_stringl/varianttext.h"
#include "ZYL_zylbase/arrays.h"

namespace ZYL_stringl {
namespace {

using zyl::to_utf8;
using zyl::Variant;
using ZYL_zylbase::TDoubleArray;
using ZYL_zylbase::TIntArray;
using ZYL_zylbase::TStrArray;

TEST(BoolAndTriState, Texts) {
  const char16_t* const pairs[][2] = {{u"TRUE", u"FALSE"}, {u"T", u"F"},   {u".T.", u".F."},  {u"1", u"0"},
                                      {u"-1", u"0"},       {u"FF", u"00"}, {u"YES", u"NO"},   {u"GOOD", u"BAD"},
                                      {u"TRUE", u"FALSE"}};
  for (int kind = 0; kind <= 8; ++kind) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(BoolToStr(true, kind), pairs[kind][0]);
    EXPECT_EQ(BoolToStr(false, kind), pairs[kind][1]);
  }
  EXPECT_EQ(BoolToStr(true, -1), u"TRUE");

  EXPECT_EQ(StrToTriState(u"  YES "), TTriState::tsTrue);
  EXPECT_EQ(StrToTriState(u"+1"), TTriState::tsTrue);
  EXPECT_EQ(StrToTriState(u"False"), TTriState::tsFalse);
  EXPECT_EQ(StrToTriState(u"-1"), TTriState::tsFalse);
  EXPECT_EQ(StrToTriState(u"maybe"), TTriState::tsUndefined);
  EXPECT_EQ(StrToTriState(u"0"), TTriState::tsUndefined);
  EXPECT_EQ(StrToTriState(u"\tyes"), TTriState::tsUndefined) << "tabs are not blanks";

  EXPECT_EQ(TriStateToStr(TTriState::tsFalse, 1), u"-1");
  EXPECT_EQ(TriStateToStr(TTriState::tsUndefined, 1), u"0");
  EXPECT_EQ(TriStateToStr(TTriState::tsTrue, 2), u"yes");
  EXPECT_EQ(TriStateToStr(TTriState::tsUndefined, 2), u"unknown");
  EXPECT_EQ(TriStateToStr(TTriState::tsUndefined, 0), u"");
  EXPECT_EQ(TriStateToStr(TTriState::tsTrue, 7), u"true");
  // Every text of kinds 0..2 reads back as its value (kind 0's empty text too).
  for (int kind = 0; kind <= 2; ++kind)
    for (TTriState v : {TTriState::tsFalse, TTriState::tsTrue, TTriState::tsUndefined})
      EXPECT_EQ(StrToTriState(TriStateToStr(v, kind)), v);
}

TEST(SortableNumericString, AlignsTheCharacter) {
  EXPECT_EQ(SortableNumericString(u" 3.25 ", u'.', 4), u"  3.25");
  EXPECT_EQ(SortableNumericString(u"123.5", u'.', 4), u"123.5");
  EXPECT_EQ(SortableNumericString(u"1234.5", u'.', 4), u"1234.5") << "beyond the column: unchanged";
  EXPECT_EQ(SortableNumericString(u"42", u'.', 3), u"   42") << "no character: p = 0";
  EXPECT_LT(SortableNumericString(u"3.5", u'.', 5), SortableNumericString(u"12.25", u'.', 5));
}

TEST(TimeString, EveryFormat) {
  const struct {
    double secs;
    int format;
    const char16_t* expect;
  } cases[] = {
      {3725.5, 0, u"01:02:05.50"}, {3725.5, 1, u"01:02:05"},  {3725.5, 2, u" 1h02"},
      {3725.5, 3, u" 1h02'05\""},  {3725.5, 4, u"01:02"},     {13 * 3600 + 300, 5, u" 1:05p"},
      {300, 5, u"12:05a"},         {12 * 3600, 5, u"12:00p"}, {11 * 3600 + 59 * 60, 5, u"11:59a"},
      {-5, 1, u"00:00:00"},        {3725.5, 6, u""},          {70000.0 * 3600 + 61, 1, u"70000:01:01"},
      {1e300, 4, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.secs);
    const String got = TimeString(c.secs, static_cast<std::uint8_t>(c.format));
    if (c.expect) EXPECT_EQ(to_utf8(got), to_utf8(c.expect));
    else EXPECT_EQ(got.substr(got.size() - 3), u":00") << "huge durations print all hour digits: " << to_utf8(got);
  }
}

TEST(StringIx, FirstEqualEntry) {
  const TStrArray list{u"alpha", u"Beta", u"beta"};
  EXPECT_EQ(StringIx(u"beta", list), 3);
  EXPECT_EQ(StringIx(u"beta", false, list), 2);
  EXPECT_EQ(StringIx(u"BETA", true, list), 0);
  EXPECT_EQ(StringIx(u"x", TStrArray{}), 0);
  EXPECT_EQ(BinString(true, u"a", u"b"), u"a");
  EXPECT_EQ(BinString(false, u"a", u"b"), u"b");
}

TEST(CreateParList, AllFormsCutsAndBrackets) {
  EXPECT_EQ(CreateParList(TIntArray{1, 2, 3}, false, 0, true), u"[1,2,3]");
  EXPECT_EQ(CreateParList(TIntArray{1, 2, 3}, false, 2, true), u"[1,2,...]");
  EXPECT_EQ(CreateParList(TIntArray{1, 2, 3}, false, 3, false), u"1,2,3") << "maximum = count cuts nothing";
  EXPECT_EQ(CreateParList(TIntArray{1, 2, 3}, true, -1, false), u"1,2,3,");
  EXPECT_EQ(CreateParList(TIntArray{}, false, 0, false), u"");
  EXPECT_EQ(CreateParList(TIntArray{}, false, 0, true), u"[]");
  EXPECT_EQ(CreateParList(TIntArray{}, true, 0, true), u"[],");
  const std::array<std::int32_t, 2> open_ints{-7, 2147483647};
  EXPECT_EQ(CreateParList(open_ints, false, 1, false), u"-7,...");
  const bool flags[] = {true, false};
  EXPECT_EQ(CreateParList(flags, false, 0, true), u"[TRUE,FALSE]");
  EXPECT_EQ(CreateParList(TDoubleArray{0.5, 2, 12345}, false, 0, 3, true), u"[0.50,2.00,1.23E+04]");
  const double open_reals[] = {1.5, 2.5, 3.5};
  EXPECT_EQ(CreateParList(open_reals, true, 2, 2, false), u"1.5,2.5,...,");
}

Variant array_of(std::initializer_list<Variant> items, int low = 0) {
  Variant a = zyl::var_array_create(low, low + static_cast<int>(items.size()) - 1);
  int i = low;
  for (const auto& v : items) a.SetElement(i++, v);
  return a;
}

TEST(ConvertVariant, Values) {
  EXPECT_EQ(ConvertVariant(Variant::Null()), u"NULL");
  EXPECT_EQ(ConvertVariant(Variant(std::int16_t{-3})), u"-3");
  EXPECT_EQ(ConvertVariant(Variant(std::uint64_t{18446744073709551615ull})), u"18446744073709551615");
  EXPECT_EQ(ConvertVariant(Variant(1234.5)), u" 1.235E+03");
  EXPECT_EQ(ConvertVariant(Variant(0.5f)), u" 5.000E-01");
  EXPECT_EQ(ConvertVariant(Variant(false)), u"FALSE");
  EXPECT_EQ(ConvertVariant(Variant(u"text")), u"text");
  EXPECT_EQ(ConvertVariant(Variant(zyl::AnsiString("ansi"))), u"ansi");
  EXPECT_EQ(ConvertVariant(Variant::Currency(1)), u"(unknown type: 6)");
  EXPECT_EQ(ConvertVariant(Variant()), u"(unknown type: 0)");
}

TEST(ConvertVariant, ArraysOfOneToThreeDimensionsWithCutMarks) {
  EXPECT_EQ(to_utf8(ConvertVariant(array_of({1, 2, 3}))), "Array[0,2]:\r\n1,2,3");
  EXPECT_EQ(ConvertVariant(zyl::var_array_create(0, -1)), u"undefined array");
  EXPECT_EQ(ConvertVariant(zyl::var_array_create(5, 4)), u"undefined array");

  Variant wide = zyl::var_array_create(1, 13);
  for (int i = 1; i <= 13; ++i) wide.SetElement(i, i);
  EXPECT_EQ(to_utf8(ConvertVariant(wide)), "Array[1,13]:\r\n1,2,3,4,5,6,7,8,9,10,11,12...");

  // Two dimensions: element [i] is a column, [i][j] its row j.
  const Variant m = array_of({array_of({u"a", u"b"}), array_of({u"c", u"d"})});
  EXPECT_EQ(to_utf8(ConvertVariant(m)), "Array[0,1][0,1]:\r\na,c\r\nb,d\r\n");

  Variant tall = zyl::var_array_create(0, 0);
  Variant column = zyl::var_array_create(0, 10);
  for (int j = 0; j <= 10; ++j) column.SetElement(j, j);
  tall.SetElement(0, column);
  EXPECT_EQ(to_utf8(ConvertVariant(tall)), "Array[0,0][0,10]:\r\n0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n ......");

  // Three dimensions, four layers: three shown.
  Variant cube = zyl::var_array_create(0, 1);
  for (int i = 0; i <= 1; ++i) {
    Variant col = zyl::var_array_create(0, 0);
    Variant layers = zyl::var_array_create(0, 3);
    for (int k = 0; k <= 3; ++k) layers.SetElement(k, i * 10 + k);
    col.SetElement(0, layers);
    cube.SetElement(i, col);
  }
  EXPECT_EQ(to_utf8(ConvertVariant(cube)),
            "Array[0,1][0,0][0,3]:\r\nlayer 0:\r\n0,10\r\nlayer 1:\r\n1,11\r\nlayer 2:\r\n2,12\r\n ... more layers");

  // A ragged array: a missing element is an empty field, never a crash.
  const Variant ragged = array_of({array_of({1, 2}), array_of({3}), Variant(9)});
  EXPECT_EQ(to_utf8(ConvertVariant(ragged)), "Array[0,2][0,1]:\r\n1,3,\r\n2,,\r\n");
}

TEST(ProcessHexChars, EscapesResolved) {
  const struct {
    const char16_t* in;
    const char16_t* out;
  } cases[] = {
      {u"\\#41", u"A"},         {u"a\\#41b", u"aAb"},   {u"\\\\", u"\\"},       {u"\\\\#41", u"\\#41"},
      {u"\\#4", u"\x04"},       {u"\\#", u"\0"},         {u"x\\y", u"x\\y"},     {u"end\\", u"end\\"},
      {u"\\#4z!", u"\x04!"},    {u"\\#$F", u"\x0F"},     {u"\\#5C\\#41", u"\\A"}, {u"\\\\\\\\", u"\\\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(to_utf8(c.in));
    const String want = c.out[0] == 0 && c.in[2] == 0 ? String(1, u'\0') : String(c.out);
    EXPECT_EQ(ProcessHexChars(c.in), want);
  }
}

}  // namespace
}  // namespace ZYL_stringl

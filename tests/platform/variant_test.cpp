#include "platform/variant.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"

namespace zyl {
namespace {

TEST(Variant, TypeCodesOfEachKind) {
  struct Case {
    const char* label;
    Variant v;
    TVarType type;
  } cases[] = {
      {"empty", Variant(), varEmpty},
      {"null", Variant::Null(), varNull},
      {"smallint", Variant(std::int16_t{-3}), varSmallint},
      {"integer", Variant(42), varInteger},
      {"single", Variant(1.5f), varSingle},
      {"double", Variant(1.5), varDouble},
      {"currency", Variant::Currency(1.25), varCurrency},
      {"date", Variant::Date(36526.5), varDate},
      {"boolean", Variant(true), varBoolean},
      {"shortint", Variant(std::int8_t{-1}), varShortInt},
      {"byte", Variant(std::uint8_t{200}), varByte},
      {"word", Variant(std::uint16_t{60000}), varWord},
      {"longword", Variant(std::uint32_t{4000000000u}), varLongWord},
      {"int64", Variant(std::int64_t{-5}), varInt64},
      {"uint64", Variant(std::uint64_t{5}), varUInt64},
      {"ansi string", Variant(AnsiString("ab")), varString},
      {"unicode string", Variant(u"ab"), varUString},
      {"array of variants", var_array_create(0, 1), static_cast<TVarType>(varArray | varVariant)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(c.v.VarType(), c.type);
  }
}

TEST(Variant, ConversionsFollowTheHost) {
  EXPECT_EQ(Variant(std::uint32_t{4000000000u}).AsString(), u"4000000000");
  EXPECT_EQ(Variant(std::uint64_t{18446744073709551615ull}).AsString(), u"18446744073709551615");
  EXPECT_EQ(Variant(0.1).AsString(), u"0.1");
  EXPECT_EQ(Variant::Currency(12.3456).AsString(), u"12.3456");
  EXPECT_EQ(Variant(true).AsString(), u"True");
  EXPECT_EQ(Variant().AsString(), u"");
  EXPECT_EQ(Variant(AnsiString("\xE4")).AsString(), u"\u00E4") << "8-bit strings are Latin-1";
  EXPECT_EQ(Variant(2.5).AsInteger(), 2) << "ties to even";
  EXPECT_EQ(Variant(3.5).AsInteger(), 4);
  EXPECT_EQ(Variant(u" 17 ").AsInteger(), 17);
  EXPECT_EQ(Variant(u"2.5e1").AsInt64(), 25);
  EXPECT_EQ(Variant(true).AsInteger(), -1);
  EXPECT_DOUBLE_EQ(Variant(u"1.25").AsReal(), 1.25);
  EXPECT_TRUE(Variant(u"TRUE").AsBoolean());
  EXPECT_TRUE(Variant(u"2").AsBoolean());
  EXPECT_FALSE(Variant(0.0).AsBoolean());
}

TEST(Variant, ImpossibleConversionsRaise) {
  EXPECT_THROW((void)Variant::Null().AsString(), EVariantError);
  EXPECT_THROW((void)Variant::Null().AsInteger(), EVariantError);
  EXPECT_THROW((void)Variant(u"abc").AsInteger(), EVariantError);
  EXPECT_THROW((void)Variant(u"abc").AsBoolean(), EVariantError);
  EXPECT_THROW((void)Variant(std::int64_t{1} << 40).AsInteger(), EVariantError);
  EXPECT_THROW((void)Variant(1e300).AsInt64(), EVariantError);
  EXPECT_THROW((void)Variant(std::uint64_t{18446744073709551615ull}).AsInt64(), EVariantError);
  EXPECT_THROW((void)var_array_create(0, 1).AsString(), EVariantError);
  try {
    (void)Variant::Null().AsInteger();
  } catch (const EVariantError& e) {
    EXPECT_EQ(to_utf8(e.Message()), "Could not convert variant of type (Null) into type (Integer)");
  }
}

TEST(Variant, ArraysHaveBoundsAndValueSemantics) {
  Variant a = var_array_create(-1, 1);
  EXPECT_EQ(a.ArrayLowBound(), -1);
  EXPECT_EQ(a.ArrayHighBound(), 1);
  a.SetElement(-1, 7);
  Variant copy = a;
  copy.SetElement(-1, u"x");
  EXPECT_EQ(a.Element(-1).AsInteger(), 7) << "a copy is independent";
  EXPECT_EQ(copy.Element(-1).AsString(), u"x");
  EXPECT_THROW((void)a.Element(2), EVariantError);
  EXPECT_THROW(a.SetElement(-2, 1), EVariantError);
  EXPECT_THROW((void)Variant(1).ArrayLowBound(), EVariantError);

  // Storing an array in itself keeps the old value inside (no cycle, no leak
  // under the sanitizer build).
  a.SetElement(0, a);
  EXPECT_TRUE(a.Element(0).IsArray());
  EXPECT_TRUE(a.Element(0).Element(0).IsEmpty());

  const Variant empty = var_array_create(0, -1);
  EXPECT_EQ(empty.ArrayHighBound(), -1);
  EXPECT_EQ(var_array_create(5, -100).ArrayHighBound(), 4) << "inverted bounds give an empty array";
}

}  // namespace
}  // namespace zyl

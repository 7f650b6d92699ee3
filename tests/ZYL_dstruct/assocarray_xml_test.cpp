#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "ZYL_dstruct/assocarray.h"
#include "ZYL_zylbase/errors.h"
#include "platform/memorystream.h"
#include "platform/numtext.h"
#include "support/tempdir.h"
#include "xml_check.h"

namespace ZYL_dstruct {
namespace {

std::string bytes_of(const zyl::TBytesStream& s) { return std::string(s.Bytes().begin(), s.Bytes().end()); }

zyl::TBytesStream stream_of(const std::string& s) { return zyl::TBytesStream(std::vector<std::uint8_t>(s.begin(), s.end())); }

// Same kind and same value, bit for bit where the kind is a real.
void expect_same_value(const Variant& a, const Variant& b, const std::string& what) {
  ASSERT_EQ(a.VarType(), b.VarType()) << what;
  switch (a.VarType()) {
    case zyl::varNull:
    case zyl::varEmpty: return;
    case zyl::varSingle:
      EXPECT_EQ(std::bit_cast<std::uint32_t>(static_cast<float>(a.AsReal())),
                std::bit_cast<std::uint32_t>(static_cast<float>(b.AsReal())))
          << what;
      return;
    case zyl::varCurrency: EXPECT_EQ(a.currency_units(), b.currency_units()) << what; return;
    case zyl::varDouble:
    case zyl::varDate:
      if (std::isnan(a.AsReal())) EXPECT_TRUE(std::isnan(b.AsReal())) << what;
      else EXPECT_EQ(std::bit_cast<std::uint64_t>(a.AsReal()), std::bit_cast<std::uint64_t>(b.AsReal())) << what;
      return;
    case zyl::varBoolean: EXPECT_EQ(a.AsBoolean(), b.AsBoolean()) << what; return;
    default: EXPECT_EQ(a.AsString(), b.AsString()) << what;
  }
}

void expect_same_entries(const TAssocArray& a, const TAssocArray& b) {
  ASSERT_EQ(a.NumEntries(), b.NumEntries());
  for (int i = 1; i <= a.NumEntries(); ++i) {
    EXPECT_EQ(a.GetKeys(i), b.GetKeys(i)) << "entry " << i;
    expect_same_value(a.GetValues(i), b.GetValues(i), "entry " + std::to_string(i));
  }
}

// One entry of every kind, awkward keys and texts, and doubles that need all
// 17 digits.
void fill_every_kind(TAssocArray& a) {
  a.SetIgnoreCase(false);
  a.Add(u"null", Variant::Null());
  a.Add(u"empty", Variant());
  a.Add(u"smallint", std::int16_t{-32768});
  a.Add(u"integer", std::int32_t{-2147483647 - 1});
  a.Add(u"shortint", std::int8_t{-128});
  a.Add(u"byte", std::uint8_t{255});
  a.Add(u"word", std::uint16_t{65535});
  a.Add(u"longword", std::uint32_t{4294967295u});
  a.Add(u"int64", std::numeric_limits<std::int64_t>::min());
  a.Add(u"uint64", std::numeric_limits<std::uint64_t>::max());
  a.Add(u"single", 0.1f);
  a.Add(u"double", 0.1);
  a.Add(u"double max", std::numeric_limits<double>::max());
  a.Add(u"double subnormal", std::numeric_limits<double>::denorm_min());
  a.Add(u"minus zero", -0.0);
  a.Add(u"infinity", -std::numeric_limits<double>::infinity());
  a.Add(u"nan", std::numeric_limits<double>::quiet_NaN());
  a.Add(u"date", Variant::Date(45267.123456789));
  a.Add(u"currency", Variant::Currency(-1234567.8912));
  // The whole currency range, to the last unit of 1/10000.
  a.Add(u"currency max", Variant::currency_units(std::numeric_limits<std::int64_t>::max()));
  a.Add(u"currency min", Variant::currency_units(std::numeric_limits<std::int64_t>::min()));
  a.Add(u"currency max - 1", Variant::currency_units(std::numeric_limits<std::int64_t>::max() - 1));
  a.Add(u"currency -1 unit", Variant::currency_units(-1));
  a.Add(u"currency 9.2e14", Variant::currency_units(9200000000000000000));
  a.Add(u"true", true);
  a.Add(u"false", false);
  a.Add(u"string", String(u"Ann & Bob <ann@example.org> say \"hi\"\r\n\tand leave "));
  a.Add(u"controls", String(u"\x01\x02\x1F\0end", 7));
  a.Add(u"unpaired", String(u"a\xD800z"));
  a.Add(u"astral", String(u"\U0001F600 \u20AC \uFFFD"));
  a.Add(u"ansi", zyl::AnsiString("caf\xE9 \x80"));
  a.Add(u"empty string", String());
  a.Add(u"", String(u"empty key"));
  a.Add(String(u"key \"with\" <markup> & \t tab\x01", 28), 1);
  a.Add(u"\xDC00", 2);
  a.Add(u"Mixed Case", 3);
  std::mt19937_64 rng(5);
  for (int i = 0; i < 50; ++i) a.Add(u"random " + zyl::IntToStr(i), std::bit_cast<double>(rng()));
}

class AssocArrayXML : public zyl::test::TempDirTest {};

TEST_F(AssocArrayXML, EveryKindReadsBackAsTheSameKindAndValue) {
  TAssocArray a(nullptr);
  fill_every_kind(a);
  zyl::TBytesStream s;
  a.WriteToXMLStream(s, true, u"all");
  zyl::test::write_file_bytes(tmp.path() / "all.xml", bytes_of(s));
  EXPECT_TRUE(zyl::test::WellFormedXML(tmp.path() / "all.xml"));

  s.SetPosition(0);
  TAssocArray b(nullptr);
  b.SetIgnoreCase(false);
  ASSERT_TRUE(b.ReadFromXMLStream(s, u"all"));
  EXPECT_EQ(s.Position(), s.Size() - 2) << "the stream stands behind the block's closing tag";
  expect_same_entries(a, b);
}

TEST_F(AssocArrayXML, StreamBytesAreFixed) {
  TAssocArray a(nullptr);
  a.Add(u"Name", String(u"A & \u00E9"));
  a.Add(u"n", 42);
  a.Add(u"x", 0.1);
  a.Add(u"ok", true);
  a.Add(u"c", Variant::Currency(-2.5));
  a.Add(u"z", Variant::Null());
  a.Add(u"bell", String(u"\x07"));
  zyl::TBytesStream s;
  a.WriteToXMLStream(s, false, u"T");
  EXPECT_EQ(bytes_of(s),
            "<assocarray dataid=\"T\" numentries=\"7\">\r\n"
            "<assoc key=\"name\" type=\"string\">A &amp; \xC3\xA9</assoc>\r\n"
            "<assoc key=\"n\" type=\"integer\">42</assoc>\r\n"
            "<assoc key=\"x\" type=\"double\">0.1</assoc>\r\n"
            "<assoc key=\"ok\" type=\"boolean\">true</assoc>\r\n"
            "<assoc key=\"c\" type=\"currency\">-2.5000</assoc>\r\n"
            "<assoc key=\"z\" type=\"null\"/>\r\n"
            "<assoc key=\"bell\" type=\"string\" hex=\"1\">0007</assoc>\r\n"
            "</assocarray>\r\n");
}

TEST_F(AssocArrayXML, BlocksAreFoundByDataIDAndAdded) {
  TAssocArray a(nullptr), b(nullptr);
  a.Add(u"shared", 1);
  a.Add(u"only a", 2);
  b.Add(u"shared", String(u"from b"));
  zyl::TBytesStream s;
  const std::string head = "<?xml version=\"1.0\"?>\r\n<dummy>\r\n";
  s.WriteBuffer(head.data(), static_cast<std::int32_t>(head.size()));
  a.WriteToXMLStream(s, false, u"A");
  b.WriteToXMLStream(s, false, u"B \u00E9");
  s.WriteBuffer("</dummy>\r\n", 10);
  zyl::test::write_file_bytes(tmp.path() / "two.xml", bytes_of(s));
  EXPECT_TRUE(zyl::test::WellFormedXML(tmp.path() / "two.xml"));

  TAssocArray c(nullptr);
  c.Add(u"own", 0);
  s.SetPosition(0);
  EXPECT_FALSE(c.ReadFromXMLStream(s, u"b \u00E9")) << "DataID compares exactly";
  EXPECT_EQ(s.Position(), 0) << "a failed read leaves the stream where it was";
  EXPECT_EQ(c.NumEntries(), 1);
  ASSERT_TRUE(c.ReadFromXMLStream(s, u"B \u00E9"));
  EXPECT_EQ(c.NumEntries(), 2);
  EXPECT_EQ(c.ResolveAsString(u"shared"), u"from b");
  s.SetPosition(0);
  ASSERT_TRUE(c.ReadFromXMLStream(s, u"A"));
  EXPECT_EQ(c.ResolveAsInt(u"shared"), 1) << "an existing key gets the value read";
  EXPECT_EQ(c.ResolveAsInt(u"only a"), 2);
  EXPECT_EQ(c.NumEntries(), 3);
  ASSERT_TRUE(c.ReadFromXMLStream(s, u"B \u00E9")) << "reads on from behind block A";
  EXPECT_FALSE(c.ReadFromXMLStream(s, u"A")) << "A lies behind the position";
}

TEST_F(AssocArrayXML, ArrayValuesAreRefusedBeforeWriting) {
  TAssocArray a(nullptr);
  a.SetName(u"Settings");
  a.Add(u"list", zyl::var_array_create(0, 2));
  zyl::TBytesStream s;
  try {
    a.WriteToXMLStream(s, true, u"X");
    ADD_FAILURE() << "no error";
  } catch (const ZYL_zylbase::EZYLDStructError& e) {
    EXPECT_EQ(e.Message(), u"Component \"Settings\": cannot write an array value as XML");
  }
  EXPECT_EQ(s.Size(), 0);
}

std::string block(const std::string& count, const std::string& body) {
  return "<assocarray dataid=\"X\" numentries=\"" + count + "\">" + body + "</assocarray>";
}

TEST_F(AssocArrayXML, InconsistentBlocksAreRefusedAndChangeNothing) {
  const std::string one = "<assoc key=\"k\" type=\"integer\">5</assoc>";
  struct Case {
    const char* label;
    std::string text;
  } cases[] = {
      {"huge count, one entry", block("2000000000", one)},
      {"count too small", block("0", one)},
      {"count negative", block("-1", one)},
      {"count missing", "<assocarray dataid=\"X\">" + one + "</assocarray>"},
      {"unknown type", block("1", "<assoc key=\"k\" type=\"complex\">5</assoc>")},
      {"type missing", block("1", "<assoc key=\"k\">5</assoc>")},
      {"key missing", block("1", "<assoc type=\"integer\">5</assoc>")},
      {"integer out of range", block("1", "<assoc key=\"k\" type=\"byte\">256</assoc>")},
      {"integer with junk", block("1", "<assoc key=\"k\" type=\"integer\">5x</assoc>")},
      {"double with junk", block("1", "<assoc key=\"k\" type=\"double\">0.5.5</assoc>")},
      {"boolean misspelt", block("1", "<assoc key=\"k\" type=\"boolean\">True</assoc>")},
      {"8-bit text beyond Latin-1", block("1", "<assoc key=\"k\" type=\"ansistring\">&#x100;</assoc>")},
      {"bad hex text", block("1", "<assoc key=\"k\" type=\"string\" hex=\"1\">00G1</assoc>")},
      {"bad hex key", block("1", "<assoc keyhex=\"00\" type=\"null\"/>")},
      {"currency overflow", block("1", "<assoc key=\"k\" type=\"currency\">1e300</assoc>")},
      {"currency one unit above", block("1", "<assoc key=\"k\" type=\"currency\">922337203685477.5808</assoc>")},
      {"currency one unit below", block("1", "<assoc key=\"k\" type=\"currency\">-922337203685477.5809</assoc>")},
      {"currency fifth decimal", block("1", "<assoc key=\"k\" type=\"currency\">1.00001</assoc>")},
      {"currency exponent", block("1", "<assoc key=\"k\" type=\"currency\">1e3</assoc>")},
      {"currency bare point", block("1", "<assoc key=\"k\" type=\"currency\">1.</assoc>")},
      {"no closing tag", "<assocarray dataid=\"X\" numentries=\"1\">" + one},
      {"cut in an entry", "<assocarray dataid=\"X\" numentries=\"1\"><assoc key=\"k\" type=\"integer\">5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    zyl::TBytesStream s = stream_of("junk " + c.text);
    s.SetPosition(5);
    TAssocArray a(nullptr);
    a.Add(u"k", String(u"before"));
    EXPECT_FALSE(a.ReadFromXMLStream(s, u"X"));
    EXPECT_EQ(s.Position(), 5);
    EXPECT_EQ(a.NumEntries(), 1);
    EXPECT_EQ(a.ResolveAsString(u"k"), u"before");
  }
  zyl::TBytesStream s = stream_of(block("1", one));
  TAssocArray a(nullptr);
  ASSERT_TRUE(a.ReadFromXMLStream(s, u"X"));
  EXPECT_EQ(a.ResolveAsInt(u"k"), 5);
}

TEST_F(AssocArrayXML, EveryTruncationIsRefusedOrComplete) {
  TAssocArray a(nullptr);
  a.Add(u"a", String(u"x<y"));
  a.Add(u"b\x01", 2.5);
  a.Add(u"c", Variant::Null());
  zyl::TBytesStream s;
  a.WriteToXMLStream(s, true, u"T");
  const std::string full = bytes_of(s);
  const std::size_t end_of_block = full.find("</assocarray>") + 13;
  for (std::size_t n = 0; n <= full.size(); ++n) {
    zyl::TBytesStream cut = stream_of(full.substr(0, n));
    TAssocArray b(nullptr);
    const bool ok = b.ReadFromXMLStream(cut, u"T");
    ASSERT_EQ(ok, n >= end_of_block) << "cut after " << n << " bytes";
    if (ok) expect_same_entries(a, b);
    else ASSERT_EQ(b.NumEntries(), 0);
  }
}

TEST_F(AssocArrayXML, RandomStreamsNeverCrash) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  const std::string pieces[] = {"<assocarray dataid=\"X\" numentries=\"2\">", "<assoc key=\"k\" type=\"double\">",
                                "<assoc keyhex=\"004B\" type=\"string\" hex=\"1\">", "</assoc>", "</assocarray>",
                                "<assoc key=\"k\" type=\"null\"/>", "1e5", "0041", "&amp;", "&#", "\"", "<", ">",
                                " ", "\xC3", "\xA9"};
  for (int i = 0; i < 300; ++i) {
    std::string text;
    const int n = static_cast<int>(rng() % 30);
    for (int k = 0; k < n; ++k) text += pieces[rng() % std::size(pieces)];
    zyl::TBytesStream s = stream_of(text);
    TAssocArray a(nullptr);
    if (a.ReadFromXMLStream(s, u"X")) {
      EXPECT_LE(a.NumEntries(), 2) << text;
    } else {
      EXPECT_EQ(s.Position(), 0) << text;
    }
  }
}

TEST(AssocArrayAttributes, AddsOnePairEach) {
  TAssocArray a(nullptr);
  a.Add(u"width", 1);
  EXPECT_EQ(a.AddXMLAttributes(u"Width=\"5\" alt=\"a &amp; b\" title=x border"), 4);
  EXPECT_EQ(a.NumEntries(), 4);
  EXPECT_EQ(a.Resolve(u"width").VarType(), zyl::varUString) << "an existing key gets the new value";
  EXPECT_EQ(a.ResolveAsInt(u"width"), 5);
  EXPECT_EQ(a.ResolveAsString(u"alt"), u"a & b");
  EXPECT_EQ(a.ResolveAsString(u"border"), u"");
  EXPECT_EQ(a.ResolveAsString(u"title"), u"x");
  EXPECT_EQ(a.AddXMLAttributes(u""), 0);
  EXPECT_EQ(a.AddXMLAttributes(u"p=1 q\"=2 r=3"), 1) << "reading stops at a malformed pair";
  EXPECT_EQ(a.ResolveAsInt(u"p"), 1);
  EXPECT_TRUE(a.Resolve(u"r").IsNull());
}

}  // namespace
}  // namespace ZYL_dstruct

// Library: zyl / Package: ZYL_dstruct / Module: assocarray (XML form)
//
// Writing and reading the <assocarray> block (layout in assocarray.h), and
// taking entries from an XML attribute text.
//
// The reader works on the stream's bytes: every character of the markup is
// ASCII and no byte of a multi-byte UTF-8 sequence is, so tags can be found
// byte by byte and only attribute values and contents need decoding. A block
// is read whole into a list first and added only when it proved complete and
// consistent; the list grows with the entries present, never with the count
// the block claims.
#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "ZYL_dstruct/assocarray.h"
#include "ZYL_dstruct/detail/xmltext.h"
#include "ZYL_zylbase/detail/tagreader.h"
#include "ZYL_zylbase/errors.h"
#include "platform/bytereader.h"
#include "platform/numtext.h"

namespace ZYL_dstruct {
namespace {

using zyl::TVarType;
using zyl::detail::kXMLLineEnd;

constexpr std::u16string_view kBlockTag = u"assocarray";
constexpr std::u16string_view kBlockEnd = u"/assocarray";

struct Kind {
  TVarType type;
  std::u16string_view name;
};

// The kinds of value the form carries, by variant type code. An OLE string
// is written as a string (the variant offers no way to build one back).
constexpr std::array<Kind, 18> kKinds{{
    {zyl::varEmpty, u"empty"},       {zyl::varNull, u"null"},         {zyl::varSmallint, u"smallint"},
    {zyl::varInteger, u"integer"},   {zyl::varSingle, u"single"},     {zyl::varDouble, u"double"},
    {zyl::varCurrency, u"currency"}, {zyl::varDate, u"date"},         {zyl::varOleStr, u"string"},
    {zyl::varBoolean, u"boolean"},   {zyl::varShortInt, u"shortint"}, {zyl::varByte, u"byte"},
    {zyl::varWord, u"word"},         {zyl::varLongWord, u"longword"}, {zyl::varInt64, u"int64"},
    {zyl::varUInt64, u"uint64"},     {zyl::varString, u"ansistring"}, {zyl::varUString, u"string"},
}};

std::optional<TVarType> type_of(std::u16string_view name) {
  for (const Kind& k : kKinds)
    if (k.name == name && k.type != zyl::varOleStr) return k.type;
  return std::nullopt;
}

std::u16string_view name_of(TVarType t) {
  for (const Kind& k : kKinds)
    if (k.type == t) return k.name;
  return {};
}

// -- Values as text -------------------------------------------------------------

// The shortest decimal text that reads back to the same value.
template <class Real>
String real_text(Real v) {
  std::array<char, 64> buf;
  const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return zyl::from_ascii(std::string_view(buf.data(), static_cast<std::size_t>(r.ptr - buf.data())));
}

// A currency value with its four decimals, exactly from its units of
// 1/10000: -922337203685477.5808 .. 922337203685477.5807.
String currency_text(std::int64_t units) {
  const unsigned long long magnitude = units < 0 ? 0ull - static_cast<unsigned long long>(units)
                                                 : static_cast<unsigned long long>(units);
  std::string fraction = std::to_string(magnitude % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  return zyl::from_ascii((units < 0 ? "-" : "") + std::to_string(magnitude / 10000) + "." + fraction);
}

// The units of 1/10000 of a currency text: an optional "-", digits, and
// optionally "." with one to four digits. Nothing for other texts and for
// values beyond 64 bits of units.
std::optional<std::int64_t> currency_units(std::u16string_view text) {
  const bool negative = !text.empty() && text.front() == u'-';
  if (negative) text.remove_prefix(1);
  const std::size_t point = text.find(u'.');
  const std::u16string_view whole = text.substr(0, point);
  const std::u16string_view frac = point == std::u16string_view::npos ? std::u16string_view() : text.substr(point + 1);
  if (whole.empty() || (point != std::u16string_view::npos && (frac.empty() || frac.size() > 4))) return std::nullopt;
  // Accumulated as a negative count, which reaches one unit further.
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  std::int64_t v = 0;
  auto add_digit = [&v](char16_t c) {
    if (c < u'0' || c > u'9' || v < kMin / 10) return false;
    const int d = c - u'0';
    if (v * 10 < kMin + d) return false;
    v = v * 10 - d;
    return true;
  };
  for (char16_t c : whole)
    if (!add_digit(c)) return std::nullopt;
  for (std::size_t i = 0; i < 4; ++i)
    if (!add_digit(i < frac.size() ? frac[i] : u'0')) return std::nullopt;
  if (negative) return v;
  if (v == kMin) return std::nullopt;
  return -v;
}

// The content text of a value that is neither null, empty nor a string.
String value_text(const Variant& v) {
  switch (v.VarType()) {
    case zyl::varSingle: return real_text(static_cast<float>(v.AsReal()));
    case zyl::varDouble:
    case zyl::varDate: return real_text(v.AsReal());
    case zyl::varCurrency: return currency_text(v.currency_units());
    case zyl::varBoolean: return v.AsBoolean() ? u"true" : u"false";
    default: return v.AsString();  // integers: decimal
  }
}

template <class Number>
std::optional<Number> parse_number(std::u16string_view text) {
  std::string ascii;
  for (zyl::Char c : text) {
    if (c > 0x7F) return std::nullopt;
    ascii.push_back(static_cast<char>(c));
  }
  Number v{};
  const auto r = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
  if (r.ec != std::errc() || r.ptr != ascii.data() + ascii.size()) return std::nullopt;
  return v;
}

// A number of C++ type Number (which picks the variant kind), when the text
// is one in its range.
template <class Number>
std::optional<Variant> typed_value(std::u16string_view text) {
  const auto v = parse_number<Number>(text);
  if (!v) return std::nullopt;
  return Variant(*v);
}

// The value of kind t written as text; nothing when the text does not fit it.
std::optional<Variant> value_of(TVarType t, const String& text) {
  switch (t) {
    case zyl::varEmpty: return Variant();
    case zyl::varNull: return Variant::Null();
    case zyl::varSmallint: return typed_value<std::int16_t>(text);
    case zyl::varInteger: return typed_value<std::int32_t>(text);
    case zyl::varShortInt: return typed_value<std::int8_t>(text);
    case zyl::varByte: return typed_value<std::uint8_t>(text);
    case zyl::varWord: return typed_value<std::uint16_t>(text);
    case zyl::varLongWord: return typed_value<std::uint32_t>(text);
    case zyl::varInt64: return typed_value<std::int64_t>(text);
    case zyl::varUInt64: return typed_value<std::uint64_t>(text);
    case zyl::varSingle: return typed_value<float>(text);
    case zyl::varDouble: return typed_value<double>(text);
    case zyl::varDate: {
      const auto d = parse_number<double>(text);
      if (!d) return std::nullopt;
      return Variant::Date(*d);
    }
    case zyl::varCurrency: {
      const auto units = currency_units(text);
      if (!units) return std::nullopt;
      return Variant::currency_units(*units);
    }
    case zyl::varBoolean:
      if (text == u"true") return Variant(true);
      if (text == u"false") return Variant(false);
      return std::nullopt;
    case zyl::varString:
      for (zyl::Char c : text)
        if (c > 0xFF) return std::nullopt;
      return Variant(zyl::to_latin1(text));
    default:
      return Variant(text);
  }
}

// -- Reading ----------------------------------------------------------------------

// Text read byte by byte (each byte one character) decoded as UTF-8.
String decoded(std::u16string_view bytes) { return zyl::from_utf8(zyl::to_latin1(bytes)); }

using Entries = std::vector<std::pair<String, Variant>>;

template <class Source>
bool next_tag(Source& src, zyl::detail::TagElement& e) {
  String text;
  if (!zyl::detail::read_tag_text(src, text)) return false;
  e = zyl::detail::split_tag_text(text);
  e.attributes = decoded(e.attributes);
  return e.terminated;
}

// One <assoc> element whose tag has been read.
template <class Source>
bool read_entry(Source& src, const zyl::detail::TagElement& e, Entries& out) {
  const auto key = zyl::detail::read_text_attribute(e.attributes, u"key");
  const auto type = type_of(zyl::detail::scan_attribute(e.attributes, u"type"));
  if (!key || !type) return false;
  String contents;
  if (!e.empty_element) {
    if (!zyl::detail::read_contents(src, u"assoc", contents, zyl::detail::ContentsTail::Keep)) return false;
    contents = decoded(contents);
  }
  const bool hex = !zyl::detail::scan_attribute(e.attributes, u"hex").empty();
  const std::optional<String> text =
      hex ? zyl::detail::parse_hex_units(contents, 4) : std::optional<String>(zyl::detail::xml_unescape(contents));
  if (!text) return false;
  auto value = value_of(*type, *text);
  if (!value) return false;
  out.emplace_back(*key, std::move(*value));
  return true;
}

template <class Source>
bool read_body(Source& src, std::u16string_view attributes, Entries& out) {
  const auto count = zyl::detail::parse_xml_integer(zyl::detail::scan_attribute(attributes, u"numentries"));
  if (!count || *count < 0) return false;
  zyl::detail::TagElement e;
  for (;;) {
    if (!next_tag(src, e)) return false;
    if (e.name == u"assoc") {
      if (static_cast<std::int64_t>(out.size()) == *count || !read_entry(src, e, out)) return false;
    } else if (e.name == kBlockEnd) {
      return static_cast<std::int64_t>(out.size()) == *count;
    }
    // Other tags are not part of the form and are passed over.
  }
}

template <class Source>
bool read_block(Source& src, const String& DataID, Entries& out) {
  zyl::detail::TagElement e;
  String text;
  for (;;) {
    if (!zyl::detail::read_tag_text(src, text)) return false;
    e = zyl::detail::split_tag_text(text);
    if (e.name != kBlockTag || e.empty_element) continue;
    if (zyl::detail::read_text_attribute(decoded(e.attributes), u"dataid") == DataID)
      return read_body(src, decoded(e.attributes), out);
    // Another block: its texts hold no "<", so its tags can simply be passed.
    while (zyl::detail::read_tag_text(src, text))
      if (zyl::detail::split_tag_text(text).name == kBlockEnd) break;
  }
}

}  // namespace

void TAssocArray::WriteToXMLStream(zyl::TStream& OutStream, bool CreateHeader, const String& DataID) const {
  const auto n = static_cast<std::size_t>(FNEntries);
  for (std::size_t i = 0; i < n; ++i)
    if (FDataArray[i].IsArray())
      throw ZYL_zylbase::EZYLDStructError(ZYL_zylbase::ComponentMessage(Name(), u"cannot write an array value as XML"));
  String out;
  if (CreateHeader) {
    out += zyl::detail::kXMLHeader;
    out += kXMLLineEnd;
  }
  out += u"<assocarray";
  zyl::detail::append_text_attribute(out, u"dataid", DataID);
  out += u" numentries=\"" + zyl::IntToStr(FNEntries) + u"\">";
  out += kXMLLineEnd;
  for (std::size_t i = 0; i < n; ++i) {
    const Variant& v = FDataArray[i];
    out += u"<assoc";
    zyl::detail::append_text_attribute(out, u"key", FKeyArray[i]);
    out += u" type=\"";
    out += name_of(v.VarType());
    const bool text_kind = v.VarType() == zyl::varString || v.VarType() == zyl::varUString ||
                           v.VarType() == zyl::varOleStr;
    if (v.IsNull() || v.IsEmpty()) {
      out += u"\"/>";
    } else if (text_kind && !zyl::detail::xml_can_carry(v.AsString())) {
      out += u"\" hex=\"1\">";
      zyl::detail::append_hex_units(out, v.AsString(), 4);
      out += u"</assoc>";
    } else {
      out += u"\">";
      zyl::detail::append_xml_escaped(out, text_kind ? v.AsString() : value_text(v));
      out += u"</assoc>";
    }
    out += kXMLLineEnd;
  }
  out += u"</assocarray>";
  out += kXMLLineEnd;
  const std::string bytes = zyl::to_utf8(out);
  constexpr std::size_t kMaxWrite = std::size_t{1} << 30;  // one Write moves at most 2^31 - 1 bytes
  for (std::size_t at = 0; at < bytes.size(); at += kMaxWrite)
    OutStream.WriteBuffer(bytes.data() + at, static_cast<std::int32_t>(std::min(kMaxWrite, bytes.size() - at)));
}

bool TAssocArray::ReadFromXMLStream(zyl::TStream& InStream, const String& DataID) {
  const std::int64_t start = InStream.Position();
  Entries entries;
  bool ok;
  {
    zyl::detail::ByteReader reader(InStream);
    ok = read_block(reader, DataID, entries);
  }  // the reader hands the bytes it consumed back to the stream here
  if (!ok) {
    InStream.SetPosition(start);
    return false;
  }
  for (const auto& [key, value] : entries) Add(key, value);
  return true;
}

std::int32_t TAssocArray::AddXMLAttributes(const String& Attributes) {
  std::int32_t taken = 0;
  std::size_t pos = 0;
  String name, value;
  while (zyl::detail::next_attribute(Attributes, pos, name, value) == zyl::detail::AttributeStep::Pair) {
    if (name.empty()) continue;
    Add(name, Variant(zyl::detail::xml_unescape(value)));
    ++taken;
  }
  return taken;
}

}  // namespace ZYL_dstruct

// Library: zyl / Package: ZYL_dstruct / Module: assocarray
//
// TAssocArray: string keys mapped to variant values, in order of addition.
// With IgnoreCase (the default) keys are stored lower-cased (A-Z) and found
// in any case. Lookup is a linear scan from the first entry, meant for
// settings-sized tables; storage grows geometrically underneath, so adding
// many entries copies each only a few times.
//
// A missing key is not an error: Resolve gives null, ResolveAsString "",
// the numeric resolvers 0; out-of-range indices are ignored.
//
// Example:
//   TAssocArray a(nullptr);
//   a.Add(u"Key", 1);
//   a.Add(u"KEY", 2);             // same key: the value is replaced
//   a.NumEntries()                // == 1
//   a.GetKeys(1)                  // == u"key"
//   a.ResolveAsInt(u"kEy")        // == 2
//   a.Add(u"price", u"3,25");
//   a.ResolveAsNumber(u"price")   // == 3.25
#pragma once

#include <cstdint>
#include <vector>

#include "platform/component.h"
#include "platform/stream.h"
#include "platform/variant.h"

namespace ZYL_dstruct {

using zyl::Extended;
using zyl::String;
using zyl::Variant;

class ZYL_API TAssocArray : public zyl::TComponent {
 public:
  // No entries, granularity 1024, IgnoreCase true, DataID "", capacity 1024.
  explicit TAssocArray(zyl::TComponent* AOwner);

  // From another TAssocArray: entry count, granularity, IgnoreCase, DataID
  // and every key and value (capacity = entry count). Other sources: as
  // TPersistent.
  void Assign(const zyl::TPersistent* Source) override;
  void AssignTo(zyl::TPersistent* Dest) const override;

  std::int32_t NumEntries() const noexcept { return FNEntries; }
  // The growth step of the arrays (values below 1 grow by 1).
  std::int32_t Granularity() const noexcept { return FGranularity; }
  void SetGranularity(std::int32_t Value) { FGranularity = Value; }
  bool IgnoreCase() const noexcept { return FIgnoreCase; }
  void SetIgnoreCase(bool Value) { FIgnoreCase = Value; }
  const String& DataID() const noexcept { return FDataID; }
  void SetDataID(const String& Value) { FDataID = Value; }
  // The number of entries the arrays hold room for: Granularity after
  // creation and Clear; when full, an Add grows it to the new entry count +
  // Granularity.
  std::int32_t capacity() const noexcept { return static_cast<std::int32_t>(FKeyArray.size()); }

  // Sets the value of Key (lower-cased first under IgnoreCase): replaces the
  // value of an existing entry, else appends a new entry.
  void Add(const String& Key, const Variant& Value);
  // Removes the entry of Key, moving the last entry into its place; false
  // when there is none.
  bool Remove(const String& Key);
  // The value of Key; the null variant when there is none.
  Variant Resolve(const String& Key) const;
  // The value as text (Variant::AsString); "" for a missing key.
  String ResolveAsString(const String& Key) const;
  // The value as a number: numbers (not dates) as they are; strings read
  // with the string number scanner from their first character ("." or ","
  // as separator, exponent allowed: "12abc" ⇒ 12, "abc" ⇒ 0, "1E" ⇒ 1);
  // every other kind (Boolean, date, null, missing) 0.
  Extended ResolveAsNumber(const String& Key) const;
  // The value as an integer: integers by the variant conversion (raising
  // EVariantError beyond 32 bits), single and double rounded half to even
  // (limited to +-2147483647); strings by their leading decimal digits after
  // blanks and an optional sign, wrapping in 32 bits ("-17 apples" ⇒ -17);
  // every other kind, currency included, 0.
  std::int32_t ResolveAsInt(const String& Key) const;
  // No entries; capacity Granularity.
  void Clear();

  // Key number ix (1..NumEntries); "" out of range. The setter stores the
  // text as given (no lower-casing, no duplicate check) and ignores an index
  // out of range.
  String GetKeys(std::int32_t ix) const;
  String Keys(std::int32_t ix) const { return GetKeys(ix); }
  void SetKeys(std::int32_t ix, const String& value);
  // Value number ix; out of range the getter gives a variant holding ""
  // (not null) and the setter does nothing.
  Variant GetValues(std::int32_t ix) const;
  Variant Values(std::int32_t ix) const { return GetValues(ix); }
  void SetValues(std::int32_t ix, const Variant& value);

  // -- XML form ---------------------------------------------------------------
  //
  //   <?xml version="1.0" encoding="UTF-8"?>            (with a header only)
  //   <assocarray dataid="ID" numentries="4">
  //   <assoc key="name" type="string">Ann &amp; Bob</assoc>
  //   <assoc key="n" type="integer">42</assoc>
  //   <assoc key="x" type="double">0.1</assoc>
  //   <assoc key="z" type="null"/>
  //   </assocarray>
  //
  // One <assoc> per entry, in order. type names the value's variant kind:
  // empty, null, smallint, integer, single, double, currency, date, olestr,
  // boolean, shortint, byte, word, longword, int64, uint64, ansistring,
  // string. Integers are decimal; single, double and date values are written
  // with the fewest digits that read back to the same bits; currency with
  // four decimals; Booleans as true / false. Texts are escaped; a key or text
  // XML cannot carry is written in hex form (keyhex="...", or hex="1" on the
  // element, four digits per UTF-16 unit). Bytes are UTF-8, lines end with
  // CR LF. Several blocks can share one stream; to make such a file one XML
  // document, wrap them in a root element such as <dummy> ... </dummy>.

  // Writes all entries as a block named DataID at the stream's position,
  // after the XML header line when CreateHeader is true. An array value
  // raises EZYLDStructError "Component \"<Name>\": cannot write an array
  // value as XML" before anything is written.
  void WriteToXMLStream(zyl::TStream& OutStream, bool CreateHeader, const String& DataID) const;
  // Reads the first block named DataID (compared exactly) from the stream's
  // position and adds its entries as Add does. True when a complete,
  // consistent block was read; the stream then stands behind it. False when
  // there is none, or it is truncated, malformed or its numentries disagrees
  // with the entries present: the array and the stream position are then
  // unchanged.
  bool ReadFromXMLStream(zyl::TStream& InStream, const String& DataID);
  // Adds one string entry per attribute pair of an XML attribute text
  // (name="value" or name=value; entity references in values resolved), as
  // Add does: a key already present gets the new value. Returns the number
  // of pairs taken; reading stops at the first malformed pair.
  //   AddXMLAttributes(u"a=\"1\" b=\"x &amp; y\"") == 2; Resolve(u"b") == u"x & y"
  std::int32_t AddXMLAttributes(const String& Attributes);

 private:
  // The 0-based index of the entry matching Key; -1 when none.
  std::int32_t find(const String& Key) const;
  void grow_to(std::size_t Capacity);

  std::int32_t FNEntries = 0;
  std::vector<Variant> FDataArray;
  std::vector<String> FKeyArray;
  std::int32_t FGranularity = 1024;
  bool FIgnoreCase = true;
  String FDataID;
};

}  // namespace ZYL_dstruct

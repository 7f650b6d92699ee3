// Library: zyl / Package: platform / Module: variant
//
// Variant: the host framework's tagged value. It holds nothing (empty), null,
// one number, Boolean, date or string value, or an array of variants, and
// reports its kind through the host's type codes:
//
//   varEmpty 0  varNull 1  varSmallint 2  varInteger 3  varSingle 4
//   varDouble 5  varCurrency 6  varDate 7  varOleStr 8  varBoolean 11
//   varVariant 12  varShortInt 16  varByte 17  varWord 18  varLongWord 19
//   varInt64 20  varUInt64 21  varString 0x100 (8-bit)  varUString 0x102
//   varArray 0x2000 (flag, or-ed with the element type)
//
// An array has one dimension with free bounds (var_array_create); an array
// whose elements are arrays serves as a second and third dimension. Copies
// are deep: a Variant is a value.
//
// Conversions (AsString, AsInteger, AsInt64, AsReal, AsBoolean) follow the
// host: numbers convert among themselves (reals to integers round half to
// even), strings are parsed, Booleans are 0 / -1 as numbers and
// "True"/"False" as text, empty is 0 / "" / false. Null and arrays convert
// to nothing and raise EVariantError, as do unparsable strings and values
// outside the target type.
//
// Example:
//   Variant v = 42;               // VarType() == varInteger
//   v.AsString()                  // == u"42"
//   Variant a = var_array_create(1, 3);
//   a.SetElement(2, u"x");        // a.Element(2).AsString() == u"x"
//   Variant::Null().IsNull()      // == true
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/hoststring.h"

namespace zyl {

using TVarType = std::uint16_t;

inline constexpr TVarType varEmpty = 0x0000;
inline constexpr TVarType varNull = 0x0001;
inline constexpr TVarType varSmallint = 0x0002;
inline constexpr TVarType varInteger = 0x0003;
inline constexpr TVarType varSingle = 0x0004;
inline constexpr TVarType varDouble = 0x0005;
inline constexpr TVarType varCurrency = 0x0006;
inline constexpr TVarType varDate = 0x0007;
inline constexpr TVarType varOleStr = 0x0008;
inline constexpr TVarType varBoolean = 0x000B;
inline constexpr TVarType varVariant = 0x000C;
inline constexpr TVarType varShortInt = 0x0010;
inline constexpr TVarType varByte = 0x0011;
inline constexpr TVarType varWord = 0x0012;
inline constexpr TVarType varLongWord = 0x0013;
inline constexpr TVarType varInt64 = 0x0014;
inline constexpr TVarType varUInt64 = 0x0015;
inline constexpr TVarType varString = 0x0100;
inline constexpr TVarType varUString = 0x0102;
inline constexpr TVarType varTypeMask = 0x0FFF;
inline constexpr TVarType varArray = 0x2000;

class ZYL_API Variant {
 public:
  Variant() = default;  // empty
  Variant(bool V);
  Variant(std::int8_t V);
  Variant(std::uint8_t V);
  Variant(std::int16_t V);
  Variant(std::uint16_t V);
  Variant(std::int32_t V);
  Variant(std::uint32_t V);
  Variant(std::int64_t V);
  Variant(std::uint64_t V);
  Variant(float V);
  Variant(double V);
  Variant(const String& V);                  // varUString
  Variant(const char16_t* V);                // varUString
  Variant(const AnsiString& V);              // varString (Latin-1 bytes)
  Variant(const char* V) = delete;           // ambiguous: say String or AnsiString

  static Variant Null();
  // A currency value: Value is held as a count of 1/10000 units, as the host does.
  static Variant Currency(double Value);
  // A currency value from its count of 1/10000 units, exactly: the whole
  // range -922337203685477.5808 .. 922337203685477.5807, which a double
  // cannot carry to the last unit.
  static Variant currency_units(std::int64_t Units);
  // The count of 1/10000 units of a currency value (exact); raises
  // EVariantError for a value of any other type.
  std::int64_t currency_units() const;
  static Variant Date(double Value);

  TVarType VarType() const noexcept { return FType; }
  bool IsNull() const noexcept { return FType == varNull; }
  bool IsEmpty() const noexcept { return FType == varEmpty; }
  bool IsArray() const noexcept { return (FType & varArray) != 0; }

  // Array bounds; both raise EVariantError when the value is not an array.
  // An empty array has High = Low - 1.
  int ArrayLowBound() const;
  int ArrayHighBound() const;
  // Element Index (within the bounds); raises EVariantError otherwise.
  const Variant& Element(int Index) const;
  void SetElement(int Index, const Variant& Value);

  String AsString() const;
  std::int32_t AsInteger() const;
  std::int64_t AsInt64() const;
  double AsReal() const;
  bool AsBoolean() const;

 private:
  friend ZYL_API Variant var_array_create(int Low, int High, TVarType ElementType);
  struct ArrayData;

  [[noreturn]] void conversion_error(const char16_t* Target) const;
  std::size_t element_offset(int Index) const;

  TVarType FType = varEmpty;
  std::int64_t FInt = 0;
  std::uint64_t FUInt = 0;
  double FReal = 0;
  bool FBool = false;
  String FText;  // varUString, varOleStr, and varString widened from Latin-1
  // Arrays only. Shared between copies until one of them is written
  // (SetElement copies first), so copies behave as independent values.
  std::shared_ptr<ArrayData> FArray;
};

// A one-dimensional array Low..High of elements of ElementType (default: of
// variants), every element empty. High < Low - 1 is taken as Low - 1.
[[nodiscard]] ZYL_API Variant var_array_create(int Low, int High, TVarType ElementType = varVariant);

// The host's free-function form of the type code.
[[nodiscard]] inline TVarType VarType(const Variant& V) noexcept { return V.VarType(); }

}  // namespace zyl

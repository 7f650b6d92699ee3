// Library: zyl / Package: platform / Module: variant
#include "platform/variant.h"

#include <cmath>
#include <limits>

#include "platform/casemap.h"
#include "platform/exceptions.h"
#include "platform/numtext.h"

namespace zyl {

struct Variant::ArrayData {
  int Low = 0;
  std::vector<Variant> Items;
};

namespace {

const char16_t* type_name(TVarType t) {
  if ((t & varArray) != 0) return u"Array";
  switch (t & varTypeMask) {
    case varEmpty: return u"Empty";
    case varNull: return u"Null";
    case varSmallint: return u"Smallint";
    case varInteger: return u"Integer";
    case varSingle: return u"Single";
    case varDouble: return u"Double";
    case varCurrency: return u"Currency";
    case varDate: return u"Date";
    case varOleStr: return u"OleStr";
    case varBoolean: return u"Boolean";
    case varShortInt: return u"ShortInt";
    case varByte: return u"Byte";
    case varWord: return u"Word";
    case varLongWord: return u"LongWord";
    case varInt64: return u"Int64";
    case varUInt64: return u"UInt64";
    case varString: return u"String";
    case varUString: return u"UnicodeString";
    default: return u"Unknown";
  }
}

bool is_signed_integer(TVarType t) {
  return t == varSmallint || t == varInteger || t == varShortInt || t == varInt64;
}
bool is_unsigned_integer(TVarType t) {
  return t == varByte || t == varWord || t == varLongWord || t == varUInt64;
}
bool is_real(TVarType t) { return t == varSingle || t == varDouble || t == varDate; }
bool is_text(TVarType t) { return t == varOleStr || t == varString || t == varUString; }

// Round half to even, as the host's conversion of a real to an integer.
bool real_to_int64(double v, std::int64_t& out) {
  if (!std::isfinite(v)) return false;
  const double r = std::nearbyint(v);  // default rounding mode: to nearest, ties to even
  if (r < -9223372036854775808.0 || r >= 9223372036854775808.0) return false;
  out = static_cast<std::int64_t>(r);
  return true;
}

}  // namespace

Variant::Variant(bool V) : FType(varBoolean), FBool(V) {}
Variant::Variant(std::int8_t V) : FType(varShortInt), FInt(V) {}
Variant::Variant(std::uint8_t V) : FType(varByte), FInt(V) {}
Variant::Variant(std::int16_t V) : FType(varSmallint), FInt(V) {}
Variant::Variant(std::uint16_t V) : FType(varWord), FInt(V) {}
Variant::Variant(std::int32_t V) : FType(varInteger), FInt(V) {}
Variant::Variant(std::uint32_t V) : FType(varLongWord), FInt(V) {}
Variant::Variant(std::int64_t V) : FType(varInt64), FInt(V) {}
Variant::Variant(std::uint64_t V) : FType(varUInt64), FUInt(V) {}
Variant::Variant(float V) : FType(varSingle), FReal(V) {}
Variant::Variant(double V) : FType(varDouble), FReal(V) {}
Variant::Variant(const String& V) : FType(varUString), FText(V) {}
Variant::Variant(const char16_t* V) : FType(varUString), FText(V ? V : u"") {}
Variant::Variant(const AnsiString& V) : FType(varString), FText(from_latin1(V)) {}


Variant Variant::Null() {
  Variant v;
  v.FType = varNull;
  return v;
}

Variant Variant::Currency(double Value) {
  Variant v;
  v.FType = varCurrency;
  if (!real_to_int64(Value * 10000.0, v.FInt)) throw EVariantError(u"Invalid variant operation: currency overflow");
  return v;
}

Variant Variant::currency_units(std::int64_t Units) {
  Variant v;
  v.FType = varCurrency;
  v.FInt = Units;
  return v;
}

std::int64_t Variant::currency_units() const {
  if (FType != varCurrency) conversion_error(u"Currency");
  return FInt;
}

Variant Variant::Date(double Value) {
  Variant v(Value);
  v.FType = varDate;
  return v;
}

Variant var_array_create(int Low, int High, TVarType ElementType) {
  Variant v;
  v.FType = static_cast<TVarType>(varArray | (ElementType & varTypeMask));
  v.FArray = std::make_shared<Variant::ArrayData>();
  v.FArray->Low = Low;
  const long long count = static_cast<long long>(High) - Low + 1;
  if (count > 0) v.FArray->Items.resize(static_cast<std::size_t>(count));
  return v;
}

int Variant::ArrayLowBound() const {
  if (!FArray) throw EVariantError(u"Variant is not an array");
  return FArray->Low;
}

int Variant::ArrayHighBound() const {
  if (!FArray) throw EVariantError(u"Variant is not an array");
  return static_cast<int>(FArray->Low + static_cast<long long>(FArray->Items.size()) - 1);
}

std::size_t Variant::element_offset(int Index) const {
  if (!FArray) throw EVariantError(u"Variant is not an array");
  const long long off = static_cast<long long>(Index) - FArray->Low;
  if (off < 0 || off >= static_cast<long long>(FArray->Items.size()))
    throw EVariantError(u"Variant array index out of bounds");
  return static_cast<std::size_t>(off);
}

const Variant& Variant::Element(int Index) const { return FArray->Items[element_offset(Index)]; }

void Variant::SetElement(int Index, const Variant& Value) {
  const std::size_t off = element_offset(Index);
  // Copy the value before unsharing: it may be this array itself or one of
  // its elements, and storing a share of our own array in it would form a
  // cycle that is never freed.
  Variant copy = Value;
  if (FArray.use_count() > 1) FArray = std::make_shared<ArrayData>(*FArray);
  FArray->Items[off] = std::move(copy);
}

void Variant::conversion_error(const char16_t* Target) const {
  throw EVariantError(String(u"Could not convert variant of type (") + type_name(FType) + u") into type (" +
                      Target + u")");
}

String Variant::AsString() const {
  if (IsArray() || FType == varNull) conversion_error(u"UnicodeString");
  if (FType == varEmpty) return String();
  if (is_text(FType)) return FText;
  if (FType == varBoolean) return FBool ? u"True" : u"False";
  if (FType == varUInt64) return from_ascii(std::to_string(FUInt));
  if (FType == varLongWord || is_signed_integer(FType) || is_unsigned_integer(FType)) return IntToStr(FInt);
  if (FType == varCurrency) return FloatToStr(static_cast<Extended>(FInt) / 10000);
  if (is_real(FType)) return FloatToStr(FReal);
  conversion_error(u"UnicodeString");
}

std::int64_t Variant::AsInt64() const {
  if (IsArray() || FType == varNull) conversion_error(u"Int64");
  if (FType == varEmpty) return 0;
  if (FType == varBoolean) return FBool ? -1 : 0;
  if (FType == varUInt64) {
    if (FUInt > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) conversion_error(u"Int64");
    return static_cast<std::int64_t>(FUInt);
  }
  if (is_signed_integer(FType) || is_unsigned_integer(FType)) return FInt;
  std::int64_t r = 0;
  if (FType == varCurrency) {
    if (!real_to_int64(static_cast<double>(FInt) / 10000.0, r)) conversion_error(u"Int64");
    return r;
  }
  if (is_real(FType)) {
    if (!real_to_int64(FReal, r)) conversion_error(u"Int64");
    return r;
  }
  if (is_text(FType)) {
    try {
      return str_to_int64(FText);
    } catch (const EConvertError&) {
      double d = 0;
      try {
        d = static_cast<double>(StrToFloat(FText));
      } catch (const EConvertError&) {
        conversion_error(u"Int64");
      }
      if (!real_to_int64(d, r)) conversion_error(u"Int64");
      return r;
    }
  }
  conversion_error(u"Int64");
}

std::int32_t Variant::AsInteger() const {
  std::int64_t v;
  try {
    v = AsInt64();
  } catch (const EVariantError&) {
    conversion_error(u"Integer");
  }
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    conversion_error(u"Integer");
  return static_cast<std::int32_t>(v);
}

double Variant::AsReal() const {
  if (IsArray() || FType == varNull) conversion_error(u"Double");
  if (FType == varEmpty) return 0;
  if (FType == varBoolean) return FBool ? -1 : 0;
  if (FType == varUInt64) return static_cast<double>(FUInt);
  if (is_signed_integer(FType) || is_unsigned_integer(FType)) return static_cast<double>(FInt);
  if (FType == varCurrency) return static_cast<double>(FInt) / 10000.0;
  if (is_real(FType)) return FReal;
  if (is_text(FType)) {
    try {
      return static_cast<double>(StrToFloat(FText));
    } catch (const EConvertError&) {
      conversion_error(u"Double");
    }
  }
  conversion_error(u"Double");
}

bool Variant::AsBoolean() const {
  if (IsArray() || FType == varNull) conversion_error(u"Boolean");
  if (FType == varEmpty) return false;
  if (FType == varBoolean) return FBool;
  if (is_text(FType)) {
    const String t = LowerCase(FText);
    if (t == u"true") return true;
    if (t == u"false") return false;
    try {
      return StrToFloat(FText) != 0;
    } catch (const EConvertError&) {
      conversion_error(u"Boolean");
    }
  }
  if (FType == varUInt64) return FUInt != 0;
  if (is_real(FType)) return FReal != 0;
  return FInt != 0;
}

}  // namespace zyl

// Library: zyl / Package: ZYL_dstruct / Module: assocarray
//
// Entries, lookup and the typed read-outs. The XML form is in
// assocarray_xml.cpp.
#include "ZYL_dstruct/assocarray.h"

#include <algorithm>
#include <cmath>

#include "ZYL_dstruct/detail/strnumscan.h"
#include "ZYL_zylbase/detail/numberscan.h"
#include "platform/casemap.h"

namespace ZYL_dstruct {
namespace {

// Equality of a stored key with a search key already lower-cased, the stored
// key folded A-Z as it is compared.
bool equal_folded(const String& Stored, const String& LoweredKey) noexcept {
  if (Stored.size() != LoweredKey.size()) return false;
  for (std::size_t i = 0; i < Stored.size(); ++i)
    if (zyl::detail::ascii_lower(Stored[i]) != LoweredKey[i]) return false;
  return true;
}

bool is_text(zyl::TVarType t) noexcept { return t == zyl::varString || t == zyl::varUString || t == zyl::varOleStr; }

// The leading decimal integer of a text: blanks (never the last character)
// and one sign skipped, digits accumulated in 32 bits with wrap-around.
std::int32_t leading_integer(const String& S) {
  std::size_t i = 0;
  while (i + 1 < S.size() && S[i] == u' ') ++i;
  bool negative = false;
  if (i < S.size() && (S[i] == u'-' || S[i] == u'+')) negative = S[i++] == u'-';
  std::uint32_t v = 0;  // unsigned: wraps without undefined behaviour
  for (; i < S.size() && S[i] >= u'0' && S[i] <= u'9'; ++i) v = v * 10u + static_cast<std::uint32_t>(S[i] - u'0');
  if (negative) v = 0u - v;
  return static_cast<std::int32_t>(v);
}

// The value as a double. The x87 unit (the 32-bit Windows target) may hand a
// computed double back with extended precision; storing it rounds it to the
// double every other target gets.
Extended real_of(const Variant& v) {
  volatile double d = v.AsReal();
  return d;
}

}  // namespace

TAssocArray::TAssocArray(zyl::TComponent* AOwner) : zyl::TComponent(AOwner) {
  FDataArray.resize(static_cast<std::size_t>(FGranularity));
  FKeyArray.resize(static_cast<std::size_t>(FGranularity));
}

void TAssocArray::Assign(const zyl::TPersistent* Source) {
  const auto* src = dynamic_cast<const TAssocArray*>(Source);
  if (src == nullptr) {
    zyl::TComponent::Assign(Source);
    return;
  }
  if (src == this) return;
  const auto n = static_cast<std::size_t>(src->FNEntries);
  FDataArray.assign(src->FDataArray.begin(), src->FDataArray.begin() + static_cast<std::ptrdiff_t>(n));
  FKeyArray.assign(src->FKeyArray.begin(), src->FKeyArray.begin() + static_cast<std::ptrdiff_t>(n));
  FNEntries = src->FNEntries;
  FGranularity = src->FGranularity;
  FIgnoreCase = src->FIgnoreCase;
  FDataID = src->FDataID;
}

void TAssocArray::AssignTo(zyl::TPersistent* Dest) const {
  if (auto* d = dynamic_cast<TAssocArray*>(Dest)) {
    d->Assign(this);
    return;
  }
  zyl::TComponent::AssignTo(Dest);
}

std::int32_t TAssocArray::find(const String& Key) const {
  const auto n = static_cast<std::size_t>(FNEntries);
  if (FIgnoreCase) {
    const String lowered = zyl::LowerCase(Key);
    for (std::size_t i = 0; i < n; ++i)
      if (equal_folded(FKeyArray[i], lowered)) return static_cast<std::int32_t>(i);
  } else {
    for (std::size_t i = 0; i < n; ++i)
      if (FKeyArray[i] == Key) return static_cast<std::int32_t>(i);
  }
  return -1;
}

void TAssocArray::grow_to(std::size_t Capacity) {
  // The arrays hold exactly Capacity entries, as the granularity rule says;
  // the storage beneath them at least doubles, so a long run of additions
  // reallocates only a logarithmic number of times.
  if (Capacity > FKeyArray.capacity()) {
    const std::size_t room = std::max(Capacity, 2 * FKeyArray.capacity());
    FKeyArray.reserve(room);
    FDataArray.reserve(room);
  }
  FKeyArray.resize(Capacity);
  FDataArray.resize(Capacity);
}

void TAssocArray::Add(const String& Key, const Variant& Value) {
  const String key = FIgnoreCase ? zyl::LowerCase(Key) : Key;
  const std::int32_t at = find(key);
  if (at >= 0) {
    FDataArray[static_cast<std::size_t>(at)] = Value;
    return;
  }
  const auto n = static_cast<std::size_t>(FNEntries);
  if (n >= FKeyArray.size()) grow_to(n + 1 + static_cast<std::size_t>(std::max(FGranularity, 0)));
  FKeyArray[n] = key;
  FDataArray[n] = Value;
  ++FNEntries;
}

bool TAssocArray::Remove(const String& Key) {
  const std::int32_t at = find(Key);
  if (at < 0) return false;
  const auto last = static_cast<std::size_t>(FNEntries) - 1;
  if (static_cast<std::size_t>(at) != last) {
    FKeyArray[static_cast<std::size_t>(at)] = FKeyArray[last];
    FDataArray[static_cast<std::size_t>(at)] = FDataArray[last];
  }
  --FNEntries;
  return true;
}

Variant TAssocArray::Resolve(const String& Key) const {
  const std::int32_t at = find(Key);
  return at < 0 ? Variant::Null() : FDataArray[static_cast<std::size_t>(at)];
}

String TAssocArray::ResolveAsString(const String& Key) const {
  const Variant v = Resolve(Key);
  return v.IsNull() ? String() : v.AsString();
}

Extended TAssocArray::ResolveAsNumber(const String& Key) const {
  const Variant v = Resolve(Key);
  switch (v.VarType()) {
    case zyl::varSmallint: case zyl::varInteger: case zyl::varSingle: case zyl::varDouble:
    case zyl::varCurrency: case zyl::varShortInt: case zyl::varByte: case zyl::varWord:
    case zyl::varLongWord: case zyl::varInt64: case zyl::varUInt64:
      return real_of(v);
    default:
      break;
  }
  if (!is_text(v.VarType())) return 0;
  std::int32_t pos = 1;
  return zyl::detail::scan_string_number(v.AsString(), pos, true, zyl::detail::kDecEither).value;
}

std::int32_t TAssocArray::ResolveAsInt(const String& Key) const {
  const Variant v = Resolve(Key);
  switch (v.VarType()) {
    case zyl::varSmallint: case zyl::varInteger: case zyl::varShortInt: case zyl::varByte:
    case zyl::varWord: case zyl::varLongWord: case zyl::varInt64: case zyl::varUInt64:
      return v.AsInteger();
    case zyl::varSingle: case zyl::varDouble: {
      const double d = v.AsReal();
      if (std::isnan(d)) return 0;
      return static_cast<std::int32_t>(std::nearbyint(std::clamp(d, -2147483647.0, 2147483647.0)));
    }
    default:
      break;
  }
  return is_text(v.VarType()) ? leading_integer(v.AsString()) : 0;
}

void TAssocArray::Clear() {
  FNEntries = 0;
  const auto cap = static_cast<std::size_t>(std::max(FGranularity, 0));
  FKeyArray.assign(cap, String());
  FDataArray.assign(cap, Variant());
}

String TAssocArray::GetKeys(std::int32_t ix) const {
  if (ix < 1 || ix > FNEntries) return String();
  return FKeyArray[static_cast<std::size_t>(ix) - 1];
}

void TAssocArray::SetKeys(std::int32_t ix, const String& value) {
  if (ix < 1 || ix > FNEntries) return;
  FKeyArray[static_cast<std::size_t>(ix) - 1] = value;
}

Variant TAssocArray::GetValues(std::int32_t ix) const {
  if (ix < 1 || ix > FNEntries) return Variant(String());
  return FDataArray[static_cast<std::size_t>(ix) - 1];
}

void TAssocArray::SetValues(std::int32_t ix, const Variant& value) {
  if (ix < 1 || ix > FNEntries) return;
  FDataArray[static_cast<std::size_t>(ix) - 1] = value;
}

}  // namespace ZYL_dstruct

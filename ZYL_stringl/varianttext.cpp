// Library: zyl / Package: ZYL_stringl / Module: varianttext
#include "ZYL_stringl/varianttext.h"

#include <algorithm>

#include "platform/numtext.h"
#include "ZYL_stringl/numformat.h"

namespace ZYL_stringl {

using zyl::String;
using zyl::Variant;

namespace {

constexpr int kMaxColumns = 12;
constexpr int kMaxRows = 10;
constexpr int kMaxLayers = 3;

String value_text(const Variant& v) {
  const zyl::TVarType t = v.VarType() & zyl::varTypeMask;
  if (v.IsArray()) return u"(unknown type: " + zyl::IntToStr(v.VarType()) + u")";
  switch (t) {
    case zyl::varNull: return u"NULL";
    case zyl::varSmallint:
    case zyl::varInteger:
    case zyl::varShortInt:
    case zyl::varByte:
    case zyl::varWord:
    case zyl::varLongWord:
    case zyl::varInt64:
    case zyl::varUInt64: return v.AsString();
    case zyl::varSingle:
    case zyl::varDouble: return strff(v.AsReal(), 10, -2);
    case zyl::varBoolean: return v.AsBoolean() ? u"TRUE" : u"FALSE";
    case zyl::varOleStr:
    case zyl::varString:
    case zyl::varUString: return v.AsString();
    default: return u"(unknown type: " + zyl::IntToStr(t) + u")";
  }
}

struct Bounds {
  int lo = 0, hi = -1;
};

// The element at index i of an array, or nullptr when v is no array or i
// lies outside its bounds (ragged arrays).
const Variant* element(const Variant* v, long long i) {
  if (v == nullptr || !v->IsArray() || i < v->ArrayLowBound() || i > v->ArrayHighBound()) return nullptr;
  return &v->Element(static_cast<int>(i));
}

String cell(const Variant* v) { return v ? value_text(*v) : String(); }

// One line of the first dimension: values separated by ",", "..." when cut.
template <typename At>
String line(const Bounds& b1, At at) {
  String s;
  const long long last = std::min<long long>(b1.hi, static_cast<long long>(b1.lo) + kMaxColumns - 1);
  for (long long i = b1.lo; i <= last; ++i) {
    if (i > b1.lo) s.push_back(u',');
    s += cell(at(i));
  }
  if (last < b1.hi) s += u"...";
  return s;
}

}  // namespace

String ConvertVariant(const Variant& V) {
  if (!V.IsArray()) return value_text(V);
  Bounds b[3];
  b[0] = {V.ArrayLowBound(), V.ArrayHighBound()};
  if (b[0].hi < 0 || b[0].hi < b[0].lo) return u"undefined array";
  int dims = 1;
  const Variant* probe = &V.Element(b[0].lo);
  for (; dims < 3 && probe->IsArray(); ++dims) {
    b[dims] = {probe->ArrayLowBound(), probe->ArrayHighBound()};
    probe = b[dims].hi >= b[dims].lo ? &probe->Element(b[dims].lo) : nullptr;
    if (probe == nullptr) {
      ++dims;
      break;
    }
  }

  String s = u"Array";
  for (int d = 0; d < dims; ++d) {
    s += u'[';
    s += zyl::IntToStr(b[d].lo);
    s += u',';
    s += zyl::IntToStr(b[d].hi);
    s += u']';
  }
  s += u":\r\n";

  if (dims == 1) return s + line(b[0], [&](long long i) { return element(&V, i); });

  const long long last_row = std::min<long long>(b[1].hi, static_cast<long long>(b[1].lo) + kMaxRows - 1);
  const bool rows_cut = last_row < b[1].hi;
  if (dims == 2) {
    for (long long j = b[1].lo; j <= last_row; ++j)
      s += line(b[0], [&](long long i) { return element(element(&V, i), j); }) + u"\r\n";
    if (rows_cut) s += u" ......";
    return s;
  }
  const long long last_layer = std::min<long long>(b[2].hi, static_cast<long long>(b[2].lo) + kMaxLayers - 1);
  for (long long k = b[2].lo; k <= last_layer; ++k) {
    s += u"layer ";
    s += zyl::IntToStr(k);
    s += u":\r\n";
    for (long long j = b[1].lo; j <= last_row; ++j)
      s += line(b[0], [&](long long i) { return element(element(element(&V, i), j), k); }) + u"\r\n";
    if (rows_cut) s += u" ......\r\n";
  }
  if (last_layer < b[2].hi) s += u" ... more layers";
  return s;
}

}  // namespace ZYL_stringl

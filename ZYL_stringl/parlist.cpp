// Library: zyl / Package: ZYL_stringl / Module: parlist
#include "ZYL_stringl/parlist.h"

#include "platform/numtext.h"
#include "ZYL_stringl/numformat.h"
#include "ZYL_stringl/valuetext.h"

namespace ZYL_stringl {
namespace {

template <typename T, typename ToText>
String par_list(std::span<const T> items, bool trailing_comma, int max_count, bool brackets, ToText to_text) {
  String s = brackets ? u"[" : u"";
  std::size_t count = items.size();
  if (max_count > 0 && static_cast<std::size_t>(max_count) < count) count = static_cast<std::size_t>(max_count);
  for (std::size_t i = 0; i < count; ++i) {
    s += to_text(items[i]);
    s.push_back(u',');
  }
  if (items.empty()) s.push_back(u',');
  if (count < items.size()) s += u"...,";
  if (brackets) {
    s.back() = u']';
  } else {
    s.pop_back();
  }
  if (trailing_comma) s.push_back(u',');
  return s;
}

String int_text(std::int32_t v) { return zyl::IntToStr(v); }

}  // namespace

String CreateParList(const ZYL_zylbase::TIntArray& Items, bool TrailingComma, int MaxCount, bool Brackets) {
  return CreateParList(std::span<const std::int32_t>(Items), TrailingComma, MaxCount, Brackets);
}

String CreateParList(std::span<const std::int32_t> Items, bool TrailingComma, int MaxCount, bool Brackets) {
  return par_list(Items, TrailingComma, MaxCount, Brackets, int_text);
}

String CreateParList(std::span<const bool> Items, bool TrailingComma, int MaxCount, bool Brackets) {
  return par_list(Items, TrailingComma, MaxCount, Brackets, [](bool b) { return BoolToStr(b, 0); });
}

String CreateParList(const ZYL_zylbase::TDoubleArray& Items, bool TrailingComma, int MaxCount, int SignificantDigits,
                     bool Brackets) {
  return CreateParList(std::span<const double>(Items), TrailingComma, MaxCount, SignificantDigits, Brackets);
}

String CreateParList(std::span<const double> Items, bool TrailingComma, int MaxCount, int SignificantDigits,
                     bool Brackets) {
  return par_list(Items, TrailingComma, MaxCount, Brackets,
                  [SignificantDigits](double d) { return AutoFormatData(d, SignificantDigits); });
}

}  // namespace ZYL_stringl

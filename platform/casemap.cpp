// Library: zyl / Package: platform / Module: casemap
#include "platform/casemap.h"

#include <algorithm>

namespace zyl {
namespace {

template <Char (*Map)(Char)>
String map_each(std::u16string_view S) {
  String r(S.size(), u'\0');
  std::transform(S.begin(), S.end(), r.begin(), [](Char c) { return Map(c); });
  return r;
}

std::u16string_view up_to_nul(std::u16string_view s) {
  const auto n = s.find(u'\0');
  return n == std::u16string_view::npos ? s : s.substr(0, n);
}

int compare_folded(std::u16string_view a, std::u16string_view b, std::size_t limit) {
  a = up_to_nul(a).substr(0, std::min(limit, a.size()));
  b = up_to_nul(b).substr(0, std::min(limit, b.size()));
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = detail::simple_upper(a[i]);
    const int cb = detail::simple_upper(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

String LowerCase(std::u16string_view S) { return map_each<detail::ascii_lower>(S); }
String UpperCase(std::u16string_view S) { return map_each<detail::ascii_upper>(S); }
String AnsiLowerCase(std::u16string_view S) { return map_each<detail::simple_lower>(S); }
String AnsiUpperCase(std::u16string_view S) { return map_each<detail::simple_upper>(S); }

int AnsiStrIComp(std::u16string_view S1, std::u16string_view S2) {
  return compare_folded(S1, S2, std::u16string_view::npos);
}

int AnsiStrLIComp(std::u16string_view S1, std::u16string_view S2, int MaxLen) {
  if (MaxLen <= 0) return 0;
  return compare_folded(S1, S2, static_cast<std::size_t>(MaxLen));
}

}  // namespace zyl

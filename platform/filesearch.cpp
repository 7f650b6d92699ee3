// Library: zyl / Package: platform / Module: filesearch
#include "platform/filesearch.h"

#include "platform/casemap.h"

namespace zyl::platform {
namespace {

// Glob matching of "*" and "?" with one backtracking point: linear in
// practice, at worst |Name| x |Mask|, never exponential.
bool glob_matches(std::u16string_view Name, std::u16string_view Mask) {
  std::size_t n = 0, m = 0;
  std::size_t star = std::u16string_view::npos, resume = 0;
  while (n < Name.size()) {
    if (m < Mask.size() && (Mask[m] == u'?' || Mask[m] == Name[n])) {
      ++n;
      ++m;
    } else if (m < Mask.size() && Mask[m] == u'*') {
      star = m++;
      resume = n;
    } else if (star != std::u16string_view::npos) {
      m = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (m < Mask.size() && Mask[m] == u'*') ++m;
  return m == Mask.size();
}

}  // namespace

bool matches_file_mask(std::u16string_view Name, std::u16string_view Mask) {
  if (Mask == u"*.*" || Mask == u"*") return true;
  const String name = AnsiUpperCase(Name);
  const String mask = AnsiUpperCase(Mask);
  if (glob_matches(name, mask)) return true;
  // "data.*" also matches "data", a name without extension.
  return mask.size() >= 2 && mask.ends_with(u".*") && name.find(u'.') == String::npos &&
         glob_matches(name, std::u16string_view(mask).substr(0, mask.size() - 2));
}

}  // namespace zyl::platform

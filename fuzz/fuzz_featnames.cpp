// Feature-name templates from arbitrary bytes: GenerateFeatNames returns 0 or
// -2 on a three-feature matrix, never grows a name beyond its limit, and on
// success gives the same names as a second run (the T placeholder aside,
// which the inputs cannot tell from a clock tick, so it is left out of that
// comparison).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ZYL_dstruct/featmatrix.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 4) return 0;
  const std::int32_t first = static_cast<std::int8_t>(Data[0]) * 1000003;
  const std::int32_t delta = static_cast<std::int8_t>(Data[1]) * 7919;
  const zyl::String tmpl = zyl::from_utf8(std::string(reinterpret_cast<const char*>(Data) + 2, Size - 2));
  ZYL_dstruct::TFeatureMatrix m(nullptr), n(nullptr);
  m.Resize(3, 0);
  n.Resize(3, 0);
  const std::int32_t r = m.GenerateFeatNames(tmpl, 0, 0, first, delta);
  if (r != 0 && r != -2) std::abort();
  for (int f = 1; f <= 3; ++f)
    if (m.GetFeatProps(f)->FeatName().size() > 65536) std::abort();
  if (r == 0 && tmpl.find(u't') == zyl::String::npos && tmpl.find(u'T') == zyl::String::npos) {
    if (n.GenerateFeatNames(tmpl, 0, 0, first, delta) != 0) std::abort();
    for (int f = 1; f <= 3; ++f)
      if (n.GetFeatProps(f)->FeatName() != m.GetFeatProps(f)->FeatName()) std::abort();
  }
  return 0;
}

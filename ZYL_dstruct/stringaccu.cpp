// Library: zyl / Package: ZYL_dstruct / Module: stringaccu
#include "ZYL_dstruct/stringaccu.h"

#include <algorithm>
#include <new>

#include "ZYL_zylbase/errors.h"

namespace ZYL_dstruct {

TStringAccu::TStringAccu(zyl::TComponent* AOwner) : zyl::TComponent(AOwner) {
  try {
    FStrArray.reserve(16);
    FCntArray.reserve(16);
  } catch (const std::bad_alloc&) {
    throw ZYL_zylbase::EZYLDStructError(ZYL_zylbase::ComponentMessage(Name(), u"not enough memory on heap"));
  }
}

void TStringAccu::Clear() noexcept {
  FSize = 0;
  FStrArray.clear();
  FCntArray.clear();
}

void TStringAccu::Add(const String& AString) {
  const auto it = std::find(FStrArray.begin(), FStrArray.end(), AString);
  if (it != FStrArray.end()) {
    ++FCntArray[static_cast<std::size_t>(it - FStrArray.begin())];
    return;
  }
  FStrArray.push_back(AString);
  try {
    FCntArray.push_back(1);
  } catch (...) {
    FStrArray.pop_back();  // keep both arrays the same length
    throw;
  }
  ++FSize;
}

String TStringAccu::GetString(std::int32_t ix) const {
  if (ix < 1 || ix > FSize) return String();
  return FStrArray[static_cast<std::size_t>(ix) - 1];
}

std::int32_t TStringAccu::GetCount(std::int32_t ix) const noexcept {
  if (ix < 1 || ix > FSize) return 0;
  return FCntArray[static_cast<std::size_t>(ix) - 1];
}

}  // namespace ZYL_dstruct

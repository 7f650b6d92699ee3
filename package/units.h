// Library: zyl / Package: package / Module: units (internal)
#pragma once

#include "package/package.h"

namespace zyl::detail {

inline constexpr int kPackageUnitCount = 6;
extern const TPackageUnit kPackageUnits[kPackageUnitCount];

}  // namespace zyl::detail

// Library: zyl / Package: platform / Module: api
//
// The export macro every public declaration carries, and the anchor that ties
// each program using the package to its start-up code.
#pragma once

#include <cfloat>

#include "zyl_export.h"

static_assert(LDBL_MANT_DIG == 64, "Extended must be the 80-bit extended type");

namespace zyl::detail {
// Returns 0. Every translation unit that includes a zyl header calls it once
// during static initialisation, so that even a static link pulls in the
// package start-up object (which would otherwise be dropped as unreferenced).
ZYL_API int package_anchor() noexcept;
namespace {
[[maybe_unused]] const int package_anchor_ref = package_anchor();
}
}  // namespace zyl::detail

// Library: zyl / Package: platform / Module: casemap (internal)
//
// The generated simple case-mapping tables of the Basic Multilingual Plane
// (platform/casemap_table.cpp, made by scripts/gen_casemap.py). For a code
// unit c with high byte h and low byte l, the mapped unit is
//     c + kUpperDelta[kUpperPage[h]][l]   (mod 2^16)
// and likewise for kLower. Page 0 is all zeros (no mapping). Exported, since
// the inline mapping functions of platform/casemap.h read them.
#pragma once

#include <cstdint>

#include "platform/api.h"

namespace zyl::detail {

extern ZYL_API const std::uint8_t kUpperPage[256];
extern ZYL_API const std::uint16_t kUpperDelta[][256];
extern ZYL_API const std::uint8_t kLowerPage[256];
extern ZYL_API const std::uint16_t kLowerDelta[][256];

}  // namespace zyl::detail

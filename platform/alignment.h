// Library: zyl / Package: platform / Module: alignment
//
// The host framework's horizontal text alignment.
#pragma once

#include <cstdint>

namespace zyl {

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

}  // namespace zyl

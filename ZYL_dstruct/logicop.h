// Library: zyl / Package: ZYL_dstruct / Module: logicop
//
// TLogicOp: how CombineWith merges another bit field or byte matrix into its
// own (a = own value, b = the other's):
//   loAND a & b   loOR a | b   loXOR a ^ b
//   loANDNot a & ~b   loORNot a | ~b   loXORNot a ^ ~b
#pragma once

#include <cstdint>

namespace ZYL_dstruct {

enum class TLogicOp : std::uint8_t { loAND, loOR, loXOR, loANDNot, loORNot, loXORNot };

}  // namespace ZYL_dstruct

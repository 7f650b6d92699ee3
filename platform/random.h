// Library: zyl / Package: platform / Module: random
//
// The process-wide pseudo-random generator of the host framework: a 32-bit
// linear congruential generator
//     S := S * 134775813 + 1   (mod 2^32)
// Each call steps S once, then
//     Random(n) = (S as unsigned * n) >> 32      (0 <= result < n)
//     Random()  = S / 2^32                        (0 <= result < 1)
// RandSeed is S itself. Setting it reproduces the sequence of the original
// platform, so data scrambled there under a seed descrambles here.
//
// Not synchronised: one thread at a time (the library creates no threads).
//
// Example:
//   zyl::RandSeed = 0;
//   zyl::Random(100);  // == 0   (S becomes 1)
//   zyl::Random(100);  // == 3   (S becomes 134775814)
#pragma once

#include <cstdint>

#include "platform/api.h"

namespace zyl {

// The generator's state S (signed, as the host framework declares it).
extern ZYL_API std::int32_t RandSeed;

// An integer in 0 .. Range-1; 0 when Range <= 0 (the state still steps).
ZYL_API std::int32_t Random(std::int32_t Range);

// A real number in [0, 1).
ZYL_API double Random();

}  // namespace zyl

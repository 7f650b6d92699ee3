// Library: zyl / Package: platform / Module: fpu
//
// ExtendedPrecisionScope: guarantees that the x87 unit rounds to nearest with
// its full 64-bit mantissa while the scope lasts, and restores the previous
// control word afterwards.
//
// Functions whose results are defined on 80-bit extended intermediates use it
// so that they give the same bits whoever loaded the package: programs built
// by some Windows compilers run with the x87 precision set to 53 bits, which
// would round every long double intermediate to a double. Where the control
// word already has the wanted setting (the usual case) the scope costs one
// store of the control word and a comparison.
//
// On processors without an x87 unit the scope does nothing.
//
// Example:
//   double f(double x) {
//     zyl::platform::ExtendedPrecisionScope extended;
//     return static_cast<double>(static_cast<Extended>(x) * 255);
//   }
#pragma once

#include <cstdint>

#include "platform/api.h"

namespace zyl::platform {

class ZYL_API ExtendedPrecisionScope {
 public:
  ExtendedPrecisionScope() noexcept {
#if defined(__i386__) || defined(__x86_64__)
    __asm__ volatile("fnstcw %0" : "=m"(FSaved));
    // Precision control (bits 8-9) 11 = 64-bit mantissa; rounding control
    // (bits 10-11) 00 = to nearest, ties to even.
    const std::uint16_t wanted = static_cast<std::uint16_t>((FSaved & ~0x0F00u) | 0x0300u);
    if (wanted != FSaved) {
      FChanged = true;
      __asm__ volatile("fldcw %0" : : "m"(wanted));
    }
#endif
  }
  ~ExtendedPrecisionScope() {
#if defined(__i386__) || defined(__x86_64__)
    if (FChanged) __asm__ volatile("fldcw %0" : : "m"(FSaved));
#endif
  }
  ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
  ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

 private:
  std::uint16_t FSaved = 0;
  bool FChanged = false;
};

// Holds Value at this point of the program: what computes it is done before,
// what uses it after. Put around the work of a scope, since an optimiser
// may otherwise move floating-point arithmetic, which touches no memory,
// across the control-word changes (clang does).
//   ExtendedPrecisionScope extended;
//   long double x = In;  pin_fpu_value(x);  // read after the precision is set
//   long double r = x / 3;  pin_fpu_value(r);  // computed before it is restored
template <class T>
inline void pin_fpu_value(T& Value) noexcept {
#if defined(__i386__) || defined(__x86_64__)
  __asm__ volatile("" : "+m"(Value));
#else
  (void)Value;
#endif
}

}  // namespace zyl::platform

// Library: zyl / Package: ZYL_zylcolors / Module: channels (internal)
//
// Taking a TColor apart into its channels and putting one together, and the
// two ways the colour functions turn an extended intermediate into an
// integer: truncation towards zero and rounding to nearest with ties to even.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/events.h"
#include "platform/hoststring.h"

namespace ZYL_zylcolors::detail {

using zyl::Extended;
using zyl::TColor;

constexpr int red_of(TColor c) noexcept { return static_cast<int>(c & 0xFF); }
constexpr int green_of(TColor c) noexcept { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blue_of(TColor c) noexcept { return static_cast<int>((c >> 16) & 0xFF); }

// The colour of the low bytes of r, g and b, top byte 0.
constexpr TColor rgb_color(std::int64_t r, std::int64_t g, std::int64_t b) noexcept {
  return static_cast<TColor>((static_cast<std::uint64_t>(r) & 0xFF) | ((static_cast<std::uint64_t>(g) & 0xFF) << 8) |
                             ((static_cast<std::uint64_t>(b) & 0xFF) << 16));
}

// x rounded to double. A cast alone may keep the extended value on i686,
// where the C++ compiler evaluates with the x87 unit's excess precision and
// rounds only when a value goes to memory; the volatile store makes it go.
// Elsewhere doubles live in SSE registers and the cast rounds.
inline double round_to_double(Extended x) noexcept {
#if defined(__i386__)
  volatile double d = static_cast<double>(x);
  return d;
#else
  return static_cast<double>(x);
#endif
}

// x clamped to [lo, hi]; NaN gives lo.
inline Extended clamp_to(Extended x, Extended lo, Extended hi) noexcept {
  if (!(x >= lo)) return lo;
  return x > hi ? hi : x;
}

// Rounding to the nearest integer, ties to even, of a value inside the
// int64 range (the unit rounds to nearest: see platform/fpu.h). On x86 one
// fistp instruction: the library call would cost more than the arithmetic
// around it.
inline std::int64_t round_even(Extended x) noexcept {
#if defined(__i386__) || defined(__x86_64__)
  std::int64_t n;
  __asm__("fistpll %0" : "=m"(n) : "t"(x) : "st");
  return n;
#else
  return std::llrint(x);
#endif
}

// Truncation towards zero of a value inside the int64 range (callers keep
// their values inside it). Rounds to nearest with the unit's own rounding
// (changing the control word to truncate costs far more than the rounding),
// then steps back when that went away from zero.
inline std::int64_t trunc_ext(Extended x) noexcept {
  std::int64_t n = round_even(x);
  if (x >= 0) {
    if (static_cast<Extended>(n) > x) --n;
  } else if (static_cast<Extended>(n) < x) {
    ++n;
  }
  return n;
}

// round_even for values that may be NaN or far outside the channel range
// (results of nonsense arguments): NaN gives 0, the rest is clamped to
// [-2^31, 2^31] first.
inline std::int64_t round_even_bounded(Extended x) noexcept {
  return round_even(clamp_to(x, -2147483648.0L, 2147483648.0L));
}

}  // namespace ZYL_zylcolors::detail

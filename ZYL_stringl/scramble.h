// Library: zyl / Package: ZYL_stringl / Module: scramble
//
// A light, reversible obfuscation of texts: every character code 1..255 is
// replaced through a permutation of 1..255 derived from a seed. It hides
// text from casual reading and is no protection against anyone who tries.
//
// The permutation comes from the process-wide random generator (RandSeed /
// Random, platform/random.h), so it equals the original platform's: texts
// scrambled there under a seed descramble here. Code 0 maps to itself,
// characters above 255 are left unchanged, and the length never changes.
//
// The package start-up calls InitScramble(9347), so Scramble and
// DeScramble work without a call of their own. The tables are process-wide
// and unguarded: InitScramble must not run while another thread scrambles
// or draws random numbers.
//
// Example:
//   InitScramble(42);
//   String s = Scramble(u"secret");   // six other characters
//   DeScramble(s)                     // == u"secret"
#pragma once

#include <array>
#include <cstdint>

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::String;

// The seed the package start-up uses.
inline constexpr std::int32_t kDefaultScrambleSeed = 9347;

// Builds the tables from Seed. Sets RandSeed := Seed and draws from the
// generator, so it also resets the random sequence the rest of the process sees.
ZYL_API void InitScramble(std::int32_t Seed);

// Each character of code c (0..255) becomes the character of code F[c].
[[nodiscard]] ZYL_API String Scramble(const String& S);
// Each character of code c (0..255) becomes the character of code G[c],
// the inverse of Scramble under the same seed.
[[nodiscard]] ZYL_API String DeScramble(const String& S);

namespace detail {
// The forward and inverse tables currently in force (for tests and tools).
[[nodiscard]] const std::array<std::uint8_t, 256>& scramble_forward() noexcept;
[[nodiscard]] const std::array<std::uint8_t, 256>& scramble_inverse() noexcept;
}  // namespace detail

}  // namespace ZYL_stringl

// Library: zyl / Package: platform / Module: securerandom
//
// Random bytes from the operating system's cryptographic source, for what
// must not be guessed or repeat between runs (temporary file names,
// passwords). Unlike the process-wide generator (platform/random.h) it has no
// seed and no state of its own, and it is safe to call from any thread.
//
// Example:
//   std::uint8_t key[16];
//   zyl::platform::fill_secure_random(key, sizeof key);
//
// Backends: platform/posix/securerandom.cpp (getrandom) and
// platform/win32/securerandom.cpp (RtlGenRandom).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/api.h"

namespace zyl::platform {

// Fills Count bytes at Buffer. The source never runs dry; only a system
// without one makes it raise EInOutError with the OS error.
ZYL_API void fill_secure_random(void* Buffer, std::size_t Count);

// One uniformly distributed 64-bit value from the same source.
ZYL_API std::uint64_t secure_random64();

}  // namespace zyl::platform

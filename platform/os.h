// Library: zyl / Package: platform / Module: os
//
// Which operating-system family the package was built for, as a constant, so
// code and tests outside platform/ can state a documented platform difference
// with an ordinary `if` instead of preprocessor branches.
//
// Example:
//   if (zyl::platform::kOsFamily == zyl::platform::OsFamily::Windows) ...
#pragma once

#include <cstdint>

namespace zyl::platform {

enum class OsFamily : std::uint8_t { Posix, Windows };

#ifdef _WIN32
inline constexpr OsFamily kOsFamily = OsFamily::Windows;
#else
inline constexpr OsFamily kOsFamily = OsFamily::Posix;
#endif

}  // namespace zyl::platform

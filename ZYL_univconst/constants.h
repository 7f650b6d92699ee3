// Library: zyl / Package: ZYL_univconst / Module: constants
//
// Mathematical constants and the limits of the floating-point types, as
// extended (80-bit) values with 19 significant digits. The limits are the
// rounded decimal values below (uc_MaxDouble is the extended value nearest
// to 1.7e+308, not the exact largest double); the logarithms are those of
// these rounded limits. The "real" limits are those of the original
// platform's 6-byte real type. uc_lnMinExtended is the logarithm of the
// limit rounded to 3.6e-4951, so it lies 0.0125 below ln(uc_MinExtended).
//
// Example:
//   zyl::Extended x = uc_ln10 * 3;          // ln(1000)
//   std::int64_t big = uc_MaxInt64;         // 9223372036854775807
#pragma once

#include <cstdint>

#include "platform/hoststring.h"

namespace ZYL_univconst {

using zyl::Extended;

inline constexpr Extended uc_e = 2.718281828459045235L;              // e
inline constexpr Extended uc_etom1 = 0.3678794411714423216L;         // 1/e
inline constexpr Extended uc_lg2 = 0.3010299956639811952L;           // log10(2)
inline constexpr Extended uc_lg5 = 0.6989700043360188048L;           // log10(5)
inline constexpr Extended uc_lge = 0.4342944819032518276L;           // log10(e)
inline constexpr Extended uc_lgPi = 0.4971498726941338544L;          // log10(pi)
inline constexpr Extended uc_ln10 = 2.302585092994045684L;           // ln(10)
inline constexpr Extended uc_ln2 = 0.6931471805599453094L;           // ln(2)
inline constexpr Extended uc_lnPi = 1.144729885849400174L;           // ln(pi)
inline constexpr Extended uc_PiH = 1.570796326794896619L;            // pi/2
inline constexpr Extended uc_PiSqr = 9.869604401089358619L;          // pi squared
inline constexpr Extended uc_Pitom1 = 0.3183098861837906715L;        // 1/pi
inline constexpr Extended uc_sqrt2 = 1.414213562373095049L;          // square root of 2
inline constexpr Extended uc_sqrt2pi = 2.506628274631000502L;        // square root of 2 pi
inline constexpr Extended uc_sqrt2pitom1 = 0.3989422804014326779L;   // 1 / square root of 2 pi
inline constexpr Extended uc_GoldenR = 1.618033988749894848L;        // golden ratio

inline constexpr Extended uc_MinReal = 2.9e-39L;                     // 6-byte real, smallest positive
inline constexpr Extended uc_MaxReal = 1.7e+38L;                     // 6-byte real, largest
inline constexpr Extended uc_MinSingle = 1.5e-45L;                   // smallest positive single
inline constexpr Extended uc_MaxSingle = 3.4e+38L;                   // largest single
inline constexpr Extended uc_MinDouble = 5.0e-324L;                  // smallest positive double
inline constexpr Extended uc_MaxDouble = 1.7e+308L;                  // largest double
inline constexpr std::int64_t uc_MaxInt64 = 9223372036854775807LL;   // largest signed 64-bit integer
inline constexpr Extended uc_MinExtended = 3.645199531882474603e-4951L;  // 2^-16445, smallest denormal
inline constexpr Extended uc_MaxExtended = 1.1e+4932L;               // largest extended

inline constexpr Extended uc_lnMinDouble = -744.4281322176367013L;
inline constexpr Extended uc_lnMaxDouble = 709.7268368932282411L;
inline constexpr Extended uc_lnMaxExtended = 11356.44498882643764L;
inline constexpr Extended uc_lnMinExtended = -11398.81786156805812L;
inline constexpr Extended uc_lnMaxInt64 = 43.66827237527655449L;
inline constexpr Extended uc_lnMinReal = -88.73610788977535333L;
inline constexpr Extended uc_lnMaxReal = 88.02886178483590639L;
inline constexpr Extended uc_lnMinSingle = -103.2108640766238914L;
inline constexpr Extended uc_lnMaxSingle = 88.72200896539585170L;

}  // namespace ZYL_univconst

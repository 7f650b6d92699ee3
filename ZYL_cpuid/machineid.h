// Library: zyl / Package: ZYL_cpuid / Module: machineid
//
// A compact identifier of the machine, XXXX-XXXX-XXXX-XXXX in upper-case
// hexadecimal digits, derived with CRC-32 from the processor's description
// (and, in the extended form, the wired or else wireless adapter address);
// the last group checks the first three.
//
// Example:
//   String id = GenerateCPUIDEx();            // e.g. u"3F2A-91C0-77E4-0B1D"
//   CheckGeneratedCPUID(id);                  // true
//   CheckGeneratedCPUID(u"3f2a91c077e40b1d"); // true: hyphens and case do not matter
#pragma once

#include "platform/hoststring.h"

namespace ZYL_cpuid {

using zyl::String;

// From vendor, processor count, brand, brand id, signature and feature set,
// and the serial digits; raises EZYLCpuIdError without CPUID.
[[nodiscard]] ZYL_API String GenerateCPUID();
// The same with the adapter address (GetMacAddress kind 1, else kind 2) first.
[[nodiscard]] ZYL_API String GenerateCPUIDEx();

// True when S holds exactly 16 hexadecimal digits (other characters are
// ignored) whose last 4 are the low 4 digits of the CRC-32 of the first 12
// (upper-cased).
[[nodiscard]] ZYL_API bool CheckGeneratedCPUID(const String& S);

namespace detail {
// The identifier of a description text and a serial text (the steps after
// gathering them).
ZYL_API String identifier_from(const String& Description, const String& Serial);
}  // namespace detail

}  // namespace ZYL_cpuid

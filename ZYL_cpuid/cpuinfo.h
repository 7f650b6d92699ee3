// Library: zyl / Package: ZYL_cpuid / Module: cpuinfo
//
// The processor the program runs on, read through the CPUID and RDTSC
// instructions: vendor and brand, the signature and its fields, feature
// flags with readable names, the historic division-defect test, the number
// of processors and a measured clock speed.
//
// Every query is safe to call from several threads at once: no query keeps
// state between calls.
//
// Example:
//   CPU_VendorString();            // u"GenuineIntel", u"AuthenticAMD", ...
//   CPU_Family();                  // 6 for signature 000306A9
//   (CPU_FeatureSet() >> Ord(TCPUFeatures::cpuft_simd2)) & 1   // 1 with SSE2
//   CPU_Speed(100);                // e.g. 2893.4 (MHz), measured over 100 ms
#pragma once

#include <array>
#include <cstdint>

#include "platform/hoststring.h"
#include "ZYL_zylbase/enums.h"

namespace ZYL_cpuid {

using zyl::String;

// The feature bits of CPUID level 1, EDX: the ordinal is the bit number.
enum class TCPUFeatures : std::uint8_t {
  cpuft_fpu, cpuft_vme, cpuft_de, cpuft_pse, cpuft_tsc, cpuft_msr, cpuft_pae, cpuft_mce,
  cpuft_cx8, cpuft_apic, cpuft_sepamd, cpuft_sep, cpuft_mtrr, cpuft_pge, cpuft_mca, cpuft_cmov,
  cpuft_pat, cpuft_pse36, cpuft_serial, cpuft_clflush, cpuft_reserved1, cpuft_dts, cpuft_acpi, cpuft_mmx,
  cpuft_xsr, cpuft_simd, cpuft_simd2, cpuft_ss, cpuft_reserved2, cpuft_tm, cpuft_ia64, cpuft_3dnow,
};

using ZYL_zylbase::Ord;

// Readable names of the 32 feature bits, indexed by TCPUFeatures.
ZYL_API extern const std::array<const char16_t*, 32> CPUFeatureNames;

// True when the processor has the CPUID instruction.
[[nodiscard]] ZYL_API bool CPU_IDSupport();

// Every query below except CPU_Count, CPU_FDIVBugPresent and CPU_Speed raises
// EZYLCpuIdError "Cannot acquire CPU information (CPUID not supported)"
// without CPUID, and "CPUID: execution level not supported" for a level
// above the processor's standard and extended maximum.

// The 12-character vendor text of level 0 ("Unknown" when shorter).
[[nodiscard]] ZYL_API String CPU_VendorString();
// The 48-character brand string without leading and trailing characters up
// to blank; "unknown" when a control character remains inside.
[[nodiscard]] ZYL_API String CPU_MarketName();
// EAX of level 1.
[[nodiscard]] ZYL_API std::uint32_t CPU_Signature();
// EDX of level 1 (bits as TCPUFeatures).
[[nodiscard]] ZYL_API std::uint32_t CPU_FeatureSet();
// EDX of level 80000001h.
[[nodiscard]] ZYL_API std::uint32_t CPU_ExtendedFeatureSet();
// The low byte of EBX of level 1.
[[nodiscard]] ZYL_API int CPU_BrandID();

// Fields of the signature (0 when the signature is 0):
//   signature 000306A9  =>  stepping 9, model 10, family 6, type 0,
//                           extended model 3, extended family 0
[[nodiscard]] ZYL_API int CPU_Type();        // bits 12-13
[[nodiscard]] ZYL_API bool CPU_OverDrive();  // type == 1
[[nodiscard]] ZYL_API int CPU_Family();      // bits 8-11
[[nodiscard]] ZYL_API int CPU_ExFamily();    // bits 20-27
[[nodiscard]] ZYL_API int CPU_Model();       // bits 4-7
[[nodiscard]] ZYL_API int CPU_ExModel();     // bits 16-19
[[nodiscard]] ZYL_API int CPU_Stepping();    // bits 0-3

// EAX, EDX and ECX of level 1 as 24 upper-case hexadecimal digits.
[[nodiscard]] ZYL_API String CPU_SerialNumber();

// True when (4195835 / 3145727) x 3145727 - 4195835, in extended precision,
// is not exactly 0 (the historic division defect).
[[nodiscard]] ZYL_API bool CPU_FDIVBugPresent();

// The number of processors the system runs.
[[nodiscard]] ZYL_API int CPU_Count();

// The clock frequency in MHz: time-stamp cycles counted from an edge of the
// system tick until MilliSeconds have passed, divided by 1000 x MilliSeconds,
// with the process priority raised where permitted. Busy-waits about
// MilliSeconds. 0 for a measuring time of 0 (nothing to divide by).
[[nodiscard]] ZYL_API float CPU_Speed(std::uint32_t MilliSeconds);

// The signature fields of a given signature (what the CPU_ functions apply to
// the processor's own).
namespace detail {
struct SignatureFields {
  int Type, Family, ExFamily, Model, ExModel, Stepping;
};
ZYL_API SignatureFields decode_signature(std::uint32_t Signature) noexcept;
// The brand-string rule applied to 48 raw characters.
ZYL_API String clean_brand(const String& Raw);
}  // namespace detail

}  // namespace ZYL_cpuid

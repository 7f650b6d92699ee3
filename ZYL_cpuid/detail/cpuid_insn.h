// Library: zyl / Package: ZYL_cpuid / Module: cpuid_insn
//
// The processor's identification and time-stamp instructions, through the
// compiler's intrinsics. Nothing here keeps state, so every query is safe to
// run from several threads at once.
#pragma once

#include <array>
#include <cstdint>

namespace ZYL_cpuid::detail {

// EAX, EBX, ECX, EDX of one CPUID level, in this order.
using CpuidRegs = std::array<std::uint32_t, 4>;

// True when the processor has CPUID (the ID flag of the flags register can be
// flipped; always true on x86-64).
bool cpuid_supported() noexcept;

// Executes CPUID for Level (with ECX = 0). The caller has checked support and
// the level.
CpuidRegs cpuid(std::uint32_t Level) noexcept;

// The time-stamp counter.
std::uint64_t read_tsc() noexcept;

}  // namespace ZYL_cpuid::detail

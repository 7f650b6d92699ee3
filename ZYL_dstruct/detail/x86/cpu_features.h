// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/cpu_features
//
// Internal: which instruction-set extensions the fast checksum and encoding
// paths may use on this CPU, and the run-time choice between a portable
// function and its accelerated variants.
//
// A feature counts only when CPUID reports it and, for extensions with wider
// registers, XCR0 shows that the operating system saves those registers.
// Tests can switch features off (disable_cpu_features) so that one machine
// exercises every variant, the portable one included.
//
// Example:
//   if (has_cpu_features(kCpuPclmul | kCpuSse41)) ...
//   dispatched<crc_fn> best{&select_crc};   best.get()(crc, p, n);
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/api.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
#define ZYL_ARCH_X86 1
#else
#define ZYL_ARCH_X86 0
#endif

#if ZYL_ARCH_X86 && defined(__i386__)
// 32-bit Windows guarantees only 4-byte stack alignment; functions that keep
// SSE values on the stack realign it on entry.
#define ZYL_X86_REALIGN __attribute__((force_align_arg_pointer))
#else
#define ZYL_X86_REALIGN
#endif

namespace ZYL_dstruct::detail {

enum cpu_feature : std::uint32_t {
  kCpuSse2 = 1u << 0,
  kCpuSsse3 = 1u << 1,
  kCpuSse41 = 1u << 2,
  kCpuPclmul = 1u << 3,
  kCpuSha = 1u << 4,
  kCpuAvx = 1u << 5,
  kCpuAvx2 = 1u << 6,
  kCpuVpclmul = 1u << 7,  // carry-less multiplication on 256-bit registers (with AVX2)
  kCpuPopcnt = 1u << 8,
  kCpuBmi2 = 1u << 9,  // BMI1 and BMI2 both: ANDN, RORX and the flag-free shifts
};

// The usable features of this CPU minus those switched off; detected once.
[[nodiscard]] std::uint32_t cpu_features() noexcept;

// True when every feature in mask is usable.
[[nodiscard]] inline bool has_cpu_features(std::uint32_t mask) noexcept { return (cpu_features() & mask) == mask; }

// Test hook: treat the features in mask as absent (0 restores them all).
// Every dispatched function chooses again on its next call.
void disable_cpu_features(std::uint32_t mask) noexcept;

// Changes whenever disable_cpu_features is called.
[[nodiscard]] std::uint32_t cpu_features_generation() noexcept;

// A function pointer chosen by select() on first use and kept until the
// feature set changes. Races are harmless: every candidate is correct.
template <class Fn>
class dispatched {
 public:
  explicit constexpr dispatched(Fn (*select)() noexcept) : FSelect(select) {}

  Fn get() noexcept {
    const std::uint32_t gen = cpu_features_generation();
    Fn fn = FFn.load(std::memory_order_acquire);
    if (fn == nullptr || FGen.load(std::memory_order_relaxed) != gen) {
      fn = FSelect();
      FFn.store(fn, std::memory_order_release);
      FGen.store(gen, std::memory_order_relaxed);
    }
    return fn;
  }

 private:
  Fn (*FSelect)() noexcept;
  std::atomic<Fn> FFn{nullptr};
  std::atomic<std::uint32_t> FGen{0};
};

}  // namespace ZYL_dstruct::detail

// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/cpu_features
#include "ZYL_dstruct/detail/x86/cpu_features.h"

#if ZYL_ARCH_X86
#include <cpuid.h>
#endif

namespace ZYL_dstruct::detail {
namespace {

#if ZYL_ARCH_X86
// XCR0: which register states the OS saves on a context switch.
std::uint64_t read_xcr0() noexcept {
  std::uint32_t lo = 0, hi = 0;
  __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
  return (static_cast<std::uint64_t>(hi) << 32) | lo;
}

std::uint32_t detect() noexcept {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (__get_cpuid(0, &a, &b, &c, &d) == 0) return 0;
  const unsigned max_leaf = a;
  if (__get_cpuid(1, &a, &b, &c, &d) == 0) return 0;
  const unsigned c1 = c, d1 = d;
  unsigned b7 = 0, c7 = 0;
  if (max_leaf >= 7) {
    __cpuid_count(7, 0, a, b, c, d);
    b7 = b;
    c7 = c;
  }
  // Without OSXSAVE the OS still saves the SSE state (FXSAVE), but not AVX.
  const bool osxsave = (c1 & bit_OSXSAVE) != 0;
  const std::uint64_t xcr0 = osxsave ? read_xcr0() : 0;
  const bool sse_state = !osxsave || (xcr0 & 0x2) != 0;
  const bool avx_state = osxsave && (xcr0 & 0x6) == 0x6;

  std::uint32_t f = 0;
  // General-purpose registers: no OS support needed.
  if (c1 & bit_POPCNT) f |= kCpuPopcnt;
  if ((b7 & bit_BMI) && (b7 & bit_BMI2)) f |= kCpuBmi2;
  if (sse_state) {
    if (d1 & bit_SSE2) f |= kCpuSse2;
    if (c1 & bit_SSSE3) f |= kCpuSsse3;
    if (c1 & bit_SSE4_1) f |= kCpuSse41;
    if (c1 & bit_PCLMUL) f |= kCpuPclmul;
    if (b7 & bit_SHA) f |= kCpuSha;
  }
  if (avx_state) {
    if (c1 & bit_AVX) f |= kCpuAvx;
    if ((c1 & bit_AVX) && (b7 & bit_AVX2)) f |= kCpuAvx2;
    if ((c1 & bit_AVX) && (b7 & bit_AVX2) && (c1 & bit_PCLMUL) && (c7 & bit_VPCLMULQDQ)) f |= kCpuVpclmul;
  }
  return f;
}
#else
std::uint32_t detect() noexcept { return 0; }
#endif

std::atomic<std::uint32_t> g_disabled{0};
std::atomic<std::uint32_t> g_generation{1};

}  // namespace

std::uint32_t cpu_features() noexcept {
  static const std::uint32_t detected = detect();
  return detected & ~g_disabled.load(std::memory_order_relaxed);
}

void disable_cpu_features(std::uint32_t mask) noexcept {
  g_disabled.store(mask, std::memory_order_relaxed);
  g_generation.fetch_add(1, std::memory_order_release);
}

std::uint32_t cpu_features_generation() noexcept { return g_generation.load(std::memory_order_acquire); }

}  // namespace ZYL_dstruct::detail

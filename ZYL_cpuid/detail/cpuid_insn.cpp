// Library: zyl / Package: ZYL_cpuid / Module: cpuid_insn
#include "ZYL_cpuid/detail/cpuid_insn.h"

#include <cpuid.h>
#include <x86intrin.h>

namespace ZYL_cpuid::detail {

// On 32-bit processors __get_cpuid_max flips the ID flag first and answers
// 0, leaving the vendor word alone, when the flag does not stick. A processor
// with CPUID may still report 0 as its highest level, but then its vendor
// word (EBX of level 0) is set.
bool cpuid_supported() noexcept {
#if defined(__x86_64__)
  return true;
#else
  unsigned int signature = 0;
  const unsigned int max = __get_cpuid_max(0, &signature);
  return max != 0 || signature != 0;
#endif
}

CpuidRegs cpuid(std::uint32_t Level) noexcept {
  unsigned int a = 0, b = 0, c = 0, d = 0;
  __cpuid_count(Level, 0, a, b, c, d);
  return {a, b, c, d};
}

std::uint64_t read_tsc() noexcept { return __rdtsc(); }

}  // namespace ZYL_cpuid::detail

// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/bitops_x86
//
// Internal: the bit-array kernels on x86 extensions (see bitops_impl.h).
// Each is compiled for its own target; call one only when cpu_features()
// reports what it needs:
//   popcount_popcnt  POPCNT            popcount_avx2, combine_avx2  AVX2
//   combine_sse2     SSE2
#pragma once

#include <cstddef>
#include <cstdint>

#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "ZYL_dstruct/logicop.h"

#if ZYL_ARCH_X86
namespace ZYL_dstruct::detail {

[[nodiscard]] std::uint64_t popcount_popcnt(const std::uint8_t* p, std::size_t n) noexcept;
[[nodiscard]] std::uint64_t popcount_avx2(const std::uint8_t* p, std::size_t n) noexcept;
void combine_sse2(std::uint8_t* a, const std::uint8_t* b, std::size_t n, TLogicOp op) noexcept;
void combine_avx2(std::uint8_t* a, const std::uint8_t* b, std::size_t n, TLogicOp op) noexcept;

}  // namespace ZYL_dstruct::detail
#endif

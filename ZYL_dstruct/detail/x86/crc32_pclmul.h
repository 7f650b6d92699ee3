// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/crc32_pclmul
//
// Internal: CRC-32 register update by carry-less multiplication folding
// (PCLMULQDQ with SSE4.1). Same contract as crc32_slice16; call it only when
// has_cpu_features(kCpuPclmul | kCpuSse41).
#pragma once

#include <cstddef>
#include <cstdint>

#include "ZYL_dstruct/detail/x86/cpu_features.h"

namespace ZYL_dstruct::detail {

#if ZYL_ARCH_X86
[[nodiscard]] std::uint32_t crc32_pclmul(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept;
// The same on 256-bit registers; call it only when
// has_cpu_features(kCpuVpclmul | kCpuAvx2 | kCpuPclmul | kCpuSse41).
[[nodiscard]] std::uint32_t crc32_vpclmul(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept;
#endif

}  // namespace ZYL_dstruct::detail

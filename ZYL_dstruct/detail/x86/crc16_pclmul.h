// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/crc16_pclmul
//
// Internal: CRC-16 (polynomial 1021, most significant bit first) register
// update by carry-less multiplication folding (PCLMULQDQ with SSSE3 and
// SSE4.1). Same contract as crc16_slice16; call it only when
// has_cpu_features(kCpuPclmul | kCpuSsse3 | kCpuSse41).
#pragma once

#include <cstddef>
#include <cstdint>

#include "ZYL_dstruct/detail/x86/cpu_features.h"

namespace ZYL_dstruct::detail {

#if ZYL_ARCH_X86
[[nodiscard]] std::uint16_t crc16_pclmul(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept;
// The same on 256-bit registers; call it only when
// has_cpu_features(kCpuVpclmul | kCpuAvx2 | kCpuPclmul | kCpuSsse3 | kCpuSse41).
[[nodiscard]] std::uint16_t crc16_vpclmul(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept;
#endif

}  // namespace ZYL_dstruct::detail

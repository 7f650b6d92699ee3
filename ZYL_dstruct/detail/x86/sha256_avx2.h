// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/sha256_avx2
//
// Internal: SHA-256 block compression (also for SHA-224) for processors
// without the SHA extensions: the message schedule on AVX2 registers, the
// rounds in integer registers rotating with RORX. Same contract as
// sha256_blocks_portable; call it only when has_cpu_features(kCpuAvx2 | kCpuBmi2).
#pragma once

#include <cstddef>
#include <cstdint>

#include "ZYL_dstruct/detail/x86/cpu_features.h"

namespace ZYL_dstruct::detail {

#if ZYL_ARCH_X86
void sha256_blocks_avx2(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept;
#endif

}  // namespace ZYL_dstruct::detail

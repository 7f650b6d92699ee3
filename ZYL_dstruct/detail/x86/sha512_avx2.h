// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/sha512_avx2
//
// Internal: SHA-512 block compression (also for SHA-384 and SHA-512/256)
// with the message schedule on AVX2 registers and the rounds rotating with
// RORX. Same contract as sha512_blocks_portable; call it only when
// has_cpu_features(kCpuAvx2 | kCpuBmi2).
#pragma once

#include <cstddef>
#include <cstdint>

#include "ZYL_dstruct/detail/x86/cpu_features.h"

namespace ZYL_dstruct::detail {

#if ZYL_ARCH_X86
void sha512_blocks_avx2(std::uint64_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept;
#endif

}  // namespace ZYL_dstruct::detail

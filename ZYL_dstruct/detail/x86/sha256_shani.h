// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/sha256_shani
//
// Internal: SHA-256 block compression with the SHA extensions. Same
// contract as sha256_blocks_portable; call it only when
// has_cpu_features(kCpuSha | kCpuSsse3 | kCpuSse41).
#pragma once

#include <cstddef>
#include <cstdint>

#include "ZYL_dstruct/detail/x86/cpu_features.h"

namespace ZYL_dstruct::detail {

#if ZYL_ARCH_X86
void sha256_blocks_shani(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept;
#endif

}  // namespace ZYL_dstruct::detail

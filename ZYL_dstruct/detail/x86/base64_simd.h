// Library: zyl / Package: ZYL_dstruct / Module: detail/x86/base64_simd
//
// Internal: Base64 kernels on 128-bit (SSSE3) and 256-bit (AVX2) registers,
// with the contracts of base64_encode_line_portable and
// base64_decode_portable. Call the SSSE3 ones only when
// has_cpu_features(kCpuSsse3), the AVX2 ones only when
// has_cpu_features(kCpuAvx2 | kCpuSsse3).
#pragma once

#include <cstddef>
#include <cstdint>

#include "ZYL_dstruct/detail/x86/cpu_features.h"

namespace ZYL_dstruct::detail {

#if ZYL_ARCH_X86
void base64_encode_line_ssse3(const std::uint8_t* in, std::uint8_t* out) noexcept;
void base64_encode_line_avx2(const std::uint8_t* in, std::uint8_t* out) noexcept;
std::size_t base64_decode_ssse3(const std::uint8_t* p, std::size_t n, std::uint8_t* out, std::size_t& used) noexcept;
std::size_t base64_decode_avx2(const std::uint8_t* p, std::size_t n, std::uint8_t* out, std::size_t& used) noexcept;
#endif

}  // namespace ZYL_dstruct::detail

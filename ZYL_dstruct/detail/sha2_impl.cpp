// Library: zyl / Package: ZYL_dstruct / Module: detail/sha2_impl
#include "ZYL_dstruct/detail/sha2_impl.h"

#include "ZYL_dstruct/detail/sha2_rounds.h"
#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "ZYL_dstruct/detail/x86/sha256_avx2.h"
#include "ZYL_dstruct/detail/x86/sha256_shani.h"
#include "ZYL_dstruct/detail/x86/sha512_avx2.h"

namespace ZYL_dstruct::detail {
namespace {

sha256_blocks_fn select_sha256() noexcept {
#if ZYL_ARCH_X86
  if (has_cpu_features(kCpuSha | kCpuSsse3 | kCpuSse41)) return &sha256_blocks_shani;
  if (has_cpu_features(kCpuAvx2 | kCpuBmi2)) return &sha256_blocks_avx2;
#endif
  return &sha256_blocks_portable;
}

sha512_blocks_fn select_sha512() noexcept {
#if ZYL_ARCH_X86
  if (has_cpu_features(kCpuAvx2 | kCpuBmi2)) return &sha512_blocks_avx2;
#endif
  return &sha512_blocks_portable;
}

dispatched<sha256_blocks_fn> g_sha256{&select_sha256};
dispatched<sha512_blocks_fn> g_sha512{&select_sha512};

}  // namespace

void sha256_blocks_portable(std::uint32_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept {
  sha2_blocks_generic(state, p, nblocks);
}

void sha512_blocks_portable(std::uint64_t* state, const std::uint8_t* p, std::size_t nblocks) noexcept {
  sha2_blocks_generic(state, p, nblocks);
}

sha256_blocks_fn sha256_blocks::blocks() noexcept { return g_sha256.get(); }
sha512_blocks_fn sha512_blocks::blocks() noexcept { return g_sha512.get(); }

}  // namespace ZYL_dstruct::detail

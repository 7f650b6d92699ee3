// Library: zyl / Package: ZYL_dstruct / Module: detail/bitops_impl
#include "ZYL_dstruct/detail/bitops_impl.h"

#include <cstring>

#include "ZYL_dstruct/detail/x86/bitops_x86.h"
#include "ZYL_dstruct/detail/x86/cpu_features.h"

namespace ZYL_dstruct::detail {
namespace {

std::uint64_t load64(const std::uint8_t* p) noexcept {
  std::uint64_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// Set bits of a 64-bit word by adding neighbouring fields (SWAR).
std::uint64_t popcount64_swar(std::uint64_t x) noexcept {
  x = x - ((x >> 1) & 0x5555555555555555u);
  x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  return (x * 0x0101010101010101u) >> 56;
}

popcount_fn select_popcount() noexcept {
#if ZYL_ARCH_X86
  if (has_cpu_features(kCpuAvx2)) return popcount_avx2;
  if (has_cpu_features(kCpuPopcnt)) return popcount_popcnt;
#endif
  return popcount_words;
}

combine_fn select_combine() noexcept {
#if ZYL_ARCH_X86
  if (has_cpu_features(kCpuAvx2)) return combine_avx2;
  if (has_cpu_features(kCpuSse2)) return combine_sse2;
#endif
  return combine_words;
}

dispatched<popcount_fn> g_popcount{&select_popcount};
dispatched<combine_fn> g_combine{&select_combine};

}  // namespace

std::uint64_t popcount_table(const std::uint8_t* p, std::size_t n) noexcept {
  std::uint64_t c = 0;
  for (std::size_t i = 0; i < n; ++i) c += kBitsInByte[p[i]];
  return c;
}

std::uint64_t popcount_words(const std::uint8_t* p, std::size_t n) noexcept {
  std::uint64_t c = 0;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) c += popcount64_swar(load64(p + i));
  return c + popcount_table(p + i, n - i);
}

void combine_words(std::uint8_t* a, const std::uint8_t* b, std::size_t n, TLogicOp op) noexcept {
  combine_body<std::uint64_t>(a, b, n, op);
}

std::uint64_t popcount_bytes(const std::uint8_t* p, std::size_t n) noexcept { return g_popcount.get()(p, n); }

void combine_bytes(std::uint8_t* a, const std::uint8_t* b, std::size_t n, TLogicOp op) noexcept {
  g_combine.get()(a, b, n, op);
}

std::size_t first_nonzero(const std::uint8_t* p, std::size_t n) noexcept {
  std::size_t i = 0;
  // Four words per step: a long run of zero bytes is a few ORs per 32 bytes.
  for (; i + 32 <= n; i += 32)
    if ((load64(p + i) | load64(p + i + 8) | load64(p + i + 16) | load64(p + i + 24)) != 0) break;
  for (; i + 8 <= n; i += 8)
    if (load64(p + i) != 0) break;
  while (i < n && p[i] == 0) ++i;
  return i;
}

}  // namespace ZYL_dstruct::detail

// Library: zyl / Package: ZYL_dstruct / Module: detail/crc32_impl
#include "ZYL_dstruct/detail/crc32_impl.h"

#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "ZYL_dstruct/detail/x86/crc32_pclmul.h"

namespace ZYL_dstruct::detail {
namespace {

const auto& T = crc32_tables;

crc32_fn select_crc32() noexcept {
#if ZYL_ARCH_X86
  if (has_cpu_features(kCpuVpclmul | kCpuAvx2 | kCpuPclmul | kCpuSse41)) return &crc32_vpclmul;
  if (has_cpu_features(kCpuPclmul | kCpuSse41)) return &crc32_pclmul;
#endif
  return &crc32_slice16;
}

dispatched<crc32_fn> g_crc32{&select_crc32};

}  // namespace

std::uint32_t crc32_slice1(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept {
  for (std::size_t i = 0; i < n; ++i) crc = T[0][(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}

std::uint32_t crc32_slice16(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept {
  for (; n >= 16; n -= 16, p += 16) {
    // Bytes are combined one by one, so the code is independent of byte order.
    const std::uint32_t w = crc ^ (std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
                                   std::uint32_t{p[3]} << 24);
    crc = T[15][w & 0xFF] ^ T[14][(w >> 8) & 0xFF] ^ T[13][(w >> 16) & 0xFF] ^ T[12][w >> 24] ^ T[11][p[4]] ^
          T[10][p[5]] ^ T[9][p[6]] ^ T[8][p[7]] ^ T[7][p[8]] ^ T[6][p[9]] ^ T[5][p[10]] ^ T[4][p[11]] ^
          T[3][p[12]] ^ T[2][p[13]] ^ T[1][p[14]] ^ T[0][p[15]];
  }
  return crc32_slice1(crc, p, n);
}

std::uint32_t crc32_update(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept {
  return g_crc32.get()(crc, p, n);
}

}  // namespace ZYL_dstruct::detail

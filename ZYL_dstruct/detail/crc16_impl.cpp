// Library: zyl / Package: ZYL_dstruct / Module: detail/crc16_impl
#include "ZYL_dstruct/detail/crc16_impl.h"

#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "ZYL_dstruct/detail/x86/crc16_pclmul.h"

namespace ZYL_dstruct::detail {
namespace {

const auto& T = crc16_tables;

crc16_fn select_crc16() noexcept {
#if ZYL_ARCH_X86
  if (has_cpu_features(kCpuVpclmul | kCpuAvx2 | kCpuPclmul | kCpuSsse3 | kCpuSse41)) return &crc16_vpclmul;
  if (has_cpu_features(kCpuPclmul | kCpuSsse3 | kCpuSse41)) return &crc16_pclmul;
#endif
  return &crc16_slice16;
}

dispatched<crc16_fn> g_crc16{&select_crc16};

}  // namespace

std::uint16_t crc16_slice1(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept {
  for (std::size_t i = 0; i < n; ++i) crc = static_cast<std::uint16_t>(T[0][(crc >> 8) ^ p[i]] ^ (crc << 8));
  return crc;
}

std::uint16_t crc16_slice16(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept {
  for (; n >= 16; n -= 16, p += 16) {
    crc = T[15][p[0] ^ (crc >> 8)] ^ T[14][p[1] ^ (crc & 0xFF)] ^ T[13][p[2]] ^ T[12][p[3]] ^ T[11][p[4]] ^
          T[10][p[5]] ^ T[9][p[6]] ^ T[8][p[7]] ^ T[7][p[8]] ^ T[6][p[9]] ^ T[5][p[10]] ^ T[4][p[11]] ^
          T[3][p[12]] ^ T[2][p[13]] ^ T[1][p[14]] ^ T[0][p[15]];
  }
  return crc16_slice1(crc, p, n);
}

std::uint16_t crc16_update(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept {
  return g_crc16.get()(crc, p, n);
}

}  // namespace ZYL_dstruct::detail

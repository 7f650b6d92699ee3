// Library: zyl / Package: ZYL_dstruct / Module: crc16
#include "ZYL_dstruct/crc16.h"

#include <algorithm>

#include "ZYL_dstruct/detail/crc16_impl.h"

namespace ZYL_dstruct {

std::uint16_t CalcNextCRC16(std::uint8_t b, std::uint16_t crc) noexcept {
  return static_cast<std::uint16_t>(detail::crc16_tables[0][((crc >> 8) ^ b) & 0xFF] ^ (crc << 8));
}

std::uint16_t CRC16ofBuffer(std::span<const std::uint8_t> Buffer, std::int32_t len, TCRC16Mode mode) noexcept {
  const std::size_t n = std::min(static_cast<std::size_t>(std::max(len, 0)), Buffer.size());
  const std::uint16_t start = mode == TCRC16Mode::crcCCITT ? 0xFFFF : 0x0000;
  return detail::crc16_update(start, Buffer.data(), n);
}

}  // namespace ZYL_dstruct

// Library: zyl / Package: ZYL_dstruct / Module: crc16
//
// CRC-16 with the polynomial 1021 (hexadecimal), processed most significant
// bit first, in its two published variants:
//
//   crcZModem  CRC-16/XMODEM       start 0000, check value 31C3
//   crcCCITT   CRC-16/CCITT-FALSE  start FFFF, check value 29B1
//
// Neither variant inverts the result. The check value is the CRC of the nine
// ASCII digits "123456789".
//
// Example:
//   const std::uint8_t d[] = {'1','2','3','4','5','6','7','8','9'};
//   CRC16ofBuffer(d, 9, TCRC16Mode::crcZModem)   // == 0x31C3
//   CRC16ofBuffer(d, 9, TCRC16Mode::crcCCITT)    // == 0x29B1
#pragma once

#include <cstdint>
#include <span>

#include "platform/api.h"

namespace ZYL_dstruct {

enum class TCRC16Mode : std::uint8_t { crcZModem, crcCCITT };

// One byte step of the register: table[(crc >> 8) xor b] xor (crc << 8),
// truncated to 16 bits. No start value and no inversion, so the steps chain
// over data that arrives piecewise.
//
// Example:
//   std::uint16_t c = 0;
//   for (std::uint8_t b : data) c = CalcNextCRC16(b, c);  // == CRC16ofBuffer(..., crcZModem)
[[nodiscard]] ZYL_API std::uint16_t CalcNextCRC16(std::uint8_t b, std::uint16_t crc) noexcept;

// The CRC of the first len bytes of Buffer, started at 0 (crcZModem) or
// FFFF (crcCCITT). A negative len counts as 0 and len is capped at
// Buffer.size(), so at most the bytes the array holds are read.
//
// Example:
//   CRC16ofBuffer({}, 0, TCRC16Mode::crcCCITT)   // == 0xFFFF
[[nodiscard]] ZYL_API std::uint16_t CRC16ofBuffer(std::span<const std::uint8_t> Buffer, std::int32_t len,
                                                  TCRC16Mode mode) noexcept;

}  // namespace ZYL_dstruct

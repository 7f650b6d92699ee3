// Library: zyl / Package: ZYL_dstruct / Module: crc32
//
// The standard CRC-32 (reflected polynomial EDB88320 hexadecimal, start value
// FFFFFFFF, result inverted; check value CBF43926 for "123456789") of a byte
// array or a whole file, and the bare byte step for callers that chain it
// themselves. Values are returned as int32 holding the 32 CRC bits.
//
// Example:
//   const std::uint8_t d[] = {'1','2','3','4','5','6','7','8','9'};
//   static_cast<std::uint32_t>(CRC32ofBuffer(d, 9))   // == 0xCBF43926
#pragma once

#include <cstdint>
#include <span>

#include "platform/hoststring.h"

namespace ZYL_dstruct {

// One byte step: table[(crc xor b) and 255] xor (crc shifted right by 8 as
// unsigned). No start value and no inversion.
//
// Example:
//   std::int32_t c = -1;                                     // FFFFFFFF
//   for (std::uint8_t b : data) c = CalcNextCRC32(b, c);
//   ~c                                                       // == CRC32ofBuffer(data, n)
[[nodiscard]] ZYL_API std::int32_t CalcNextCRC32(std::uint8_t b, std::int32_t crc) noexcept;

// The standard CRC-32 of the first len bytes of Buffer. A negative len counts
// as 0 and len is capped at Buffer.size(). The CRC of nothing is 0.
[[nodiscard]] ZYL_API std::int32_t CRC32ofBuffer(std::span<const std::uint8_t> Buffer, std::int32_t len) noexcept;

// The standard CRC-32 of a whole file, read in large blocks. Never raises:
// a file that cannot be opened, read or closed gives 0 (as does an empty
// file, whose CRC is 0).
//
// Example:
//   CalcCRC32ofFile(u"missing.bin")   // == 0
[[nodiscard]] ZYL_API std::int32_t CalcCRC32ofFile(const zyl::String& FileName) noexcept;

}  // namespace ZYL_dstruct

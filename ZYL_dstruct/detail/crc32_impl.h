// Library: zyl / Package: ZYL_dstruct / Module: detail/crc32_impl
//
// Internal: the CRC-32 register update over a block of bytes, in its portable
// forms and through the run-time choice of the fastest variant.
//
// All functions take and return the bare register: no start value and no
// final inversion (the standard CRC-32 is ~update(~0, data)).
//
// Slicing: the byte-wise table T0 advances the register by one byte. Table
// Tk gives the contribution of a byte followed by k zero bytes, so sixteen
// bytes are folded into the register with sixteen independent lookups, the
// register itself being XORed into the first four.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/api.h"

namespace ZYL_dstruct::detail {

using crc32_fn = std::uint32_t (*)(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept;

using crc32_table_set = std::array<std::array<std::uint32_t, 256>, 16>;

constexpr crc32_table_set make_crc32_tables() {
  crc32_table_set t{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    t[0][i] = c;
  }
  for (std::size_t k = 1; k < 16; ++k)
    for (std::size_t i = 0; i < 256; ++i) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
  return t;
}

// T0..T15 of the reflected polynomial EDB88320; crc32_tables[0] is the
// byte-step table.
alignas(64) inline constexpr crc32_table_set crc32_tables = make_crc32_tables();
static_assert(crc32_tables[0][1] == 0x77073096u);

[[nodiscard]] std::uint32_t crc32_slice1(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept;
[[nodiscard]] std::uint32_t crc32_slice16(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept;

// The fastest variant this CPU offers.
[[nodiscard]] std::uint32_t crc32_update(std::uint32_t crc, const std::uint8_t* p, std::size_t n) noexcept;

}  // namespace ZYL_dstruct::detail

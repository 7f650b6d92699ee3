// Library: zyl / Package: ZYL_dstruct / Module: detail/crc16_impl
//
// Internal: the CRC-16 register update (polynomial 1021, most significant
// bit first) over a block of bytes, in its portable forms and through the
// run-time choice of the fastest variant. Bare register in and out: no start
// value, no inversion.
//
// Slicing: T0 advances the register by one byte; Tk gives the contribution
// of a byte followed by k zero bytes. The register's two bytes are XORed into
// the first two data bytes, then sixteen independent lookups give the
// register after sixteen bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ZYL_dstruct::detail {

using crc16_fn = std::uint16_t (*)(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept;

using crc16_table_set = std::array<std::array<std::uint16_t, 256>, 16>;

constexpr crc16_table_set make_crc16_tables() {
  crc16_table_set t{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i << 8;
    for (int k = 0; k < 8; ++k) c = (c & 0x8000) ? (c << 1) ^ 0x1021 : c << 1;
    t[0][i] = static_cast<std::uint16_t>(c);
  }
  for (std::size_t k = 1; k < 16; ++k)
    for (std::size_t i = 0; i < 256; ++i)
      t[k][i] = static_cast<std::uint16_t>((t[k - 1][i] << 8) ^ t[0][t[k - 1][i] >> 8]);
  return t;
}

// T0..T15; crc16_tables[0] is the byte-step table.
alignas(64) inline constexpr crc16_table_set crc16_tables = make_crc16_tables();
static_assert(crc16_tables[0][1] == 0x1021);

[[nodiscard]] std::uint16_t crc16_slice1(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept;
[[nodiscard]] std::uint16_t crc16_slice16(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept;

// The fastest variant this CPU offers.
[[nodiscard]] std::uint16_t crc16_update(std::uint16_t crc, const std::uint8_t* p, std::size_t n) noexcept;

}  // namespace ZYL_dstruct::detail

// Library: zyl / Package: ZYL_dstruct / Module: detail/bitops_impl
//
// Internal: the byte-array kernels of the bit field and the byte matrix,
// working a machine word (or a vector register) at a time.
//
//   popcount_bytes   number of set bits in n bytes
//   combine_bytes    a[i] := a[i] op b[i] for n bytes (a and b may be the
//                    same array)
//   first_nonzero    index of the first nonzero byte, n when there is none
//
// popcount_bytes and combine_bytes dispatch at run time to the fastest
// variant (portable 64-bit words; the POPCNT instruction; AVX2 registers).
// Every variant gives exactly the result of the byte-at-a-time definition.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ZYL_dstruct/logicop.h"

namespace ZYL_dstruct::detail {

using popcount_fn = std::uint64_t (*)(const std::uint8_t* p, std::size_t n) noexcept;
using combine_fn = void (*)(std::uint8_t* a, const std::uint8_t* b, std::size_t n, TLogicOp op) noexcept;

// Set bits of every byte value.
inline constexpr std::array<std::uint8_t, 256> kBitsInByte = [] {
  std::array<std::uint8_t, 256> t{};
  for (int i = 1; i < 256; ++i) t[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((i & 1) + t[static_cast<std::size_t>(i >> 1)]);
  return t;
}();

// Portable variants (always built; the reference for the others).
[[nodiscard]] std::uint64_t popcount_table(const std::uint8_t* p, std::size_t n) noexcept;
[[nodiscard]] std::uint64_t popcount_words(const std::uint8_t* p, std::size_t n) noexcept;
void combine_words(std::uint8_t* a, const std::uint8_t* b, std::size_t n, TLogicOp op) noexcept;

// The fastest variants this CPU offers.
[[nodiscard]] std::uint64_t popcount_bytes(const std::uint8_t* p, std::size_t n) noexcept;
void combine_bytes(std::uint8_t* a, const std::uint8_t* b, std::size_t n, TLogicOp op) noexcept;

[[nodiscard]] std::size_t first_nonzero(const std::uint8_t* p, std::size_t n) noexcept;

// Implementation details only, past this point.

// x := x Op y for one value of any unsigned or vector type (by reference:
// vector values must not cross a function boundary of the base target).
template <TLogicOp Op, class T>
[[gnu::always_inline]] inline void apply_logic_op(T& x, const T& y) noexcept {
  if constexpr (Op == TLogicOp::loAND) x = x & y;
  else if constexpr (Op == TLogicOp::loOR) x = x | y;
  else if constexpr (Op == TLogicOp::loXOR) x = x ^ y;
  else if constexpr (Op == TLogicOp::loANDNot) x = x & ~y;
  else if constexpr (Op == TLogicOp::loORNot) x = x | ~y;
  else x = x ^ ~y;
}

}  // namespace ZYL_dstruct::detail

namespace ZYL_dstruct::detail {

// a[i] := a[i] Op b[i], W (an unsigned integer or a vector type) at a time,
// then byte by byte for the tail.
template <class W, TLogicOp Op>
[[gnu::always_inline]] inline void combine_loop(std::uint8_t* a, const std::uint8_t* b, std::size_t n) noexcept {
  std::size_t i = 0;
  for (; i + sizeof(W) <= n; i += sizeof(W)) {
    W x, y;
    __builtin_memcpy(&x, a + i, sizeof(W));
    __builtin_memcpy(&y, b + i, sizeof(W));
    apply_logic_op<Op>(x, y);
    __builtin_memcpy(a + i, &x, sizeof(W));
  }
  for (; i < n; ++i) {
    unsigned x = a[i];
    apply_logic_op<Op>(x, static_cast<unsigned>(b[i]));
    a[i] = static_cast<std::uint8_t>(x);
  }
}

// One loop per operation, so that none tests the operation per word.
template <class W>
[[gnu::always_inline]] inline void combine_body(std::uint8_t* a, const std::uint8_t* b, std::size_t n,
                                                TLogicOp op) noexcept {
  switch (op) {
    case TLogicOp::loAND: combine_loop<W, TLogicOp::loAND>(a, b, n); break;
    case TLogicOp::loOR: combine_loop<W, TLogicOp::loOR>(a, b, n); break;
    case TLogicOp::loXOR: combine_loop<W, TLogicOp::loXOR>(a, b, n); break;
    case TLogicOp::loANDNot: combine_loop<W, TLogicOp::loANDNot>(a, b, n); break;
    case TLogicOp::loORNot: combine_loop<W, TLogicOp::loORNot>(a, b, n); break;
    case TLogicOp::loXORNot: combine_loop<W, TLogicOp::loXORNot>(a, b, n); break;
  }
}

}  // namespace ZYL_dstruct::detail

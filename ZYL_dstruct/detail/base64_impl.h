// Library: zyl / Package: ZYL_dstruct / Module: detail/base64_impl
//
// Internal: the Base64 kernels, in their portable forms and through the
// run-time choice of the fastest variant. The stream handling, line ends,
// padding and error rules stay with the callers; the kernels only see
// whole lines and runs of plain digits.
//
// Decoding tables: one per position in a group, mapping a character straight
// to its bits in the output word (first output byte lowest); a character
// outside the alphabet maps to a value with bit 24 set, so one OR over a
// group tells whether all four were valid.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ZYL_dstruct::detail {

inline constexpr char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Source bytes per encoded line.
inline constexpr std::size_t kBase64LineBytes = 45;

// Extra room a decode kernel may write behind the bytes it returns.
inline constexpr std::size_t kBase64DecodeSlack = 8;

constexpr std::array<std::array<std::uint32_t, 256>, 4> make_base64_decode_tables() {
  std::array<std::array<std::uint32_t, 256>, 4> t{};
  for (int c = 0; c < 256; ++c) {
    int v = -1;
    for (int i = 0; i < 64; ++i)
      if (static_cast<std::uint8_t>(kBase64Alphabet[i]) == c) v = i;
    for (int k = 0; k < 4; ++k) {
      if (v < 0) {
        t[k][c] = 0x01FFFFFF;
        continue;
      }
      // Position k contributes its 6 bits at bit 18 - 6k of the group value.
      const std::uint32_t bits = static_cast<std::uint32_t>(v) << (18 - 6 * k);
      t[k][c] = (bits >> 16) | (bits & 0xFF00) | ((bits & 0xFF) << 16);
    }
  }
  return t;
}
inline constexpr auto kBase64Decode = make_base64_decode_tables();

inline bool base64_line_end(std::uint8_t c) noexcept { return c == '\r' || c == '\n'; }

// The output word of a group of four characters; at least 1 << 24 when one
// of them is not a digit.
inline std::uint32_t base64_group(const std::uint8_t* g) noexcept {
  return kBase64Decode[0][g[0]] | kBase64Decode[1][g[1]] | kBase64Decode[2][g[2]] | kBase64Decode[3][g[3]];
}

// Encodes n bytes (a multiple of 3) to 4n/3 characters.
void base64_encode_groups(const std::uint8_t* in, std::size_t n, std::uint8_t* out) noexcept;

// Encodes one full line: 45 bytes to 60 characters.
using base64_line_fn = void (*)(const std::uint8_t* in, std::uint8_t* out) noexcept;
void base64_encode_line_portable(const std::uint8_t* in, std::uint8_t* out) noexcept;
void base64_encode_line(const std::uint8_t* in, std::uint8_t* out) noexcept;  // fastest variant

// Decodes whole groups of four digits from the n characters at p and skips
// CR and LF between groups; stops before the first group that holds
// anything else (a line end inside it, padding, a character outside the
// alphabet) or is incomplete. Returns the number of bytes written; used
// receives the number of characters read. out needs room for
// n / 4 * 3 + kBase64DecodeSlack bytes.
using base64_decode_fn = std::size_t (*)(const std::uint8_t* p, std::size_t n, std::uint8_t* out,
                                         std::size_t& used) noexcept;
std::size_t base64_decode_portable(const std::uint8_t* p, std::size_t n, std::uint8_t* out,
                                   std::size_t& used) noexcept;
std::size_t base64_decode_run(const std::uint8_t* p, std::size_t n, std::uint8_t* out,
                              std::size_t& used) noexcept;  // fastest variant

}  // namespace ZYL_dstruct::detail

// Library: zyl / Package: ZYL_dstruct / Module: detail/base64_impl
//
// Encoding looks up 12 bits at a time (two characters per lookup); decoding
// ORs the four position tables of a group.
#include "ZYL_dstruct/detail/base64_impl.h"

#include <cstring>

#include "ZYL_dstruct/detail/x86/base64_simd.h"
#include "ZYL_dstruct/detail/x86/cpu_features.h"

namespace ZYL_dstruct::detail {
namespace {

constexpr std::array<std::array<char, 2>, 4096> make_pairs() {
  std::array<std::array<char, 2>, 4096> t{};
  for (std::size_t i = 0; i < 4096; ++i) t[i] = {kBase64Alphabet[i >> 6], kBase64Alphabet[i & 63]};
  return t;
}
constexpr auto kPairs = make_pairs();

base64_line_fn select_line() noexcept {
#if ZYL_ARCH_X86
  if (has_cpu_features(kCpuAvx2 | kCpuSsse3)) return &base64_encode_line_avx2;
  if (has_cpu_features(kCpuSsse3)) return &base64_encode_line_ssse3;
#endif
  return &base64_encode_line_portable;
}

base64_decode_fn select_decode() noexcept {
#if ZYL_ARCH_X86
  if (has_cpu_features(kCpuAvx2 | kCpuSsse3)) return &base64_decode_avx2;
  if (has_cpu_features(kCpuSsse3)) return &base64_decode_ssse3;
#endif
  return &base64_decode_portable;
}

dispatched<base64_line_fn> g_line{&select_line};
dispatched<base64_decode_fn> g_decode{&select_decode};

}  // namespace

void base64_encode_groups(const std::uint8_t* in, std::size_t n, std::uint8_t* out) noexcept {
  for (std::size_t i = 0; i < n; i += 3, out += 4) {
    const std::uint32_t v = std::uint32_t{in[i]} << 16 | std::uint32_t{in[i + 1]} << 8 | in[i + 2];
    std::memcpy(out, kPairs[v >> 12].data(), 2);
    std::memcpy(out + 2, kPairs[v & 0xFFF].data(), 2);
  }
}

void base64_encode_line_portable(const std::uint8_t* in, std::uint8_t* out) noexcept {
  base64_encode_groups(in, kBase64LineBytes, out);
}

void base64_encode_line(const std::uint8_t* in, std::uint8_t* out) noexcept { g_line.get()(in, out); }

std::size_t base64_decode_portable(const std::uint8_t* p, std::size_t n, std::uint8_t* out,
                                   std::size_t& used) noexcept {
  std::size_t i = 0, k = 0;
  while (i < n) {
    // The text may come straight from a large memory stream; fetching ahead
    // keeps the table lookups from waiting on memory.
    __builtin_prefetch(p + i + 1024);
    const std::uint32_t v = i + 4 <= n ? base64_group(p + i) : 0x01000000;
    if (v < 0x01000000) {
      out[k] = static_cast<std::uint8_t>(v);
      out[k + 1] = static_cast<std::uint8_t>(v >> 8);
      out[k + 2] = static_cast<std::uint8_t>(v >> 16);
      i += 4;
      k += 3;
    } else if (base64_line_end(p[i])) {
      ++i;
    } else {
      break;
    }
  }
  used = i;
  return k;
}

std::size_t base64_decode_run(const std::uint8_t* p, std::size_t n, std::uint8_t* out,
                              std::size_t& used) noexcept {
  return g_decode.get()(p, n, out, used);
}

}  // namespace ZYL_dstruct::detail

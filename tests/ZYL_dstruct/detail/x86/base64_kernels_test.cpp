// Every Base64 kernel variant against the portable one: full lines at every
// alignment, runs of digits of every length 0..200 with a non-digit at every
// position, and every byte value at every position of a block. Inputs end
// exactly at the end of their heap block and outputs have exactly the room
// the contract promises, so the sanitizer build catches any over-read or
// over-write.
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/detail/base64_impl.h"
#include "ZYL_dstruct/detail/x86/base64_simd.h"
#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "kernel_test_support.h"

namespace ZYL_dstruct::detail {
namespace {

const std::vector<variant<base64_line_fn>>& line_variants() {
  static const std::vector<variant<base64_line_fn>> v = {
      {"dispatched", &base64_encode_line, 0},
#if ZYL_ARCH_X86
      {"ssse3", &base64_encode_line_ssse3, kCpuSsse3},
      {"avx2", &base64_encode_line_avx2, kCpuAvx2 | kCpuSsse3},
#endif
  };
  return v;
}

const std::vector<variant<base64_decode_fn>>& decode_variants() {
  static const std::vector<variant<base64_decode_fn>> v = {
      {"dispatched", &base64_decode_run, 0},
#if ZYL_ARCH_X86
      {"ssse3", &base64_decode_ssse3, kCpuSsse3},
      {"avx2", &base64_decode_avx2, kCpuAvx2 | kCpuSsse3},
#endif
  };
  return v;
}

struct decoded {
  std::size_t used;
  std::vector<std::uint8_t> bytes;
  bool operator==(const decoded&) const = default;
};

// Runs a decode kernel on a copy of text placed at the end of its block,
// with exactly the output room the contract asks for.
decoded run_decode(base64_decode_fn fn, const std::string& text, std::size_t align) {
  std::vector<std::uint8_t> in(align + text.size());
  if (!text.empty()) std::memcpy(in.data() + align, text.data(), text.size());
  std::vector<std::uint8_t> out(text.size() / 4 * 3 + kBase64DecodeSlack);
  decoded d{};
  const std::size_t k = fn(in.data() + align, text.size(), out.data(), d.used);
  d.bytes.assign(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(k));
  return d;
}

class Base64Kernels : public KernelTest {
 protected:
  std::string digits(std::size_t n) {
    std::string s(n, 'A');
    for (auto& c : s) c = kBase64Alphabet[rng() % 64];
    return s;
  }
};

TEST_F(Base64Kernels, LineEncodersMatchThePortableOne) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  for (const auto& v : line_variants()) {
    if (!has_cpu_features(v.needs)) continue;
    SCOPED_TRACE(v.name);
    for (int round = 0; round < 200; ++round) {
      const std::size_t align = static_cast<std::size_t>(round % 32);
      std::vector<std::uint8_t> in(align + kBase64LineBytes);
      for (auto& b : in) b = static_cast<std::uint8_t>(rng());
      // Extreme values reach every character range.
      if (round == 0) std::fill(in.begin(), in.end(), 0x00);
      if (round == 1) std::fill(in.begin(), in.end(), 0xFF);
      std::vector<std::uint8_t> want(60), got(60);
      base64_encode_line_portable(in.data() + align, want.data());
      v.fn(in.data() + align, got.data());
      ASSERT_EQ(got, want) << "round " << round;
    }
  }
}

TEST_F(Base64Kernels, DecodersStopAtTheSameGroupAsThePortableOne) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  const std::string intruders = std::string("=\r\n -:@[`{\x80\xFF", 13) + std::string(1, '\0');
  for (const auto& v : decode_variants()) {
    if (!has_cpu_features(v.needs)) continue;
    SCOPED_TRACE(v.name);
    for (std::size_t n = 0; n <= 200; ++n) {
      const std::string clean = digits(n);
      const std::size_t align = n % 32;
      ASSERT_EQ(run_decode(v.fn, clean, align), run_decode(&base64_decode_portable, clean, align)) << "length " << n;
      for (std::size_t at = 0; at < n; ++at) {
        std::string text = clean;
        text[at] = intruders[rng() % intruders.size()];
        ASSERT_EQ(run_decode(v.fn, text, align), run_decode(&base64_decode_portable, text, align))
            << "length " << n << ", non-digit " << int(static_cast<std::uint8_t>(text[at])) << " at " << at;
      }
    }
  }
}

TEST_F(Base64Kernels, DecodersClassifyEveryByteValueAtEveryPosition) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  for (const auto& v : decode_variants()) {
    if (!has_cpu_features(v.needs)) continue;
    SCOPED_TRACE(v.name);
    const std::string clean = digits(64);
    for (std::size_t at = 0; at < 32; ++at) {
      for (int c = 0; c < 256; ++c) {
        std::string text = clean;
        text[at] = static_cast<char>(c);
        ASSERT_EQ(run_decode(v.fn, text, 0), run_decode(&base64_decode_portable, text, 0))
            << "byte " << c << " at " << at;
      }
    }
  }
}

TEST_F(Base64Kernels, DispatchFallsBackToThePortableKernels) {
  const std::string text = digits(400) + "\r\n" + digits(40);
  const decoded fast = run_decode(&base64_decode_run, text, 3);
  disable_cpu_features(~0u);
  EXPECT_EQ(run_decode(&base64_decode_run, text, 3), fast);
  std::vector<std::uint8_t> in(kBase64LineBytes, 0xA5), a(60), b(60);
  base64_encode_line(in.data(), a.data());
  disable_cpu_features(0);
  base64_encode_line(in.data(), b.data());
  EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace ZYL_dstruct::detail

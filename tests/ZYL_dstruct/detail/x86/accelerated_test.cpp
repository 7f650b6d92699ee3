// Every accelerated variant against the plain byte-at-a-time or portable
// code: all lengths 0..64 and random ones, every start alignment 0..15,
// random initial registers, and inputs split in two. Each input ends exactly
// at the end of its heap block, so the sanitizer build catches over-reads.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/crc16.h"
#include "ZYL_dstruct/crc32.h"
#include "ZYL_dstruct/detail/crc16_impl.h"
#include "ZYL_dstruct/detail/crc32_impl.h"
#include "ZYL_dstruct/detail/sha1_impl.h"
#include "ZYL_dstruct/detail/sha2_impl.h"
#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "ZYL_dstruct/detail/x86/crc16_pclmul.h"
#include "ZYL_dstruct/detail/x86/crc32_pclmul.h"
#include "ZYL_dstruct/detail/x86/sha1_shani.h"
#include "ZYL_dstruct/detail/x86/sha256_avx2.h"
#include "ZYL_dstruct/detail/x86/sha256_shani.h"
#include "ZYL_dstruct/detail/x86/sha512_avx2.h"
#include "ZYL_dstruct/hasher.h"
#include "ZYL_dstruct/sha1.h"
#include "platform/memorystream.h"
#include "kernel_test_support.h"

namespace ZYL_dstruct::detail {
namespace {

const std::vector<variant<crc32_fn>>& crc32_variants() {
  static const std::vector<variant<crc32_fn>> v = {
      {"slice16", &crc32_slice16, 0},
      {"dispatched", &crc32_update, 0},
#if ZYL_ARCH_X86
      {"pclmul", &crc32_pclmul, kCpuPclmul | kCpuSse41},
      {"vpclmul", &crc32_vpclmul, kCpuVpclmul | kCpuAvx2 | kCpuPclmul | kCpuSse41},
#endif
  };
  return v;
}

const std::vector<variant<crc16_fn>>& crc16_variants() {
  static const std::vector<variant<crc16_fn>> v = {
      {"slice16", &crc16_slice16, 0},
      {"dispatched", &crc16_update, 0},
#if ZYL_ARCH_X86
      {"pclmul", &crc16_pclmul, kCpuPclmul | kCpuSsse3 | kCpuSse41},
      {"vpclmul", &crc16_vpclmul, kCpuVpclmul | kCpuAvx2 | kCpuPclmul | kCpuSsse3 | kCpuSse41},
#endif
  };
  return v;
}

// The lengths to try: 0..64, then random ones up to max_len.
std::vector<std::size_t> lengths(std::mt19937& rng, std::size_t max_len) {
  std::vector<std::size_t> n;
  for (std::size_t i = 0; i <= 64; ++i) n.push_back(i);
  for (int i = 0; i < 60; ++i) n.push_back(rng() % max_len);
  return n;
}

// Random bytes placed at offset align of a block that ends with them.
struct placed {
  std::vector<std::uint8_t> block;
  std::size_t align;
  const std::uint8_t* data() const { return block.data() + align; }
};

placed random_input(std::mt19937& rng, std::size_t n, std::size_t align) {
  placed p{std::vector<std::uint8_t>(align + n), align};
  for (auto& b : p.block) b = static_cast<std::uint8_t>(rng());
  return p;
}

class Accelerated : public KernelTest {};

TEST_F(Accelerated, Crc32VariantsMatchTheByteStep) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  for (const auto& v : crc32_variants()) {
    if (!has_cpu_features(v.needs)) {
      std::printf("crc32 %s: not supported by this CPU, skipped\n", v.name);
      continue;
    }
    SCOPED_TRACE(v.name);
    for (std::size_t n : lengths(rng, 20000)) {
      for (std::size_t align = 0; align < 16; ++align) {
        const placed in = random_input(rng, n, align);
        const std::uint32_t init = (align & 1) ? 0xFFFFFFFFu : static_cast<std::uint32_t>(rng());
        const std::uint32_t want = crc32_slice1(init, in.data(), n);
        ASSERT_EQ(v.fn(init, in.data(), n), want) << "length " << n << " align " << align << " init " << init;
        const std::size_t cut = n == 0 ? 0 : rng() % (n + 1);
        ASSERT_EQ(v.fn(v.fn(init, in.data(), cut), in.data() + cut, n - cut), want)
            << "split at " << cut << " of " << n << " align " << align;
      }
    }
  }
}

TEST_F(Accelerated, Crc16VariantsMatchTheByteStep) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  for (const auto& v : crc16_variants()) {
    if (!has_cpu_features(v.needs)) {
      std::printf("crc16 %s: not supported by this CPU, skipped\n", v.name);
      continue;
    }
    SCOPED_TRACE(v.name);
    for (std::size_t n : lengths(rng, 20000)) {
      for (std::size_t align = 0; align < 16; ++align) {
        const placed in = random_input(rng, n, align);
        const std::uint16_t init = (align & 1) ? 0xFFFF : static_cast<std::uint16_t>(rng());
        const std::uint16_t want = crc16_slice1(init, in.data(), n);
        ASSERT_EQ(v.fn(init, in.data(), n), want) << "length " << n << " align " << align << " init " << init;
        const std::size_t cut = n == 0 ? 0 : rng() % (n + 1);
        ASSERT_EQ(v.fn(v.fn(init, in.data(), cut), in.data() + cut, n - cut), want)
            << "split at " << cut << " of " << n << " align " << align;
      }
    }
  }
}

// A block-compression variant against the portable one: 0..20 blocks (odd
// counts leave the two-block kernel a lone one), several start alignments,
// random states.
template <class Word>
void expect_blocks_match(std::mt19937& rng, void (*portable)(Word*, const std::uint8_t*, std::size_t) noexcept,
                         const variant<void (*)(Word*, const std::uint8_t*, std::size_t) noexcept>& v,
                         std::size_t state_words) {
  if (!has_cpu_features(v.needs)) {
    std::printf("%s: not supported by this CPU, skipped\n", v.name);
    return;
  }
  SCOPED_TRACE(v.name);
  const std::size_t block = 16 * sizeof(Word);
  for (std::size_t blocks = 0; blocks <= 20; ++blocks) {
    for (std::size_t align = 0; align < 16; align += 3) {
      const placed in = random_input(rng, blocks * block, align);
      Word a[8], b[8];
      for (std::size_t i = 0; i < state_words; ++i) a[i] = b[i] = static_cast<Word>(std::uint64_t{rng()} << 32 ^ rng());
      portable(a, in.data(), blocks);
      v.fn(b, in.data(), blocks);
      for (std::size_t i = 0; i < state_words; ++i)
        ASSERT_EQ(a[i], b[i]) << "word " << i << ", " << blocks << " blocks, align " << align;
    }
  }
}

TEST_F(Accelerated, DigestBlockVariantsMatchThePortableOnes) {
  SCOPED_TRACE("seed " + std::to_string(seed));
#if ZYL_ARCH_X86
  expect_blocks_match<std::uint32_t>(rng, &sha1_blocks_portable,
                                     {"sha1 shani", &sha1_blocks_shani, kCpuSha | kCpuSsse3 | kCpuSse41}, 5);
  expect_blocks_match<std::uint32_t>(rng, &sha256_blocks_portable,
                                     {"sha256 shani", &sha256_blocks_shani, kCpuSha | kCpuSsse3 | kCpuSse41}, 8);
  expect_blocks_match<std::uint32_t>(rng, &sha256_blocks_portable,
                                     {"sha256 avx2", &sha256_blocks_avx2, kCpuAvx2 | kCpuBmi2}, 8);
  expect_blocks_match<std::uint64_t>(rng, &sha512_blocks_portable,
                                     {"sha512 avx2", &sha512_blocks_avx2, kCpuAvx2 | kCpuBmi2}, 8);
#else
  GTEST_SKIP() << "no accelerated digests on this architecture";
#endif
}

// Every dispatched digest, with the accelerated kernels and without, over
// random lengths 0..1000 cut at random points, against the portable code
// fed in one piece.
TEST_F(Accelerated, DigestsAgreeWithThePortableCodeHoweverTheDataIsCut) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  for (TDigestKind k : {TDigestKind::dkSHA1, TDigestKind::dkSHA224, TDigestKind::dkSHA256, TDigestKind::dkSHA384,
                        TDigestKind::dkSHA512, TDigestKind::dkSHA512_256}) {
    for (int i = 0; i < 80; ++i) {
      const std::size_t n = rng() % 1001;
      const placed in = random_input(rng, n, rng() % 16);
      disable_cpu_features(~0u);
      TDigestHasher portable(k);
      portable.Add({in.data(), n});
      const std::vector<std::uint8_t> want = portable.Finish();
      disable_cpu_features(0);
      TDigestHasher fast(k);
      std::size_t cut = 0;
      for (std::size_t at = 0; at < n; at += cut) {
        cut = std::min<std::size_t>(n - at, rng() % 3 == 0 ? rng() % 400 : rng() % 70);
        fast.Add({in.data() + at, cut});
      }
      ASSERT_EQ(fast.Finish(), want) << "kind " << static_cast<int>(k) << ", length " << n;
    }
  }
}

TEST_F(Accelerated, Sha1ContextIsIndependentOfHowDataIsSplit) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  for (std::size_t n : lengths(rng, 3000)) {
    const placed in = random_input(rng, n, rng() % 16);
    sha1_context whole;
    whole.update(in.data(), n);
    sha1_context pieces;
    for (std::size_t at = 0; at < n;) {
      const std::size_t k = std::min<std::size_t>(n - at, rng() % 130);
      pieces.update(in.data() + at, k);
      at += k;
    }
    ASSERT_EQ(whole.finish(), pieces.finish()) << "length " << n;
  }
}

TEST_F(Accelerated, PublicFunctionsGiveTheSameResultsWithFeaturesOff) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  const placed in = random_input(rng, 100000 + rng() % 1000, rng() % 16);
  const std::span<const std::uint8_t> data(in.data(), in.block.size() - in.align);
  const auto len = static_cast<std::int32_t>(data.size());
  auto results = [&] {
    zyl::TBytesStream s(std::vector<std::uint8_t>(data.begin(), data.end()));
    TDigestHasher sha256(TDigestKind::dkSHA256), sha512(TDigestKind::dkSHA512);
    sha256.Add(data);
    sha512.Add(data);
    return std::tuple(CRC32ofBuffer(data, len), CRC16ofBuffer(data, len, TCRC16Mode::crcCCITT),
                      SHA1FromStream(s), sha256.Finish(), sha512.Finish());
  };
  const auto fast = results();
  disable_cpu_features(~0u);
  EXPECT_EQ(cpu_features(), 0u);
  EXPECT_EQ(results(), fast) << "portable paths";
  disable_cpu_features(0);
  EXPECT_EQ(results(), fast) << "accelerated paths chosen again";
}

}  // namespace
}  // namespace ZYL_dstruct::detail

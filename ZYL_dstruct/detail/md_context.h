// Library: zyl / Package: ZYL_dstruct / Module: detail/md_context
//
// Internal: the Merkle-Damgard frame shared by SHA-1 and the SHA-2 family
// (FIPS 180-4): data arriving in pieces is cut into blocks of 16 words, the
// message is padded with one 1 bit, zeros and its length in bits, and the
// digest is the leading bytes of the final state words, big-endian.
//
// An algorithm is described by a traits type:
//   using word = std::uint32_t;          // or std::uint64_t
//   static constexpr std::size_t kStateWords = 8, kDigestSize = 32;
//   static constexpr word kInit[kStateWords] = {...};
//   static blocks_fn blocks() noexcept;  // the compression chosen for this CPU
//
// Example:
//   md_context<sha256_algo> c;
//   c.update(p, n);
//   std::array<std::uint8_t, 32> d = c.finish();  // c starts a new message
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace ZYL_dstruct::detail {

template <class Algo>
class md_context {
 public:
  using word = typename Algo::word;
  // Compresses nblocks whole blocks at p into the state words.
  using blocks_fn = void (*)(word* state, const std::uint8_t* p, std::size_t nblocks) noexcept;
  static constexpr std::size_t kBlockSize = 16 * sizeof(word);
  static constexpr std::size_t kDigestSize = Algo::kDigestSize;
  using digest = std::array<std::uint8_t, kDigestSize>;

  md_context() noexcept { reset(); }

  // Starts a new message.
  void reset() noexcept {
    std::copy(std::begin(Algo::kInit), std::end(Algo::kInit), FState);
    FFill = 0;
    FLength = 0;
  }

  void update(const std::uint8_t* p, std::size_t n) noexcept {
    if (n == 0) return;
    if (FBlocks == nullptr) FBlocks = Algo::blocks();
    FLength += n;
    if (FFill > 0) {
      const std::size_t take = std::min(n, kBlockSize - FFill);
      std::memcpy(FBlock + FFill, p, take);
      FFill += take;
      p += take;
      n -= take;
      if (FFill < kBlockSize) return;
      FBlocks(FState, FBlock, 1);
      FFill = 0;
    }
    if (n >= kBlockSize) {
      FBlocks(FState, p, n / kBlockSize);
      p += n - n % kBlockSize;
      n %= kBlockSize;
    }
    if (n > 0) {
      std::memcpy(FBlock, p, n);
      FFill = n;
    }
  }

  // The digest of everything fed since the last reset; then starts a new
  // message.
  [[nodiscard]] digest finish() noexcept {
    // The length field takes two words (64 bits for SHA-1 and SHA-256, 128
    // for SHA-512); the byte count's top three bits become the high part.
    constexpr std::size_t kLenBytes = 2 * sizeof(word);
    std::uint8_t pad[2 * kBlockSize] = {0x80};
    const std::size_t room = kBlockSize - kLenBytes;
    const std::size_t zeros = FFill < room ? room - FFill : kBlockSize + room - FFill;
    std::uint8_t* len = pad + zeros + kLenBytes;
    const std::uint64_t bits = FLength << 3;
    for (int i = 1; i <= 8; ++i) *--len = static_cast<std::uint8_t>(bits >> (8 * (i - 1)));
    if constexpr (kLenBytes > 8) *--len = static_cast<std::uint8_t>(FLength >> 61);
    update(pad, zeros + kLenBytes);
    digest d{};
    for (std::size_t i = 0; i < kDigestSize; ++i)
      d[i] = static_cast<std::uint8_t>(FState[i / sizeof(word)] >> (8 * (sizeof(word) - 1 - i % sizeof(word))));
    reset();
    return d;
  }

 private:
  word FState[Algo::kStateWords];
  std::uint8_t FBlock[kBlockSize];
  std::size_t FFill;
  std::uint64_t FLength;  // bytes fed so far
  blocks_fn FBlocks = nullptr;
};

}  // namespace ZYL_dstruct::detail

// The encoder's output byte for byte against a plain model of the format, on
// data from runless to run-heavy, fed in chunks of any size: the encoder's
// fast path for bytes without runs must not change a single byte.
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/rlencoder.h"

namespace ZYL_dstruct {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t L = 165;

// The runs of in, a run reaching 255 written at once, followed by the
// closing triplet of the pending run (count 0, last byte when none).
Bytes model(const Bytes& in) {
  Bytes out;
  std::uint8_t last = 0;
  std::size_t pending = 0;
  for (std::size_t i = 0; i < in.size();) {
    const std::uint8_t b = in[i];
    std::size_t j = i;
    while (j < in.size() && in[j] == b && j - i < 255) ++j;
    const auto n = static_cast<std::uint8_t>(j - i);
    last = b;
    pending = 0;
    if (n == 255) {
      out.insert(out.end(), {L, 255, b});
    } else if (j == in.size()) {
      pending = n;
    } else if (n <= 2 && b != L) {
      out.insert(out.end(), n, b);
    } else {
      out.insert(out.end(), {L, n, b});
    }
    i = j;
  }
  out.insert(out.end(), {L, static_cast<std::uint8_t>(pending), last});
  return out;
}

// Encodes in chunks, takes every block while encoding, closes with one
// Finish and takes the rest.
Bytes encode(const Bytes& in, std::int32_t buf_leng, std::size_t chunk) {
  TRLEncoder e(nullptr);
  e.SetBufLeng(buf_leng);
  Bytes out, block(static_cast<std::size_t>(buf_leng));
  const auto take = [&] {
    while (e.WaitingBytes() >= buf_leng) {
      e.GetResult(block);
      out.insert(out.end(), block.begin(), block.end());
    }
  };
  for (std::size_t i = 0; i < in.size(); i += chunk) {
    e.Encode(std::span(in).subspan(i), static_cast<std::int32_t>(std::min(chunk, in.size() - i)));
    take();
  }
  const std::int32_t n = e.Finish(block);
  out.insert(out.end(), block.begin(), block.begin() + n);
  take();
  for (std::int32_t k; (k = e.Flush(block)) > 0;) out.insert(out.end(), block.begin(), block.begin() + k);
  return out;
}

TEST(RLEncoderModel, OutputEqualsTheModel) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  for (int trial = 0; trial < 300; ++trial) {
    // The share of repeats goes from none (every byte differs from the last
    // with probability 255/256) to mostly runs; the lead-in byte now and then.
    const unsigned repeat_percent = static_cast<unsigned>(trial % 6) * 20;
    Bytes in(rng() % 6000);
    for (std::size_t i = 0; i < in.size(); ++i) {
      if (i > 0 && rng() % 100 < repeat_percent)
        in[i] = in[i - 1];
      else
        in[i] = rng() % 50 == 0 ? L : static_cast<std::uint8_t>(rng());
    }
    if (trial % 7 == 0 && !in.empty()) in.insert(in.begin() + rng() % in.size(), 300 + rng() % 300, in.front());
    const std::int32_t buf_leng = trial % 2 ? 256 : 1 + static_cast<std::int32_t>(rng() % 700);
    const std::size_t chunk = 1 + rng() % 3000;
    ASSERT_EQ(encode(in, buf_leng, chunk), model(in))
        << "trial " << trial << ", " << in.size() << " bytes, BufLeng " << buf_leng << ", chunks of " << chunk;
  }
}

}  // namespace
}  // namespace ZYL_dstruct

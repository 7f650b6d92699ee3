#include "ZYL_dstruct/rlencoder.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_zylbase/errors.h"

namespace ZYL_dstruct {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Encodes in calls of at most `chunk` bytes, taking blocks as the protocol says.
Bytes encode(const Bytes& in, std::int32_t buf_leng = 256, std::size_t chunk = 256) {
  TRLEncoder e(nullptr);
  e.SetBufLeng(buf_leng);
  Bytes out, block(static_cast<std::size_t>(buf_leng));
  for (std::size_t i = 0; i < in.size(); i += chunk) {
    const auto n = static_cast<std::int32_t>(std::min(chunk, in.size() - i));
    if (e.Encode(std::span(in).subspan(i), n)) {
      while (e.WaitingBytes() >= buf_leng) {
        e.GetResult(block);
        out.insert(out.end(), block.begin(), block.end());
      }
    }
  }
  for (std::int32_t n = buf_leng; n == buf_leng;) {
    n = e.Finish(block);
    out.insert(out.end(), block.begin(), block.begin() + n);
  }
  return out;
}

Bytes decode(const Bytes& in, std::int32_t buf_leng = 256) {
  TRLEncoder d(nullptr);
  d.SetBufLeng(buf_leng);
  Bytes out, block(static_cast<std::size_t>(buf_leng));
  for (std::uint8_t b : in) {
    if (d.Decode(b)) {
      d.GetResult(block);
      out.insert(out.end(), block.begin(), block.end());
    }
  }
  for (std::int32_t n; (n = d.Flush(block)) > 0;) out.insert(out.end(), block.begin(), block.begin() + n);
  return out;
}

TEST(RLEncoder, EncodedForms) {
  struct Case {
    const char* label;
    Bytes in;
    Bytes out;
  };
  const Case cases[] = {
      {"pending run closes as a triplet", {1, 2, 2, 3, 3, 3}, {1, 2, 2, 165, 3, 3}},
      {"a lone lead-in byte", {165}, {165, 1, 165}},
      {"empty input gives the closing triplet only", {}, {165, 0, 0}},
      {"runs of one and two stay plain", {4, 5, 5, 6}, {4, 5, 5, 165, 1, 6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(encode(c.in), c.out);
  }
  // 300 sevens: a full run at 255, the rest at Finish.
  EXPECT_EQ(encode(Bytes(300, 7)), (Bytes{165, 255, 7, 165, 45, 7}));
  // Exactly 255: written at once, Finish adds an empty triplet.
  EXPECT_EQ(encode(Bytes(255, 7)), (Bytes{165, 255, 7, 165, 0, 7}));
}

TEST(RLEncoder, EachFurtherFinishAppendsAnEmptyTripletFromBlockLengthFour) {
  // 1 1 1 1 2 encodes to 165 4 1, with the 2 pending until Finish. From
  // BufLeng 4 on, every Finish that hands out a full block leaves the next one
  // to append 165 0 2; up to BufLeng 3 (the triplet's own length) the triplet
  // is written once, else the Finish loop would never end.
  const Bytes in = {1, 1, 1, 1, 2};
  const Bytes once = {165, 4, 1, 165, 1, 2};
  struct Case {
    std::int32_t buf_leng;
    Bytes out;
  };
  const Case cases[] = {
      {1, once},
      {2, once},
      {3, once},
      {4, {165, 4, 1, 165, 1, 2, 165, 0, 2, 165, 0, 2, 165, 0, 2}},
      {5, {165, 4, 1, 165, 1, 2, 165, 0, 2}},
      {6, {165, 4, 1, 165, 1, 2, 165, 0, 2}},
      {7, once},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("BufLeng " + std::to_string(c.buf_leng));
    const Bytes enc = encode(in, c.buf_leng, 2);
    EXPECT_EQ(enc, c.out);
    EXPECT_EQ(decode(enc, c.buf_leng), in);
  }
}

TEST(RLEncoder, FinishCallByCall) {
  TRLEncoder e(nullptr);
  e.SetBufLeng(8);
  const Bytes in = {1, 2, 3, 4, 5, 6};
  EXPECT_FALSE(e.Encode(in, 6));
  Bytes out(8);
  ASSERT_EQ(e.Finish(out), 8);
  EXPECT_EQ(out, (Bytes{1, 2, 3, 4, 5, 165, 1, 6}));
  ASSERT_EQ(e.Finish(out), 3);
  EXPECT_EQ((Bytes(out.begin(), out.begin() + 3)), (Bytes{165, 0, 6}));

  // Block length 3: the closing triplet fills a block, the next Finish is empty.
  e.Reset();
  e.SetBufLeng(3);
  e.Encode(in, 0);
  ASSERT_EQ(e.Finish(out), 3);
  EXPECT_EQ((Bytes(out.begin(), out.begin() + 3)), (Bytes{165, 0, 0}));
  EXPECT_EQ(e.Finish(out), 0);
}

TEST(RLEncoder, RunsSpanEncodeCalls) {
  Bytes in(10, 9);
  EXPECT_EQ(encode(in, 256, 3), (Bytes{165, 10, 9}));
}

TEST(RLEncoder, DecoderStates) {
  EXPECT_EQ(decode({165, 0, 42, 1}), (Bytes{1})) << "count 0 yields nothing";
  EXPECT_EQ(decode({165, 3, 8}), (Bytes{8, 8, 8}));
  EXPECT_EQ(decode({7, 165}), (Bytes{7})) << "a dangling lead-in emits nothing";
}

TEST(RLEncoder, RoundTripsRandomDataInAnyBlockSize) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  for (int trial = 0; trial < 40; ++trial) {
    Bytes in;
    const std::size_t len = rng() % 5000;
    while (in.size() < len) {
      // Mixed runs, often of the lead-in byte itself.
      const std::uint8_t v = rng() % 4 == 0 ? 165 : static_cast<std::uint8_t>(rng() % 8);
      in.insert(in.end(), 1 + rng() % (rng() % 3 == 0 ? 600 : 4), v);
    }
    const std::int32_t buf_leng = 1 + static_cast<std::int32_t>(rng() % 700);
    const std::size_t chunk = 1 + rng() % 2000;  // often more than BufLeng per call
    const Bytes enc = encode(in, buf_leng, chunk);
    ASSERT_EQ(decode(enc, buf_leng), in) << "len " << len << " bufleng " << buf_leng << " chunk " << chunk;
  }
}

TEST(RLEncoder, BufLengAndOutputBufferGuards) {
  TRLEncoder e(nullptr);
  e.SetName(u"Coder");
  e.SetBufLeng(0);
  e.SetBufLeng(-3);
  EXPECT_EQ(e.BufLeng(), 256);
  const Bytes in = {1, 2, 3};
  e.Encode(in, 3);
  e.Encode(in, 1000);  // the count beyond the array is not read
  e.SetBufLeng(4);     // waiting bytes survive the resize
  std::uint8_t small[3];
  try {
    e.Finish(small);
    FAIL() << "no error for a too small output buffer";
  } catch (const ZYL_zylbase::EZYLDStructError& err) {
    EXPECT_EQ(err.Message(), u"Component \"Coder\": output buffer smaller than BufLeng");
  }
  std::uint8_t out[4];
  EXPECT_EQ(e.Finish(out), 4);
  EXPECT_EQ((Bytes(out, out + 4)), (Bytes{1, 2, 3, 1}));
}

TEST(RLEncoder, ResetClearsState) {
  TRLEncoder e(nullptr);
  e.Decode(165);
  e.Reset();
  EXPECT_FALSE(e.Decode(5));
  std::uint8_t out[256];
  EXPECT_EQ(e.Flush(out), 1);
  EXPECT_EQ(out[0], 5);
}

}  // namespace
}  // namespace ZYL_dstruct

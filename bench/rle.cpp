// Run-length encoder throughput on data with mixed run lengths.
#include <benchmark/benchmark.h>

#include <random>
#include <stdexcept>
#include <vector>

#include "ZYL_dstruct/rlencoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Runs of 1..3 bytes mostly, with some long runs and lead-in bytes mixed in.
Bytes mixed_runs(std::size_t size) {
  std::mt19937 rng(42);
  Bytes out;
  out.reserve(size + 600);
  while (out.size() < size) {
    const unsigned kind = rng() % 10;
    const std::size_t len = kind < 6 ? 1 + rng() % 3 : kind < 9 ? 3 + rng() % 20 : 100 + rng() % 500;
    const auto value = static_cast<std::uint8_t>(rng() % 16 == 0 ? 165 : rng());
    out.insert(out.end(), len, value);
  }
  out.resize(size);
  return out;
}

Bytes encode_all(const Bytes& in, std::int32_t block) {
  ZYL_dstruct::TRLEncoder e(nullptr);
  e.SetBufLeng(block);
  Bytes out, buf(static_cast<std::size_t>(block));
  out.reserve(in.size() + in.size() / 2);
  for (std::size_t i = 0; i < in.size(); i += static_cast<std::size_t>(block)) {
    const auto n = static_cast<std::int32_t>(std::min<std::size_t>(static_cast<std::size_t>(block), in.size() - i));
    if (e.Encode(std::span(in).subspan(i), n)) {
      while (e.WaitingBytes() >= block) {
        e.GetResult(buf);
        out.insert(out.end(), buf.begin(), buf.end());
      }
    }
  }
  for (std::int32_t n = block; n == block;) {
    n = e.Finish(buf);
    out.insert(out.end(), buf.begin(), buf.begin() + n);
  }
  return out;
}

Bytes decode_all(const Bytes& in, std::int32_t block) {
  ZYL_dstruct::TRLEncoder d(nullptr);
  d.SetBufLeng(block);
  Bytes out, buf(static_cast<std::size_t>(block));
  out.reserve(in.size() * 2);
  for (std::uint8_t b : in) {
    if (d.Decode(b)) {
      while (d.WaitingBytes() >= block) {
        d.GetResult(buf);
        out.insert(out.end(), buf.begin(), buf.end());
      }
    }
  }
  for (std::int32_t n; (n = d.Flush(buf)) > 0;) out.insert(out.end(), buf.begin(), buf.begin() + n);
  return out;
}

void BM_RLEncode(benchmark::State& state) {
  const Bytes in = mixed_runs(static_cast<std::size_t>(state.range(0)));
  Bytes out;
  for (auto _ : state) {
    out = encode_all(in, 4096);
    benchmark::DoNotOptimize(out.data());
  }
  if (decode_all(out, 4096) != in) throw std::runtime_error("encode/decode mismatch");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_RLDecode(benchmark::State& state) {
  const Bytes in = mixed_runs(static_cast<std::size_t>(state.range(0)));
  const Bytes enc = encode_all(in, 4096);
  Bytes out;
  for (auto _ : state) {
    out = decode_all(enc, 4096);
    benchmark::DoNotOptimize(out.data());
  }
  if (out != in) throw std::runtime_error("decode mismatch");
  // Throughput counted in decoded bytes, the data the caller gets.
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

BENCHMARK(BM_RLEncode)->RangeMultiplier(8)->Range(1, 16 << 20);
BENCHMARK(BM_RLDecode)->RangeMultiplier(8)->Range(1, 16 << 20);

}  // namespace

BENCHMARK_MAIN();

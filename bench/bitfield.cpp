// Bit field counting, search and combination: TBitFld's CountTrueBits,
// FirstTrueBit and CombineWith (and each kernel variant on its own) on a
// 100-million-bit field and a sweep of small ones, in the same run as the
// standard library's std::bitset and std::vector<bool> doing the same work.
// Bytes per second are bytes of bit array (size / 8) per operation.
//
//   make bench && build/bench/bench/zyl_bench_bitfield
#include <benchmark/benchmark.h>

#include <algorithm>
#include <bitset>
#include <memory>
#include <random>
#include <vector>

#include "ZYL_dstruct/bitfield.h"
#include "ZYL_dstruct/detail/bitops_impl.h"
#include "ZYL_dstruct/detail/x86/bitops_x86.h"
#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "platform/random.h"

namespace {

using namespace ZYL_dstruct;

constexpr std::int64_t kBigBits = 100'000'000;
using BigBitset = std::bitset<static_cast<std::size_t>(kBigBits)>;

std::unique_ptr<TBitFld> random_field(std::int64_t bits) {
  auto f = std::make_unique<TBitFld>(nullptr);
  f->SetSize(static_cast<std::int32_t>(bits - 1));
  // Half the bits set, fast: invert a pattern rather than draw 50 million bits.
  for (std::int32_t i = 0; i < f->Size(); i += 3) f->SetBit(i, true);
  return f;
}

void set_bytes(benchmark::State& state, std::int64_t bits) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (bits / 8));
}

// ---- TBitFld ----------------------------------------------------------------

void BM_CountTrueBits(benchmark::State& state) {
  const auto f = random_field(state.range(0));
  const std::int32_t expected = f->CountTrueBits();
  std::int32_t n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(n = f->CountTrueBits());
  if (n != expected) state.SkipWithError("count changed");
  set_bytes(state, state.range(0));
}
BENCHMARK(BM_CountTrueBits)->RangeMultiplier(8)->Range(8, 131072)->Arg(kBigBits);

void BM_FirstTrueBit(benchmark::State& state) {
  auto f = random_field(state.range(0));
  f->Clear();
  f->SetBit(f->Size(), true);  // the whole field is searched
  std::int32_t ix = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ix = f->FirstTrueBit());
  if (ix != f->Size()) state.SkipWithError("wrong bit");
  set_bytes(state, state.range(0));
}
BENCHMARK(BM_FirstTrueBit)->RangeMultiplier(8)->Range(8, 131072)->Arg(kBigBits);

void BM_CombineWith(benchmark::State& state) {
  auto a = random_field(state.range(0));
  auto b = random_field(state.range(0));
  b->Invert();
  for (auto _ : state) {
    a->CombineWith(b.get(), TLogicOp::loXOR);
    benchmark::ClobberMemory();
  }
  // An even number of XORs gives back the start; an odd one, its inverse.
  set_bytes(state, state.range(0));
}
BENCHMARK(BM_CombineWith)->RangeMultiplier(8)->Range(8, 131072)->Arg(kBigBits);

// ---- the kernel variants on their own (100 million bits) ------------------------

const std::vector<std::uint8_t>& big_bytes() {
  static const std::vector<std::uint8_t> v = [] {
    std::vector<std::uint8_t> d(static_cast<std::size_t>(kBigBits / 8));
    std::mt19937 rng(7);
    for (auto& b : d) b = static_cast<std::uint8_t>(rng());
    return d;
  }();
  return v;
}

template <detail::popcount_fn Fn>
void BM_PopcountVariant(benchmark::State& state) {
  const auto& d = big_bytes();
  std::uint64_t n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(n = Fn(d.data(), d.size()));
  if (n != detail::popcount_table(d.data(), d.size())) state.SkipWithError("wrong count");
  set_bytes(state, kBigBits);
}
BENCHMARK(BM_PopcountVariant<detail::popcount_words>)->Name("BM_Popcount/portable");
#if ZYL_ARCH_X86
BENCHMARK(BM_PopcountVariant<detail::popcount_popcnt>)->Name("BM_Popcount/popcnt");
BENCHMARK(BM_PopcountVariant<detail::popcount_avx2>)->Name("BM_Popcount/avx2");
#endif

template <detail::combine_fn Fn>
void BM_CombineVariant(benchmark::State& state) {
  std::vector<std::uint8_t> a = big_bytes(), b = big_bytes();
  for (auto _ : state) {
    Fn(a.data(), b.data(), a.size(), TLogicOp::loXOR);
    benchmark::ClobberMemory();
  }
  set_bytes(state, kBigBits);
}
BENCHMARK(BM_CombineVariant<detail::combine_words>)->Name("BM_Combine/portable");
#if ZYL_ARCH_X86
BENCHMARK(BM_CombineVariant<detail::combine_sse2>)->Name("BM_Combine/sse2");
BENCHMARK(BM_CombineVariant<detail::combine_avx2>)->Name("BM_Combine/avx2");
#endif

// ---- the peers ----------------------------------------------------------------------

std::unique_ptr<BigBitset> big_bitset() {
  auto s = std::make_unique<BigBitset>();
  for (std::size_t i = 0; i < s->size(); i += 3) s->set(i);
  return s;
}

void BM_StdBitsetCount(benchmark::State& state) {
  const auto s = big_bitset();
  std::size_t n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(n = s->count());
  set_bytes(state, kBigBits);
}
BENCHMARK(BM_StdBitsetCount);

void BM_StdVectorBoolCount(benchmark::State& state) {
  std::vector<bool> v(static_cast<std::size_t>(kBigBits));
  for (std::size_t i = 0; i < v.size(); i += 3) v[i] = true;
  std::ptrdiff_t n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(n = std::count(v.begin(), v.end(), true));
  set_bytes(state, kBigBits);
}
BENCHMARK(BM_StdVectorBoolCount);

void BM_StdBitsetFindFirst(benchmark::State& state) {
  auto s = std::make_unique<BigBitset>();
  s->set(s->size() - 1);
  std::size_t ix = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ix = s->_Find_first());
  set_bytes(state, kBigBits);
}
BENCHMARK(BM_StdBitsetFindFirst);

void BM_StdVectorBoolFind(benchmark::State& state) {
  std::vector<bool> v(static_cast<std::size_t>(kBigBits));
  v.back() = true;
  std::ptrdiff_t ix = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ix = std::find(v.begin(), v.end(), true) - v.begin());
  set_bytes(state, kBigBits);
}
BENCHMARK(BM_StdVectorBoolFind);

void BM_StdBitsetXor(benchmark::State& state) {
  auto a = big_bitset();
  auto b = big_bitset();
  b->flip();
  for (auto _ : state) {
    *a ^= *b;
    benchmark::ClobberMemory();
  }
  set_bytes(state, kBigBits);
}
BENCHMARK(BM_StdBitsetXor);

}  // namespace

BENCHMARK_MAIN();

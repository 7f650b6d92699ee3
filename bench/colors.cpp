// Colour array speed, each side by side with the straightforward loop that
// follows the definition in extended precision:
//   ColorToIndex on the default 1000-colour array (goal: 1 million lookups/s)
//   FillByInterpolation of up to 1,000,000 positions (goal: 50 million/s)
#include <benchmark/benchmark.h>

#include <random>
#include <stdexcept>
#include <vector>

#include "ZYL_zylcolors/colorarray.h"
#include "ZYL_zylcolors/colorblend.h"
#include "ZYL_zylcolors/keycolors.h"

namespace {

using ZYL_zylcolors::TColor;
using ZYL_zylcolors::TColorArray;

std::vector<TColor> random_colors(std::size_t n) {
  std::mt19937 rng(42);
  std::vector<TColor> v(n);
  for (auto& c : v) c = rng() & 0xFFFFFF;
  return v;
}

// The nearest position by RGBColorDistance, one extended-precision distance
// per entry, as the definition reads.
std::int32_t plain_color_to_index(const TColorArray& a, TColor cl, double& distance) {
  distance = 1;
  std::int32_t best = 1;
  for (std::int32_t i = 1; i <= a.Size(); ++i) {
    const double d = ZYL_zylcolors::RGBColorDistance(cl, a.GetColorElem(i));
    if (d < distance) distance = d, best = i;
  }
  return best;
}

void BM_ColorToIndex(benchmark::State& state) {
  TColorArray a(nullptr);
  const auto probes = random_colors(1024);
  std::size_t i = 0;
  std::int64_t sum = 0;
  for (auto _ : state) {
    double d;
    sum += a.ColorToIndex(probes[i++ & 1023], d);
  }
  // The same answers as the plain loop.
  for (TColor c : probes) {
    double d1, d2;
    if (a.ColorToIndex(c, d1) != plain_color_to_index(a, c, d2) || d1 != d2)
      throw std::logic_error("ColorToIndex differs from the plain loop");
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ColorToIndex);

void BM_ColorToIndex_PlainLoop(benchmark::State& state) {
  TColorArray a(nullptr);
  const auto probes = random_colors(1024);
  std::size_t i = 0;
  std::int64_t sum = 0;
  for (auto _ : state) {
    double d;
    sum += plain_color_to_index(a, probes[i++ & 1023], d);
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ColorToIndex_PlainLoop);

// The interpolated fill as the definition reads: per position, extended
// divisions and InterpolateColor.
void plain_fill(std::vector<TColor>& out, std::span<const TColor> keys) {
  const long double n = static_cast<long double>(out.size());
  const long double a = static_cast<long double>(keys.size()) - 1;
  for (std::size_t i = 1; i <= out.size(); ++i) {
    const long long k = static_cast<long long>(a * (static_cast<long double>(i) - 1) / n);
    const long double t = a * static_cast<long double>(i) / n - k;
    out[i - 1] = ZYL_zylcolors::InterpolateColor(keys[static_cast<std::size_t>(k)],
                                                 keys[static_cast<std::size_t>(k + 1)], static_cast<double>(t));
  }
}

void BM_FillByInterpolation(benchmark::State& state) {
  TColorArray a(nullptr);
  a.Resize(static_cast<std::int32_t>(state.range(0)));
  const auto levels = static_cast<std::int32_t>(state.range(1));
  for (auto _ : state) {
    a.FillByInterpolation(levels, ZYL_zylcolors::ColorArray_Rainbow);
    benchmark::DoNotOptimize(a.GetColorElem(1));
  }
  if (levels == 0) {
    std::vector<TColor> plain(static_cast<std::size_t>(a.Size()));
    plain_fill(plain, ZYL_zylcolors::ColorArray_Rainbow);
    for (std::int32_t i = 1; i <= a.Size(); ++i)
      if (a.GetColorElem(i) != plain[static_cast<std::size_t>(i - 1)])
        throw std::logic_error("FillByInterpolation differs from the plain loop");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillByInterpolation)->ArgsProduct({{1000, 100000, 1000000}, {0, 16}});

void BM_FillByInterpolation_PlainLoop(benchmark::State& state) {
  std::vector<TColor> out(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    plain_fill(out, ZYL_zylcolors::ColorArray_Rainbow);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillByInterpolation_PlainLoop)->Arg(1000)->Arg(100000)->Arg(1000000);

}  // namespace

BENCHMARK_MAIN();

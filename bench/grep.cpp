// TGrep.MatchString over the lines of a 64 MB text, against
// std::string_view::find on the same lines. A pattern led by a literal jumps
// to the literal's occurrences, so it should run at a good fraction of the
// plain substring search; set-led and ".*" patterns show the matcher itself.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "ZYL_stringl/grep.h"

namespace {

constexpr std::size_t kTextBytes = 64u << 20;

// Lines of 20..100 characters: lower-case words, digits now and then, and
// the word "needle" in about one line of fifty.
struct Corpus {
  std::string bytes;
  std::vector<std::string_view> lines;
  std::vector<zyl::String> wide;
};

const Corpus& corpus() {
  static const Corpus c = [] {
    Corpus k;
    std::mt19937 rng(1234);
    k.bytes.reserve(kTextBytes + 128);
    while (k.bytes.size() < kTextBytes) {
      const std::size_t len = 20 + rng() % 81;
      std::string line;
      while (line.size() < len) {
        if (!line.empty()) line += ' ';
        const unsigned kind = rng() % 100;
        if (kind < 2) {
          line += "needle";
        } else if (kind < 12) {
          line += std::to_string(rng() % 100000) + (rng() % 4 == 0 ? "x" : "");
        } else {
          for (unsigned n = 2 + rng() % 8; n > 0; --n) line += static_cast<char>('a' + rng() % 26);
        }
      }
      line.resize(len);
      k.bytes += line;
      k.bytes += '\n';
    }
    for (std::size_t start = 0; start < k.bytes.size();) {
      const std::size_t stop = k.bytes.find('\n', start);
      k.lines.emplace_back(k.bytes.data() + start, stop - start);
      start = stop + 1;
    }
    k.wide.reserve(k.lines.size());
    for (std::string_view l : k.lines) k.wide.emplace_back(l.begin(), l.end());
    return k;
  }();
  return c;
}

void BM_StringViewFind(benchmark::State& state) {
  const Corpus& c = corpus();
  std::size_t hits = 0;
  for (auto _ : state) {
    hits = 0;
    for (std::string_view l : c.lines) hits += l.find("needle") != std::string_view::npos;
    benchmark::DoNotOptimize(hits);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(c.bytes.size()));
  state.counters["lines_found"] = static_cast<double>(hits);
}

void BM_U16StringViewFind(benchmark::State& state) {
  const Corpus& c = corpus();
  std::size_t hits = 0;
  for (auto _ : state) {
    hits = 0;
    for (const zyl::String& l : c.wide) hits += std::u16string_view(l).find(u"needle") != std::u16string_view::npos;
    benchmark::DoNotOptimize(hits);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(c.bytes.size()));
  state.counters["lines_found"] = static_cast<double>(hits);
}

std::size_t expected_literal_hits() {
  std::size_t hits = 0;
  for (std::string_view l : corpus().lines) hits += l.find("needle") != std::string_view::npos;
  return hits;
}

void run_match(benchmark::State& state, const char16_t* expr) {
  const Corpus& c = corpus();
  ZYL_stringl::TGrep grep(nullptr);
  grep.SetRegExp(expr);
  std::size_t hits = 0;
  for (auto _ : state) {
    hits = 0;
    int pos = 0;
    for (const zyl::String& l : c.wide) hits += grep.MatchString(l, pos);
    benchmark::DoNotOptimize(hits);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(c.bytes.size()));
  state.counters["lines_found"] = static_cast<double>(hits);
  if (std::u16string_view(expr) == u"needle" && hits != expected_literal_hits())
    state.SkipWithError("MatchString and find disagree");
}

void BM_MatchLiteral(benchmark::State& state) { run_match(state, u"needle"); }
void BM_MatchLiteralThenSet(benchmark::State& state) { run_match(state, u"needle [a-z]+"); }
void BM_MatchSetLed(benchmark::State& state) { run_match(state, u"[0-9]+x"); }
void BM_MatchDotStar(benchmark::State& state) { run_match(state, u"ne.*dle"); }
void BM_MatchDotStarLed(benchmark::State& state) { run_match(state, u".*needle"); }

BENCHMARK(BM_StringViewFind)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_U16StringViewFind)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchLiteral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchLiteralThenSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchSetLed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchDotStar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchDotStarLed)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

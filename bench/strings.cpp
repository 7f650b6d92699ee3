// Throughput of the string library's hot scanning functions on texts from
// 16 characters to 1 Mi characters (2 MiB of UTF-16). Every function must
// stay linear: on the largest text, ReplaceStringInString makes about
// 100,000 replacements and Tokenize splits into 1000 tokens.
#include <algorithm>

#include "platform/casemap.h"
#include "ZYL_stringl/lines.h"
#include "ZYL_stringl/replace.h"
#include "ZYL_stringl/search.h"
#include "ZYL_stringl/tokenize.h"
#include "bench_text.h"

namespace {

using zyl::String;
using namespace ZYL_stringl;
using namespace zyl_bench;

// Plain words, the marker every `every` characters (roughly).
String make_text(std::int64_t size, std::int64_t every, const String& marker) {
  return zyl_bench::make_text(size, every, marker, 7, false);
}

void BM_NumberedPos(benchmark::State& state, bool ignore_case) {
  const String text = make_text(state.range(0), 100, u"XyZ ");
  const int total = CountStringInString(u"XyZ", text, !ignore_case);
  int found = 0;
  for (auto _ : state) {
    found = NumberedPos(ignore_case ? u"xyz" : u"XyZ", text, 1, ignore_case, total);
    benchmark::DoNotOptimize(found);
  }
  if (total > 0 && (found == 0 || zyl::LowerCase(text.substr(static_cast<std::size_t>(found - 1), 3)) != u"xyz"))
    state.SkipWithError("NumberedPos found the wrong place");
  set_throughput(state, state.range(0));
}
BENCHMARK_CAPTURE(BM_NumberedPos, exact, false)->Apply(sizes);
BENCHMARK_CAPTURE(BM_NumberedPos, ignore_case, true)->Apply(sizes);

void BM_CountStringInString(benchmark::State& state, bool case_sensitive) {
  const String text = make_text(state.range(0), 50, u"ab ");
  int n = 0;
  for (auto _ : state) {
    n = CountStringInString(u"ab", text, case_sensitive);
    benchmark::DoNotOptimize(n);
  }
  if (state.range(0) >= 1024 && n < state.range(0) / 50) state.SkipWithError("too few occurrences counted");
  set_throughput(state, state.range(0));
}
BENCHMARK_CAPTURE(BM_CountStringInString, case_sensitive, true)->Apply(sizes);
BENCHMARK_CAPTURE(BM_CountStringInString, ignore_case, false)->Apply(sizes);

// About one replacement every 10 characters: 100,000 on 1 Mi characters.
void BM_ReplaceStringInString(benchmark::State& state) {
  const String text = make_text(state.range(0), 10, u"#");
  const auto expected = static_cast<std::size_t>(std::count(text.begin(), text.end(), u'#'));
  String out;
  for (auto _ : state) {
    out = ReplaceStringInString(text, u"#", u"<hash>", false);
    benchmark::DoNotOptimize(out.data());
  }
  if (out.size() != text.size() + 5 * expected) state.SkipWithError("wrong replacement count");
  state.counters["replacements"] = static_cast<double>(expected);
  set_throughput(state, state.range(0));
}
BENCHMARK(BM_ReplaceStringInString)->Apply(sizes)->Unit(benchmark::kMicrosecond);

// Splits into 1000 tokens whatever the size (the most Tokenize returns).
void BM_Tokenize(benchmark::State& state) {
  const String text = make_text(state.range(0), std::max<std::int64_t>(state.range(0) / 1000, 1), u";");
  TOpenStringArray tokens;
  int n = 0;
  for (auto _ : state) {
    n = Tokenize(text, u";", tokens);
    benchmark::DoNotOptimize(tokens.data());
  }
  std::size_t total = 0;
  for (const String& t : tokens) total += t.size();
  if (total + static_cast<std::size_t>(n - 1) > text.size()) state.SkipWithError("tokens longer than the text");
  state.counters["tokens"] = n;
  set_throughput(state, state.range(0));
}
BENCHMARK(BM_Tokenize)->Apply(sizes)->Unit(benchmark::kMicrosecond);

void BM_TokenizeEscaped(benchmark::State& state) {
  const String text = make_text(state.range(0), std::max<std::int64_t>(state.range(0) / 1000, 1), u";\\;");
  TOpenStringArray tokens;
  int n = 0;
  for (auto _ : state) {
    n = Tokenize(text, u";", u'\\', tokens);
    benchmark::DoNotOptimize(tokens.data());
  }
  state.counters["tokens"] = n;
  set_throughput(state, state.range(0));
}
BENCHMARK(BM_TokenizeEscaped)->Apply(sizes)->Unit(benchmark::kMicrosecond);

// Reads every line (about 60 characters each, CR LF ends).
void BM_ReadLnString(benchmark::State& state) {
  const String text = make_text(state.range(0), 60, u"\r\n");
  int lines = 0;
  for (auto _ : state) {
    lines = 0;
    int pos = 1;
    for (bool at_end = false; !at_end; ++lines) benchmark::DoNotOptimize(ReadLnString(text, pos, at_end, 4));
  }
  const int expected = 1 + CountStringInString(u"\r\n", text, true);
  if (lines != expected) state.SkipWithError("wrong line count");
  state.counters["lines"] = lines;
  set_throughput(state, state.range(0));
}
BENCHMARK(BM_ReadLnString)->Apply(sizes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

// Throughput of the HTML module on texts from 16 characters to 1 Mi
// characters, and of THtmlProducer::Convert on a 10 Mi-character template
// with 100,000 tags and a trivial handler (goal: at least 200 MB/s of
// template text, linear in the template). "copy" is the floor any
// conversion pays: one copy of the text.
#include "ZYL_htmlsupport/htmlentities.h"
#include "ZYL_htmlsupport/htmlproducer.h"
#include "ZYL_htmlsupport/htmltext.h"
#include "ZYL_htmlsupport/urlcoding.h"
#include "bench_text.h"

namespace {

using zyl::String;
using namespace ZYL_htmlsupport;
using namespace zyl_bench;

// HTML-like text: words, ordinary tags, and every `every` characters
// (roughly) the marker.
String make_text(std::int64_t size, std::int64_t every, const String& marker) {
  return zyl_bench::make_text(size, every, marker, 11, true);
}

// Bytes per second, and characters per second as a counter of its own.
void set_char_throughput(benchmark::State& state, std::int64_t chars) {
  set_throughput(state, chars);
  state.counters["chars/s"] = benchmark::Counter(static_cast<double>(state.iterations() * chars),
                                                 benchmark::Counter::kIsRate);
}

// One tag every 100 characters: 100,000 tags in 10 Mi characters.
void BM_Convert(benchmark::State& state) {
  const String tmpl = make_text(state.range(0), 100, u"<#Value fmt=short>");
  THtmlProducer p(nullptr);
  p.SetTemplate(tmpl);
  std::int64_t tags = 0;
  p.SetOnHTMLTag([&](zyl::TObject*, String, String, String& Repl) {
    Repl = u"42";
    ++tags;
  });
  for (auto _ : state) benchmark::DoNotOptimize(p.Convert().size());
  const std::int64_t per_run = tags / std::max<std::int64_t>(state.iterations(), 1);
  if (p.ConvertedHTML().find(u"<#") != String::npos || (state.range(0) >= 1000 && per_run < state.range(0) / 120))
    state.SkipWithError("tags left unconverted");
  state.counters["tags"] = static_cast<double>(per_run);
  set_char_throughput(state, state.range(0));
}
BENCHMARK(BM_Convert)->Apply(sizes)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

void BM_CopyTemplate(benchmark::State& state) {
  const String tmpl = make_text(state.range(0), 100, u"<#Value fmt=short>");
  for (auto _ : state) {
    String copy = tmpl;
    benchmark::DoNotOptimize(copy.data());
  }
  set_char_throughput(state, state.range(0));
}
BENCHMARK(BM_CopyTemplate)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

void BM_MakeStringHTMLCompatible(benchmark::State& state) {
  const String text = make_text(state.range(0), 20, u"Gr\u00FC\u00DFe & 'x' ");
  String out;
  for (auto _ : state) {
    out = MakeStringHTMLCompatible(text);
    benchmark::DoNotOptimize(out.data());
  }
  if (ResolveHTMLEntities(out) != text) state.SkipWithError("round trip failed");
  set_char_throughput(state, state.range(0));
}
BENCHMARK(BM_MakeStringHTMLCompatible)->Apply(sizes);

void BM_ResolveHTMLEntities(benchmark::State& state) {
  const String text = make_text(state.range(0), 20, u"&lt;&#x263A;&eacute;&bogus;");
  String out;
  for (auto _ : state) {
    out = ResolveHTMLEntities(text);
    benchmark::DoNotOptimize(out.data());
  }
  if (state.range(0) >= 1000 && out.find(u"&lt;") != String::npos) state.SkipWithError("references left");
  set_char_throughput(state, state.range(0));
}
BENCHMARK(BM_ResolveHTMLEntities)->Apply(sizes);

void BM_URLDecode(benchmark::State& state) {
  const String text = URLEncode(make_text(state.range(0), 30, u"a=b&c=d/e?"));
  String out;
  for (auto _ : state) {
    out = URLDecode(text);
    benchmark::DoNotOptimize(out.data());
  }
  if (out.find(u'%') != String::npos) state.SkipWithError("escapes left");
  set_char_throughput(state, static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_URLDecode)->Apply(sizes);

void BM_ConvertHTMLBodyToText(benchmark::State& state) {
  const String text = u"<body>" + make_text(state.range(0), 50, u"<br>&amp;<script>x<y</script>") + u"</body>";
  String out;
  for (auto _ : state) {
    out = ConvertHTMLBodyToText(text, u'\n');
    benchmark::DoNotOptimize(out.data());
  }
  if (out.find(u'<') != String::npos && state.range(0) >= 1000) state.SkipWithError("tags left in the text");
  set_char_throughput(state, static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ConvertHTMLBodyToText)->Apply(sizes);

}  // namespace

BENCHMARK_MAIN();

// Generated texts for the throughput benchmarks of the string and HTML
// functions, on sizes from 16 characters to 1 Mi characters.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "platform/hoststring.h"

namespace zyl_bench {

constexpr std::int64_t kMaxChars = 1 << 20;

// Exactly `size` characters of lower-case words of 1..9 letters, each
// followed by a blank; every `every` characters (roughly) the marker is put
// in instead of a word. With `tags`, about one piece in eight is an opening
// or closing paragraph tag instead, for HTML-like text.
inline zyl::String make_text(std::int64_t size, std::int64_t every, const zyl::String& marker, unsigned seed,
                             bool tags) {
  std::mt19937 rng(seed);
  zyl::String s;
  s.reserve(static_cast<std::size_t>(size) + 64);
  std::int64_t next_marker = every;
  while (static_cast<std::int64_t>(s.size()) < size) {
    if (every > 0 && static_cast<std::int64_t>(s.size()) >= next_marker) {
      s += marker;
      next_marker += every;
      continue;
    }
    if (tags && rng() % 8 == 0) {
      s += rng() % 2 ? u"<p class=\"x\">" : u"</p>\r\n";
      continue;
    }
    const unsigned len = 1 + rng() % 9;
    for (unsigned i = 0; i < len; ++i) s += static_cast<zyl::Char>(u'a' + rng() % 26);
    s += u' ';
  }
  s.resize(static_cast<std::size_t>(size));
  return s;
}

// Reports `chars` UTF-16 characters handled per iteration as bytes.
inline void set_throughput(benchmark::State& state, std::int64_t chars) {
  state.SetBytesProcessed(state.iterations() * chars * static_cast<std::int64_t>(sizeof(zyl::Char)));
}

// Text sizes 16, 128, ... up to kMaxChars.
inline void sizes(benchmark::internal::Benchmark* b) { b->RangeMultiplier(8)->Range(16, kMaxChars); }

}  // namespace zyl_bench

// What the benchmarks that race the library against other programs share:
// running a peer command, files in the page cache, timing each run by hand,
// the rate of every case for the closing table of ratios, and a main() that
// prints that table after the runs.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "zyl.h"

namespace zyl_bench {

namespace fs = std::filesystem;

inline zyl::String name_of(const fs::path& p) { return zyl::from_utf8(p.string()); }

// A path as one word of a shell command.
inline std::string quoted(const fs::path& p) {
  std::string word = "'";
  word += p.string();
  word += '\'';
  return word;
}

inline void write_file(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

// Reads a file once so that it is in the page cache.
inline void warm(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::vector<char> buf(1 << 20);
  while (in.read(buf.data(), static_cast<std::streamsize>(buf.size())) || in.gcount() > 0) {
  }
}

// Runs a shell command; returns the first number it prints (1 when it
// prints none but succeeds), 0 on failure.
inline std::int64_t run(const std::string& cmd) {
  std::FILE* p = ::popen(cmd.c_str(), "r");
  if (p == nullptr) return 0;
  long long n = 1;
  if (std::fscanf(p, "%lld", &n) != 1) n = 1;
  return ::pclose(p) == 0 ? n : 0;
}

struct Timed {
  double seconds = 0;       // all timed runs together
  std::int64_t result = 0;  // what the last run returned
};

// Times Body once per iteration, with Prepare (untimed) before each, and
// hands each run's time to the benchmark (for UseManualTime).
template <class P, class F>
Timed time_runs(benchmark::State& state, P&& Prepare, F&& Body) {
  Timed t;
  for (auto _ : state) {
    Prepare();
    const auto t0 = std::chrono::steady_clock::now();
    t.result = Body();
    const std::chrono::duration<double> dt = std::chrono::steady_clock::now() - t0;
    t.seconds += dt.count();
    state.SetIterationTime(dt.count());
  }
  return t;
}

// Three runs, each timed by hand (time_runs), in milliseconds.
inline void three_timed_runs(benchmark::internal::Benchmark* b) {
  b->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
}

// Throughput of each case in bytes per second, for the closing ratios.
inline std::map<std::string, double>& rates() {
  static std::map<std::string, double> r;
  return r;
}

// Runs Body (over `bytes` bytes) once per iteration, with Prepare
// (untimed) before each, and records its rate under `name`. Body returns a
// count that must be positive, shown as the counter `counter`.
template <class P, class F>
void measure_rate(benchmark::State& state, const std::string& name, std::uintmax_t bytes, const std::string& counter,
                  P&& Prepare, F&& Body) {
  const Timed t = time_runs(state, Prepare, Body);
  if (t.result <= 0) state.SkipWithError(("no " + counter).c_str());
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
  state.counters[counter] = static_cast<double>(t.result);
  rates()[name] = static_cast<double>(bytes) * static_cast<double>(state.iterations()) / t.seconds;
}
template <class F>
void measure_rate(benchmark::State& state, const std::string& name, std::uintmax_t bytes, const std::string& counter,
                  F&& Body) {
  measure_rate(state, name, bytes, counter, [] {}, Body);
}

// One line of the closing table: our rate and its ratio to the peer's, when
// both ran. The widths line the columns up.
inline void print_rate_ratio(const std::string& ours, const std::string& peer, double goal, int ours_width,
                             int peer_width) {
  auto& r = rates();
  if (!r.count(ours) || !r.count(peer)) return;
  std::printf("%-*s %8.0f MB/s = %5.2f x %-*s (goal %.2f)\n", ours_width, ours.c_str(), r[ours] / 1e6,
              r[ours] / r[peer], peer_width, peer.c_str(), goal);
}

// The benchmarks' main(): runs those the command line selects, then Report
// (the table of ratios).
template <class R>
int run_benchmarks(int argc, char** argv, R&& Report) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Report();
  return 0;
}

}  // namespace zyl_bench

// Stream reading speed against the peers, in one run: std::getline over
// std::ifstream and `wc -l` (run from here) on the same 256 MB text file in
// the page cache. The summary at the end gives the ratios.
//
//   TextFile line reading      >= 1.0  x getline
//   ReadLnStream               >= 0.8  x getline
//   TMixedFStream.ReadLn       >= 0.25 x getline
//   CountLinesInStream         >= 0.5  x wc -l
//   ScanStreamFPNum            >= 100 MB/s over a file of numbers
#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

#include "bench_support.h"

namespace {

using namespace zyl_bench;

constexpr std::uintmax_t kTextBytes = 256ull << 20;
constexpr std::uintmax_t kNumberBytes = 64ull << 20;

const fs::path& text_file() {
  static const fs::path p = fs::temp_directory_path() / "zyl-bench-lines.txt";
  return p;
}
const fs::path& number_file() {
  static const fs::path p = fs::temp_directory_path() / "zyl-bench-numbers.txt";
  return p;
}

// Writes Bytes bytes made by Line(rng) unless the file is already there.
template <class F>
void generate(const fs::path& p, std::uintmax_t Bytes, F&& Line) {
  std::error_code ec;
  if (fs::file_size(p, ec) == Bytes && !ec) return;
  std::mt19937_64 rng(12345);
  std::string chunk;
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  std::uintmax_t written = 0;
  while (written < Bytes) {
    chunk.clear();
    while (chunk.size() < (1u << 20)) chunk += Line(rng);
    const std::size_t n = static_cast<std::size_t>(std::min<std::uintmax_t>(chunk.size(), Bytes - written));
    out.write(chunk.data(), static_cast<std::streamsize>(n));
    written += n;
  }
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

void setup_files() {
  static bool done = false;
  if (done) return;
  generate(text_file(), kTextBytes, [](std::mt19937_64& rng) {
    std::string line(20 + rng() % 81, ' ');
    for (char& c : line) c = static_cast<char>(' ' + rng() % 95);
    return line + "\n";
  });
  generate(number_file(), kNumberBytes, [](std::mt19937_64& rng) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.6g%c", (static_cast<double>(rng() % 2000000) - 1e6) / 997.0,
                                rng() % 8 ? ' ' : '\n');
    return std::string(buf, static_cast<std::size_t>(n));
  });
  warm(text_file());
  warm(number_file());
  done = true;
}

// Runs Body (reading `bytes` bytes) once per iteration; Body returns the
// lines it read.
template <class F>
void measure(benchmark::State& state, const std::string& name, std::uintmax_t bytes, F&& Body) {
  setup_files();
  measure_rate(state, name, bytes, "lines", Body);
}

void BM_getline_ifstream(benchmark::State& state) {
  measure(state, "getline", kTextBytes, [] {
    std::ifstream in(text_file(), std::ios::binary);
    std::string line;
    std::int64_t n = 0;
    while (std::getline(in, line)) n += line.empty() ? 0 : 1;
    return n;
  });
}

void BM_wc_l(benchmark::State& state) {
  measure(state, "wc -l", kTextBytes, [] { return run("wc -l < " + quoted(text_file())); });
}

void BM_TextFile_ReadLn(benchmark::State& state) {
  measure(state, "TextFile.ReadLn", kTextBytes, [] {
    zyl::TextFile f;
    f.Assign(name_of(text_file()));
    f.Reset();
    std::int64_t n = 0;
    while (!f.Eof()) n += f.ReadLn().empty() ? 0 : 1;
    f.CloseFile();
    return n;
  });
}

// Into one String, as getline reads into one std::string.
void BM_TextFile_ReadLn_into(benchmark::State& state) {
  measure(state, "TextFile.ReadLn(line)", kTextBytes, [] {
    zyl::TextFile f;
    f.Assign(name_of(text_file()));
    f.Reset();
    std::int64_t n = 0;
    zyl::String line;
    while (!f.Eof()) {
      f.ReadLn(line);
      n += line.empty() ? 0 : 1;
    }
    f.CloseFile();
    return n;
  });
}

void BM_ReadLnStream(benchmark::State& state) {
  measure(state, "ReadLnStream", kTextBytes, [] {
    zyl::TFileStream s(name_of(text_file()), zyl::fmOpenRead);
    std::int64_t n = 0;
    for (bool eos = false; !eos;) n += zyl::ReadLnStream(s, eos, 0).empty() ? 0 : 1;
    return n;
  });
}

void BM_MixedFStream_ReadLn(benchmark::State& state) {
  measure(state, "TMixedFStream.ReadLn", kTextBytes, [] {
    zyl::TMixedFStream s(name_of(text_file()), zyl::fmOpenRead);
    std::int64_t n = 0;
    while (!s.Eos()) n += s.ReadLn(0).empty() ? 0 : 1;
    return n;
  });
}

void BM_CountLinesInStream(benchmark::State& state) {
  measure(state, "CountLinesInStream", kTextBytes, [] {
    zyl::TFileStream s(name_of(text_file()), zyl::fmOpenRead);
    return zyl::CountLinesInStream(s);
  });
}

void BM_ScanStreamFPNum(benchmark::State& state) {
  measure(state, "ScanStreamFPNum", kNumberBytes, [] {
    zyl::TFileStream s(name_of(number_file()), zyl::fmOpenRead);
    const std::int64_t size = s.Size();
    std::int64_t n = 0;
    double sum = 0;
    while (s.Position() < size) {
      sum += zyl::ScanStreamFPNum(s, true, 1);
      ++n;
    }
    benchmark::DoNotOptimize(sum);
    return n;
  });
}

void BM_FileStream_OneByteReads(benchmark::State& state) {
  constexpr std::uintmax_t kBytes = 32ull << 20;
  measure(state, "TFileStream one-byte Read", kBytes, [] {
    zyl::TFileStream s(name_of(text_file()), zyl::fmOpenRead);
    std::int64_t n = 0;
    std::uint8_t b;
    for (std::uintmax_t i = 0; i < kBytes && s.Read(&b, 1) == 1; ++i) n += b == '\n';
    return n;
  });
}

// Line lengths from 1 byte to 16 KiB on a memory stream.
void BM_ReadLnStream_Memory(benchmark::State& state) {
  const auto len = static_cast<std::size_t>(state.range(0));
  zyl::TMemoryStream m;
  std::string line(len, 'x');
  line += "\n";
  for (std::size_t total = 0; total < (4u << 20); total += line.size())
    m.WriteBuffer(line.data(), static_cast<std::int32_t>(line.size()));
  std::int64_t lines = 0;
  for (auto _ : state) {
    m.SetPosition(0);
    lines = 0;
    for (bool eos = false; !eos;) lines += zyl::ReadLnStream(m, eos, 0).size() == len ? 1 : 0;
  }
  if (lines != m.Size() / static_cast<std::int64_t>(line.size())) state.SkipWithError("wrong line count");
  state.SetBytesProcessed(m.Size() * state.iterations());
}

BENCHMARK(BM_getline_ifstream)->Apply(three_timed_runs);
BENCHMARK(BM_wc_l)->Apply(three_timed_runs);
BENCHMARK(BM_TextFile_ReadLn)->Apply(three_timed_runs);
BENCHMARK(BM_TextFile_ReadLn_into)->Apply(three_timed_runs);
BENCHMARK(BM_ReadLnStream)->Apply(three_timed_runs);
BENCHMARK(BM_MixedFStream_ReadLn)->Apply(three_timed_runs);
BENCHMARK(BM_CountLinesInStream)->Apply(three_timed_runs);
BENCHMARK(BM_ScanStreamFPNum)->Apply(three_timed_runs);
BENCHMARK(BM_FileStream_OneByteReads)->Apply(three_timed_runs);
BENCHMARK(BM_ReadLnStream_Memory)->RangeMultiplier(8)->Range(1, 1 << 14)->Unit(benchmark::kMicrosecond);

void print_ratios() {
  auto& r = rates();
  auto ratio = [](const char* a, const char* b, double goal) { print_rate_ratio(a, b, goal, 28, 8); };
  std::printf("\nRatios in this run:\n");
  ratio("TextFile.ReadLn", "getline", 1.0);
  ratio("TextFile.ReadLn(line)", "getline", 1.0);
  ratio("ReadLnStream", "getline", 0.8);
  ratio("TMixedFStream.ReadLn", "getline", 0.25);
  ratio("CountLinesInStream", "wc -l", 0.5);
  if (r.count("ScanStreamFPNum")) std::printf("%-28s %8.0f MB/s (goal 100 MB/s)\n", "ScanStreamFPNum", r["ScanStreamFPNum"] / 1e6);
}

}  // namespace

int main(int argc, char** argv) { return zyl_bench::run_benchmarks(argc, argv, print_ratios); }

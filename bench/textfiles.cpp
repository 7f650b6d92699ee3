// The text-file utilities against the programs people already use, in one
// run, on the same 256 MB text file in the page cache (lines of 20 to 100
// characters, the searched text in the last line). The summary at the end
// gives the ratios:
//
//   CountLinesInTextFile        >= 0.5 x wc -l
//   ReadLastNLinesOfTextFile    >= 0.5 x wc -l   (counts every line, keeps 10)
//   DetectStringInFile          >= 0.5 x grep -F -m1
//   FindFirstMatchInTextFile    >= 0.5 x grep -F -m1
//   EnsureCRLFInFile            >= 0.3 x cp   (also shown beside cp + sync:
//                                              its save is flushed to the disk)
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>

#include "zyl.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kTextBytes = 256ull << 20;
constexpr const char* kNeedle = "needle-in-the-last-line";

const fs::path& text_file() {
  static const fs::path p = fs::temp_directory_path() / "zyl-bench-textfiles.txt";
  return p;
}
const fs::path& copy_file() {
  static const fs::path p = fs::temp_directory_path() / "zyl-bench-textfiles-copy.txt";
  return p;
}

zyl::String name_of(const fs::path& p) { return zyl::from_utf8(p.string()); }

void setup_file() {
  static bool done = false;
  if (done) return;
  std::error_code ec;
  if (fs::file_size(text_file(), ec) != kTextBytes || ec) {
    std::mt19937_64 rng(4321);
    std::string text;
    text.reserve(kTextBytes);
    const std::string last = std::string("the ") + kNeedle + " ends the file\n";
    while (text.size() < kTextBytes - last.size()) {
      std::string line(20 + rng() % 81, ' ');
      for (char& c : line) c = static_cast<char>(' ' + rng() % 95);
      text += line;
      text += rng() % 4 ? "\n" : "\r\n";
    }
    text.resize(kTextBytes - last.size());
    text += last;
    std::ofstream out(text_file(), std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) throw std::runtime_error("cannot write " + text_file().string());
  }
  std::ifstream in(text_file(), std::ios::binary);  // into the page cache
  std::vector<char> buf(1 << 20);
  while (in.read(buf.data(), static_cast<std::streamsize>(buf.size())) || in.gcount() > 0) {
  }
  done = true;
}

std::map<std::string, double>& rates() {
  static std::map<std::string, double> r;
  return r;
}

// Runs Body once per iteration, timing it; Body returns a result that must
// be positive (lines counted, position found, bytes written).
template <class F>
void measure(benchmark::State& state, const std::string& name, F&& Body) {
  setup_file();
  double seconds = 0;
  std::int64_t result = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    result = Body();
    const std::chrono::duration<double> dt = std::chrono::steady_clock::now() - t0;
    seconds += dt.count();
    state.SetIterationTime(dt.count());
  }
  if (result <= 0) state.SkipWithError("no result");
  state.SetBytesProcessed(static_cast<std::int64_t>(kTextBytes) * state.iterations());
  state.counters["result"] = static_cast<double>(result);
  rates()[name] = static_cast<double>(kTextBytes) * static_cast<double>(state.iterations()) / seconds;
}

// Runs a shell command and returns the first number it prints (or 1 when it
// prints none but succeeds).
std::int64_t run(const std::string& cmd) {
  std::FILE* p = ::popen(cmd.c_str(), "r");
  if (p == nullptr) return 0;
  long long n = 1;
  if (std::fscanf(p, "%lld", &n) != 1) n = 1;
  return ::pclose(p) == 0 ? n : 0;
}

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

void BM_wc_l(benchmark::State& state) {
  measure(state, "wc -l", [] { return run("wc -l < " + quoted(text_file())); });
}
void BM_grep_F_m1(benchmark::State& state) {
  measure(state, "grep -F -m1", [] {
    return run(std::string("grep -F -m1 -b ") + kNeedle + " " + quoted(text_file()));
  });
}
void BM_cp(benchmark::State& state) {
  measure(state, "cp", [] {
    const std::int64_t ok = run("cp " + quoted(text_file()) + " " + quoted(copy_file()));
    return ok > 0 ? static_cast<std::int64_t>(fs::file_size(copy_file())) : 0;
  });
}

// The same copy made durable, as a save by name is: cp, then the copy's
// data flushed to the disk.
void BM_cp_sync(benchmark::State& state) {
  measure(state, "cp + sync", [] {
    const std::int64_t ok =
        run("cp " + quoted(text_file()) + " " + quoted(copy_file()) + " && sync " + quoted(copy_file()));
    return ok > 0 ? static_cast<std::int64_t>(fs::file_size(copy_file())) : 0;
  });
}

void BM_CountLinesInTextFile(benchmark::State& state) {
  measure(state, "CountLinesInTextFile", [] { return zyl::CountLinesInTextFile(name_of(text_file()), nullptr); });
}
void BM_ReadLastNLinesOfTextFile(benchmark::State& state) {
  measure(state, "ReadLastNLinesOfTextFile", [] {
    std::int32_t count = 0;
    const zyl::TStrArray last = zyl::ReadLastNLinesOfTextFile(name_of(text_file()), 10, count);
    return last.back().find(u"needle") != zyl::String::npos ? count : 0;
  });
}
void BM_DetectStringInFile(benchmark::State& state) {
  measure(state, "DetectStringInFile", [] {
    return zyl::DetectStringInFile(name_of(text_file()), zyl::from_ascii(kNeedle), false, 2147483647);
  });
}
void BM_FindFirstMatchInTextFile(benchmark::State& state) {
  measure(state, "FindFirstMatchInTextFile", [] {
    zyl::String line;
    return zyl::FindFirstMatchInTextFile(name_of(text_file()), zyl::from_ascii(kNeedle), false, line);
  });
}
void BM_EnsureCRLFInFile(benchmark::State& state) {
  measure(state, "EnsureCRLFInFile", [] {
    zyl::EnsureCRLFInFile(name_of(text_file()), name_of(copy_file()));
    return static_cast<std::int64_t>(fs::file_size(copy_file()));
  });
}

BENCHMARK(BM_wc_l)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountLinesInTextFile)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLastNLinesOfTextFile)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_grep_F_m1)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetectStringInFile)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindFirstMatchInTextFile)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_cp)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_cp_sync)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnsureCRLFInFile)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void print_ratios() {
  auto& r = rates();
  auto ratio = [&](const char* a, const char* b, double goal) {
    if (!r.count(a) || !r.count(b)) return;
    std::printf("%-26s %8.0f MB/s = %5.2f x %-12s (goal %.2f)\n", a, r[a] / 1e6, r[a] / r[b], b, goal);
  };
  std::printf("\nRatios in this run:\n");
  ratio("CountLinesInTextFile", "wc -l", 0.5);
  ratio("ReadLastNLinesOfTextFile", "wc -l", 0.5);
  ratio("DetectStringInFile", "grep -F -m1", 0.5);
  ratio("FindFirstMatchInTextFile", "grep -F -m1", 0.5);
  ratio("EnsureCRLFInFile", "cp", 0.3);
  ratio("EnsureCRLFInFile", "cp + sync", 0.3);
  for (const char* peer : {"wc -l", "grep -F -m1", "cp", "cp + sync"})
    if (r.count(peer)) std::printf("%-26s %8.0f MB/s\n", peer, r[peer] / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  print_ratios();
  std::error_code ec;
  fs::remove(copy_file(), ec);
  return 0;
}

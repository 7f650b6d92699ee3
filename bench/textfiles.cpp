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
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>

#include "bench_support.h"

namespace {

using namespace zyl_bench;

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
    write_file(text_file(), text);
  }
  warm(text_file());
  done = true;
}

// Runs Body once per iteration over the whole text; Body returns a result
// that must be positive (lines counted, position found, bytes written).
template <class F>
void measure(benchmark::State& state, const std::string& name, F&& Body) {
  setup_file();
  measure_rate(state, name, kTextBytes, "result", Body);
}

// The writing cases (cp, cp + sync, EnsureCRLFInFile) each start alike:
// no copy from before, and nothing left for the disk to write. Otherwise a
// case would pay for the data the one before it left unflushed (cp does not
// flush), or for replacing its copy.
template <class F>
void measure_write(benchmark::State& state, const std::string& name, F&& Body) {
  setup_file();
  const auto settle = [] {
    std::error_code ec;
    fs::remove(copy_file(), ec);
    ::sync();
  };
  measure_rate(state, name, kTextBytes, "result", settle, Body);
}

void BM_wc_l(benchmark::State& state) {
  measure(state, "wc -l", [] { return run("wc -l < " + quoted(text_file())); });
}
void BM_grep_F_m1(benchmark::State& state) {
  measure(state, "grep -F -m1", [] {
    return run(std::string("grep -F -m1 -b ") + kNeedle + " " + quoted(text_file()));
  });
}
void BM_cp(benchmark::State& state) {
  measure_write(state, "cp", [] {
    const std::int64_t ok = run("cp " + quoted(text_file()) + " " + quoted(copy_file()));
    return ok > 0 ? static_cast<std::int64_t>(fs::file_size(copy_file())) : 0;
  });
}

// The same copy made durable, as a save by name is: cp, then the copy's
// data flushed to the disk.
void BM_cp_sync(benchmark::State& state) {
  measure_write(state, "cp + sync", [] {
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
  measure_write(state, "EnsureCRLFInFile", [] {
    zyl::EnsureCRLFInFile(name_of(text_file()), name_of(copy_file()));
    return static_cast<std::int64_t>(fs::file_size(copy_file()));
  });
}

BENCHMARK(BM_wc_l)->Apply(three_timed_runs);
BENCHMARK(BM_CountLinesInTextFile)->Apply(three_timed_runs);
BENCHMARK(BM_ReadLastNLinesOfTextFile)->Apply(three_timed_runs);
BENCHMARK(BM_grep_F_m1)->Apply(three_timed_runs);
BENCHMARK(BM_DetectStringInFile)->Apply(three_timed_runs);
BENCHMARK(BM_FindFirstMatchInTextFile)->Apply(three_timed_runs);
BENCHMARK(BM_cp)->Apply(three_timed_runs);
BENCHMARK(BM_cp_sync)->Apply(three_timed_runs);
BENCHMARK(BM_EnsureCRLFInFile)->Apply(three_timed_runs);

void print_ratios() {
  auto& r = rates();
  auto ratio = [](const char* a, const char* b, double goal) { print_rate_ratio(a, b, goal, 26, 12); };
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
  const int status = zyl_bench::run_benchmarks(argc, argv, print_ratios);
  std::error_code ec;
  zyl_bench::fs::remove(copy_file(), ec);
  return status;
}

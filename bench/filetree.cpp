// Copying, counting and deleting against the programs people already use,
// in one run, on the same data in the page cache: a 1 GiB file, and a tree
// of 10,000 files of 0 to 16 KiB in 100 directories. The summary at the end
// gives the speed ratios:
//
//   FileCopyFeedBk (1 GiB)       >= 0.8 x cp
//   CopyFileTree (10,000 files)  >= 0.5 x cp -r
//   CountFiles (recursive)       >= 0.5 x find -type f | wc -l
//   DelDirTree                   >= 0.5 x rm -rf
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>

#include "bench_support.h"

namespace {

using namespace zyl_bench;

constexpr std::uintmax_t kBigBytes = 1ull << 30;
constexpr int kTreeDirs = 100;
constexpr int kFilesPerDir = 100;

const fs::path& work() {
  static const fs::path p = fs::temp_directory_path() / "zyl-bench-filetree";
  return p;
}
fs::path big_file() { return work() / "big.bin"; }
fs::path big_copy() { return work() / "big.copy"; }
fs::path tree() { return work() / "tree"; }
fs::path tree_copy() { return work() / "tree.copy"; }

void setup() {
  static bool done = false;
  if (done) return;
  fs::create_directories(work());
  std::mt19937_64 rng(97);
  std::error_code ec;
  if (fs::file_size(big_file(), ec) != kBigBytes || ec) {
    std::string block(1 << 20, '\0');
    std::ofstream out(big_file(), std::ios::binary | std::ios::trunc);
    for (std::uintmax_t n = 0; n < kBigBytes; n += block.size()) {
      for (char& c : block) c = static_cast<char>(rng());
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
  }
  if (!fs::exists(tree() / "d99" / "f99.dat")) {
    fs::remove_all(tree());
    for (int d = 0; d < kTreeDirs; ++d) {
      const fs::path dir = tree() / ("d" + std::to_string(d));
      fs::create_directories(dir);
      for (int f = 0; f < kFilesPerDir; ++f)
        write_file(dir / ("f" + std::to_string(f) + ".dat"), std::string(rng() % (16 * 1024 + 1), 'x'));
    }
  }
  warm(big_file());
  done = true;
}

std::map<std::string, double>& seconds_per_run() {
  static std::map<std::string, double> r;
  return r;
}

// Times Body once per iteration, with Prepare (untimed) before each;
// Body returns a result that must be positive.
template <class P, class F>
void measure(benchmark::State& state, const std::string& name, P&& Prepare, F&& Body) {
  setup();
  const Timed t = time_runs(state, Prepare, Body);
  if (t.result <= 0) state.SkipWithError("no result");
  state.counters["result"] = static_cast<double>(t.result);
  seconds_per_run()[name] = t.seconds / static_cast<double>(state.iterations());
}

// Each timed run starts with nothing left for the disk to write, so one
// run's write-back does not land in the next one's time.
void settle() { run("sync"); }
void remove_big_copy() {
  fs::remove(big_copy());
  settle();
}
void remove_tree_copy() {
  fs::remove_all(tree_copy());
  settle();
}
void make_tree_copy() {
  fs::remove_all(tree_copy());
  if (run("cp -r " + quoted(tree()) + " " + quoted(tree_copy())) == 0) throw std::runtime_error("cp -r failed");
  settle();
}
std::int64_t tree_copy_gone() { return fs::exists(tree_copy()) ? 0 : 1; }

void BM_cp(benchmark::State& state) {
  measure(state, "cp", remove_big_copy, [] {
    return run("cp " + quoted(big_file()) + " " + quoted(big_copy())) > 0
               ? static_cast<std::int64_t>(fs::file_size(big_copy()))
               : 0;
  });
}

void BM_FileCopyFeedBk(benchmark::State& state) {
  measure(state, "FileCopyFeedBk", remove_big_copy, [] {
    std::int64_t reports = 0;
    const std::int32_t rc = zyl::FileCopyFeedBk(name_of(big_file()), name_of(big_copy()), false,
                                                [&](std::int64_t, std::int64_t) { ++reports; });
    return rc == 0 && reports > 0 ? static_cast<std::int64_t>(fs::file_size(big_copy())) : 0;
  });
}

void BM_cp_r(benchmark::State& state) {
  measure(state, "cp -r", remove_tree_copy,
          [] { return run("cp -r " + quoted(tree()) + " " + quoted(tree_copy())); });
}

void BM_CopyFileTree(benchmark::State& state) {
  measure(state, "CopyFileTree", remove_tree_copy, [] {
    std::int32_t files = 0;
    zyl::CopyFileTree(name_of(tree()), name_of(tree_copy()), false,
                      [&](std::int64_t, std::int64_t, const zyl::String&, std::int32_t n) { files = n; });
    return files;
  });
}

void BM_find_wc(benchmark::State& state) {
  measure(state, "find -type f | wc -l", [] {}, [] { return run("find " + quoted(tree()) + " -type f | wc -l"); });
}

void BM_CountFiles(benchmark::State& state) {
  measure(state, "CountFiles", [] {}, [] { return zyl::CountFiles(name_of(tree() / "*"), true, nullptr); });
}

void BM_rm_rf(benchmark::State& state) {
  measure(state, "rm -rf", make_tree_copy, [] { return run("rm -rf " + quoted(tree_copy())) * tree_copy_gone(); });
}

void BM_DelDirTree(benchmark::State& state) {
  measure(state, "DelDirTree", make_tree_copy,
          [] { return zyl::DelDirTree(name_of(tree_copy())).empty() ? tree_copy_gone() : 0; });
}

BENCHMARK(BM_cp)->Apply(three_timed_runs);
BENCHMARK(BM_FileCopyFeedBk)->Apply(three_timed_runs);
BENCHMARK(BM_cp_r)->Apply(three_timed_runs);
BENCHMARK(BM_CopyFileTree)->Apply(three_timed_runs);
BENCHMARK(BM_find_wc)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountFiles)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rm_rf)->Apply(three_timed_runs);
BENCHMARK(BM_DelDirTree)->Apply(three_timed_runs);

void print_ratios() {
  auto& s = seconds_per_run();
  auto ratio = [&](const char* ours, const char* peer, double goal) {
    if (!s.count(ours) || !s.count(peer)) return;
    std::printf("%-16s %8.1f ms = %5.2f x the speed of %-22s (%8.1f ms; goal %.1f)\n", ours, s[ours] * 1e3,
                s[peer] / s[ours], peer, s[peer] * 1e3, goal);
  };
  std::printf("\nRatios in this run:\n");
  ratio("FileCopyFeedBk", "cp", 0.8);
  ratio("CopyFileTree", "cp -r", 0.5);
  ratio("CountFiles", "find -type f | wc -l", 0.5);
  ratio("DelDirTree", "rm -rf", 0.5);
}

}  // namespace

int main(int argc, char** argv) {
  const int status = zyl_bench::run_benchmarks(argc, argv, print_ratios);
  std::error_code ec;
  zyl_bench::fs::remove(big_copy(), ec);
  zyl_bench::fs::remove_all(tree_copy(), ec);
  return status;
}

// Replays fuzz inputs without a fuzzing engine: links with one fuzz target
// and calls its LLVMFuzzerTestOneInput once per file, for every file named on
// the command line and every regular file inside a directory named there
// (in name order, so runs are repeatable). A crash or a sanitizer report ends
// the program with its own failure; an unreadable argument or a directory
// without inputs is a failure too, so a corpus that went missing is noticed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);
// Optional in a target, as under the fuzzing engine.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

bool read_file(const fs::path& p, std::vector<std::uint8_t>& out) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// The inputs one argument names: the file itself, or a directory's regular
// files (not descending further). Empty on error.
std::vector<fs::path> inputs_of(const fs::path& arg, std::error_code& ec) {
  std::vector<fs::path> files;
  if (!fs::is_directory(arg, ec)) {
    if (!ec && fs::is_regular_file(arg, ec)) files.push_back(arg);
    return files;
  }
  for (const fs::directory_entry& e : fs::directory_iterator(arg, ec)) {
    if (e.is_regular_file(ec)) files.push_back(e.path());
    if (ec) break;
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE-OR-DIRECTORY...\n", argv[0]);
    return 2;
  }
  if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
  std::size_t ran = 0;
  int status = 0;
  for (int a = 1; a < argc; ++a) {
    std::error_code ec;
    const std::vector<fs::path> files = inputs_of(argv[a], ec);
    if (ec || files.empty()) {
      std::fprintf(stderr, "%s: no inputs%s%s\n", argv[a], ec ? ": " : "", ec ? ec.message().c_str() : "");
      status = 1;
      continue;
    }
    std::vector<std::uint8_t> data;
    for (const fs::path& f : files) {
      if (!read_file(f, data)) {
        std::fprintf(stderr, "%s: cannot read\n", f.c_str());
        status = 1;
        continue;
      }
      // A block of exactly the input's size, as the fuzzing engine passes
      // it: reading one byte past its end is caught, and an empty input
      // still comes with a valid pointer.
      const std::unique_ptr<std::uint8_t[]> exact = std::make_unique<std::uint8_t[]>(data.size());
      std::copy(data.begin(), data.end(), exact.get());
      LLVMFuzzerTestOneInput(exact.get(), data.size());
      ++ran;
    }
  }
  std::printf("%zu inputs ran\n", ran);
  return status;
}

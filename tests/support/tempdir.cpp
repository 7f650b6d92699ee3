#include "support/tempdir.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

namespace zyl::test {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / ("zyl-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    if (std::filesystem::create_directory(candidate)) {
      FPath = candidate;
      break;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  // Make read-only entries removable first (tests create some on purpose).
  for (auto it = std::filesystem::recursive_directory_iterator(FPath, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(FPath, ec);
}

// Names are UTF-8 on every platform; path::string() would use the Windows
// ANSI code page instead.
String TempDir::file(const std::string& Name) const {
  const std::u8string full = (FPath / std::u8string(Name.begin(), Name.end())).u8string();
  return from_utf8(std::string(full.begin(), full.end()));
}

std::string read_file_bytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void write_file_bytes(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace zyl::test

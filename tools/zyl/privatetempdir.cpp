#include "privatetempdir.h"

#include <random>
#include <stdexcept>
#include <system_error>

namespace zyl_tool {

PrivateTempDir::PrivateTempDir(const std::string& prefix) {
  std::random_device rd;
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto candidate = base / (prefix + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::error_code ec;
    // create_directory is false when the name exists, whatever it is.
    if (std::filesystem::create_directory(candidate, ec) && !ec) {
      FPath = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory in " + base.string());
}

PrivateTempDir::~PrivateTempDir() {
  std::error_code ec;
  std::filesystem::remove_all(FPath, ec);
}

// Through u8string: path::string() would use the Windows ANSI code page.
zyl::String PrivateTempDir::file(const std::string& name) const {
  const std::u8string full = (FPath / std::u8string(name.begin(), name.end())).u8string();
  return zyl::from_utf8(std::string(full.begin(), full.end()));
}

}  // namespace zyl_tool

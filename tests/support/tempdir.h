// A temporary directory for one test, removed with everything in it when the
// fixture ends.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/hoststring.h"

namespace zyl::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return FPath; }
  // A path inside the directory, as the library's String.
  String file(const std::string& Name) const;

 private:
  std::filesystem::path FPath;
};

// A fixture giving each test its own temporary directory.
class TempDirTest : public ::testing::Test {
 protected:
  TempDir tmp;
};

// Reads a whole file as bytes; writes bytes to a file.
std::string read_file_bytes(const std::filesystem::path& p);
void write_file_bytes(const std::filesystem::path& p, const std::string& bytes);

}  // namespace zyl::test

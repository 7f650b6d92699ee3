// A directory of the tool's own in the system's temporary directory: created
// under a fresh random name that must not exist yet (so nothing planted in
// advance, such as a symbolic link, is ever followed), removed with its
// contents when the object goes. Parallel runs each get their own.
#pragma once

#include <filesystem>
#include <string>

#include "platform/hoststring.h"

namespace zyl_tool {

class PrivateTempDir {
 public:
  // Raises std::runtime_error when no directory can be created.
  explicit PrivateTempDir(const std::string& prefix);
  ~PrivateTempDir();
  PrivateTempDir(const PrivateTempDir&) = delete;
  PrivateTempDir& operator=(const PrivateTempDir&) = delete;

  // A file name inside the directory, as the library's String.
  zyl::String file(const std::string& name) const;

 private:
  std::filesystem::path FPath;
};

}  // namespace zyl_tool

// Directory trees for the copy, scan and delete tests: built from a table,
// read back as a map from relative path to content ("/" marks a directory),
// so a whole tree is compared in one assertion.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/hoststring.h"

namespace zyl::test {

struct TreeEntry {
  std::string Path;     // relative, "/" separated, UTF-8
  std::string Content;  // "/" for a directory
};

using TreeSnapshot = std::map<std::string, std::string>;

void make_tree(const std::filesystem::path& Root, const std::vector<TreeEntry>& Entries);
// Links are listed as "->target" and never followed.
TreeSnapshot snapshot(const std::filesystem::path& Root);

// Read-only as the library sees it: the attribute (Windows), no owner write
// bit (POSIX).
void set_read_only(const std::filesystem::path& File, bool ReadOnly);
bool is_read_only(const std::filesystem::path& File);

// A path as the library's String.
String lib_path(const std::filesystem::path& P);

}  // namespace zyl::test

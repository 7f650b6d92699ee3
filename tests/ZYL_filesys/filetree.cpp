#include "filetree.h"

#include "platform/dirops.h"
#include "platform/filesearch.h"
#include "support/tempdir.h"

namespace zyl::test {
namespace fs = std::filesystem;

namespace {
fs::path utf8_path(const std::string& Text) { return fs::path(std::u8string(Text.begin(), Text.end())); }

std::string utf8_of(const fs::path& P) {
  const std::u8string s = P.generic_u8string();
  return std::string(s.begin(), s.end());
}
}  // namespace

void make_tree(const fs::path& Root, const std::vector<TreeEntry>& Entries) {
  for (const TreeEntry& e : Entries) {
    const fs::path p = Root / utf8_path(e.Path);
    if (e.Content == "/") {
      fs::create_directories(p);
    } else {
      fs::create_directories(p.parent_path());
      write_file_bytes(p, e.Content);
    }
  }
}

TreeSnapshot snapshot(const fs::path& Root) {
  TreeSnapshot out;
  for (auto it = fs::recursive_directory_iterator(Root); it != fs::recursive_directory_iterator(); ++it) {
    // Lexically: fs::relative would resolve a link to its target.
    const std::string rel = utf8_of(it->path().lexically_relative(Root));
    if (it->is_symlink()) {
      out[rel] = "->" + utf8_of(fs::read_symlink(it->path()));
    } else if (it->is_directory()) {
      out[rel] = "/";
    } else {
      out[rel] = read_file_bytes(it->path());
    }
  }
  return out;
}

String lib_path(const fs::path& P) {
  const std::u8string s = P.u8string();
  return from_utf8(std::string(s.begin(), s.end()));
}

void set_read_only(const fs::path& File, bool ReadOnly) {
  fs::permissions(File, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  ReadOnly ? fs::perm_options::remove : fs::perm_options::add);
}

bool is_read_only(const fs::path& File) {
  std::int32_t attr = 0;
  int error = 0;
  return platform::get_attributes(lib_path(File), attr, error) && (attr & faReadOnly) != 0;
}

}  // namespace zyl::test

// The tree walker's own contract where POSIX can set it up: every kind of
// entry told apart without following links, names byte-exact (a name that
// is not UTF-8 opens its own file, not its UTF-8 look-alike), and only
// regular files opened for reading.
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "platform/file.h"
#include "platform/posix/osname.h"
#include "platform/treewalk.h"
#include "support/tempdir.h"

namespace zyl::platform {
namespace {

namespace fs = std::filesystem;
using zyl::test::write_file_bytes;

String lib_path(const fs::path& P) { return from_utf8(P.string()); }

TEST(PosixTreeWalk, ListsEveryKindAndOpensOnlyRegularFilesByTheirExactNames) {
  const zyl::test::TempDir tmp;
  write_file_bytes(tmp.path() / "n\xE9.txt", "latin-1 name");  // not UTF-8
  write_file_bytes(tmp.path() / "n\xC3\xA9.txt", "utf-8 name");
  fs::create_directory(tmp.path() / "dir");
  fs::create_symlink(tmp.path() / "dir", tmp.path() / "link");
  ASSERT_EQ(::mkfifo((tmp.path() / "fifo").c_str(), 0644), 0);
  const std::map<std::string, NodeType> expected = {{"n\xE9.txt", NodeType::File},
                                                     {"n\xC3\xA9.txt", NodeType::File},
                                                     {"dir", NodeType::Directory},
                                                     {"link", NodeType::Link},
                                                     {"fifo", NodeType::Special}};
  int error = 0;
  const WalkDir dir = WalkDir::open(lib_path(tmp.path()), false, error);
  ASSERT_TRUE(dir.valid()) << error;
  for (const ListDetail detail : {ListDetail::Full, ListDetail::Kinds}) {
    SCOPED_TRACE(detail == ListDetail::Full ? "full listing" : "kinds only");
    std::vector<DirEntry> entries;
    ASSERT_TRUE(dir.list(entries, error));
    ASSERT_TRUE(dir.list(entries, error, detail)) << "a second listing of the same handle starts over";
    std::map<std::string, NodeType> found;
    for (const DirEntry& e : entries) {
      std::string bytes;
      ASSERT_TRUE(posix::to_os_name(e.Name, bytes));
      found[bytes] = e.Type;
      if (e.Type == NodeType::File) {
        const FileHandle file = dir.open_file(e, error);
        ASSERT_TRUE(file.valid()) << error;
        char text[32] = {};
        const std::int64_t n = read_file(file, text, sizeof text, error);
        EXPECT_EQ(std::string(text, static_cast<std::size_t>(n)),
                  e.Name == u"n\u00E9.txt" ? "utf-8 name" : "latin-1 name");
      } else {
        EXPECT_FALSE(dir.open_file(e, error).valid());
        EXPECT_EQ(error, e.Type == NodeType::Link ? ELOOP : kErrorNotRegularFile);
      }
      EXPECT_EQ(dir.enter(e, error).valid(), e.Type == NodeType::Directory);
    }
    EXPECT_EQ(found, expected);
  }
}

}  // namespace
}  // namespace zyl::platform

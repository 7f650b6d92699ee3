// Tree walks under attack: the walker's hook runs between listing a
// directory and entering or opening an entry, and swaps that entry for a
// link to somewhere else or for a stranger's directory or file. Deleting,
// copying and renaming must stay inside their trees and never read the
// stranger's data.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

#include "ZYL_filesys/filecopy.h"
#include "ZYL_filesys/filedelete.h"
#include "ZYL_filesys/pathondisk.h"
#include "filetree.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/treewalk.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::String;
using zyl::test::lib_path;
using zyl::test::snapshot;
using zyl::test::TreeSnapshot;

enum class Swap { DirToLink, DirToStrangerDir, FileToLink, FileToStrangerFile, DestDirToLink };
enum class Op { Delete, Copy, Rename };

struct SwapCase {
  const char* Label;
  Swap What;
  const char* Entry;  // the entry of the tree that is swapped
  bool Escapes;       // whether deleting or renaming through the swapped entry would leave the tree
};

const SwapCase kCases[] = {
    {"a directory swapped for a link to the stranger's directory", Swap::DirToLink, "sub", true},
    {"a directory swapped for the stranger's directory, moved in", Swap::DirToStrangerDir, "sub", true},
    {"a file swapped for a link to the stranger's file", Swap::FileToLink, "keep.txt", true},
    // Deleting a file moved into the tree deletes nothing outside it.
    {"a file swapped for the stranger's file, moved in", Swap::FileToStrangerFile, "keep.txt", false},
    // The copy's destination: nothing may be written into the stranger's directory.
    {"a destination directory swapped for a link to the stranger's directory", Swap::DestDirToLink, "sub", false},
};

// Sets the walker's hook for one scope.
class HookScope {
 public:
  explicit HookScope(zyl::platform::detail::WalkHook Hook) { zyl::platform::detail::set_walk_hook(std::move(Hook)); }
  ~HookScope() { zyl::platform::detail::set_walk_hook(nullptr); }
  HookScope(const HookScope&) = delete;
  HookScope& operator=(const HookScope&) = delete;
};

bool ends_with_entry(const String& Path, const std::string& Entry) {
  String name = zyl::from_utf8(Entry);
  const String bare = !Path.empty() && (Path.back() == u'/' || Path.back() == u'\\') ? Path.substr(0, Path.size() - 1)
                                                                                     : Path;
  return bare.size() > name.size() && bare.compare(bare.size() - name.size(), name.size(), name) == 0 &&
         (bare[bare.size() - name.size() - 1] == u'/' || bare[bare.size() - name.size() - 1] == u'\\');
}

// Moves a file or directory to a name that is free (through the library:
// nothing else in the tree replaces files by renaming).
void move(const fs::path& From, const fs::path& To) {
  int error = 0;
  ASSERT_TRUE(zyl::platform::rename_file(lib_path(From), lib_path(To), error)) << error;
}

bool holds_secret(const TreeSnapshot& Tree) {
  for (const auto& [path, content] : Tree)
    if (content == "secret") return true;
  return false;
}

// Whether this system lets a test make directory links (Windows may not).
bool can_make_links(const fs::path& Dir) {
  std::error_code ec;
  fs::create_directory_symlink(Dir, Dir / "probe-link", ec);
  if (ec) return false;
  fs::remove(Dir / "probe-link", ec);
  return true;
}

class TreeSwapTest : public zyl::test::TempDirTest {
 protected:
  fs::path root() const { return tmp.path() / "root"; }
  fs::path stranger() const { return tmp.path() / "stranger"; }

  void make(const SwapCase& C) {
    fs::remove_all(root());
    fs::remove_all(stranger());
    fs::remove_all(tmp.path() / "dst");
    fs::remove_all(tmp.path() / "moved-away");
    zyl::test::make_tree(root(), {{"keep.txt", "mine"}, {"sub/inner.txt", "inner"}});
    zyl::test::make_tree(stranger(), {{"secret.txt", "secret"}, {"dir/secret.txt", "secret"}});
    FSwapped = false;
    FCase = &C;
  }

  // Called by the walker's hook: performs the swap when the walk reaches the entry.
  void swap_at(const String& Path) {
    const bool in_dest = Path.rfind(lib_path(tmp.path() / "dst"), 0) == 0;
    if (FSwapped || !ends_with_entry(Path, FCase->Entry) || in_dest != (FCase->What == Swap::DestDirToLink)) return;
    FSwapped = true;
    const fs::path entry = (in_dest ? tmp.path() / "dst" : root()) / FCase->Entry;
    if (fs::exists(entry)) move(entry, tmp.path() / "moved-away");
    switch (FCase->What) {
      case Swap::DestDirToLink: fs::create_directory_symlink(stranger() / "dir", entry); break;
      case Swap::DirToLink: fs::create_directory_symlink(stranger() / "dir", entry); break;
      case Swap::DirToStrangerDir: move(stranger() / "dir", entry); break;
      case Swap::FileToLink: fs::create_symlink(stranger() / "secret.txt", entry); break;
      case Swap::FileToStrangerFile: move(stranger() / "secret.txt", entry); break;
    }
  }

  // The stranger's data, wherever the swap put it.
  TreeSnapshot stranger_data() const {
    TreeSnapshot all = snapshot(stranger());
    if (!fs::exists(root())) return all;
    for (const auto& [path, content] : snapshot(root()))
      if (content == "secret") all["moved-in/" + path] = content;
    return all;
  }

  bool FSwapped = false;
  const SwapCase* FCase = nullptr;
};

TEST_F(TreeSwapTest, DeleteCopyAndRenameStayInsideTheirTrees) {
  const bool links = can_make_links(tmp.path());
  for (const SwapCase& c : kCases) {
    SCOPED_TRACE(c.Label);
    if (!links && (c.What == Swap::DirToLink || c.What == Swap::FileToLink || c.What == Swap::DestDirToLink)) {
      std::cout << "[   NOTE   ] no links on this system: " << c.Label << " not tried\n";
      continue;
    }
    for (const Op op : {Op::Delete, Op::Copy, Op::Rename}) {
      if (op != Op::Copy && !c.Escapes) continue;
      SCOPED_TRACE(op == Op::Delete ? "DelDirTree" : op == Op::Copy ? "CopyFileTree" : "SetAllFilenameCase");
      make(c);
      const std::size_t stranger_files = 2;
      const HookScope hook([this](const String& Path) { swap_at(Path); });
      if (op == Op::Delete) {
        const String failed = DelDirTree(lib_path(root()));
        EXPECT_TRUE(FSwapped);
        if (c.What == Swap::DirToStrangerDir) {
          EXPECT_NE(failed, u"") << "the directory moved in is not entered";
        }
        const TreeSnapshot data = stranger_data();
        EXPECT_EQ(std::count_if(data.begin(), data.end(), [](const auto& e) { return e.second == "secret"; }),
                  static_cast<std::ptrdiff_t>(stranger_files))
            << "nothing of the stranger's was deleted";
      } else if (op == Op::Rename) {
        try {
          SetAllFilenameCase(lib_path(root() / "*"), true);
        } catch (const zyl::EInOutError&) {
          // Refusing to rename what is no longer the entry listed is an I/O
          // error too (Windows checks the identity before renaming).
        }
        EXPECT_TRUE(FSwapped);
        EXPECT_TRUE(fs::exists(root() / "KEEP.TXT") || fs::exists(tmp.path() / "moved-away")) << "the walk ran";
        for (const auto& [path, content] : stranger_data()) {
          if (content == "secret") {
            EXPECT_EQ(path.substr(path.rfind('/') + 1), "secret.txt") << "renamed: " << path;
          }
        }
      } else {
        const auto failures = CopyFileTreeReport(lib_path(root()), lib_path(tmp.path() / "dst"), false, nullptr);
        EXPECT_TRUE(FSwapped);
        EXPECT_FALSE(holds_secret(snapshot(tmp.path() / "dst"))) << "nothing of the stranger's was read";
        EXPECT_FALSE(fs::exists(stranger() / "dir" / "inner.txt")) << "nothing was written into the stranger's";
        EXPECT_EQ(failures.size(), 1u) << "the swapped entry is reported";
        EXPECT_EQ(snapshot(stranger()).empty(), false);
      }
    }
  }
}

}  // namespace
}  // namespace ZYL_filesys

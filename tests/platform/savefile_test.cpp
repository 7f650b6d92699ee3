#include "platform/savefile.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/os.h"
#include "support/tempdir.h"

namespace zyl::platform {
namespace {

namespace fs = std::filesystem;
using test::TempDirTest;

constexpr bool kPosix = kOsFamily == OsFamily::Posix;

int entries_in(const fs::path& Dir) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(Dir)) ++n;
  return n;
}

// Saving Name must fail with an input/output error naming it.
void expect_refused(const String& Name) {
  try {
    save_file(Name, "new");
    ADD_FAILURE() << "no error for " << to_utf8(Name);
  } catch (const EInOutError& e) {
    EXPECT_NE(e.ErrorCode(), 0);
    EXPECT_EQ(e.Message().rfind(u"Cannot write \"" + Name + u"\": ", 0), 0u) << to_utf8(e.Message());
  }
}

TEST_F(TempDirTest, SaveFileCreatesAndReplacesWithoutLeftovers) {
  const String name = tmp.file("out.txt");
  save_file(name, "first");
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "out.txt"), "first");
  save_file(name, std::string("second\0line", 11));
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "out.txt"), std::string("second\0line", 11));
  save_file(name, "");
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "out.txt"), "");
  EXPECT_EQ(entries_in(tmp.path()), 1) << "no temporary files are left";
  EXPECT_THROW(save_file(tmp.file("missing-dir/out.txt"), "x"), EInOutError);
}

TEST_F(TempDirTest, SaveFileRefusesDirectoriesAndReadOnlyFilesAndChangesNothing) {
  fs::create_directory(tmp.path() / "taken");
  test::write_file_bytes(tmp.path() / "taken" / "inside", "keep");
  expect_refused(tmp.file("taken"));
  EXPECT_TRUE(fs::is_directory(tmp.path() / "taken"));
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "taken" / "inside"), "keep");

  // Read-only: the owner's write bit off (the read-only attribute on Windows).
  const fs::path locked = tmp.path() / "locked.txt";
  test::write_file_bytes(locked, "old");
  fs::permissions(locked, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const fs::perms before = fs::status(locked).permissions();
  expect_refused(tmp.file("locked.txt"));
  EXPECT_EQ(test::read_file_bytes(locked), "old");
  EXPECT_EQ(fs::status(locked).permissions(), before) << "still read-only";
  fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(entries_in(tmp.path()), 2) << "no temporary files are left";
}

TEST_F(TempDirTest, SaveFileKeepsHardLinks) {
  const fs::path first = tmp.path() / "first.txt";
  const fs::path second = tmp.path() / "second.txt";
  test::write_file_bytes(first, "a longer old content");
  fs::create_hard_link(first, second);
  save_file(tmp.file("second.txt"), "new");
  EXPECT_EQ(test::read_file_bytes(first), "new");
  EXPECT_EQ(test::read_file_bytes(second), "new");
  // Still one file under two names: a later write through one shows in the other.
  save_file(tmp.file("first.txt"), "newer");
  EXPECT_EQ(test::read_file_bytes(second), "newer");
  EXPECT_EQ(entries_in(tmp.path()), 2);
}

TEST_F(TempDirTest, SaveFileByBlocksWritesBlocksInOrderAndAFailingProducerChangesNothing) {
  auto blocks = [](std::vector<std::string> Parts, bool FailAtEnd) {
    return [Parts = std::move(Parts), FailAtEnd](const SaveSink& Sink) {
      for (const std::string& p : Parts) Sink(p);
      if (FailAtEnd) throw std::runtime_error("producer failed");
    };
  };
  const fs::path linked = tmp.path() / "linked.txt";
  // The new file, the regular-file replacement and the hard-linked route.
  for (const char* name : {"out.txt", "out.txt", "linked.txt"}) {
    SCOPED_TRACE(name);
    if (std::string(name) == "linked.txt" && !fs::exists(linked)) {
      test::write_file_bytes(tmp.path() / "twin.txt", "twin");
      fs::create_hard_link(tmp.path() / "twin.txt", linked);
    }
    const String target = tmp.file(name);
    const int entries = entries_in(tmp.path());
    const bool existed = fs::exists(tmp.path() / name);
    const std::string before = existed ? test::read_file_bytes(tmp.path() / name) : "";
    EXPECT_THROW(save_file_by_blocks(target, blocks({"half", "way"}, true)), std::runtime_error);
    EXPECT_EQ(fs::exists(tmp.path() / name), existed);
    if (existed) {
      EXPECT_EQ(test::read_file_bytes(tmp.path() / name), before);
    }
    EXPECT_EQ(entries_in(tmp.path()), entries) << "no temporary file is left";

    save_file_by_blocks(target, blocks({"ab", "", std::string("c\0d", 3), "ef"}, false));
    EXPECT_EQ(test::read_file_bytes(tmp.path() / name), std::string("abc\0def", 7));
  }
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "twin.txt"), std::string("abc\0def", 7)) << "the link is kept";
  EXPECT_EQ(entries_in(tmp.path()), 3);
}

TEST_F(TempDirTest, SaveFileKeepsPermissionBitsAndGivesNewFilesTheOrdinaryOnes) {
  if constexpr (!kPosix) GTEST_SKIP() << "Windows keeps attributes and security, checked with the read-only attribute";
  using P = fs::perms;
  const fs::perms cases[] = {
      P::owner_read | P::owner_write,                                                  // 0600
      P::owner_read | P::owner_write | P::group_read,                                  // 0640
      P::owner_all | P::group_read | P::group_exec | P::others_read | P::others_exec,  // 0755
      P::owner_read | P::owner_write | P::group_all | P::others_all,                   // 0677
  };
  const fs::path file = tmp.path() / "kept.txt";
  for (const fs::perms mode : cases) {
    SCOPED_TRACE(static_cast<int>(mode));
    test::write_file_bytes(file, "old");
    fs::permissions(file, mode);
    save_file(tmp.file("kept.txt"), "new");
    EXPECT_EQ(test::read_file_bytes(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), mode);
  }
  // A new file gets what an ordinary create gives (0666 less the umask).
  std::ofstream(tmp.path() / "ordinary.txt") << "x";
  save_file(tmp.file("fresh.txt"), "x");
  EXPECT_EQ(fs::status(tmp.path() / "fresh.txt").permissions(),
            fs::status(tmp.path() / "ordinary.txt").permissions());
}

TEST_F(TempDirTest, SaveFileWritesThroughSymbolicLinks) {
  if constexpr (!kPosix) GTEST_SKIP() << "symbolic links need a privilege on Windows";
  fs::create_directory(tmp.path() / "real");
  test::write_file_bytes(tmp.path() / "real" / "target.txt", "old");
  // A relative link into another directory, and a link to that link.
  fs::create_symlink("real/target.txt", tmp.path() / "link.txt");
  fs::create_symlink(tmp.path() / "link.txt", tmp.path() / "link2.txt");
  save_file(tmp.file("link2.txt"), "new");
  EXPECT_TRUE(fs::is_symlink(tmp.path() / "link.txt"));
  EXPECT_TRUE(fs::is_symlink(tmp.path() / "link2.txt"));
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "real" / "target.txt"), "new");
  EXPECT_EQ(entries_in(tmp.path() / "real"), 1);
  EXPECT_EQ(entries_in(tmp.path()), 3);

  // A link that leads nowhere is never written through: the file it would
  // create is one its maker chose.
  fs::create_symlink("real/later.txt", tmp.path() / "dangling.txt");
  expect_refused(tmp.file("dangling.txt"));
  EXPECT_TRUE(fs::is_symlink(tmp.path() / "dangling.txt"));
  EXPECT_FALSE(fs::exists(tmp.path() / "real" / "later.txt"));

  // A loop of links is an error, not a hang.
  fs::create_symlink("loop-b", tmp.path() / "loop-a");
  fs::create_symlink("loop-a", tmp.path() / "loop-b");
  expect_refused(tmp.file("loop-a"));
}

}  // namespace
}  // namespace zyl::platform

// What only POSIX systems can set up: symbolic links, names that differ only
// in case, devices, permission bits, and the freedesktop.org trash.
#include <sched.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "ZYL_filesys/dirscan.h"
#include "ZYL_filesys/filecopy.h"
#include "ZYL_filesys/filedelete.h"
#include "filetree.h"
#include "platform/exceptions.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::String;
using zyl::test::lib_path;
using zyl::test::read_file_bytes;
using zyl::test::snapshot;
using zyl::test::write_file_bytes;

class PosixTreeTest : public zyl::test::TempDirTest {
 protected:
  void SetUp() override {
    zyl::test::make_tree(tmp.path() / "outside", {{"target.txt", "target"}, {"dir/inner.txt", "inner"}});
    zyl::test::make_tree(src(), {{"File.txt", "upper"}, {"file.txt", "lower"}, {"sub/x.txt", "x"}});
    fs::create_symlink(tmp.path() / "outside" / "target.txt", src() / "file-link");
    fs::create_directory_symlink(tmp.path() / "outside" / "dir", src() / "dir-link");
  }
  fs::path src() const { return tmp.path() / "src"; }
  zyl::test::TreeSnapshot outside() const { return snapshot(tmp.path() / "outside"); }
};

TEST_F(PosixTreeTest, CopyKeepsCaseTwinsAndMakesLinksAgainWithoutFollowingThem) {
  CopyFileTree(lib_path(src()), lib_path(tmp.path() / "dst"), false, nullptr);
  const std::string outside = (tmp.path() / "outside").string();
  EXPECT_EQ(snapshot(tmp.path() / "dst"), (zyl::test::TreeSnapshot{{"File.txt", "upper"},
                                                                  {"file.txt", "lower"},
                                                                  {"file-link", "->" + outside + "/target.txt"},
                                                                  {"dir-link", "->" + outside + "/dir"},
                                                                  {"sub", "/"},
                                                                  {"sub/x.txt", "x"}}));
  // Another case is another directory here: a real copy.
  CopyFileTree(lib_path(src()), lib_path(tmp.path() / "SRC"), false, nullptr);
  EXPECT_TRUE(fs::exists(tmp.path() / "SRC" / "sub" / "x.txt"));
}

TEST_F(PosixTreeTest, ScansNeverEnterLinkedDirectories) {
  EXPECT_EQ(CountFiles(lib_path(src() / "*"), true, nullptr), 4) << "File.txt, file.txt, file-link, sub/x.txt";
  EXPECT_EQ(CountFiles(lib_path(src() / "FILE.TXT"), false, nullptr), 2) << "masks ignore case";
}

TEST_F(PosixTreeTest, DeletionRemovesLinksNeverTheirTargets) {
  const auto before = outside();
  EXPECT_EQ(DeleteFiles(lib_path(src() / "file-*")), 1);
  EXPECT_FALSE(fs::exists(fs::symlink_status(src() / "file-link")));
  EXPECT_EQ(DelDirTree(lib_path(src())), u"");
  EXPECT_FALSE(fs::exists(src()));
  EXPECT_EQ(outside(), before);
  // A link given as the tree itself goes alone.
  fs::create_directory_symlink(tmp.path() / "outside" / "dir", tmp.path() / "tree-link");
  EXPECT_EQ(DelDirTree(lib_path(tmp.path() / "tree-link") + u"/"), u"");
  EXPECT_FALSE(fs::exists(fs::symlink_status(tmp.path() / "tree-link")));
  EXPECT_EQ(outside(), before);
}

TEST_F(PosixTreeTest, CopyIntoItselfThroughALinkStops) {
  fs::create_directory_symlink(src() / "sub", tmp.path() / "alias");
  const auto failures = CopyFileTreeReport(lib_path(src()), lib_path(tmp.path() / "alias" / "copy"), false, nullptr);
  EXPECT_TRUE(failures.empty());
  EXPECT_TRUE(fs::exists(src() / "sub" / "copy" / "File.txt"));
  EXPECT_FALSE(fs::exists(src() / "sub" / "copy" / "sub" / "copy")) << "the copy itself is not copied again";
}

TEST(PosixFileCopy, DeviceAndReadFailures) {
  const zyl::test::TempDir tmp;
  write_file_bytes(tmp.path() / "src.bin", std::string(100000, 'x'));
  if (fs::exists("/dev/full")) {
    EXPECT_EQ(FileCopyFeedBk(lib_path(tmp.path() / "src.bin"), u"/dev/full", false, nullptr), -3) << "disk full";
  }
  if (fs::exists("/proc/self/mem")) {
    EXPECT_EQ(FileCopyFeedBk(u"/proc/self/mem", lib_path(tmp.path() / "mem.bin"), false, nullptr), -4);
  }
  EXPECT_FALSE(fs::exists(tmp.path() / "mem.bin"));
}

TEST(PosixFileCopy, AttributesArePermissionBitsWithOwnerWrite) {
  const zyl::test::TempDir tmp;
  write_file_bytes(tmp.path() / "src.sh", "#!/bin/sh\n");
  ::chmod((tmp.path() / "src.sh").c_str(), 0550);
  ASSERT_EQ(FileCopyFeedBk(lib_path(tmp.path() / "src.sh"), lib_path(tmp.path() / "dst.sh"), true, nullptr), 0);
  struct stat st;
  ASSERT_EQ(::stat((tmp.path() / "dst.sh").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0750u);
}

// The root is refused by what a name leads to, not by its spelling. Run in
// a child chrooted into a sandbox, so a fault empties the sandbox and never
// the machine; the root of the sandbox is "/" for the child.
TEST(PosixRootGuard, TheRootIsRefusedHoweverItIsNamed) {
  const zyl::test::TempDir sandbox;
  zyl::test::make_tree(sandbox.path(), {{"keep.txt", "keep"}, {"dir/x.txt", "x"}});
  fs::create_directory_symlink("/", sandbox.path() / "link");
  const auto before = snapshot(sandbox.path());
  const char16_t* const names[] = {u"/", u"//", u"/.", u"/link/.", u"/dir/..", u"link/..", u"dir/../.", u"/link/dir/.."};
  constexpr int kCannotChroot = 77;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Root may chroot; others only inside a user namespace of their own.
    if ((::geteuid() != 0 && ::unshare(CLONE_NEWUSER) != 0) || ::chroot(sandbox.path().c_str()) != 0 ||
        ::chdir("/") != 0)
      ::_exit(kCannotChroot);
    for (int i = 0; i < static_cast<int>(std::size(names)); ++i)
      if (DelDirTree(names[i]).empty()) ::_exit(10 + i);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == kCannotChroot) GTEST_SKIP() << "needs root or user namespaces to chroot into a sandbox";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "deleted as a tree: "
                                    << zyl::to_utf8(names[std::max(0, WEXITSTATUS(status) - 10)]);
  EXPECT_EQ(snapshot(sandbox.path()), before);
}

// FIFOs, sockets and devices are never opened for reading: a tree copy
// skips and reports them, a file copy refuses them. A FIFO read would hang
// this test; a device read would never end.
TEST(PosixSpecialFiles, AreNeverReadByCopies) {
  const zyl::test::TempDir tmp;
  const fs::path src = tmp.path() / "src";
  zyl::test::make_tree(src, {{"plain.txt", "plain"}});
  std::set<std::string> specials = {"fifo", "socket"};
  ASSERT_EQ(::mkfifo((src / "fifo").c_str(), 0644), 0);
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string sock_path = (src / "socket").string();
  ASSERT_LT(sock_path.size(), sizeof address.sun_path);
  std::copy(sock_path.begin(), sock_path.end(), address.sun_path);
  ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  if (::mknod((src / "zero").c_str(), S_IFCHR | 0666, ::makedev(1, 5)) == 0) specials.insert("zero");  // as root
  const fs::path dst = tmp.path() / "dst";

  std::set<String> reported;
  const auto failures = CopyFileTreeReport(
      lib_path(src), lib_path(dst), false, [&](std::int64_t bytes, std::int64_t, const String& name, std::int32_t) {
        if (bytes < 0) reported.insert(name);
      });
  ::close(sock);
  std::set<String> expected_reports;
  std::set<String> expected_failures;
  for (const std::string& name : specials) {
    expected_reports.insert(lib_path(dst / name));
    expected_failures.insert(lib_path(dst / name) + u": not copied: not a regular file");
  }
  EXPECT_EQ(reported, expected_reports);
  EXPECT_EQ(std::set<String>(failures.begin(), failures.end()), expected_failures);
  EXPECT_EQ(snapshot(dst), (zyl::test::TreeSnapshot{{"plain.txt", "plain"}}));

  std::vector<fs::path> sources = {"/dev/zero", src / "fifo", src / "socket", src};
  for (const fs::path& source : sources) {
    SCOPED_TRACE(source.string());
    try {
      (void)FileCopyFeedBk(lib_path(source), lib_path(tmp.path() / "one"), false, nullptr);
      ADD_FAILURE() << "copied";
    } catch (const zyl::EInOutError& e) {
      EXPECT_NE(std::string(e.what()).find("not a regular file"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::exists(tmp.path() / "one"));
  }
}

// The .trashinfo keys of one entry, with Path= decoded.
std::map<std::string, std::string> read_trash_info(const fs::path& File) {
  std::ifstream in(File);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "[Trash Info]");
  std::map<std::string, std::string> keys;
  while (std::getline(in, line)) {
    const auto eq = line.find('=');
    std::string value = line.substr(eq + 1);
    if (line.substr(0, eq) == "Path") {
      std::string decoded;
      for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%') {
          decoded += static_cast<char>(std::stoi(value.substr(i + 1, 2), nullptr, 16));
          i += 2;
        } else {
          decoded += value[i];
        }
      }
      value = decoded;
    }
    keys[line.substr(0, eq)] = value;
  }
  return keys;
}

class TrashTest : public zyl::test::TempDirTest {
 protected:
  void SetUp() override {
    const char* old = std::getenv("XDG_DATA_HOME");
    FOld = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("XDG_DATA_HOME", (tmp.path() / "data").c_str(), 1);
  }
  void TearDown() override {
    if (FOld) ::setenv("XDG_DATA_HOME", FOld->c_str(), 1);
    else ::unsetenv("XDG_DATA_HOME");
  }
  fs::path trash() const { return tmp.path() / "data" / "Trash"; }

 private:
  std::optional<std::string> FOld;
};

TEST_F(TrashTest, EntriesFollowTheFreedesktopLayout) {
  const std::string long_name = std::string(240, 'L') + ".txt";
  zyl::test::make_tree(tmp.path() / "work", {{"a b%.txt", "first"},
                                             {"keep.dat", "k"},
                                             {".dot.txt", "d"},
                                             {long_name, "long"},
                                             {"\xC3\xA9.txt", "accent"}});
  EXPECT_EQ(MoveToRecycleBin(lib_path(tmp.path() / "work" / "*.txt")), 3);
  write_file_bytes(tmp.path() / "work" / "a b%.txt", "second");
  EXPECT_EQ(MoveToRecycleBin(lib_path(tmp.path() / "work" / "a b%.txt")), 1);
  EXPECT_EQ(snapshot(tmp.path() / "work"), (zyl::test::TreeSnapshot{{"keep.dat", "k"}, {".dot.txt", "d"}}));

  const auto files = snapshot(trash() / "files");
  ASSERT_EQ(files.size(), 4u);
  EXPECT_EQ(files.at("a b%.txt"), "first");
  EXPECT_EQ(files.at("a b%.2.txt"), "second") << "a numbered name on a clash";
  std::map<std::string, std::set<std::string>> originals;  // original path -> contents
  for (const auto& [entry, content] : files) {
    ASSERT_LE(entry.size() + 10, 255u) << "an info file name fits the file system";
    const auto info = read_trash_info(trash() / "info" / (entry + ".trashinfo"));
    originals[info.at("Path")].insert(content);
    EXPECT_EQ(info.at("DeletionDate").size(), 19u);
    EXPECT_EQ(info.at("DeletionDate")[10], 'T');
  }
  const auto work = [&](const std::string& name) { return (tmp.path() / "work" / name).string(); };
  EXPECT_EQ(originals, (std::map<std::string, std::set<std::string>>{{work("a b%.txt"), {"first", "second"}},
                                                                     {work(long_name), {"long"}},
                                                                     {work("\xC3\xA9.txt"), {"accent"}}}))
      << "the full original names, long ones not cut";
}

TEST_F(TrashTest, MasksWithDotDotAfterALinkListAndActInOneDirectory) {
  // work/link/.. is other/ on disk, and work/ only as text.
  zyl::test::make_tree(tmp.path() / "work", {{"a.txt", "work"}});
  zyl::test::make_tree(tmp.path() / "other", {{"deep", "/"}});
  fs::create_directory_symlink(tmp.path() / "other" / "deep", tmp.path() / "work" / "link");
  const String mask = lib_path(tmp.path() / "work" / "link" / ".." / "*.txt");
  const struct {
    const char* Label;
    std::int32_t (*Act)(const String&);
  } ops[] = {{"DeleteFiles", DeleteFiles}, {"MoveToRecycleBin", MoveToRecycleBin}};
  for (const auto& op : ops) {
    SCOPED_TRACE(op.Label);
    write_file_bytes(tmp.path() / "other" / "b.txt", "other");
    EXPECT_EQ(op.Act(mask), 1);
    EXPECT_FALSE(fs::exists(tmp.path() / "other" / "b.txt"));
    EXPECT_EQ(read_file_bytes(tmp.path() / "work" / "a.txt"), "work");
  }
  EXPECT_EQ(read_trash_info(trash() / "info" / "b.txt.trashinfo").at("Path"), (fs::canonical(tmp.path() / "other") / "b.txt").string())
      << "trashed under the name it was listed by";
}

TEST_F(TrashTest, FilesOnAnotherFileSystemGoToItsTopDirectoryTrash) {
  // /dev/shm is a file system of its own where there is one; its top
  // directory is /dev/shm itself.
  struct stat shm, here;
  if (::stat("/dev/shm", &shm) != 0 || ::stat(tmp.path().c_str(), &here) != 0 || shm.st_dev == here.st_dev ||
      ::access("/dev/shm", W_OK) != 0)
    GTEST_SKIP() << "no second writable file system at /dev/shm";
  const zyl::test::TempDir probe;  // only for a unique name
  const std::string unique = probe.path().filename().string();
  const fs::path dir = fs::path("/dev/shm") / unique;
  const fs::path trash = fs::path("/dev/shm") / (".Trash-" + std::to_string(::getuid()));
  const std::string name = unique + "-x.txt";
  fs::create_directory(dir);
  write_file_bytes(dir / name, "elsewhere");
  const int moved = MoveToRecycleBin(lib_path(dir / name));
  const auto info = read_trash_info(trash / "info" / (name + ".trashinfo"));
  const std::string content = read_file_bytes(trash / "files" / name);
  std::error_code ec;
  fs::remove_all(dir, ec);
  fs::remove(trash / "info" / (name + ".trashinfo"), ec);
  fs::remove(trash / "files" / name, ec);
  EXPECT_EQ(moved, 1);
  EXPECT_EQ(content, "elsewhere");
  EXPECT_EQ(info.count("Path") ? info.at("Path") : "", unique + "/" + name) << "relative to the top directory";
}

// A trash another user controls (the folder, or one of its parts, owned by
// that user or reached through a link) receives nothing: the file stays.
TEST_F(TrashTest, TrashFoldersOfOtherUsersAreRefused) {
  const bool root = ::geteuid() == 0;
  struct Case {
    const char* label;
    bool needs_root;
    std::function<void(const fs::path& Data, const fs::path& Elsewhere)> plant;
    bool accepted;
  };
  const auto give_away = [](const fs::path& P) { ASSERT_EQ(::chown(P.c_str(), 65534, 65534), 0); };
  const Case cases[] = {
      {"the trash is a link to the caller's own folder", false,
       [](const fs::path& Data, const fs::path& Elsewhere) {
         fs::create_directories(Elsewhere);
         fs::create_symlink(Elsewhere, Data / "Trash");
       },
       true},
      {"the trash is a link to another user's folder", true,
       [&](const fs::path& Data, const fs::path& Elsewhere) {
         fs::create_directories(Elsewhere);
         give_away(Elsewhere);
         fs::create_symlink(Elsewhere, Data / "Trash");
       },
       false},
      {"files/ is a link", false,
       [](const fs::path& Data, const fs::path& Elsewhere) {
         fs::create_directories(Data / "Trash");
         fs::create_directories(Elsewhere);
         fs::create_symlink(Elsewhere, Data / "Trash" / "files");
       },
       false},
      {"info/ belongs to another user", true,
       [&](const fs::path& Data, const fs::path&) {
         fs::create_directories(Data / "Trash" / "info");
         give_away(Data / "Trash" / "info");
       },
       false},
  };
  int n = 0;
  for (const Case& c : cases) {
    if (c.needs_root && !root) continue;
    SCOPED_TRACE(c.label);
    const fs::path data = tmp.path() / ("data" + std::to_string(n)), elsewhere = tmp.path() / ("other" + std::to_string(n));
    const fs::path file = tmp.path() / ("x" + std::to_string(n++) + ".txt");
    fs::create_directories(data);
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    c.plant(data, elsewhere);
    write_file_bytes(file, "x");
    EXPECT_EQ(MoveToRecycleBin(lib_path(file)), c.accepted ? 1 : 0);
    EXPECT_EQ(fs::exists(file), !c.accepted) << "a file not trashed stays in place";
  }
  if (!root) GTEST_SKIP() << "cases with another owner need root (run as root in CI)";
}

TEST_F(TrashTest, AFileThatCannotGoStaysUncounted) {
  write_file_bytes(tmp.path() / "data", "a file where the trash directory should be");
  write_file_bytes(tmp.path() / "x.txt", "x");
  EXPECT_EQ(MoveToRecycleBin(lib_path(tmp.path() / "x.txt")), 0);
  EXPECT_TRUE(fs::exists(tmp.path() / "x.txt"));
  EXPECT_EQ(MoveToRecycleBin(lib_path(tmp.path() / "missing.txt")), 0);
}

}  // namespace
}  // namespace ZYL_filesys

// What copies and saves keep and whose links they follow, where only POSIX
// can set the stage: links owned by another user in sticky directories,
// permission bits and the umask, hard links, directories the caller cannot
// write, extended attributes and ACLs.
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_filesys/dirscan.h"
#include "ZYL_filesys/filecopy.h"
#include "ZYL_filesys/filedates.h"
#include "platform/exceptions.h"
#include "platform/savefile.h"
#include "platform/stringlist.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::test::read_file_bytes;
using zyl::test::TempDirTest;
using zyl::test::write_file_bytes;

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

String lib(const fs::path& P) { return zyl::from_utf8(P.string()); }

// Runs Body in a child process; its result is the child's exit status
// (-1 when it did not exit normally).
int in_child(const std::function<int()>& Body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    int status = 1;
    try {
      status = Body();
    } catch (...) {
      status = 99;
    }
    ::_exit(status);
  }
  int wstatus = 0;
  ::waitpid(pid, &wstatus, 0);
  return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
}

// The two ways of writing a file by name: a save and a copy from a file
// holding the same bytes. True when the write was done.
bool write_by(bool Copy, const fs::path& Dest, const std::string& Bytes, const fs::path& Scratch) {
  if (Copy) {
    write_file_bytes(Scratch, Bytes);
    return FileCopyFeedBk(lib(Scratch), lib(Dest), false, nullptr) == 0;
  }
  try {
    zyl::platform::save_file(lib(Dest), Bytes);
    return true;
  } catch (const zyl::EInOutError&) {
    return false;
  }
}

mode_t mode_of(const fs::path& P) {
  struct stat st{};
  ::lstat(P.c_str(), &st);
  return st.st_mode & 07777;
}

// A link in a sticky, world-writable directory is followed only when it
// belongs to the caller or to the directory's owner; a dangling link never.
TEST_F(TempDirTest, LinksPlantedByOthersAreNotWrittenThrough) {
  const bool root = ::geteuid() == 0;
  struct Case {
    const char* label;
    mode_t dir_mode;
    uid_t dir_owner, link_owner;
    bool dangling, followed;
  };
  const Case cases[] = {
      {"another user's link in a sticky world-writable directory", 01777, 0, kNobody, false, false},
      {"the caller's own link there", 01777, 0, 0, false, true},
      {"a link of the directory's owner", 01777, kNobody, kNobody, false, true},
      {"another user's link in a directory that is not sticky", 0777, 0, kNobody, false, true},
      {"another user's link in a sticky directory only its owner may write", 01755, 0, kNobody, false, true},
      {"a dangling link of the caller", 0755, 0, 0, true, false},
  };
  int n = 0;
  for (const Case& c : cases) {
    const bool needs_root = c.dir_owner != 0 || c.link_owner != 0;
    if (needs_root && !root) continue;
    for (const bool copy : {false, true}) {
      SCOPED_TRACE(std::string(c.label) + (copy ? " (copy)" : " (save)"));
      const fs::path dir = tmp.path() / ("d" + std::to_string(n++));
      const fs::path target = tmp.path() / ("victim" + std::to_string(n));
      fs::create_directory(dir);
      if (!c.dangling) write_file_bytes(target, "precious");
      fs::create_symlink(target, dir / "link");
      ASSERT_EQ(::lchown((dir / "link").c_str(), root ? c.link_owner : -1, -1), 0);
      ASSERT_EQ(::chown(dir.c_str(), root ? c.dir_owner : -1, -1), 0);
      ASSERT_EQ(::chmod(dir.c_str(), c.dir_mode), 0);
      EXPECT_EQ(write_by(copy, dir / "link", "new", tmp.path() / "scratch"), c.followed);
      EXPECT_TRUE(fs::is_symlink(dir / "link")) << "the link stays a link";
      if (c.dangling)
        EXPECT_FALSE(fs::exists(target)) << "nothing created where the link points";
      else
        EXPECT_EQ(read_file_bytes(target), c.followed ? "new" : "precious");
    }
  }
  if (!root) GTEST_SKIP() << "cases with other owners need root (run as root in CI)";
}

// A copy to a new file gets the source's permission bits less the umask.
TEST_F(TempDirTest, NewCopyKeepsTheSourcesPermissionBitsLessTheUmask) {
  struct Case {
    mode_t source, umask, expected;
  };
  const Case cases[] = {{0600, 022, 0600}, {0750, 022, 0750}, {0666, 027, 0640}, {0644, 0, 0644}, {04755, 022, 0755}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::oct << "source " << c.source << ", umask " << c.umask);
    const fs::path source = tmp.path() / "source", dest = tmp.path() / "dest";
    write_file_bytes(source, "data");
    ASSERT_EQ(::chmod(source.c_str(), c.source), 0);
    const mode_t old_umask = ::umask(c.umask);
    const std::int32_t result = FileCopyFeedBk(lib(source), lib(dest), false, nullptr);
    ::umask(old_umask);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(mode_of(dest), c.expected);
    fs::remove(dest);
    fs::remove(source);
  }
}

// A file that cannot be replaced without losing something is written
// through: other hard links keep seeing it, its mode and identity stay.
TEST_F(TempDirTest, HardLinkedDestinationIsWrittenThrough) {
  for (const bool copy : {false, true}) {
    SCOPED_TRACE(copy ? "copy" : "save");
    const fs::path dest = tmp.path() / "dest", other = tmp.path() / "other";
    write_file_bytes(dest, "old contents, longer than the new");
    ASSERT_EQ(::chmod(dest.c_str(), 0640), 0);
    fs::create_hard_link(dest, other);
    struct stat before{}, after{};
    ::stat(dest.c_str(), &before);
    ASSERT_TRUE(write_by(copy, dest, "new", tmp.path() / "scratch"));
    ::stat(dest.c_str(), &after);
    EXPECT_EQ(read_file_bytes(other), "new");
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(mode_of(dest), 0640u);
    fs::remove(dest);
    fs::remove(other);
  }
}

// A file the caller may write where it cannot be replaced: in a directory
// the caller cannot write, or another user's file in a sticky directory.
TEST_F(TempDirTest, WritableFileThatCannotBeReplacedIsWrittenThrough) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  ASSERT_EQ(::chmod(tmp.path().c_str(), 0755), 0);
  struct Case {
    const char* label;
    mode_t dir_mode;
    uid_t file_owner;
    mode_t file_mode;
  } const cases[] = {
      {"the caller's file in a directory it cannot write", 0755, kNobody, 0644},
      {"root's world-writable file in a sticky directory", 01777, 0, 0666},
  };
  int n = 0;
  for (const Case& c : cases) {
    const fs::path dir = tmp.path() / ("d" + std::to_string(n++));
    fs::create_directory(dir);
    ASSERT_EQ(::chmod(dir.c_str(), c.dir_mode), 0);
    for (const bool copy : {false, true}) {
      SCOPED_TRACE(std::string(c.label) + (copy ? " (copy)" : " (save)"));
      const fs::path file = dir / "file.txt", source = tmp.path() / "source.txt";
      write_file_bytes(file, "old contents");
      write_file_bytes(source, "new");
      ASSERT_EQ(::chown(file.c_str(), c.file_owner, c.file_owner), 0);
      ASSERT_EQ(::chmod(file.c_str(), c.file_mode), 0);
      ASSERT_EQ(::chmod(source.c_str(), 0644), 0);
      const int status = in_child([&] {
        if (::setgid(kNogroup) != 0 || ::setuid(kNobody) != 0) return 2;
        if (copy) return FileCopyFeedBk(lib(source), lib(file), false, nullptr) == 0 ? 0 : 1;
        zyl::platform::save_file(lib(file), "new");
        return 0;
      });
      EXPECT_EQ(status, 0);
      EXPECT_EQ(read_file_bytes(file), "new");
      struct stat st{};
      ::stat(file.c_str(), &st);
      EXPECT_EQ(st.st_uid, c.file_owner) << "the same file, written through";
      EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "nothing left beside it";
    }
  }
}

// The access ACL user::rw-, user:65534:rw-, group::---, mask::rw-, other::---
// in the kernel's extended-attribute form.
std::string sample_acl() {
  std::string acl;
  const auto put32 = [&acl](std::uint32_t v) { acl.append(reinterpret_cast<const char*>(&v), 4); };
  const auto entry = [&](std::uint16_t tag, std::uint16_t perm, std::uint32_t id) {
    acl.append(reinterpret_cast<const char*>(&tag), 2);
    acl.append(reinterpret_cast<const char*>(&perm), 2);
    put32(id);
  };
  put32(2);  // version
  entry(0x01, 6, ~0u);
  entry(0x02, 6, kNobody);
  entry(0x04, 0, ~0u);
  entry(0x10, 6, ~0u);
  entry(0x20, 0, ~0u);
  return acl;
}

std::string attribute(const fs::path& P, const char* Name) {
  std::string value(256, '\0');
  const ssize_t n = ::getxattr(P.c_str(), Name, value.data(), value.size());
  value.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
  return value;
}

// Replacing a file carries its extended attributes, the ACL among them, so
// nobody gains or loses access.
TEST_F(TempDirTest, ReplacedFileKeepsItsAclAndExtendedAttributes) {
  const fs::path dest = tmp.path() / "dest";
  const std::string acl = sample_acl();
  for (const bool copy : {false, true}) {
    SCOPED_TRACE(copy ? "copy" : "save");
    write_file_bytes(dest, "old");
    if (::setxattr(dest.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0 ||
        ::setxattr(dest.c_str(), "user.origin", "kept", 4, 0) != 0)
      GTEST_SKIP() << "this file system holds no ACLs or user attributes: " << std::strerror(errno);
    ASSERT_TRUE(write_by(copy, dest, "new", tmp.path() / "scratch"));
    EXPECT_EQ(read_file_bytes(dest), "new");
    EXPECT_EQ(attribute(dest, "system.posix_acl_access"), acl);
    EXPECT_EQ(attribute(dest, "user.origin"), "kept");
  }
}

// Two names that differ only in being Latin-1 or UTF-8 bytes: each name the
// search reports reaches its own file again in every call that takes it.
TEST_F(TempDirTest, NamesThatAreNotUtf8ReachExactlyTheirOwnFile) {
  const fs::path src = tmp.path() / "src", dst = tmp.path() / "dst", tree = tmp.path() / "tree";
  fs::create_directory(src);
  fs::create_directory(dst);
  const std::string latin1 = "n\xE9.txt", utf8 = "n\xC3\xA9.txt";
  write_file_bytes(src / latin1, "latin-1 name");
  write_file_bytes(src / utf8, "utf-8 name");
  CopyFileTree(lib(src), lib(tree), false, nullptr);
  EXPECT_EQ(read_file_bytes(tree / latin1), "latin-1 name");
  EXPECT_EQ(read_file_bytes(tree / utf8), "utf-8 name");

  zyl::TStringList names;
  ScanFilesToStrList(lib(src) + u"/*.txt", false, &names, nullptr);
  ASSERT_EQ(names.Count(), 2);
  for (int i = 0; i < names.Count(); ++i) {
    const String name = names.Get(i);
    EXPECT_EQ(FileCopyFeedBk(name, lib(dst), false, nullptr), 0);
    EXPECT_EQ(SetFileDates(name, 0.0, 0.0, 40000.5 + i), 0);
    TDateTime c = 0, a = 0, w = 0;
    EXPECT_EQ(GetFileDates(name, c, a, w), 0);
    EXPECT_NEAR(w, 40000.5 + i, 1e-6);
  }
  EXPECT_EQ(read_file_bytes(dst / latin1), "latin-1 name");
  EXPECT_EQ(read_file_bytes(dst / utf8), "utf-8 name");
  std::set<std::int64_t> times;
  for (const auto& e : fs::directory_iterator(src)) times.insert(e.last_write_time().time_since_epoch().count());
  EXPECT_EQ(times.size(), 2u) << "each file got its own date";
  for (int i = 0; i < names.Count(); ++i) zyl::platform::save_file(names.Get(i), "saved");
  EXPECT_EQ(read_file_bytes(src / latin1), "saved");
  EXPECT_EQ(read_file_bytes(src / utf8), "saved");
  EXPECT_EQ(std::distance(fs::directory_iterator(src), fs::directory_iterator()), 2);
}

// A directory that cannot be listed is reported, not taken for an empty one.
TEST_F(TempDirTest, DirectoriesThatCannotBeListedAreReported) {
  const std::string too_long = tmp.path().string() + "/" + std::string(5000, 'x');
  std::int32_t count = -1;
  std::vector<String> failures = ScanFilesReport(lib(fs::path(too_long) / "*"), true, nullptr, count, nullptr);
  EXPECT_EQ(count, 0);
  ASSERT_EQ(failures.size(), 1u) << "a path longer than the system allows";
  failures = ScanFilesReport(lib(tmp.path() / "missing" / "*"), true, nullptr, count, nullptr);
  EXPECT_TRUE(failures.empty()) << "a missing directory is no failure";

  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  ASSERT_EQ(::chmod(tmp.path().c_str(), 0755), 0);
  fs::create_directories(tmp.path() / "tree" / "locked");
  write_file_bytes(tmp.path() / "tree" / "a.txt", "a");
  write_file_bytes(tmp.path() / "tree" / "locked" / "b.txt", "b");
  ASSERT_EQ(::chmod((tmp.path() / "tree" / "locked").c_str(), 0700), 0);
  const int status = in_child([&] {
    if (::setgid(kNogroup) != 0 || ::setuid(kNobody) != 0) return 2;
    std::int32_t n = 0;
    const std::vector<String> unlisted = ScanFilesReport(lib(tmp.path() / "tree" / "*"), true, nullptr, n, nullptr);
    if (n != 1) return 3;
    if (unlisted.size() != 1 || unlisted[0].find(u"locked") == String::npos) return 4;
    return 0;
  });
  EXPECT_EQ(status, 0) << "2: no second user, 3: wrong count, 4: the locked directory not reported";
}

}  // namespace
}  // namespace ZYL_filesys

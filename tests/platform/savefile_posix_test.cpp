// Saving by name where only POSIX can set the stage: other owners, another
// user's rights, a file-size limit, a pipe.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/savefile.h"
#include "support/tempdir.h"

namespace zyl::platform {
namespace {

namespace fs = std::filesystem;
using test::TempDirTest;

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

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

// 0 when save_file raised EInOutError, 1 when it did not.
int save_is_refused(const String& Name) {
  try {
    save_file(Name, "new");
  } catch (const EInOutError&) {
    return 0;
  }
  return 1;
}

TEST_F(TempDirTest, SaveFileKeepsOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can hand a file to another owner";
  const fs::path file = tmp.path() / "owned.txt";
  test::write_file_bytes(file, "old");
  ASSERT_EQ(::chown(file.c_str(), kNobody, kNogroup), 0);
  ASSERT_EQ(::chmod(file.c_str(), 04750), 0) << "set-user-ID survives the change of owner";
  save_file(tmp.file("owned.txt"), "new");
  struct stat st;
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, kNobody);
  EXPECT_EQ(st.st_gid, kNogroup);
  EXPECT_EQ(st.st_mode & 07777, 04750u);
  EXPECT_EQ(test::read_file_bytes(file), "new");
}

TEST_F(TempDirTest, SaveFileRefusesAFileTheUserMayNotWriteInAWritableDirectory) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  // Anyone may create files in the directory, so replacing the file by
  // renaming would work; writing to it would not, so the save is refused.
  ASSERT_EQ(::chmod(tmp.path().c_str(), 0777), 0);
  const fs::path file = tmp.path() / "roots.txt";
  test::write_file_bytes(file, "old");
  ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
  const int status = in_child([&] {
    if (::setgid(kNogroup) != 0 || ::setuid(kNobody) != 0) return 2;
    return save_is_refused(tmp.file("roots.txt"));
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(test::read_file_bytes(file), "old");
  struct stat st;
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 0u);
  EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 1);
}

TEST_F(TempDirTest, SaveFileFailingPartWayLeavesTheOldFileAndNoTemporary) {
  const fs::path file = tmp.path() / "big.txt";
  test::write_file_bytes(file, "old contents");
  fs::create_hard_link(file, tmp.path() / "other-name.txt");
  test::write_file_bytes(tmp.path() / "single.txt", "single old");
  // Under a 1000-byte file-size limit, writing 5000 bytes fails part way
  // (EFBIG once SIGXFSZ is ignored), on the replacing and the in-place path.
  const int status = in_child([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
    const std::string big(5000, 'x');
    int refused = 0;
    for (const char* name : {"single.txt", "big.txt", "new.txt"}) {
      try {
        save_file(tmp.file(name), big);
      } catch (const EInOutError&) {
        ++refused;
      }
    }
    return refused == 3 ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "single.txt"), "single old");
  EXPECT_EQ(test::read_file_bytes(file), "old contents");
  EXPECT_EQ(fs::hard_link_count(file), 2u);
  EXPECT_FALSE(fs::exists(tmp.path() / "new.txt"));
  EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 3)
      << "no temporary file is left";
}

TEST_F(TempDirTest, SaveFileWritesIntoAPipeWithoutReplacingIt) {
  const fs::path fifo = tmp.path() / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = test::read_file_bytes(fifo); });
  save_file(tmp.file("pipe"), "through the pipe");
  reader.join();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

}  // namespace
}  // namespace zyl::platform

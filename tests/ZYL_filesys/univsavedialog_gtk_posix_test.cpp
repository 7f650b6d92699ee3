// The GTK file chooser driven for real: under an Xvfb server the test starts,
// and without any display. Each case runs in a child process, since GTK is
// set up once per process.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "ZYL_filesys/univsavedialog.h"
#include "ZYL_zylbase/errors.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::test::TempDirTest;

int in_child(const std::function<int()>& Body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::alarm(120);  // a dialog that never closes fails the test instead of hanging it
    int status = 1;
    try {
      status = Body();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "child: %s\n", e.what());
      status = 98;
    }
    std::fflush(stderr);
    ::_exit(status);
  }
  int wstatus = 0;
  ::waitpid(pid, &wstatus, 0);
  return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
}

// An X server of its own for the life of the object; display() is empty when
// Xvfb is not installed or did not come up.
class Xvfb {
 public:
  Xvfb() {
    const int number = 90 + static_cast<int>(::getpid() % 200);
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    FPid = ::fork();
    if (FPid == 0) {
      const std::string display = ":" + std::to_string(number);
      ::execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset",
               static_cast<char*>(nullptr));
      ::_exit(127);
    }
    for (int i = 0; i < 100 && !fs::exists(socket); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (fs::exists(socket)) FDisplay = ":" + std::to_string(number);
  }
  ~Xvfb() {
    if (FPid > 0) {
      ::kill(FPid, SIGTERM);
      ::waitpid(FPid, nullptr, 0);
    }
  }
  const std::string& display() const { return FDisplay; }

 private:
  pid_t FPid = -1;
  std::string FDisplay;
};

TEST(GtkSaveDialog, WithoutADisplayTheStandardDialogReportsItsErrorCode) {
  const int status = in_child([] {
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    TUnivSaveDialog d(nullptr);
    d.SetName(u"Headless");
    try {
      d.Execute();
    } catch (const ZYL_zylbase::EZYLFileSysError& e) {
      return e.Message() == u"Component \"Headless\": Error in standard dialog (errnum = $0002)." ? 0 : 2;
    }
    return 3;
  });
  EXPECT_EQ(status, 0);
}

TEST_F(TempDirTest, GtkSaveDialogIsDrivenForReal) {
  const Xvfb x;
  if (x.display().empty()) GTEST_SKIP() << "Xvfb is not available";
  const String dir = tmp.file("");
  const int status = in_child([&] {
    ::setenv("DISPLAY", x.display().c_str(), 1);
    ::unsetenv("WAYLAND_DISPLAY");
    // No session bus here: settings in memory, no accessibility bridge.
    ::setenv("GSETTINGS_BACKEND", "memory", 1);
    ::setenv("NO_AT_BRIDGE", "1", 1);
    // Types a name, switches to the second file type (the handler renames the
    // typed name), then confirms.
    zyl::platform::set_save_dialog_test_driver([](zyl::platform::SaveDialogView& v) {
      v.SetTypedName(u"typed.txt");
      v.SelectType(2);
      if (const char* shot = std::getenv("ZYL_DIALOG_SCREENSHOT"))
        std::system(("import -window root '" + std::string(shot) + "'").c_str());
      v.Close(v.TypedName() == u"typed.doc");
    });
    TUnivSaveDialog d(nullptr);
    d.SetParameters(u"filter=\"Text|*.txt|Word|*.doc|All|*.*\" caption=\"Save the report\" initialdir=\"" + dir + u"\"");
    if (!d.Execute()) return 2;
    if (d.FileName() != dir + u"typed.doc") return 3;
    if (d.FilterIndex() != 2) return 4;

    zyl::platform::set_save_dialog_test_driver([](zyl::platform::SaveDialogView& v) { v.Close(false); });
    return d.Execute() ? 5 : 0;
  });
  EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace ZYL_filesys

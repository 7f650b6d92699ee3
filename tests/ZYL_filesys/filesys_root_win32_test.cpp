// A volume's root is refused however it is written. The volume is a sandbox
// drive whose root is a directory of its own, so a fault deletes the
// sandbox's files and nothing else: the drive named by ZYL_SANDBOX_DRIVE
// (scripts/wine-run.sh makes one under Wine; its root holds the marker file
// .zyl-sandbox), else a free drive letter mapped onto a temporary directory
// where the system lets a program map one.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_filesys/filedelete.h"
#include "filetree.h"
#include "platform/win32/win.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::String;
using zyl::test::TreeSnapshot;

// A drive letter mapped onto Target while the object lives.
class SandboxDrive {
 public:
  explicit SandboxDrive(const fs::path& Target) : FTarget(Target.wstring()) {
    const DWORD used = ::GetLogicalDrives();
    for (wchar_t letter = L'Y'; letter > L'D'; --letter) {
      if ((used & (1u << (letter - L'A'))) != 0) continue;
      const std::wstring drive{letter, L':'};
      if (::DefineDosDeviceW(0, drive.c_str(), FTarget.c_str())) FDrive = drive;
      break;
    }
  }
  ~SandboxDrive() {
    if (!FDrive.empty())
      ::DefineDosDeviceW(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, FDrive.c_str(), FTarget.c_str());
  }
  SandboxDrive(const SandboxDrive&) = delete;
  SandboxDrive& operator=(const SandboxDrive&) = delete;

  // "Y:", or empty when no drive could be mapped.
  const std::wstring& drive() const { return FDrive; }

 private:
  std::wstring FTarget;
  std::wstring FDrive;
};

// The process's current directory, restored when the object goes.
class CurrentDirectoryScope {
 public:
  CurrentDirectoryScope() : FSaved(fs::current_path()) {}
  ~CurrentDirectoryScope() {
    std::error_code ec;
    fs::current_path(FSaved, ec);
  }
  CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
  CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

 private:
  fs::path FSaved;
};

// The sandbox's root as a directory of the file system, and its drive.
struct Sandbox {
  fs::path Root;
  std::wstring Drive;
};

bool is_drive_onto(const std::wstring& Drive, const fs::path& Marker) {
  return !Drive.empty() && ::GetFileAttributesW((Drive + L"\\" + Marker.wstring()).c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(Win32RootGuard, AVolumeRootIsRefusedInEverySpelling) {
  const zyl::test::TempDir tmp;
  std::optional<SandboxDrive> mapped;
  Sandbox sandbox;
  const char* named = std::getenv("ZYL_SANDBOX_DRIVE");
  if (named != nullptr && is_drive_onto(std::wstring(named, named + std::strlen(named)), ".zyl-sandbox")) {
    sandbox.Drive = std::wstring(named, named + std::strlen(named));
    sandbox.Root = fs::path(sandbox.Drive + L"\\");
  } else {
    zyl::test::write_file_bytes(tmp.path() / ".zyl-sandbox", "");
    mapped.emplace(tmp.path());
    if (!is_drive_onto(mapped->drive(), ".zyl-sandbox"))
      GTEST_SKIP() << "no sandbox drive: set ZYL_SANDBOX_DRIVE or allow mapping a drive letter";
    sandbox.Drive = mapped->drive();
    sandbox.Root = tmp.path();
  }
  const fs::path root = sandbox.Root;
  zyl::test::make_tree(root, {{"keep.txt", "keep"}, {"dir/x.txt", "x"}, {"other/y.txt", "y"}});
  const auto before = zyl::test::snapshot(root);
  const String d = zyl::platform::win::narrow(sandbox.Drive);
  // Named from elsewhere ("S:" is then the drive's root), and from inside
  // the drive. The current directory is never the root itself: a directory
  // that is some process's current directory cannot be deleted anyway.
  const std::vector<String> absolute = {d,         d + u"\\",          d + u"/",
                             d + u"\\.", d + u"\\dir\\..", u"\\\\?\\" + d + u"\\",
                             u"\\\\.\\" + d + u"\\", u"\\\\?\\" + d, u"\\\\.\\" + d};
  const std::vector<String> from_inside = {u"..", u"..\\.", u"\\", u"/", u"\\dir\\.."};
  const CurrentDirectoryScope cwd;
  for (const auto* names : {&absolute, &from_inside}) {
    if (names == &from_inside) {
      ASSERT_TRUE(::SetCurrentDirectoryW((sandbox.Drive + L"\\dir").c_str()));
    }
    for (const String& name : *names) {
      SCOPED_TRACE(zyl::to_utf8(name));
      EXPECT_NE(DelDirTree(name), u"");
      EXPECT_EQ(zyl::test::snapshot(root), before);
    }
  }
  ASSERT_TRUE(::SetCurrentDirectoryW(tmp.path().wstring().c_str()));
  // The drive's directories are deleted as usual, in every spelling too.
  EXPECT_EQ(DelDirTree(u"\\\\?\\" + d + u"\\dir"), u"");
  EXPECT_EQ(DelDirTree(d + u"/other/"), u"");
  const TreeSnapshot after = zyl::test::snapshot(root);
  EXPECT_EQ(after.count("dir") + after.count("other"), 0u);
  EXPECT_EQ(after.count("keep.txt"), 1u);
  std::error_code ec;
  fs::remove(root / "keep.txt", ec);
}

}  // namespace
}  // namespace ZYL_filesys

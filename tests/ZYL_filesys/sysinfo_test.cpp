#include "ZYL_filesys/sysinfo.h"

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "platform/os.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::test::TempDirTest;
constexpr bool kWindows = zyl::platform::kOsFamily == zyl::platform::OsFamily::Windows;
constexpr std::uint8_t kDriveC = 2;

bool is_address_text(const String& A) {
  if (A.size() != 17) return false;
  for (std::size_t i = 0; i < A.size(); ++i) {
    const char16_t c = A[i];
    const bool ok = i % 3 == 2 ? c == u'-' : (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
    if (!ok) return false;
  }
  return true;
}

TEST(SysInfo, AdapterAddress) {
  String address = u"unchanged";
  EXPECT_EQ(GetMacAddress(3, address), -1);
  EXPECT_EQ(address, u"00-00-00-00-00-00");
  EXPECT_EQ(GetMacAddress(0, address), -1);
  for (const int kind : {1, 2}) {
    EXPECT_EQ(GetMacAddress(kind, address), 0);
    EXPECT_TRUE(is_address_text(address)) << zyl::to_utf8(address);
  }
}

TEST(SysInfo, MemoryAndDrives) {
  std::int64_t total = -1, available = -1;
  ASSERT_TRUE(GetMemoryStatus(total, available));
  EXPECT_GT(total, 0);
  EXPECT_GT(available, 0);
  EXPECT_LE(available, total);

  // Drive C: exists, is fixed and has free space on both systems.
  EXPECT_EQ(GetDiskDriveType(kDriveC), 3);
  EXPECT_GT(DiskFreeExtended(kDriveC), 0.0);
  EXPECT_EQ(GetDiskDriveType(26), 0);
  EXPECT_EQ(GetDiskDriveType(255), 0);
  EXPECT_EQ(DiskFreeExtended(26), -1.0);
  EXPECT_TRUE(DiskIsReadOnly(26));

  zyl::TStringList drives;
  drives.Add(u"stale");
  BuildDriveList(drives);
  bool has_c = false;
  for (int i = 0; i < drives.Count(); ++i) {
    const String d = drives[i];
    EXPECT_TRUE(d.size() == 2 && d[1] == u':' && d[0] >= u'A' && d[0] <= u'Z') << zyl::to_utf8(d);
    if (i > 0) {
      EXPECT_LT(drives[i - 1], d) << "in alphabetical order";
    }
    has_c = has_c || d == u"C:";
  }
  EXPECT_TRUE(has_c);
  if constexpr (!kWindows) {
    EXPECT_EQ(drives.Count(), 1);
    // Every other drive has no root directory, so it cannot be asked or written.
    EXPECT_EQ(GetDiskDriveType(3), 1);
    EXPECT_EQ(DiskFreeExtended(3), -1.0);
    EXPECT_TRUE(DiskIsReadOnly(3));
  }
}

TEST_F(TempDirTest, DirIsReadOnlyProbesAndCleansUp) {
  EXPECT_FALSE(DirIsReadOnly(tmp.file("")));
  EXPECT_FALSE(DirIsReadOnly(tmp.file("").substr(0, tmp.file("").size() - 1))) << "without a trailing separator";
  EXPECT_TRUE(fs::is_empty(tmp.path())) << "the probe file is removed";
  EXPECT_TRUE(DirIsReadOnly(tmp.file("missing")));
  if constexpr (!kWindows) {
    EXPECT_TRUE(DirIsReadOnly(u"/proc")) << "a read-only file system";
  }
}

// Whatever a directory already holds under the old fixed probe name (a
// user's file; a link planted by another user) is neither opened, truncated,
// followed nor removed by the probe.
TEST_F(TempDirTest, DirIsReadOnlyNeverTouchesExistingEntries) {
  const char* const kFixedName = "$%$QX%$.$$$";
  const fs::path victim = tmp.path() / "victim";
  zyl::test::write_file_bytes(victim, "precious");
  for (const bool planted_link : {false, true}) {
    if (kWindows && planted_link) continue;
    SCOPED_TRACE(planted_link ? "a link planted under the fixed name" : "a user file under the fixed name");
    const fs::path dir = tmp.path() / (planted_link ? "link" : "file");
    fs::create_directory(dir);
    if (planted_link)
      fs::create_symlink(victim, dir / kFixedName);
    else
      zyl::test::write_file_bytes(dir / kFixedName, "user data");
    EXPECT_FALSE(DirIsReadOnly(zyl::from_utf8(dir.string())));
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    EXPECT_EQ(names, std::set<std::string>{kFixedName}) << "nothing added or removed";
    EXPECT_EQ(zyl::test::read_file_bytes(dir / kFixedName), planted_link ? "precious" : "user data");
    EXPECT_EQ(zyl::test::read_file_bytes(victim), "precious");
  }
}

TEST(SysInfo, EnvironmentLookupIgnoresCaseOfAsciiLetters) {
  static char entry[] = "ZYL_Test_Var=value=with=equals";
  ASSERT_EQ(putenv(entry), 0);
  EXPECT_EQ(GetEnviroVar(u"ZYL_TEST_VAR"), u"value=with=equals");
  EXPECT_EQ(GetEnviroVar(u"zyl_test_var"), u"value=with=equals");
  EXPECT_EQ(GetEnviroVar(u"ZYL_TEST_VA"), u"") << "a prefix of a name is not the name";
  EXPECT_EQ(GetEnviroVar(u"ZYL_TEST_VAR=value"), u"with=equals") << "the name is compared up to its length";
  EXPECT_EQ(GetEnviroVar(u"ZYL_NO_SUCH_VARIABLE_HERE"), u"");
  const char* path = std::getenv("PATH");
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(zyl::to_utf8(GetEnviroVar(u"path")), path);
}

TEST(SysInfo, StandardDirectories) {
  const String temp = GetTempDir();
  ASSERT_FALSE(temp.empty());
  EXPECT_TRUE(temp.back() == u'/' || temp.back() == u'\\');
  EXPECT_TRUE(fs::is_directory(fs::path(zyl::to_utf8(temp))));
  if constexpr (kWindows) {
    EXPECT_TRUE(fs::is_directory(fs::path(zyl::to_utf8(GetSystemDir()))));
    EXPECT_TRUE(fs::is_directory(fs::path(zyl::to_utf8(GetWindowsDir()))));
  } else {
    EXPECT_EQ(GetSystemDir(), u"/usr/lib");
    EXPECT_EQ(GetWindowsDir(), u"/");
  }
  EXPECT_EQ(GetProgAssoc(u"zyl-no-such-extension"), u"");
}

}  // namespace
}  // namespace ZYL_filesys

// System information against what the system itself reports elsewhere:
// sysfs, /proc/meminfo, df, the XDG MIME database in a private tree.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "ZYL_filesys/sysinfo.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::test::TempDirTest;

std::string command_output(const std::string& Command) {
  std::string out;
  if (FILE* p = ::popen(Command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, p) != nullptr) out += buffer;
    ::pclose(p);
  }
  return out;
}

std::string first_line(const fs::path& File) {
  std::ifstream in(File);
  std::string line;
  std::getline(in, line);
  return line;
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* Name, const std::string& Value) : FName(Name) {
    if (const char* old = std::getenv(Name)) FOld = old, FHad = true;
    ::setenv(Name, Value.c_str(), 1);
  }
  ~ScopedEnv() { FHad ? ::setenv(FName, FOld.c_str(), 1) : ::unsetenv(FName); }

 private:
  const char* FName;
  std::string FOld;
  bool FHad = false;
};

TEST(SysInfoAgainstSystem, AdapterAddressIsThatOfAnInterfaceThatIsUp) {
  String address;
  ASSERT_EQ(GetMacAddress(1, address), 0);
  if (address == u"00-00-00-00-00-00") {
    // Then no wired interface backed by a device is up with an address.
    for (const auto& e : fs::directory_iterator("/sys/class/net")) {
      const bool device = fs::exists(e.path() / "device") && !fs::exists(e.path() / "wireless");
      const bool up = first_line(e.path() / "operstate") == "up";
      const std::string mac = first_line(e.path() / "address");
      EXPECT_FALSE(device && up && !mac.empty() && mac != "00:00:00:00:00:00") << e.path();
    }
    return;
  }
  std::string expected = zyl::to_utf8(address);
  for (char& c : expected) c = c == '-' ? ':' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  bool found = false;
  for (const auto& e : fs::directory_iterator("/sys/class/net"))
    if (first_line(e.path() / "address") == expected) found = fs::exists(e.path() / "device");
  EXPECT_TRUE(found) << expected << " is not the address of a device interface";
  EXPECT_NE(command_output("ip -o link 2>/dev/null").find(expected), std::string::npos) << "ip link lists it";
}

TEST(SysInfoAgainstSystem, MemoryAndDiskAsTheKernelReportsThem) {
  std::int64_t total = 0, available = 0;
  ASSERT_TRUE(GetMemoryStatus(total, available));
  std::ifstream meminfo("/proc/meminfo");
  std::string key;
  std::int64_t kb = 0;
  meminfo >> key >> kb;
  ASSERT_EQ(key, "MemTotal:");
  EXPECT_EQ(total, kb * 1024);

  // Other programs write to the disk meanwhile: agree within 1 GiB.
  const std::string df = command_output("df -B1 --output=avail / | tail -1");
  ASSERT_FALSE(df.empty());
  EXPECT_NEAR(DiskFreeExtended(2), std::stod(df), 1024.0 * 1024 * 1024);
}

TEST_F(TempDirTest, TempDirFollowsTmpdirWhenItNamesADirectory) {
  {
    const ScopedEnv env("TMPDIR", tmp.path().string());
    EXPECT_EQ(zyl::to_utf8(GetTempDir()), tmp.path().string() + "/");
  }
  {
    const ScopedEnv env("TMPDIR", (tmp.path() / "missing").string());
    EXPECT_EQ(GetTempDir(), u"/tmp/");
  }
  const ScopedEnv env("TMPDIR", "");
  EXPECT_EQ(GetTempDir(), u"/tmp/");
}

TEST_F(TempDirTest, ProgramAssociationFromTheMimeDatabase) {
  const fs::path data = tmp.path() / "data";
  const fs::path config = tmp.path() / "config";
  fs::create_directories(data / "mime");
  fs::create_directories(data / "applications");
  fs::create_directories(config);
  std::ofstream(data / "mime" / "globs2") << "# comment\n"
                                          << "50:application/x-zyl-low:*.zyltest\n"
                                          << "60:application/x-zyl-test:*.zyltest\n"
                                          << "50:application/x-zyl-case:*.ZylCase:cs\n"
                                          << "50:application/x-zyl-none:*.zylnone\n";
  std::ofstream(data / "applications" / "zylviewer.desktop") << "[Desktop Entry]\nName=Viewer\nExec=zylviewer --open %f\n";
  std::ofstream(data / "applications" / "casefix.desktop") << "[Other]\nExec=wrong\n[Desktop Entry]\nExec = casefix %u\n";
  std::ofstream(config / "mimeapps.list") << "[Added Associations]\napplication/x-zyl-test=wrong.desktop;\n"
                                          << "[Default Applications]\n"
                                          << "application/x-zyl-test=missing.desktop;zylviewer.desktop;\n"
                                          << "application/x-zyl-case=casefix.desktop\n";
  const ScopedEnv data_home("XDG_DATA_HOME", data.string());
  const ScopedEnv data_dirs("XDG_DATA_DIRS", (tmp.path() / "none").string());
  const ScopedEnv config_home("XDG_CONFIG_HOME", config.string());
  const ScopedEnv config_dirs("XDG_CONFIG_DIRS", (tmp.path() / "none").string());

  EXPECT_EQ(GetProgAssoc(u"zyltest"), u"zylviewer --open %f") << "heaviest glob, first installed default";
  EXPECT_EQ(GetProgAssoc(u"ZYLTEST"), u"zylviewer --open %f") << "globs ignore case";
  EXPECT_EQ(GetProgAssoc(u"ZylCase"), u"casefix %u");
  EXPECT_EQ(GetProgAssoc(u"zylcase"), u"") << "a case-sensitive glob";
  EXPECT_EQ(GetProgAssoc(u"zylnone"), u"") << "a type without an application";
  EXPECT_EQ(GetProgAssoc(u""), u"");
  EXPECT_EQ(GetProgAssoc(u"../x"), u"");
}

// With no default named in any mimeapps.list, the applications that declare
// the type: those the cache lists first, then the desktop files by name,
// each data directory in precedence order.
TEST_F(TempDirTest, ProgramAssociationFallsBackToTheApplicationsDeclaringTheType) {
  const fs::path home = tmp.path() / "home", shared = tmp.path() / "shared";
  for (const fs::path& d : {home, shared}) fs::create_directories(d / "applications");
  fs::create_directories(home / "mime");
  std::ofstream(home / "mime" / "globs2") << "50:text/x-cached:*.zylcached\n"
                                          << "50:text/x-declared:*.zyldeclared\n"
                                          << "50:text/x-shared:*.zylshared\n"
                                          << "50:text/x-nobody:*.zylnobody\n";
  const auto desktop = [](const fs::path& File, const std::string& Exec, const std::string& Types,
                          const std::string& Extra = "") {
    std::ofstream(File) << "[Desktop Entry]\nExec=" << Exec << "\nMimeType=" << Types << "\n" << Extra;
  };
  desktop(home / "applications" / "a-first.desktop", "first %f", "text/x-cached;text/x-declared;");
  desktop(home / "applications" / "b-cached.desktop", "cached %f", "text/x-cached;");
  desktop(home / "applications" / "0-hidden.desktop", "hidden %f", "text/x-declared;", "Hidden=true\n");
  desktop(shared / "applications" / "shared.desktop", "shared %f", "text/x-shared;text/x-declared;");
  std::ofstream(home / "applications" / "mimeinfo.cache") << "[MIME Cache]\ntext/x-cached=gone.desktop;b-cached.desktop;\n";
  const ScopedEnv data_home("XDG_DATA_HOME", home.string());
  const ScopedEnv data_dirs("XDG_DATA_DIRS", shared.string());
  const ScopedEnv config_home("XDG_CONFIG_HOME", (tmp.path() / "none").string());
  const ScopedEnv config_dirs("XDG_CONFIG_DIRS", (tmp.path() / "none").string());
  const struct {
    const char16_t* ext;
    const char16_t* command;
    const char* label;
  } cases[] = {
      {u"zylcached", u"cached %f", "the cache's first installed application comes before the desktop files"},
      {u"zyldeclared", u"first %f", "desktop files by name in the first data directory; a hidden one is skipped"},
      {u"zylshared", u"shared %f", "a later data directory"},
      {u"zylnobody", u"", "no application declares the type"},
  };
  for (const auto& c : cases) EXPECT_EQ(GetProgAssoc(c.ext), c.command) << c.label;
}

}  // namespace
}  // namespace ZYL_filesys

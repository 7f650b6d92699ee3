// Program associations from the registry, set up with the system's reg tool.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "ZYL_filesys/sysinfo.h"

namespace ZYL_filesys {
namespace {

int reg(const std::string& Args) { return std::system(("reg " + Args + " >NUL 2>&1").c_str()); }

class RegistryKeys : public ::testing::Test {
 protected:
  ~RegistryKeys() override {
    for (const char* key : {".zyltest", ".zyltype", "zyltypefile", ".zylbare"}) reg(std::string("delete HKCR\\") + key + " /f");
  }
};

TEST_F(RegistryKeys, CommandOfTheExtensionOrOfItsFileType) {
  ASSERT_EQ(reg("add HKCR\\.zyltest\\shell\\open\\command /ve /d \"zylviewer.exe %1\" /f"), 0);
  ASSERT_EQ(reg("add HKCR\\.zyltype /ve /d zyltypefile /f"), 0);
  ASSERT_EQ(reg("add HKCR\\zyltypefile\\shell\\open\\command /ve /d \"typed.exe /open %1\" /f"), 0);
  ASSERT_EQ(reg("add HKCR\\.zylbare /ve /d nosuchtypefile /f"), 0);
  EXPECT_EQ(GetProgAssoc(u"zyltest"), u"zylviewer.exe %1");
  EXPECT_EQ(GetProgAssoc(u"zyltype"), u"typed.exe /open %1");
  EXPECT_EQ(GetProgAssoc(u"zylbare"), u"") << "a file type without an open command";
  EXPECT_EQ(GetProgAssoc(u"zylnothing"), u"");
}

}  // namespace
}  // namespace ZYL_filesys

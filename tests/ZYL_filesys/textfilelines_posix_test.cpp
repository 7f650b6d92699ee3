// Files that report a size of 0 but hold text (/proc): the last lines are
// read as a stream, as the system's own tools read them.
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_filesys/textfilelines.h"

namespace ZYL_filesys {
namespace {

TEST(TextFileLinesOfProcFiles, LastLinesOfFilesWithoutASize) {
  for (const char* name : {"/proc/version", "/proc/filesystems"}) {
    SCOPED_TRACE(name);
    std::ifstream in(name);
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) expected.push_back(line);
    if (expected.empty()) GTEST_SKIP() << "no /proc";
    std::int32_t count = -1;
    const TStrArray last = ReadLastNLinesOfTextFile(zyl::from_utf8(name), 2, count);
    EXPECT_EQ(count, static_cast<std::int32_t>(expected.size()));
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(zyl::to_utf8(last[1]), expected.back());
    EXPECT_EQ(zyl::to_utf8(last[0]), expected.size() > 1 ? expected[expected.size() - 2] : "");
  }
}

}  // namespace
}  // namespace ZYL_filesys

#include "ZYL_filesys/filedates.h"

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/os.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::test::TempDirTest;

constexpr std::uint64_t kDateZero = 94353120000000000ULL;
constexpr std::uint64_t kPerDay = 864000000000ULL;

FILETIME ft(std::uint64_t V) { return {static_cast<std::uint32_t>(V), static_cast<std::uint32_t>(V >> 32)}; }
std::uint64_t value(const FILETIME& F) { return static_cast<std::uint64_t>(F.dwHighDateTime) << 32 | F.dwLowDateTime; }

TEST(FileDates, Conversions) {
  const struct {
    std::uint64_t file_time;
    double date_time;
  } cases[] = {
      {kDateZero, 0.0},                               // 1899-12-30
      {kDateZero + kPerDay, 1.0},                     // one day later
      {kDateZero + kPerDay / 2, 0.5},                 // noon
      {kDateZero - kPerDay, -1.0},                    // before the date-time epoch
      {0, -109205.0},                                 // 1601-01-01
      {kDateZero + 45351 * kPerDay, 45351.0},         // 2024-02-29
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date_time);
    EXPECT_EQ(FileTimeToDateTime(ft(c.file_time)), c.date_time);
    EXPECT_EQ(value(DateTimeToFileTime(c.date_time)), c.file_time);
  }
  // Rounded to the nearest 100 ns; out of range clamps to the ends.
  EXPECT_EQ(value(DateTimeToFileTime(1.0 / kPerDay * 0.4)), kDateZero);
  EXPECT_EQ(value(DateTimeToFileTime(1.0 / kPerDay * 0.6)), kDateZero + 1);
  EXPECT_EQ(value(DateTimeToFileTime(-200000.0)), 0u);
  EXPECT_EQ(value(DateTimeToFileTime(1e300)), ~0ULL);
}

TEST_F(TempDirTest, SetAndGetFileDates) {
  const String name = tmp.file("dated.txt");
  zyl::test::write_file_bytes(tmp.path() / "dated.txt", "x");
  const TDateTime access_before = [&] {
    TDateTime c, a, w;
    EXPECT_EQ(GetFileDates(name, c, a, w), 0);
    return a;
  }();
  // 2020-01-02 03:04:05.5 as the last-write time only.
  const TDateTime written = 43832.0 + (3 * 3600 + 4 * 60 + 5.5) / 86400.0;
  ASSERT_EQ(SetFileDates(name, 0.0, 0.0, written), 0);
  TDateTime creation = -1, access = -1, write = -1;
  ASSERT_EQ(GetFileDates(name, creation, access, write), 0);
  EXPECT_EQ(write, FileTimeToDateTime(DateTimeToFileTime(written)));
  EXPECT_EQ(access, access_before) << "a date-time of 0.0 leaves that time";
  // The file system agrees: 2020-01-02 03:04:05.5 UTC is 1577934245.5 s after
  // 1970 (a double day count holds it to about a microsecond; the Windows run
  // time reports whole seconds).
  const auto since_1970 = std::chrono::file_clock::to_sys(fs::last_write_time(tmp.path() / "dated.txt"));
  const double tolerance_us = zyl::platform::kOsFamily == zyl::platform::OsFamily::Windows ? 500001 : 2;
  EXPECT_NEAR(std::chrono::duration_cast<std::chrono::microseconds>(since_1970.time_since_epoch()).count(),
              1577934245500000, tolerance_us);

  ASSERT_EQ(SetFileDates(name, 0.0, written - 1, 0.0), 0);
  ASSERT_EQ(GetFileDates(name, creation, access, write), 0);
  EXPECT_EQ(access, FileTimeToDateTime(DateTimeToFileTime(written - 1)));
  EXPECT_EQ(write, FileTimeToDateTime(DateTimeToFileTime(written)));
}

TEST_F(TempDirTest, FileDatesOfFilesThatCannotBeOpenedForWriting) {
  zyl::test::write_file_bytes(tmp.path() / "locked.txt", "x");
  fs::permissions(tmp.path() / "locked.txt", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  for (const String& name : {tmp.file("missing.txt"), tmp.file("locked.txt"), tmp.file("")}) {
    SCOPED_TRACE(zyl::to_utf8(name));
    TDateTime c = 1, a = 1, w = 1;
    EXPECT_EQ(GetFileDates(name, c, a, w), -1);
    EXPECT_EQ(c, 0.0);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(w, 0.0);
    EXPECT_EQ(SetFileDates(name, 1.0, 1.0, 1.0), -1);
  }
  fs::permissions(tmp.path() / "locked.txt", fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
}  // namespace ZYL_filesys

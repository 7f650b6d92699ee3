#include "ZYL_filesys/filedates.h"

#include <chrono>
#include <cstdint>
#include <iterator>
#include <limits>
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

// Hosts built by some compilers leave the x87 unit at 53-bit precision; the
// conversions are defined on extended intermediates all the same.
TEST(FileDates, ConversionsAtAnyX87Precision) {
  const double dates[] = {36526.123456789122, 45351.999999999, -109204.5, 2958465.99999};
  std::uint64_t extended[std::size(dates)];
  double back[std::size(dates)];
  for (std::size_t i = 0; i < std::size(dates); ++i) {
    extended[i] = value(DateTimeToFileTime(dates[i]));
    back[i] = FileTimeToDateTime(ft(extended[i]));
  }
#if defined(__i386__) || defined(__x86_64__)
  std::uint16_t saved = 0;
  __asm__ volatile("fnstcw %0" : "=m"(saved));
  const std::uint16_t double_precision = static_cast<std::uint16_t>((saved & ~0x0300u) | 0x0200u);
  __asm__ volatile("fldcw %0" : : "m"(double_precision));
  std::uint64_t at_53[std::size(dates)];
  double back_53[std::size(dates)];
  for (std::size_t i = 0; i < std::size(dates); ++i) {
    at_53[i] = value(DateTimeToFileTime(dates[i]));
    back_53[i] = FileTimeToDateTime(ft(at_53[i]));
  }
  std::uint16_t after = 0;
  __asm__ volatile("fnstcw %0" : "=m"(after));
  __asm__ volatile("fldcw %0" : : "m"(saved));
  EXPECT_EQ(after, double_precision) << "the caller's control word is restored";
  for (std::size_t i = 0; i < std::size(dates); ++i) {
    SCOPED_TRACE(dates[i]);
    EXPECT_EQ(at_53[i], extended[i]);
    EXPECT_EQ(back_53[i], back[i]);
  }
#else
  GTEST_SKIP() << "no x87 unit";
#endif
}

// Dates a file time cannot hold are refused, not clamped to the values that
// mean "leave that time"; nothing changes.
TEST_F(TempDirTest, SetFileDatesRefusesDatesOutsideTheFileTimeRange) {
  const String name = tmp.file("dated.txt");
  zyl::test::write_file_bytes(tmp.path() / "dated.txt", "x");
  ASSERT_EQ(SetFileDates(name, 0.0, 0.0, 40000.5), 0);
  const struct {
    const char* label;
    double date;
    int expected;
  } cases[] = {
      {"before 1601", -109206.0, -1},
      {"1601-01-01 00:00 itself (the file time 0)", -109205.0, -1},
      {"an hour into 1601", -109205.0 + 1.0 / 24, 0},
      {"beyond the last file time", 1e300, -1},
      {"NaN", std::numeric_limits<double>::quiet_NaN(), -1},
      {"beyond the last file time by a day", FileTimeToDateTime(ft(0x7FFFFFFFFFFFFFFFULL)) + 1, -1},
      {"the year 2100", 73051.5, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(SetFileDates(name, 0.0, 0.0, c.date), c.expected);
    TDateTime cr, a, w;
    ASSERT_EQ(GetFileDates(name, cr, a, w), 0);
    if (c.expected != 0) {
      EXPECT_NEAR(w, 40000.5, 1e-6) << "left as it was";
    }
    EXPECT_EQ(SetFileDates(name, 0.0, 0.0, 40000.5), 0);
  }
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

#include "platform/datetime.h"

#include <atomic>
#include <cmath>
#include <ctime>
#include <thread>

#include <gtest/gtest.h>

namespace zyl {
namespace {

TEST(DateTime, EncodeCountsDaysFrom18991230) {
  EXPECT_EQ(encode_date_time(1899, 12, 30, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(encode_date_time(2000, 1, 1, 0, 0, 0, 0), 36526.0);
  EXPECT_EQ(encode_date_time(1900, 3, 1, 12, 0, 0, 0), 61.5) << "1900 is no leap year";
  EXPECT_EQ(encode_date_time(1899, 12, 29, 6, 0, 0, 0), -1.25) << "fraction stays the time of day";
}

TEST(DateTime, DecodeInvertsEncodeAcrossCenturies) {
  const int dates[][7] = {{1600, 2, 29, 23, 59, 59, 999}, {1899, 12, 29, 6, 0, 0, 0}, {1970, 1, 1, 0, 0, 0, 1},
                          {2024, 2, 29, 13, 5, 9, 250},   {2100, 12, 31, 12, 30, 0, 0}, {9999, 12, 31, 23, 59, 59, 999}};
  for (const auto& d : dates) {
    SCOPED_TRACE(d[0]);
    int y, mo, day, h, mi, s, ms;
    decode_date_time(encode_date_time(d[0], d[1], d[2], d[3], d[4], d[5], d[6]), y, mo, day, h, mi, s, ms);
    const int got[] = {y, mo, day, h, mi, s, ms};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(got[i], d[i]) << "field " << i;
  }
}

TEST(DateTime, FormatPatterns) {
  const TDateTime t = encode_date_time(2024, 2, 9, 15, 7, 3, 45);
  struct Case {
    const char16_t* format;
    const char16_t* expect;
  } cases[] = {
      {u"yyyy-mm-dd hh:nn:ss.zzz", u"2024-02-09 15:07:03.045"},
      {u"d mmm yyyy, h:nn am/pm", u"9 Feb 2024, 3:07 pm"},
      {u"dddd d mmmm yy", u"Friday 9 February 24"},
      {u"hh:mm", u"15:07"},
      {u"h:mm a/p", u"3:07 p"},
      {u"'mm' \"dd\" mm", u"mm dd 02"},
      {u"AM/PM", u"PM"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(to_utf8(c.format));
    EXPECT_EQ(to_utf8(FormatDateTime(c.format, t)), to_utf8(c.expect));
  }
  EXPECT_EQ(FormatDateTime(u"hh:nn:ss", encode_date_time(2024, 1, 1, 23, 59, 59, 999) + 0.4 / 86400000.0),
            u"23:59:59");
  EXPECT_EQ(FormatDateTime(u"yyyy", NAN), u"1899") << "NaN reads as day 0";
}

// Rounding to the millisecond can reach the next midnight; that is the next
// calendar day also for negative values, and the weekday is the printed day's.
TEST(DateTime, RoundingUpToMidnightGivesTheNextDay) {
  struct Case {
    double value;
    const char16_t* expect;
  } cases[] = {
      {-1.99999999999, u"Saturday 1899-12-30 00:00:00.000"},
      {-0.99999999999, u"Sunday 1899-12-31 00:00:00.000"},
      {-2.5, u"Thursday 1899-12-28 12:00:00.000"},
      {45351.99999999999, u"Friday 2024-03-01 00:00:00.000"},
      {45351.9999999, u"Thursday 2024-02-29 23:59:59.991"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(to_utf8(FormatDateTime(u"dddd yyyy-mm-dd hh:nn:ss.zzz", c.value)), to_utf8(c.expect));
  }
}

// Now() converts with the reentrant call: another thread converting other
// times meanwhile cannot leak its date into the result.
TEST(DateTime, NowIsSafeBesideOtherThreads) {
  std::atomic<bool> stop{false};
  std::thread other([&] {
    const std::time_t epoch = 0;
    while (!stop) {
      volatile int year = std::localtime(&epoch)->tm_year;
      (void)year;
    }
  });
  const TDateTime floor = encode_date_time(2020, 1, 1, 0, 0, 0, 0);
  int wrong = 0;
  for (int i = 0; i < 200000; ++i)
    if (Now() < floor) ++wrong;
  stop = true;
  other.join();
  EXPECT_EQ(wrong, 0);
}

TEST(DateTime, NowIsAPlausibleLocalTime) {
  const TDateTime now = Now();
  EXPECT_GT(now, encode_date_time(2020, 1, 1, 0, 0, 0, 0));
  EXPECT_LT(now, encode_date_time(2200, 1, 1, 0, 0, 0, 0));
}

}  // namespace
}  // namespace zyl

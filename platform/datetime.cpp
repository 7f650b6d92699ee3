// Library: zyl / Package: platform / Module: datetime
#include "platform/datetime.h"

#include <algorithm>
#include <cmath>

#include "platform/casemap.h"
#include "platform/localclock.h"

namespace zyl {
namespace {

// Days from 1970-01-01 of a civil date, and back (Howard Hinnant's
// algorithms, valid over the whole int range used here).
long long days_from_civil(long long y, long long m, long long d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civil_from_days(long long z, long long& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = yoe + era * 400 + (m <= 2);
}

constexpr long long kEpochShift = 25569;  // days from 1899-12-30 to 1970-01-01
constexpr double kMaxDays = 3.6e9;        // about 10^7 years either way

const char16_t* const kMonthNames[] = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                                       u"July",    u"August",   u"September", u"October", u"November", u"December"};
const char16_t* const kDayNames[] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                     u"Thursday", u"Friday", u"Saturday"};

String number(long long v, int digits) {
  String s = from_ascii(std::to_string(v < 0 ? -v : v));
  while (static_cast<int>(s.size()) < digits) s.insert(0, 1, u'0');
  if (v < 0) s.insert(0, 1, u'-');
  return s;
}

constexpr auto lower = detail::ascii_lower;

// Length of the run of character c (case-insensitive) at position i.
std::size_t run_length(const String& f, std::size_t i, char16_t c) {
  std::size_t n = 0;
  while (i + n < f.size() && lower(f[i + n]) == c) ++n;
  return n;
}

bool starts_with_ci(const String& f, std::size_t i, std::u16string_view what) {
  if (i + what.size() > f.size()) return false;
  for (std::size_t k = 0; k < what.size(); ++k)
    if (lower(f[i + k]) != what[k]) return false;
  return true;
}

}  // namespace

TDateTime Now() {
  const platform::LocalTime t = platform::local_time_now();
  return encode_date_time(t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second, t.MilliSecond);
}

TDateTime encode_date_time(int Year, int Month, int Day, int Hour, int Minute, int Second, int MilliSecond) {
  const double days = static_cast<double>(days_from_civil(Year, Month, Day) + kEpochShift);
  const double time = (((Hour * 60.0 + Minute) * 60.0 + Second) * 1000.0 + MilliSecond) / 86400000.0;
  // The fraction is the time of day also before 1899-12-30: -1.25 is
  // 1899-12-29 06:00.
  return days >= 0 ? days + time : days - time;
}

namespace {

// A TDateTime split into its day (days from 1970-01-01) and the time of day
// in milliseconds, rounded to the millisecond. Rounding up to midnight moves
// to the next calendar day, which is day + 1 also before 1899-12-30 (the
// day of -1.99999999999 is 1899-12-29, so it rounds to 1899-12-30).
struct DayAndTime {
  long long day;
  long long ms;
};

DayAndTime split_date_time(TDateTime Value) {
  if (std::isnan(Value)) Value = 0;
  Value = std::clamp(Value, -kMaxDays, kMaxDays);
  const double whole = std::trunc(Value);
  DayAndTime r{static_cast<long long>(whole) - kEpochShift, std::llround(std::fabs(Value - whole) * 86400000.0)};
  if (r.ms >= 86400000) {
    r.ms -= 86400000;
    r.day += 1;
  }
  return r;
}

}  // namespace

void decode_date_time(TDateTime Value, int& Year, int& Month, int& Day, int& Hour, int& Minute, int& Second,
                    int& MilliSecond) {
  const DayAndTime t = split_date_time(Value);
  long long y;
  civil_from_days(t.day, y, Month, Day);
  Year = static_cast<int>(y);
  Hour = static_cast<int>(t.ms / 3600000);
  Minute = static_cast<int>(t.ms / 60000 % 60);
  Second = static_cast<int>(t.ms / 1000 % 60);
  MilliSecond = static_cast<int>(t.ms % 1000);
}

String FormatDateTime(const String& Format, TDateTime Value) {
  int y, mo, d, h, mi, s, ms;
  decode_date_time(Value, y, mo, d, h, mi, s, ms);
  // The weekday of the rounded date, the one printed.
  const long long day_number = split_date_time(Value).day;
  const int weekday = static_cast<int>(((day_number % 7) + 7 + 4) % 7);  // 1970-01-01 was a Thursday

  // A 12-hour marker anywhere in the pattern switches the hours to 12-hour form.
  bool twelve = false;
  for (std::size_t i = 0; i < Format.size(); ++i)
    if (starts_with_ci(Format, i, u"am/pm") || starts_with_ci(Format, i, u"a/p")) twelve = true;
  const int hour = twelve ? (h % 12 == 0 ? 12 : h % 12) : h;

  String out;
  bool after_hour = false;
  for (std::size_t i = 0; i < Format.size();) {
    const char16_t c = lower(Format[i]);
    if (Format[i] == u'"' || Format[i] == u'\'') {
      const std::size_t end = Format.find(Format[i], i + 1);
      const std::size_t stop = end == String::npos ? Format.size() : end;
      out.append(Format, i + 1, stop - i - 1);
      i = end == String::npos ? stop : end + 1;
      continue;
    }
    if (starts_with_ci(Format, i, u"am/pm")) {
      const bool upper = Format[i] == u'A';
      out += h < 12 ? (upper ? u"AM" : u"am") : (upper ? u"PM" : u"pm");
      i += 5;
      continue;
    }
    if (starts_with_ci(Format, i, u"a/p")) {
      const bool upper = Format[i] == u'A';
      out.push_back(h < 12 ? (upper ? u'A' : u'a') : (upper ? u'P' : u'p'));
      i += 3;
      continue;
    }
    const std::size_t n = run_length(Format, i, c);
    switch (c) {
      case u'd':
        if (n >= 4) out += kDayNames[weekday];
        else if (n == 3) out.append(kDayNames[weekday], 3);
        else out += number(d, static_cast<int>(n));
        after_hour = false;
        break;
      case u'm':
        if (after_hour && n <= 2) {
          out += number(mi, static_cast<int>(n));
        } else if (n >= 4) {
          out += kMonthNames[mo - 1];
        } else if (n == 3) {
          out.append(kMonthNames[mo - 1], 3);
        } else {
          out += number(mo, static_cast<int>(n));
        }
        after_hour = false;
        break;
      case u'y':
        out += n <= 2 ? number(((y % 100) + 100) % 100, 2) : number(y, 4);
        after_hour = false;
        break;
      case u'h':
        out += number(hour, n >= 2 ? 2 : 1);
        after_hour = true;
        break;
      case u'n':
        out += number(mi, n >= 2 ? 2 : 1);
        after_hour = false;
        break;
      case u's':
        out += number(s, n >= 2 ? 2 : 1);
        after_hour = false;
        break;
      case u'z':
        out += number(ms, n >= 3 ? 3 : 1);
        after_hour = false;
        break;
      default:
        out.append(Format, i, n == 0 ? 1 : n);
        break;
    }
    i += n == 0 ? 1 : n;
  }
  return out;
}

}  // namespace zyl

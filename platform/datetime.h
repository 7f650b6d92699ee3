// Library: zyl / Package: platform / Module: datetime
//
// The host framework's date and time: TDateTime counts days since
// 1899-12-30 00:00 with the time of day as the fraction (negative values
// count days backwards; their fraction is still the time of day), Now gives
// the local time, FormatDateTime writes one in a pattern.
//
// Example:
//   encode_date_time(2024, 2, 29, 13, 5, 9, 0)            // == 45351.54524305...
//   FormatDateTime(u"yyyy-mm-dd hh:nn:ss", 45351.5)     // == u"2024-02-29 12:00:00"
#pragma once

#include <cstdint>

#include "platform/hoststring.h"

namespace zyl {

using TDateTime = double;

// The current local date and time (millisecond resolution).
[[nodiscard]] ZYL_API TDateTime Now();

// The TDateTime of a calendar date and clock time (proleptic Gregorian
// calendar). Fields out of their ranges are not checked; they simply count
// on (month 13 is not valid input).
[[nodiscard]] ZYL_API TDateTime encode_date_time(int Year, int Month, int Day, int Hour, int Minute, int Second,
                                               int MilliSecond);

// Splits a TDateTime into its calendar fields; the time is rounded to the
// nearest millisecond. A value outside about +-10^7 years is clamped there.
ZYL_API void decode_date_time(TDateTime Value, int& Year, int& Month, int& Day, int& Hour, int& Minute,
                            int& Second, int& MilliSecond);

// Writes Value in the pattern Format. Specifiers (letters in either case):
//   d dd        day without / with leading zero     ddd dddd  "Mon" / "Monday"
//   m mm        month (minute right after h or hh)   mmm mmmm  "Jan" / "January"
//   yy yyyy     year in two / four digits            h hh      hour
//   n nn        minute                               s ss      second
//   z zzz       millisecond                          am/pm a/p 12-hour clock with
//                                                              the marker as written
//   "text" 'text'  copied without the quotes         anything else is copied
// Names are English; the result does not depend on the locale.
//   FormatDateTime(u"d mmm yyyy, h:nn am/pm", encode_date_time(2024,2,9,15,7,0,0))
//     == u"9 Feb 2024, 3:07 pm"
[[nodiscard]] ZYL_API String FormatDateTime(const String& Format, TDateTime Value);

}  // namespace zyl

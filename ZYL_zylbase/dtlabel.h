// Library: zyl / Package: ZYL_zylbase / Module: dtlabel
//
// TDTLabel: the format of the date and time labels of an axis. Defaults:
// tfHHMMSS, date separator ".", time separator ":", ylYYYY, no month names,
// doYYMMDD, dtOnePerChart. SetDAteOrder and SetTimeFormat fire OnChange on
// every call; the other setters only when the value changes.
//
// Example:
//   TDTLabel d;  d.OnChange = ...;
//   d.SetDateSeparator(u'.');   // unchanged: no OnChange
//   d.SetTimeFormat(TTimeFormat::tfHHMMSS);   // OnChange, although unchanged
#pragma once

#include "platform/events.h"
#include "platform/hoststring.h"
#include "ZYL_zylbase/enums.h"

namespace ZYL_zylbase {

class ZYL_API TDTLabel : public zyl::TPersistent {
 public:
  TDTLabel() = default;
  // Clears OnChange first, so nothing is notified while the label goes away.
  ~TDTLabel() override;

  // Copies every field, OnChange included; fires nothing.
  void Assign(const zyl::TPersistent* Source) override;
  void AssignTo(zyl::TPersistent* Dest) const override;
  void Changed();

  TTimeFormat TimeFormat() const noexcept { return FTimeFormat; }
  zyl::Char DateSeparator() const noexcept { return FDateSeparator; }
  zyl::Char TimeSeparator() const noexcept { return FTimeSeparator; }
  TYearLength YearLength() const noexcept { return FYearLength; }
  bool MonthName() const noexcept { return FMonthName; }
  TDateOrder DateOrder() const noexcept { return FDateOrder; }
  TDateForTime DateForTime() const noexcept { return FDateForTime; }

  void SetDAteOrder(TDateOrder Value);
  void SetTimeFormat(TTimeFormat Value);
  void SetDateSeparator(zyl::Char Value);
  void SetTimeSeparator(zyl::Char Value);
  void SetYearLength(TYearLength Value);
  void SetDateForTime(TDateForTime Value);
  void SetMonthName(bool Value);

  zyl::TNotifyEvent OnChange;

 private:
  TTimeFormat FTimeFormat = TTimeFormat::tfHHMMSS;
  zyl::Char FDateSeparator = u'.';
  zyl::Char FTimeSeparator = u':';
  TYearLength FYearLength = TYearLength::ylYYYY;
  bool FMonthName = false;
  TDateOrder FDateOrder = TDateOrder::doYYMMDD;
  TDateForTime FDateForTime = TDateForTime::dtOnePerChart;
};

}  // namespace ZYL_zylbase

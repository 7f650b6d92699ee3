// Library: zyl / Package: ZYL_zylbase / Module: dtlabel
#include "ZYL_zylbase/dtlabel.h"

namespace ZYL_zylbase {
namespace {

// Stores Value and notifies when it differs from Field.
template <class T>
void set_if_changed(TDTLabel& L, T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  L.Changed();
}

}  // namespace

TDTLabel::~TDTLabel() { OnChange = nullptr; }

void TDTLabel::Assign(const zyl::TPersistent* Source) {
  const auto* s = dynamic_cast<const TDTLabel*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FTimeFormat = s->FTimeFormat;
  FDateSeparator = s->FDateSeparator;
  FTimeSeparator = s->FTimeSeparator;
  FYearLength = s->FYearLength;
  FMonthName = s->FMonthName;
  FDateOrder = s->FDateOrder;
  FDateForTime = s->FDateForTime;
  OnChange = s->OnChange;
}

void TDTLabel::AssignTo(zyl::TPersistent* Dest) const {
  if (auto* d = dynamic_cast<TDTLabel*>(Dest)) {
    d->Assign(this);
    return;
  }
  TPersistent::AssignTo(Dest);
}

void TDTLabel::Changed() {
  if (OnChange) OnChange(this);
}

void TDTLabel::SetDAteOrder(TDateOrder Value) {
  FDateOrder = Value;
  Changed();
}

void TDTLabel::SetTimeFormat(TTimeFormat Value) {
  FTimeFormat = Value;
  Changed();
}

void TDTLabel::SetDateSeparator(zyl::Char Value) { set_if_changed(*this, FDateSeparator, Value); }
void TDTLabel::SetTimeSeparator(zyl::Char Value) { set_if_changed(*this, FTimeSeparator, Value); }
void TDTLabel::SetYearLength(TYearLength Value) { set_if_changed(*this, FYearLength, Value); }
void TDTLabel::SetDateForTime(TDateForTime Value) { set_if_changed(*this, FDateForTime, Value); }
void TDTLabel::SetMonthName(bool Value) { set_if_changed(*this, FMonthName, Value); }

}  // namespace ZYL_zylbase

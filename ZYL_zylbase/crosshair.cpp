// Library: zyl / Package: ZYL_zylbase / Module: crosshair
#include "ZYL_zylbase/crosshair.h"

#include <algorithm>

namespace ZYL_zylbase {

void TCrossHair::Assign(const zyl::TPersistent* Source) {
  const auto* s = dynamic_cast<const TCrossHair*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FPosX = s->FPosX;
  FPosY = s->FPosY;
  FColor = s->FColor;
  FMode = s->FMode;
  FLineType = s->FLineType;
  FLineWid = s->FLineWid;
  FLayer = s->FLayer;
  OnChange = s->OnChange;
}

void TCrossHair::AssignTo(zyl::TPersistent* Dest) const {
  if (auto* d = dynamic_cast<TCrossHair*>(Dest)) {
    d->Assign(this);
    return;
  }
  TPersistent::AssignTo(Dest);
}

void TCrossHair::Changed() {
  if (OnChange) OnChange(this);
}

void TCrossHair::SetPos(double XPos, double YPos) {
  if (XPos == FPosX && YPos == FPosY) return;
  FPosX = XPos;
  FPosY = YPos;
  Changed();
}

void TCrossHair::SetCrossHPosX(double Value) {
  FPosX = Value;
  Changed();
}

void TCrossHair::SetCrossHPosY(double Value) {
  FPosY = Value;
  Changed();
}

void TCrossHair::SetCrossHColor(zyl::TColor Value) {
  FColor = Value;
  Changed();
}

void TCrossHair::SetCrossHMode(TCrossHMode Value) {
  FMode = Value;
  Changed();
}

void TCrossHair::SetCrossHLineType(zyl::TPenStyle Value) {
  FLineType = Value;
  Changed();
}

void TCrossHair::SetCrossHLineWid(std::int32_t Value) {
  FLineWid = Value;
  Changed();
}

void TCrossHair::SetCrossHLayer(std::int32_t Value) {
  FLayer = std::clamp(Value, 1, 2);
  Changed();
}

}  // namespace ZYL_zylbase

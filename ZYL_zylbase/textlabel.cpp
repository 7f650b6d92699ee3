// Library: zyl / Package: ZYL_zylbase / Module: textlabel
#include "ZYL_zylbase/textlabel.h"

namespace ZYL_zylbase {

void TCustomTextLabel::Assign(const zyl::TPersistent* Source) {
  const auto* s = dynamic_cast<const TCustomTextLabel*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FPosX = s->FPosX;
  FPosY = s->FPosY;
  FLayer = s->FLayer;
  FXShadow = s->FXShadow;
  FYShadow = s->FYShadow;
  FColorShadow = s->FColorShadow;
  FAlignment = s->FAlignment;
  FVertAlign = s->FVertAlign;
  FAttachDat = s->FAttachDat;
  FColorBkg = s->FColorBkg;
  FColorBrd = s->FColorBrd;
  FTransPar = s->FTransPar;
  FFont.Assign(&s->FFont);
  FCaption = s->FCaption;
  FMode = s->FMode;
  OnChange = s->OnChange;
  FVisible = s->FVisible;
}

void TCustomTextLabel::AssignTo(zyl::TPersistent* Dest) const {
  if (auto* d = dynamic_cast<TCustomTextLabel*>(Dest)) {
    d->Assign(this);
    return;
  }
  TPersistent::AssignTo(Dest);
}

void TCustomTextLabel::Changed() {
  if (OnChange) OnChange(this);
}

void TCustomTextLabel::SetTxtLblScreenPos(TTxtLblAttachMode Value) {
  FAttachDat = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblAlignment(zyl::TAlignment Value) {
  FAlignment = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblVertAlignment(TVerticalAlignment Value) {
  FVertAlign = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblPosX(double Value) {
  FPosX = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblPosY(double Value) {
  FPosY = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblLayer(std::int32_t Value) {
  if (Value < 1 || Value > 16) return;
  FLayer = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblColorBkg(zyl::TColor Value) {
  FColorBkg = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblColorBrd(zyl::TColor Value) {
  FColorBrd = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblColorShadow(zyl::TColor Value) {
  FColorShadow = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblShadowDx(std::int32_t Value) {
  FXShadow = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblShadowDy(std::int32_t Value) {
  FYShadow = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblVisible(bool Value) {
  FVisible = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblFont(const zyl::TFont& Value) {
  FFont.Assign(&Value);
  Changed();
}

void TCustomTextLabel::SetTxtLblCaption(const zyl::String& Value) {
  FCaption = Value;
  for (zyl::Char& c : FCaption)
    if (c < 32 && c != 10) c = u' ';
  Changed();
}

void TCustomTextLabel::SetTxtLblTranspar(bool Value) {
  FTransPar = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblMode(TTxtLblMode Value) {
  FMode = Value;
  Changed();
}

}  // namespace ZYL_zylbase

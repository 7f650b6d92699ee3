// Library: zyl / Package: ZYL_zylbase / Module: crosshair
//
// TCrossHair: a cross-hair cursor. Every field starts at zero: position
// (0, 0), black, chOff, a solid pen of width 0, layer 0. The setters store
// and notify on every call; SetCrossHLayer first clamps to 1..2; SetPos
// notifies once, and only when a coordinate changes.
//
// Example:
//   TCrossHair h;  h.SetCrossHLayer(7);   // Layer() == 2, OnChange fired
//   h.SetPos(0, 0);                       // unchanged: nothing fired
#pragma once

#include <cstdint>

#include "platform/canvas.h"
#include "platform/events.h"
#include "ZYL_zylbase/enums.h"

namespace ZYL_zylbase {

class ZYL_API TCrossHair : public zyl::TPersistent {
 public:
  // Copies every field, OnChange included; fires nothing.
  void Assign(const zyl::TPersistent* Source) override;
  void AssignTo(zyl::TPersistent* Dest) const override;
  void Changed();

  double PosX() const noexcept { return FPosX; }
  double PosY() const noexcept { return FPosY; }
  zyl::TColor Color() const noexcept { return FColor; }
  std::int32_t Layer() const noexcept { return FLayer; }
  TCrossHMode Mode() const noexcept { return FMode; }
  zyl::TPenStyle LineType() const noexcept { return FLineType; }
  std::int32_t LineWid() const noexcept { return FLineWid; }

  void SetPos(double XPos, double YPos);
  void SetCrossHPosX(double Value);
  void SetCrossHPosY(double Value);
  void SetCrossHColor(zyl::TColor Value);
  void SetCrossHMode(TCrossHMode Value);
  void SetCrossHLineType(zyl::TPenStyle Value);
  void SetCrossHLineWid(std::int32_t Value);
  void SetCrossHLayer(std::int32_t Value);

  zyl::TNotifyEvent OnChange;

 private:
  double FPosX = 0;
  double FPosY = 0;
  zyl::TColor FColor = 0;
  TCrossHMode FMode = TCrossHMode::chOff;
  zyl::TPenStyle FLineType = zyl::TPenStyle::psSolid;
  std::int32_t FLineWid = 0;
  std::int32_t FLayer = 0;
};

}  // namespace ZYL_zylbase

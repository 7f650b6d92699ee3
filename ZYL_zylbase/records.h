// Library: zyl / Package: ZYL_zylbase / Module: records
//
// Small geometry records. All fields are plain values.
//
// TRectDouble's corners are also reachable as points: TopLeft() overlays
// Left and Top, BottomRight() overlays Right and Bottom, for reading and for
// writing.
//
// Example:
//   TRectDouble r{0, 0, 10, 5};
//   r.BottomRight() = {20, 8};     // r.Right == 20, r.Bottom == 8
//   r.TopLeft().X                  // == 0
#pragma once

#include <cstdint>

#include "platform/events.h"

namespace ZYL_zylbase {

struct TPointDouble {
  double X = 0;
  double Y = 0;
  friend bool operator==(const TPointDouble&, const TPointDouble&) = default;
};

struct TRectDouble {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;

  // A view of two adjacent fields as a point; reads and writes go to the rect.
  class PointRef {
   public:
    PointRef(double& AX, double& AY) : X(AX), Y(AY) {}
    PointRef& operator=(const TPointDouble& P) {
      X = P.X;
      Y = P.Y;
      return *this;
    }
    operator TPointDouble() const { return {X, Y}; }
    double& X;
    double& Y;
  };

  PointRef TopLeft() { return {Left, Top}; }
  PointRef BottomRight() { return {Right, Bottom}; }
  TPointDouble TopLeft() const { return {Left, Top}; }
  TPointDouble BottomRight() const { return {Right, Bottom}; }
  friend bool operator==(const TRectDouble&, const TRectDouble&) = default;
};

struct TColoredPoint {
  double X = 0;
  double Y = 0;
  std::uint16_t Flag = 0;
  zyl::TColor Color = 0;
};

struct TCellPosition4D {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::int32_t L = 0;
  std::int32_t T = 0;
  friend bool operator==(const TCellPosition4D&, const TCellPosition4D&) = default;
};

}  // namespace ZYL_zylbase

// Library: zyl / Package: platform / Module: events
//
// The host framework's event types. An event is a std::function; an empty
// one is "unassigned". Plain functions and lambdas bound to an object both
// convert to it.
//
// Example:
//   fifo.OnChange = [&](zyl::TObject* Sender) { ++changes; };
#pragma once

#include <cstdint>
#include <functional>

#include "platform/object.h"

namespace zyl {

// The event of every OnChange property: Sender is the object that changed.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// The host framework's integer point.
struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// The host framework's 32-bit colour: red in the low byte, then green, then
// blue; top byte 0 for explicit RGB colours.
using TColor = std::uint32_t;

}  // namespace zyl

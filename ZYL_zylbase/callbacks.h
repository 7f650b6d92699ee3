// Library: zyl / Package: ZYL_zylbase / Module: callbacks
//
// Event and callback types for progress and abort reporting. Method-kind
// types are std::function (a callable bound to an object); procedure-kind
// types are plain function pointers, as callers of the original platform
// pass them. Sender is always the object that raises the event.
//
// Example:
//   TOnCheckAbortEvent check = [&](zyl::TObject*, bool& Abort) { Abort = stopRequested; };
#pragma once

#include <cstdint>
#include <functional>

#include "platform/events.h"

namespace ZYL_zylbase {

using TOnPercentDoneEvent = std::function<void(zyl::TObject* Sender, std::int32_t PercentDone)>;
using TOnCheckAbortEvent = std::function<void(zyl::TObject* Sender, bool& Abort)>;
using TOnRubberBandActionEvent = std::function<void(zyl::TObject* Sender, const zyl::TPoint& APoint)>;
using TSortExchgEvent = std::function<void(zyl::TObject* Sender, std::uint8_t ExchgWhat, std::int32_t index1,
                                           std::int32_t index2, std::int32_t first, std::int32_t last)>;
using TZoomPanEvent = std::function<void(zyl::TObject* Sender)>;
using TSelectRectEvent = std::function<void(zyl::TObject* Sender, std::int32_t Layer, double LoX, double LoY,
                                            double HiX, double HiY)>;
using TFeedbackProc = void (*)(zyl::TObject* Sender, double StateCnt, double PercentDone);
using FeedBackProcType = void (*)(double StateCnt);

}  // namespace ZYL_zylbase

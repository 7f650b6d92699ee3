// Library: zyl / Package: ZYL_zylbase / Module: progress
//
// Process-wide progress globals for long computations in client code. The
// library itself never reads or writes them after start-up, which zeroes
// ProcStat. They are unsynchronised: programs running computations on
// several threads coordinate their use themselves.
#pragma once

#include <cstdint>

#include "platform/api.h"
#include "ZYL_zylbase/callbacks.h"

namespace ZYL_zylbase {

extern ZYL_API double ProcStat;                    // current progress state count
extern ZYL_API double LastProcStat;                // the state count last reported
extern ZYL_API std::int32_t AbortMathProc;         // non-zero asks the computation to stop
extern ZYL_API FeedBackProcType MathFeedBackProc;  // feedback slot; null when unused

}  // namespace ZYL_zylbase

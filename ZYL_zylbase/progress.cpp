// Library: zyl / Package: ZYL_zylbase / Module: progress
#include "ZYL_zylbase/progress.h"

namespace ZYL_zylbase {

double ProcStat = 0;
double LastProcStat = 0;
std::int32_t AbortMathProc = 0;
FeedBackProcType MathFeedBackProc = nullptr;

}  // namespace ZYL_zylbase

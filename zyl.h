// Library: zyl
//
// The umbrella header: every module of the package, all reachable through
// namespace zyl as well as through their own namespaces.
//
// Example:
//   #include "zyl.h"
//   zyl::TFifo fifo(nullptr);
//   ZYL_dstruct::TFifo same_type(nullptr);
#pragma once

#include "package/package.h"
#include "platform/platform.h"
#include "ZYL_zylbase/ZYL_zylbase.h"
#include "ZYL_univconst/ZYL_univconst.h"
#include "ZYL_stringl/ZYL_stringl.h"
#include "ZYL_dstruct/ZYL_dstruct.h"
#include "ZYL_streams/ZYL_streams.h"
#include "ZYL_htmlsupport/ZYL_htmlsupport.h"
#include "ZYL_filesys/ZYL_filesys.h"
#include "ZYL_cpuid/ZYL_cpuid.h"

namespace zyl {
using namespace ZYL_zylbase;
using namespace ZYL_univconst;
using namespace ZYL_stringl;
using namespace ZYL_dstruct;
using namespace ZYL_streams;
using namespace ZYL_htmlsupport;
using namespace ZYL_filesys;
using namespace ZYL_cpuid;
}  // namespace zyl

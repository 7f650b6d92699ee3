// Library: zyl / Package: ZYL_zylbase
//
// The foundation module: error classes, shared arrays, records,
// enumerations, callback types, progress globals, and the locale and
// enumeration-name tables.
#pragma once

#include "ZYL_zylbase/arrays.h"
#include "ZYL_zylbase/callbacks.h"
#include "ZYL_zylbase/enums.h"
#include "ZYL_zylbase/errors.h"
#include "ZYL_zylbase/localetables.h"
#include "ZYL_zylbase/nametables.h"
#include "ZYL_zylbase/progress.h"
#include "ZYL_zylbase/records.h"

// Library: zyl / Package: ZYL_zylbase
//
// The foundation module: error classes, shared arrays, records,
// enumerations, callback types, progress globals, the locale and
// enumeration-name tables, canvas drawing helpers and marks, and the text
// label classes with their XML form.
#pragma once

#include "ZYL_zylbase/arrays.h"
#include "ZYL_zylbase/callbacks.h"
#include "ZYL_zylbase/crosshair.h"
#include "ZYL_zylbase/drawing.h"
#include "ZYL_zylbase/dtlabel.h"
#include "ZYL_zylbase/enums.h"
#include "ZYL_zylbase/errors.h"
#include "ZYL_zylbase/localetables.h"
#include "ZYL_zylbase/marks.h"
#include "ZYL_zylbase/nametables.h"
#include "ZYL_zylbase/printbitmap.h"
#include "ZYL_zylbase/progress.h"
#include "ZYL_zylbase/records.h"
#include "ZYL_zylbase/textlabel.h"

// Library: zyl / Package: ZYL_univconst
//
// The mathematical constants, numeric limits and the table of ln(k!).
#pragma once

#include "ZYL_univconst/constants.h"
#include "ZYL_univconst/lnfactorial.h"

// Library: zyl / Package: ZYL_cpuid
//
// CPU identification: vendor, brand, signature, features, processor count,
// clock speed and a machine identifier.
#pragma once

#include "ZYL_cpuid/cpuinfo.h"
#include "ZYL_cpuid/machineid.h"

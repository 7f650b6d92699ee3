// Library: zyl / Package: ZYL_filesys
//
// The file system: system and disk information, file dates, passwords.
#pragma once

#include "ZYL_filesys/filedates.h"
#include "ZYL_filesys/password.h"
#include "ZYL_filesys/sysinfo.h"

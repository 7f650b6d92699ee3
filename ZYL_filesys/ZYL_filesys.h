// Library: zyl / Package: ZYL_filesys
//
// The file system: path and file-name utilities, directory scanning, copying
// and deletion, text-file utilities, system and disk information, file dates,
// passwords.
#pragma once

#include "ZYL_filesys/ascheader.h"
#include "ZYL_filesys/dirscan.h"
#include "ZYL_filesys/filecopy.h"
#include "ZYL_filesys/filedates.h"
#include "ZYL_filesys/filedelete.h"
#include "ZYL_filesys/filefind.h"
#include "ZYL_filesys/password.h"
#include "ZYL_filesys/pathnames.h"
#include "ZYL_filesys/pathondisk.h"
#include "ZYL_filesys/sysinfo.h"
#include "ZYL_filesys/textfilelines.h"
#include "ZYL_filesys/textfiletype.h"
#include "ZYL_filesys/textsearch.h"
#include "ZYL_filesys/univsavedialog.h"

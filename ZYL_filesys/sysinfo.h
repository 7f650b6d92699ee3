// Library: zyl / Package: ZYL_filesys / Module: sysinfo
//
// What the operating system tells about the machine and its disks: a network
// adapter's hardware address, physical memory, drives and their free space,
// whether a directory or disk can be written, environment variables, the
// standard directories and the program associated with a file extension.
//
// On POSIX the Windows notions are adapted: drive C: (index 2) is the root
// file system "/" and the only drive; the system directory is "/usr/lib",
// the Windows directory "/"; associations come from the XDG MIME database.
//
// Example:
//   String mac;
//   GetMacAddress(1, mac);        // 0, mac == u"52-54-00-12-34-56" (or all zeros)
//   GetDiskDriveType(2);          // 3 (fixed) on both systems
//   GetEnviroVar(u"path");        // the PATH variable, whatever its case
#pragma once

#include <cstdint>

#include "platform/hoststring.h"
#include "platform/stringlist.h"

namespace ZYL_filesys {

using zyl::String;

// The hardware address of the first adapter of a kind (1 wired, 2 wireless)
// as "XX-XX-XX-XX-XX-XX" in upper-case hexadecimal digits, or
// "00-00-00-00-00-00" when none matched. Returns 0 (also when none matched),
// -1 for another kind, -2 when the adapter list cannot be had, -3 when the
// system has no adapter data; raises zyl::Exception with the system's text
// for any other failure of the adapter query.
ZYL_API int GetMacAddress(int AdapterKind, String& Address);

// Total and available physical memory in bytes; both 0 and false when the
// system does not say.
ZYL_API bool GetMemoryStatus(std::int64_t& Total, std::int64_t& Available);

// Free bytes on a drive (0 = A: ... 25 = Z:), or -1 when it cannot be asked.
ZYL_API double DiskFreeExtended(std::uint8_t Drive);

// True when a new probe file cannot be created in Dir (a separator is added
// when missing; an empty Dir means the current directory). The probe gets a
// fresh, unpredictable name and is created exclusively, never through a
// link, so no existing entry of Dir is opened, truncated or removed. When it
// can be created, it is deleted again and the result is false; raises
// zyl::EInOutError when the probe file was created but cannot be closed or
// deleted.
ZYL_API bool DirIsReadOnly(const String& Dir);

// The same probe in the root of a drive; any failure gives true, never raises.
ZYL_API bool DiskIsReadOnly(std::uint8_t Drive);

// The drive type code: 0 unknown (also for an index above 25), 1 no root
// directory, 2 removable, 3 fixed, 4 remote, 5 optical, 6 RAM disk.
ZYL_API int GetDiskDriveType(std::uint8_t Drive);

// Clears List and adds "A:" ... "Z:" for each existing drive, in order.
ZYL_API void BuildDriveList(zyl::TStrings& List);

// The value of the first environment entry whose name equals Name without
// regard to case (A-Z), or empty.
//   GetEnviroVar(u"Home") == GetEnviroVar(u"HOME")
ZYL_API String GetEnviroVar(const String& Name);

// The standard directories (see the header comment for POSIX).
ZYL_API String GetSystemDir();
ZYL_API String GetWindowsDir();
// The temporary directory in its long form, ending with a separator; empty
// when it cannot be asked.
ZYL_API String GetTempDir();

// The command line of the program that opens files with extension Ext
// (without the dot), or empty.
ZYL_API String GetProgAssoc(const String& Ext);

}  // namespace ZYL_filesys

// Library: zyl / Package: platform / Module: sysinfo
//
// What the operating system tells about the machine: processors, memory,
// the system tick and process priority, network adapters, drives and disks,
// the environment and the standard directories. Module code builds its
// documented results on these; each function states where the two systems
// differ.
//
// Backends: platform/posix/sysinfo.cpp and platform/win32/sysinfo.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/hoststring.h"

namespace zyl::platform {

// ---- Processors, memory, time -------------------------------------------

// The number of processors the system runs (online processors on POSIX,
// GetSystemInfo on Windows); at least 1.
ZYL_API int processor_count();

// Total and available physical memory in bytes; false when the system does
// not say (POSIX: /proc/meminfo MemTotal and MemAvailable, else sysinfo).
ZYL_API bool memory_status(std::uint64_t& Total, std::uint64_t& Available);

// Milliseconds on the system's tick, wrapping at 2^32 (GetTickCount; the
// monotonic clock on POSIX).
ZYL_API std::uint32_t tick_count_ms();

// Raises the priority of the process and the calling thread as far as the
// system permits (Windows: real-time class and time-critical thread; POSIX:
// the highest nice value allowed), silently keeping it where it does not, and
// restores both when it ends.
class ZYL_API PriorityBoost {
 public:
  PriorityBoost();
  ~PriorityBoost();
  PriorityBoost(const PriorityBoost&) = delete;
  PriorityBoost& operator=(const PriorityBoost&) = delete;

 private:
  int FSavedProcess = 0;
  int FSavedThread = 0;
  bool FRaised = false;
};

// ---- Network adapters -----------------------------------------------------

enum class AdapterKind : std::uint8_t { Wired = 1, Wireless = 2 };

// The hardware address of the first adapter of Kind, by the system's rule:
// Windows: GetAdaptersAddresses in list order, adapters with an address only,
//   friendly name "ethernet" / "local area connection" (wired) or "wifi" /
//   "wireless network connection" (wireless), compared lower-cased and whole;
//   returns -2 when no buffer can be had, -3 when the system has no adapter
//   data, and raises Exception with the system's text for any other error.
// POSIX: in interface-index order, the first interface that is up, not the
//   loopback, backed by a device (not virtual), with a non-zero address;
//   wireless when it has wireless extensions.
// Returns 0, with Address empty when no adapter matched.
ZYL_API int adapter_address(AdapterKind Kind, std::vector<std::uint8_t>& Address);

// ---- Drives and disks (drive index 0 = A: ... 25 = Z:) --------------------

// Bit i set when drive i exists (POSIX: only C:, the root file system).
ZYL_API std::uint32_t logical_drives();

// The drive type code of GetDriveTypeW (0 unknown, 1 no root directory,
// 2 removable, 3 fixed, 4 remote, 5 optical, 6 RAM disk). POSIX: 3 for C:,
// 1 for every other drive. Drive must be 0..25.
ZYL_API int drive_type(int Drive);

// The root directory of a drive ("C:\"; POSIX: "/" for C:), empty when the
// drive has no root directory. Drive must be 0..25.
ZYL_API String drive_root(int Drive);

// Free bytes on the volume holding Directory (GetDiskFreeSpaceW: sectors per
// cluster x bytes per sector x free clusters; statvfs: fragment size x
// available blocks); false when it cannot be asked.
ZYL_API bool disk_free_bytes(const String& Directory, std::uint64_t& Free);

// ---- Environment and standard directories ---------------------------------

// The process's environment as "NAME=value" entries, in the system's order.
ZYL_API std::vector<String> environment_entries();

// GetSystemDirectoryW / "/usr/lib".
ZYL_API String system_directory();
// GetWindowsDirectoryW / "/".
ZYL_API String windows_directory();
// The temporary directory with its trailing separator: GetTempPathW in its
// long form; POSIX: $TMPDIR when it names a directory, else "/tmp", with "/".
// Empty when it cannot be asked.
ZYL_API String temp_directory();

}  // namespace zyl::platform

// Library: zyl / Package: platform / Module: sysinfo (Win32 backend)
#include "platform/sysinfo.h"

#include "platform/win32/win.h"
// The adapter API needs the sockets header first; both follow <windows.h>.
#include <winsock2.h>
#include <iphlpapi.h>

#include <new>

#include "platform/casemap.h"
#include "platform/exceptions.h"
#include "platform/file.h"

namespace zyl::platform {
namespace {

constexpr ULONG kAdapterBufferSize = 15000;
constexpr ULONG kIncludeAllInterfaces = 0x100;  // GAA_FLAG_INCLUDE_ALL_INTERFACES
constexpr int kAdapterCalls = 3;

bool adapter_name_matches(AdapterKind Kind, const String& FriendlyName) {
  const String name = AnsiLowerCase(FriendlyName);
  if (Kind == AdapterKind::Wired) return name == u"ethernet" || name == u"local area connection";
  return name == u"wifi" || name == u"wireless network connection";
}

String wide_result(UINT (*Ask)(wchar_t*, UINT), UINT Capacity) {
  std::wstring buffer(Capacity, L'\0');
  const UINT n = Ask(buffer.data(), Capacity);
  if (n == 0 || n >= Capacity) return String();
  buffer.resize(n);
  return win::narrow(buffer);
}

UINT ask_system_directory(wchar_t* Buffer, UINT Size) { return ::GetSystemDirectoryW(Buffer, Size); }
UINT ask_windows_directory(wchar_t* Buffer, UINT Size) { return ::GetWindowsDirectoryW(Buffer, Size); }

}  // namespace

int processor_count() {
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  return info.dwNumberOfProcessors > 0 ? static_cast<int>(info.dwNumberOfProcessors) : 1;
}

bool memory_status(std::uint64_t& Total, std::uint64_t& Available) {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;  // 64
  if (!::GlobalMemoryStatusEx(&status)) return false;
  Total = status.ullTotalPhys;
  Available = status.ullAvailPhys;
  return true;
}

std::uint32_t tick_count_ms() { return ::GetTickCount(); }

PriorityBoost::PriorityBoost() {
  FSavedProcess = static_cast<int>(::GetPriorityClass(::GetCurrentProcess()));
  FSavedThread = ::GetThreadPriority(::GetCurrentThread());
  FRaised = FSavedProcess != 0 && FSavedThread != THREAD_PRIORITY_ERROR_RETURN;
  if (!FRaised) return;
  ::SetPriorityClass(::GetCurrentProcess(), REALTIME_PRIORITY_CLASS);
  ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
}

PriorityBoost::~PriorityBoost() {
  if (!FRaised) return;
  ::SetThreadPriority(::GetCurrentThread(), FSavedThread);
  ::SetPriorityClass(::GetCurrentProcess(), static_cast<DWORD>(FSavedProcess));
}

int adapter_address(AdapterKind Kind, std::vector<std::uint8_t>& Address) {
  Address.clear();
  ULONG size = kAdapterBufferSize;
  std::vector<unsigned char> buffer;
  ULONG result = ERROR_BUFFER_OVERFLOW;
  for (int call = 0; call < kAdapterCalls && result == ERROR_BUFFER_OVERFLOW; ++call) {
    try {
      buffer.assign(size, 0);
    } catch (const std::bad_alloc&) {
      return -2;
    }
    result = ::GetAdaptersAddresses(AF_UNSPEC, kIncludeAllInterfaces, nullptr,
                                    reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
  }
  if (result == ERROR_NO_DATA) return -3;
  if (result != NO_ERROR) throw Exception(error_message(static_cast<int>(result)));
  for (auto* a = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); a != nullptr; a = a->Next) {
    if (a->PhysicalAddressLength == 0 || a->FriendlyName == nullptr) continue;
    const std::wstring_view name(a->FriendlyName);
    if (!adapter_name_matches(Kind, String(name.begin(), name.end()))) continue;
    Address.assign(a->PhysicalAddress, a->PhysicalAddress + a->PhysicalAddressLength);
    break;
  }
  return 0;
}

std::uint32_t logical_drives() { return ::GetLogicalDrives(); }

String drive_root(int Drive) { return String{static_cast<char16_t>(u'A' + Drive), u':', u'\\'}; }

int drive_type(int Drive) { return static_cast<int>(::GetDriveTypeW(win::widen(drive_root(Drive)).c_str())); }

bool disk_free_bytes(const String& Directory, std::uint64_t& Free) {
  DWORD sectors_per_cluster = 0, bytes_per_sector = 0, free_clusters = 0, clusters = 0;
  const std::wstring path = win::widen_path(Directory);
  if (path.empty() || !::GetDiskFreeSpaceW(path.c_str(), &sectors_per_cluster, &bytes_per_sector,
                                           &free_clusters, &clusters))
    return false;
  Free = static_cast<std::uint64_t>(sectors_per_cluster) * bytes_per_sector * free_clusters;
  return true;
}

std::vector<String> environment_entries() {
  std::vector<String> entries;
  wchar_t* block = ::GetEnvironmentStringsW();
  if (block == nullptr) return entries;
  for (const wchar_t* e = block; *e != L'\0'; e += std::wcslen(e) + 1) {
    const std::wstring_view entry(e);
    entries.emplace_back(entry.begin(), entry.end());
  }
  ::FreeEnvironmentStringsW(block);
  return entries;
}

String system_directory() { return wide_result(&ask_system_directory, 2048); }

String windows_directory() { return wide_result(&ask_windows_directory, 2048); }

String temp_directory() {
  constexpr DWORD kCapacity = 1024;
  std::wstring path(kCapacity, L'\0');
  DWORD n = ::GetTempPathW(kCapacity, path.data());
  if (n == 0 || n >= kCapacity) return String();
  const DWORD long_n = ::GetLongPathNameW(path.c_str(), path.data(), kCapacity);
  if (long_n != 0 && long_n < kCapacity) n = long_n;
  path.resize(n);
  return win::narrow(path);
}

}  // namespace zyl::platform

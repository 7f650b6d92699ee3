// Library: zyl / Package: platform / Module: sysinfo (POSIX backend)
#include "platform/sysinfo.h"
#include "platform/posix/osname.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

extern char** environ;

namespace zyl::platform {
namespace {

constexpr int kDriveC = 2;

// A value of /proc/meminfo in bytes ("MemTotal:  16318412 kB"), or 0.
std::uint64_t meminfo_bytes(const std::string& Text, const std::string& Key) {
  std::istringstream lines(Text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string name, unit;
    std::uint64_t value = 0;
    if (fields >> name >> value && name == Key + ":") {
      fields >> unit;
      return unit == "kB" ? value * 1024 : value;
    }
  }
  return 0;
}

std::string read_small_file(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool is_directory(const std::string& Path) {
  struct stat st;
  return ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// An interface backed by a device has /sys/class/net/<name>/device; a
// wireless one also has .../wireless (or phy80211).
bool has_device(const std::string& Name) { return ::access(("/sys/class/net/" + Name + "/device").c_str(), F_OK) == 0; }
bool is_wireless(const std::string& Name) {
  const std::string base = "/sys/class/net/" + Name;
  return ::access((base + "/wireless").c_str(), F_OK) == 0 || ::access((base + "/phy80211").c_str(), F_OK) == 0;
}

// The hardware address sysfs reports ("52:54:00:12:34:56"), as bytes.
std::vector<std::uint8_t> sysfs_address(const std::string& Name) {
  std::vector<std::uint8_t> bytes;
  const std::string text = read_small_file("/sys/class/net/" + Name + "/address");
  std::size_t i = 0;
  while (i + 1 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])) &&
         std::isxdigit(static_cast<unsigned char>(text[i + 1]))) {
    bytes.push_back(static_cast<std::uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
    i += 2;
    if (i < text.size() && text[i] == ':') ++i;
  }
  return bytes;
}

}  // namespace

int processor_count() {
  const long n = ::sysconf(_SC_NPROCESSORS_ONLN);
  return n > 0 ? static_cast<int>(n) : 1;
}

bool memory_status(std::uint64_t& Total, std::uint64_t& Available) {
  const std::string text = read_small_file("/proc/meminfo");
  Total = meminfo_bytes(text, "MemTotal");
  Available = meminfo_bytes(text, "MemAvailable");
  if (Total != 0) return true;
  struct sysinfo info;
  if (::sysinfo(&info) != 0) return false;
  Total = static_cast<std::uint64_t>(info.totalram) * info.mem_unit;
  Available = static_cast<std::uint64_t>(info.freeram + info.bufferram) * info.mem_unit;
  return true;
}

std::uint32_t tick_count_ms() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
}

PriorityBoost::PriorityBoost() {
  errno = 0;
  const int saved = ::getpriority(PRIO_PROCESS, 0);
  if (saved == -1 && errno != 0) return;
  FSavedProcess = saved;
  // The lowest nice value the process may take: -20 with the privilege,
  // otherwise RLIMIT_NICE allows 20 - limit.
  for (int nice = -20; nice < saved; ++nice) {
    if (::setpriority(PRIO_PROCESS, 0, nice) == 0) {
      FRaised = true;
      break;
    }
  }
}

PriorityBoost::~PriorityBoost() {
  if (FRaised) ::setpriority(PRIO_PROCESS, 0, FSavedProcess);
}

int adapter_address(AdapterKind Kind, std::vector<std::uint8_t>& Address) {
  Address.clear();
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return -3;
  // One entry per interface and address family; order by interface index.
  std::map<unsigned, std::string> up_interfaces;
  for (const ifaddrs* a = list; a != nullptr; a = a->ifa_next) {
    if ((a->ifa_flags & IFF_UP) == 0 || (a->ifa_flags & IFF_LOOPBACK) != 0) continue;
    const unsigned index = ::if_nametoindex(a->ifa_name);
    if (index != 0) up_interfaces.emplace(index, a->ifa_name);
  }
  ::freeifaddrs(list);
  for (const auto& [index, name] : up_interfaces) {
    if (!has_device(name) || is_wireless(name) != (Kind == AdapterKind::Wireless)) continue;
    std::vector<std::uint8_t> bytes = sysfs_address(name);
    if (std::any_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b != 0; })) {
      Address = std::move(bytes);
      break;
    }
  }
  return 0;
}

std::uint32_t logical_drives() { return 1u << kDriveC; }

int drive_type(int Drive) { return Drive == kDriveC ? 3 : 1; }

String drive_root(int Drive) { return Drive == kDriveC ? String(u"/") : String(); }

bool disk_free_bytes(const String& Directory, std::uint64_t& Free) {
  std::string path;
  struct statvfs fs;
  if (!posix::to_os_name(Directory, path) || ::statvfs(path.c_str(), &fs) != 0) return false;
  Free = static_cast<std::uint64_t>(fs.f_frsize) * fs.f_bavail;
  return true;
}

std::vector<String> environment_entries() {
  std::vector<String> entries;
  for (char** e = environ; e != nullptr && *e != nullptr; ++e) entries.push_back(from_utf8(*e));
  return entries;
}

String system_directory() { return u"/usr/lib"; }

String windows_directory() { return u"/"; }

String temp_directory() {
  const char* tmpdir = std::getenv("TMPDIR");
  std::string dir = tmpdir != nullptr && *tmpdir != '\0' && is_directory(tmpdir) ? tmpdir : "/tmp";
  if (dir.back() != '/') dir += '/';
  return posix::from_os_name(dir);
}

}  // namespace zyl::platform

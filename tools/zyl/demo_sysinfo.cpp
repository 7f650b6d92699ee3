// The system-information and CPU sections of "zyl demo". Lines marked
// "(this machine)" depend on the machine and are left out when the native
// and the Windows tour are compared.
#include <cstdio>
#include <string>

#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::string u8(const zyl::String& S) { return zyl::to_utf8(S); }

// V vowel, C consonant, D digit: the form every invented password follows.
std::string password_form(const zyl::String& P) {
  std::string form;
  for (const char16_t c : P) form += zyl::String(u"aeiouy").find(c) != zyl::String::npos ? 'V' : c < u'a' ? 'D' : 'C';
  return form;
}

void demo_sysinfo() {
  std::printf("file times (100 ns since 1601) as date-times (days since 1899-12-30):\n");
  for (const double days : {0.0, 0.5, 1.0, 45351.75}) {
    const zyl::FILETIME ft = zyl::DateTimeToFileTime(days);
    const std::uint64_t v = static_cast<std::uint64_t>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime;
    std::printf("  %-9.2f  %20s  %s\n", days, std::to_string(v).c_str(),
                u8(zyl::FormatDateTime(u"yyyy-mm-dd hh:nn", zyl::FileTimeToDateTime(ft))).c_str());
  }
  zyl::String address;
  const int status = zyl::GetMacAddress(3, address);
  std::printf("GetMacAddress(3): %d, %s\n", status, u8(address).c_str());
  std::printf("GetDiskDriveType(26): %d\n", zyl::GetDiskDriveType(26));
  for (const int n : {4, 8, 11, 30})
    std::printf("InventPassword(%d) has the form %s\n", n, password_form(zyl::InventPassword(n)).c_str());
  std::printf("drive C: type %d (this machine)\n", zyl::GetDiskDriveType(2));
  std::printf("temporary directory %s (this machine)\n", u8(zyl::GetTempDir()).c_str());
}

void demo_cpuid() {
  const auto f = ZYL_cpuid::detail::decode_signature(0x000306A9);
  std::printf("signature 000306A9: family %d, model %d, stepping %d, type %d, extended model %d, extended family %d\n",
              f.Family, f.Model, f.Stepping, f.Type, f.ExModel, f.ExFamily);
  std::printf("division defect present: %s\n", zyl::CPU_FDIVBugPresent() ? "yes" : "no");
  const zyl::String sample = ZYL_cpuid::detail::identifier_from(u"123456789", u"");
  std::printf("identifier of a sample description: %s, check %s; with a digit changed: %s\n", u8(sample).c_str(),
              zyl::CheckGeneratedCPUID(sample) ? "passes" : "fails",
              zyl::CheckGeneratedCPUID(u"0" + sample.substr(1)) ? "passes" : "fails");
  std::printf("vendor %s, %d processors (this machine)\n", u8(zyl::CPU_VendorString()).c_str(), zyl::CPU_Count());
  std::printf("name %s (this machine)\n", u8(zyl::CPU_MarketName()).c_str());
  std::printf("machine identifier %s (this machine)\n", u8(zyl::GenerateCPUID()).c_str());
}

const DemoRegistration sysinfo{{74, "File system: system and disk information, file dates, passwords", demo_sysinfo}};
const DemoRegistration cpuid{{80, "CPU identification", demo_cpuid}};

}  // namespace
}  // namespace zyl_tool

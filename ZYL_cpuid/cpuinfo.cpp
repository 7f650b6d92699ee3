// Library: zyl / Package: ZYL_cpuid / Module: cpuinfo
#include "ZYL_cpuid/cpuinfo.h"

#include <cstdio>

#include "ZYL_cpuid/detail/cpuid_insn.h"
#include "ZYL_zylbase/errors.h"
#include "platform/sysinfo.h"

namespace ZYL_cpuid {

const std::array<const char16_t*, 32> CPUFeatureNames = {
    u"Floating Point Unit",
    u"V86 Mode Extensions",
    u"Debug Extensions - I/O breakpoints supported",
    u"Page Size Extensions (4 MB pages supported)",
    u"Time Stamp Counter and RDTSC instruction are available",
    u"Model Specific Registers",
    u"Physical Address Extensions (36-bit address, 2MB pages)",
    u"Machine Check Exception supported",
    u"Compare Exchange Eight Byte instruction available",
    u"Local APIC present (multiprocessor operation support)",
    u"Fast system calls (AMD only)",
    u"Fast system calls",
    u"Memory Type Range Registers",
    u"Page Global Enable",
    u"Machine Check Architecture",
    u"Conditional MOVe instructions",
    u"Page Attribute Table",
    u"36 bit Page Size Extensions",
    u"Processor Serial Number",
    u"Cache Flush",
    u"reserved",
    u"Debug Trace Store",
    u"ACPI support",
    u"MultiMedia Extensions",
    u"FXSAVE and FXRSTOR instructions",
    u"SSE instructions",
    u"SSE2 (WNI) instructions",
    u"self snoop",
    u"reserved",
    u"Automatic clock control",
    u"IA64 instructions",
    u"3DNow! instructions available",
};

namespace {

using detail::CpuidRegs;
using ZYL_zylbase::EZYLCpuIdError;

constexpr std::uint32_t kExtendedBase = 0x80000000u;

// Executes one CPUID level after the checks every query makes. The level is
// not remembered anywhere: a module-wide "last level" would be a data race
// between threads, and nothing reads it.
CpuidRegs execute_level(std::uint32_t Level) {
  if (!detail::cpuid_supported()) throw EZYLCpuIdError(u"Cannot acquire CPU information (CPUID not supported)");
  const std::uint32_t max_standard = detail::cpuid(0)[0];
  const std::uint32_t max_extended = detail::cpuid(kExtendedBase)[0];
  if (Level > max_standard && Level > max_extended) throw EZYLCpuIdError(u"CPUID: execution level not supported");
  return detail::cpuid(Level);
}

// The four bytes of a register as characters, lowest byte first.
void append_bytes(String& Text, std::uint32_t Reg) {
  for (int shift = 0; shift < 32; shift += 8) Text += static_cast<char16_t>((Reg >> shift) & 0xFF);
}

String hex8(std::uint32_t Value) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08X", Value);
  return zyl::from_ascii(digits);
}

int bits(std::uint32_t Value, int Low, int Count) { return static_cast<int>((Value >> Low) & ((1u << Count) - 1)); }

}  // namespace

namespace detail {

SignatureFields decode_signature(std::uint32_t Signature) noexcept {
  return {bits(Signature, 12, 2), bits(Signature, 8, 4),  bits(Signature, 20, 8),
          bits(Signature, 4, 4),  bits(Signature, 16, 4), bits(Signature, 0, 4)};
}

String clean_brand(const String& Raw) {
  std::size_t first = 0, last = Raw.size();
  while (first < last && Raw[first] <= 32) ++first;
  while (last > first && Raw[last - 1] <= 32) --last;
  String brand = Raw.substr(first, last - first);
  for (const char16_t c : brand)
    if (c < 32) return u"unknown";
  return brand;
}

}  // namespace detail

bool CPU_IDSupport() { return detail::cpuid_supported(); }

String CPU_VendorString() {
  const CpuidRegs r = execute_level(0);
  String vendor;
  for (const std::uint32_t reg : {r[1], r[3], r[2]}) append_bytes(vendor, reg);
  // The text ends at its first NUL, as a C string would.
  vendor.resize(vendor.find(u'\0') == String::npos ? vendor.size() : vendor.find(u'\0'));
  return vendor.size() < 12 ? String(u"Unknown") : vendor;
}

String CPU_MarketName() {
  String raw;
  for (std::uint32_t level = kExtendedBase + 2; level <= kExtendedBase + 4; ++level) {
    const CpuidRegs r = execute_level(level);
    for (const std::uint32_t reg : r) append_bytes(raw, reg);
  }
  return detail::clean_brand(raw);
}

std::uint32_t CPU_Signature() { return execute_level(1)[0]; }
std::uint32_t CPU_FeatureSet() { return execute_level(1)[3]; }
std::uint32_t CPU_ExtendedFeatureSet() { return execute_level(kExtendedBase + 1)[3]; }
int CPU_BrandID() { return static_cast<int>(execute_level(1)[1] & 0xFF); }

int CPU_Type() { return detail::decode_signature(CPU_Signature()).Type; }
bool CPU_OverDrive() { return CPU_Type() == 1; }
int CPU_Family() { return detail::decode_signature(CPU_Signature()).Family; }
int CPU_ExFamily() { return detail::decode_signature(CPU_Signature()).ExFamily; }
int CPU_Model() { return detail::decode_signature(CPU_Signature()).Model; }
int CPU_ExModel() { return detail::decode_signature(CPU_Signature()).ExModel; }
int CPU_Stepping() { return detail::decode_signature(CPU_Signature()).Stepping; }

String CPU_SerialNumber() {
  const std::uint32_t eax = execute_level(1)[0];
  const CpuidRegs again = execute_level(1);
  return hex8(eax) + hex8(again[3]) + hex8(again[2]);
}

bool CPU_FDIVBugPresent() {
  // volatile keeps the compiler from folding the division at compile time.
  volatile long double x = 4195835.0L;
  volatile long double y = 3145727.0L;
  const long double r = (x / y) * y - x;
  return r != 0.0L;
}

int CPU_Count() { return zyl::platform::processor_count(); }

float CPU_Speed(std::uint32_t MilliSeconds) {
  if (MilliSeconds == 0) return 0.0f;
  std::uint64_t c0 = 0, c1 = 0;
  {
    const zyl::platform::PriorityBoost boost;
    // The interval counts from the edge actually seen (a thread preempted
    // while waiting may see a later tick than t0's next one), and the counter
    // is read just before each look at the tick, so the reading kept precedes
    // that edge's sighting: however the thread is scheduled, the measuring
    // time is at most one tick shorter than MilliSeconds.
    const std::uint32_t t0 = zyl::platform::tick_count_ms();
    std::uint32_t edge = t0;
    while (edge == t0) {
      c0 = detail::read_tsc();
      edge = zyl::platform::tick_count_ms();
    }
    // Elapsed time in wrapping arithmetic, so a tick counter wrap mid-way does
    // not end the wait early.
    while (zyl::platform::tick_count_ms() - edge < MilliSeconds) {
    }
    c1 = detail::read_tsc();
  }
  return static_cast<float>(static_cast<long double>(c1 - c0) / (1000.0L * MilliSeconds));
}

}  // namespace ZYL_cpuid

#include "ZYL_cpuid/cpuinfo.h"

#include <gtest/gtest.h>

#include "ZYL_cpuid/machineid.h"

namespace ZYL_cpuid {
namespace {

TEST(CpuInfo, FeatureNamesInBitOrder) {
  const char16_t* expected[32] = {
      u"Floating Point Unit", u"V86 Mode Extensions", u"Debug Extensions - I/O breakpoints supported",
      u"Page Size Extensions (4 MB pages supported)", u"Time Stamp Counter and RDTSC instruction are available",
      u"Model Specific Registers", u"Physical Address Extensions (36-bit address, 2MB pages)",
      u"Machine Check Exception supported", u"Compare Exchange Eight Byte instruction available",
      u"Local APIC present (multiprocessor operation support)", u"Fast system calls (AMD only)", u"Fast system calls",
      u"Memory Type Range Registers", u"Page Global Enable", u"Machine Check Architecture",
      u"Conditional MOVe instructions", u"Page Attribute Table", u"36 bit Page Size Extensions",
      u"Processor Serial Number", u"Cache Flush", u"reserved", u"Debug Trace Store", u"ACPI support",
      u"MultiMedia Extensions", u"FXSAVE and FXRSTOR instructions", u"SSE instructions", u"SSE2 (WNI) instructions",
      u"self snoop", u"reserved", u"Automatic clock control", u"IA64 instructions", u"3DNow! instructions available"};
  for (int i = 0; i < 32; ++i) EXPECT_EQ(String(CPUFeatureNames[i]), String(expected[i])) << "bit " << i;
  EXPECT_EQ(Ord(TCPUFeatures::cpuft_simd2), 26);
  EXPECT_EQ(Ord(TCPUFeatures::cpuft_3dnow), 31);
}

TEST(CpuInfo, SignatureFields) {
  const detail::SignatureFields f = detail::decode_signature(0x000306A9);
  EXPECT_EQ(f.Stepping, 9);
  EXPECT_EQ(f.Model, 10);
  EXPECT_EQ(f.Family, 6);
  EXPECT_EQ(f.Type, 0);
  EXPECT_EQ(f.ExModel, 3);
  EXPECT_EQ(f.ExFamily, 0);
  const detail::SignatureFields g = detail::decode_signature(0x0FF13FFF);
  EXPECT_EQ(g.Type, 3);
  EXPECT_EQ(g.ExFamily, 0xFF);
  EXPECT_EQ(g.ExModel, 1);
  // The processor's own fields come from its own signature.
  const detail::SignatureFields own = detail::decode_signature(CPU_Signature());
  EXPECT_EQ(CPU_Family(), own.Family);
  EXPECT_EQ(CPU_Model(), own.Model);
  EXPECT_EQ(CPU_Stepping(), own.Stepping);
  EXPECT_EQ(CPU_OverDrive(), own.Type == 1);
}

TEST(CpuInfo, BrandStringIsTrimmedAndRejectsControlCharacters) {
  EXPECT_EQ(detail::clean_brand(String(u"   Some CPU @ 2.0GHz") + String(29, u'\0')), u"Some CPU @ 2.0GHz");
  EXPECT_EQ(detail::clean_brand(u"\x01\x1f CPU \x20"), u"CPU");
  EXPECT_EQ(detail::clean_brand(u"Bad\x07" u"Brand"), u"unknown");
  EXPECT_EQ(detail::clean_brand(String(48, u'\0')), u"");
  const String own = CPU_MarketName();
  EXPECT_FALSE(own.empty());
  EXPECT_NE(own.front(), u' ');
  EXPECT_NE(own.back(), u' ');
}

TEST(CpuInfo, ProcessorQueries) {
  EXPECT_TRUE(CPU_IDSupport());
  EXPECT_EQ(CPU_VendorString().size(), 12u);
  EXPECT_FALSE(CPU_FDIVBugPresent());
  EXPECT_GE(CPU_Count(), 1);
  // Every x86 processor this package runs on has an FPU and a time-stamp counter.
  EXPECT_NE(CPU_FeatureSet() & (1u << Ord(TCPUFeatures::cpuft_fpu)), 0u);
  EXPECT_NE(CPU_FeatureSet() & (1u << Ord(TCPUFeatures::cpuft_tsc)), 0u);
  const String serial = CPU_SerialNumber();
  ASSERT_EQ(serial.size(), 24u);
  EXPECT_EQ(serial.find_first_not_of(u"0123456789ABCDEF"), String::npos);
  char head[9];
  std::snprintf(head, sizeof head, "%08X", CPU_Signature());
  EXPECT_EQ(serial.substr(0, 8), zyl::from_ascii(head)) << "the serial starts with the signature";
}

TEST(CpuInfo, SpeedOfZeroMillisecondsIsZeroAndAPositiveTimeGivesAFrequency) {
  EXPECT_EQ(CPU_Speed(0), 0.0f);
  const float mhz = CPU_Speed(30);
  EXPECT_GT(mhz, 100.0f);
  EXPECT_LT(mhz, 10000.0f);
}

TEST(MachineId, LayoutAndCheckDigits) {
  // CRC-32 of "123456789" is CBF43926 and of the empty text 00000000.
  const String no_serial = detail::identifier_from(u"123456789", u"");
  EXPECT_EQ(no_serial.substr(0, 15), u"CBF4-3926-0000-");
  const String with_serial = detail::identifier_from(u"", u"123456789");
  EXPECT_EQ(with_serial.substr(0, 15), u"0000-CBF4-3926-");
  for (const String& id : {no_serial, with_serial}) {
    SCOPED_TRACE(zyl::to_utf8(id));
    EXPECT_TRUE(CheckGeneratedCPUID(id));
    String plain;
    for (const char16_t c : id)
      if (c != u'-') plain += c >= u'A' && c <= u'F' ? static_cast<char16_t>(c + 32) : c;
    EXPECT_TRUE(CheckGeneratedCPUID(plain)) << "without hyphens, lower case";
    EXPECT_TRUE(CheckGeneratedCPUID(u"no. " + id + u" !")) << "other characters are ignored";
    String changed = id;
    changed[0] = changed[0] == u'1' ? u'2' : u'1';
    EXPECT_FALSE(CheckGeneratedCPUID(changed));
    EXPECT_FALSE(CheckGeneratedCPUID(id.substr(1)));
    EXPECT_FALSE(CheckGeneratedCPUID(id + u"0"));
  }
  EXPECT_FALSE(CheckGeneratedCPUID(u""));
}

TEST(MachineId, OwnIdentifiersAreStableAndValid) {
  const String id = GenerateCPUID();
  EXPECT_EQ(id, GenerateCPUID());
  EXPECT_TRUE(CheckGeneratedCPUID(id));
  const String ex = GenerateCPUIDEx();
  EXPECT_EQ(ex, GenerateCPUIDEx());
  EXPECT_TRUE(CheckGeneratedCPUID(ex));
  EXPECT_EQ(ex.size(), 19u);
}

}  // namespace
}  // namespace ZYL_cpuid

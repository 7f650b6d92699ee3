// The CPU queries against what the kernel reports in /proc/cpuinfo.
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "ZYL_cpuid/cpuinfo.h"

namespace ZYL_cpuid {
namespace {

struct ProcCpuInfo {
  std::map<std::string, std::string> first;  // fields of the first processor
  int processors = 0;
};

ProcCpuInfo read_proc_cpuinfo() {
  ProcCpuInfo info;
  std::ifstream in("/proc/cpuinfo");
  for (std::string line; std::getline(in, line);) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::string key = line.substr(0, colon);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
    const std::string value = colon + 2 <= line.size() ? line.substr(colon + 2) : std::string();
    if (key == "processor") ++info.processors;
    if (info.processors == 1) info.first.emplace(key, value);
  }
  return info;
}

std::set<std::string> words(const std::string& Text) {
  std::istringstream in(Text);
  std::set<std::string> w;
  for (std::string s; in >> s;) w.insert(s);
  return w;
}

TEST(CpuInfoAgainstKernel, VendorBrandSignatureCountAndFlags) {
  const ProcCpuInfo proc = read_proc_cpuinfo();
  if (proc.processors == 0 || proc.first.count("vendor_id") == 0) GTEST_SKIP() << "no x86 /proc/cpuinfo here";
  const auto& f = proc.first;
  EXPECT_EQ(zyl::to_utf8(CPU_VendorString()), f.at("vendor_id"));
  EXPECT_EQ(zyl::to_utf8(CPU_MarketName()), f.at("model name"));
  // The kernel folds the extended fields in where the family says so.
  const int family = CPU_Family() == 0xF ? CPU_Family() + CPU_ExFamily() : CPU_Family();
  const int model = CPU_Family() == 0x6 || CPU_Family() == 0xF ? CPU_ExModel() * 16 + CPU_Model() : CPU_Model();
  EXPECT_EQ(family, std::stoi(f.at("cpu family")));
  EXPECT_EQ(model, std::stoi(f.at("model")));
  EXPECT_EQ(CPU_Stepping(), std::stoi(f.at("stepping")));
  EXPECT_EQ(CPU_Count(), proc.processors);
  EXPECT_EQ(CPU_Count(), static_cast<int>(::sysconf(_SC_NPROCESSORS_ONLN)));

  // Bits the kernel passes through unchanged, by its names.
  const std::set<std::string> flags = words(f.at("flags"));
  const std::pair<TCPUFeatures, const char*> standard[] = {
      {TCPUFeatures::cpuft_fpu, "fpu"},   {TCPUFeatures::cpuft_vme, "vme"},       {TCPUFeatures::cpuft_de, "de"},
      {TCPUFeatures::cpuft_pse, "pse"},   {TCPUFeatures::cpuft_tsc, "tsc"},       {TCPUFeatures::cpuft_msr, "msr"},
      {TCPUFeatures::cpuft_pae, "pae"},   {TCPUFeatures::cpuft_mce, "mce"},       {TCPUFeatures::cpuft_cx8, "cx8"},
      {TCPUFeatures::cpuft_apic, "apic"}, {TCPUFeatures::cpuft_sep, "sep"},       {TCPUFeatures::cpuft_mtrr, "mtrr"},
      {TCPUFeatures::cpuft_pge, "pge"},   {TCPUFeatures::cpuft_mca, "mca"},       {TCPUFeatures::cpuft_cmov, "cmov"},
      {TCPUFeatures::cpuft_pat, "pat"},   {TCPUFeatures::cpuft_pse36, "pse36"},   {TCPUFeatures::cpuft_clflush, "clflush"},
      {TCPUFeatures::cpuft_mmx, "mmx"},   {TCPUFeatures::cpuft_xsr, "fxsr"},      {TCPUFeatures::cpuft_simd, "sse"},
      {TCPUFeatures::cpuft_simd2, "sse2"},
  };
  for (const auto& [bit, name] : standard)
    EXPECT_EQ((CPU_FeatureSet() >> Ord(bit) & 1) != 0, flags.count(name) != 0) << name;
  const std::pair<int, const char*> extended[] = {{11, "syscall"}, {20, "nx"}, {29, "lm"}};
  for (const auto& [bit, name] : extended)
    EXPECT_EQ((CPU_ExtendedFeatureSet() >> bit & 1) != 0, flags.count(name) != 0) << name;
}

TEST(CpuInfoAgainstKernel, SpeedWithinAFifthOfTheReportedFrequency) {
  const ProcCpuInfo proc = read_proc_cpuinfo();
  if (proc.first.count("cpu MHz") == 0) GTEST_SKIP() << "the kernel reports no frequency here";
  const double reported = std::stod(proc.first.at("cpu MHz"));
  // On a busy machine a measurement can be preempted at either end; the
  // closest of three stands for the processor.
  double closest = 0;
  for (int i = 0; i < 3; ++i) {
    const double measured = CPU_Speed(100);
    if (std::abs(measured - reported) < std::abs(closest - reported)) closest = measured;
  }
  EXPECT_NEAR(closest, reported, reported * 0.2);
}

}  // namespace
}  // namespace ZYL_cpuid

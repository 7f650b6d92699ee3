// zyl cpu [--speed MS] [--json] [--id]: the processor's description, feature
// flags, count, clock speed and machine identifiers (--id: the identifier
// alone, which does not depend on the network adapter).
#include <cmath>
#include <cstdio>
#include <string>

#include "command.h"
#include "io.h"
#include "report.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::string hex8(std::uint32_t V) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", V);
  return text;
}

std::uint32_t parse_speed_time(const std::string& Text) {
  std::size_t used = 0;
  unsigned long ms = 0;
  try {
    ms = std::stoul(Text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != Text.size() || Text.empty() || ms > 60000) throw UsageError("--speed needs milliseconds 0..60000");
  return static_cast<std::uint32_t>(ms);
}

int run_cpu(Args& args) {
  const bool json = args.flag("--json");
  const bool id_only = args.flag("--id");
  std::string speed_text = "100";
  args.option("--speed", speed_text);
  const std::uint32_t speed_ms = parse_speed_time(speed_text);
  if (!args.positional().empty()) throw UsageError("cpu takes no arguments");
  if (id_only) {
    write_stdout(zyl::to_utf8(zyl::GenerateCPUID()) + "\n");
    return 0;
  }

  Report report;
  report.text("vendor", zyl::to_utf8(zyl::CPU_VendorString()));
  report.text("name", zyl::to_utf8(zyl::CPU_MarketName()));
  Report& signature = report.section("signature");
  signature.text("value", hex8(zyl::CPU_Signature()));
  signature.number("type", zyl::CPU_Type());
  signature.number("family", zyl::CPU_Family());
  signature.number("extended family", zyl::CPU_ExFamily());
  signature.number("model", zyl::CPU_Model());
  signature.number("extended model", zyl::CPU_ExModel());
  signature.number("stepping", zyl::CPU_Stepping());
  signature.text("overdrive", zyl::CPU_OverDrive() ? "yes" : "no");
  report.number("brand id", zyl::CPU_BrandID());

  std::vector<std::string> features;
  const std::uint32_t set = zyl::CPU_FeatureSet();
  for (int bit = 0; bit < 32; ++bit)
    if ((set >> bit & 1) != 0) features.push_back(zyl::to_utf8(zyl::CPUFeatureNames[static_cast<std::size_t>(bit)]));
  report.text("feature set", hex8(set));
  report.list("features", features);
  report.text("extended feature set", hex8(zyl::CPU_ExtendedFeatureSet()));
  report.text("division defect", zyl::CPU_FDIVBugPresent() ? "present" : "absent");
  report.number("processors", zyl::CPU_Count());
  report.number("speed MHz", std::round(static_cast<double>(zyl::CPU_Speed(speed_ms)) * 10) / 10);
  report.text("serial", zyl::to_utf8(zyl::CPU_SerialNumber()));
  report.text("identifier", zyl::to_utf8(zyl::GenerateCPUID()));
  report.text("identifier with adapter", zyl::to_utf8(zyl::GenerateCPUIDEx()));
  write_stdout(report.render(json));
  return 0;
}

const CommandRegistration reg{
    {"cpu", "[--speed MS] [--json] [--id]", "processor description, features, speed and identifier", run_cpu}};

}  // namespace
}  // namespace zyl_tool

// zyl sysinfo [--json]: memory, drives with free space, standard directories,
// adapter addresses and a few environment variables.
#include <cstdio>
#include <string>

#include "command.h"
#include "io.h"
#include "report.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

const char* drive_type_name(int Type) {
  static const char* const names[] = {"unknown", "no root directory", "removable", "fixed",
                                      "remote",  "optical",           "RAM disk"};
  return Type >= 0 && Type <= 6 ? names[Type] : "unknown";
}

Report drive_report(int Drive) {
  Report r;
  r.text("drive", std::string(1, static_cast<char>('A' + Drive)) + ":");
  r.text("type", drive_type_name(zyl::GetDiskDriveType(static_cast<std::uint8_t>(Drive))));
  r.number("free bytes", zyl::DiskFreeExtended(static_cast<std::uint8_t>(Drive)));
  r.text("writable", zyl::DiskIsReadOnly(static_cast<std::uint8_t>(Drive)) ? "no" : "yes");
  return r;
}

int run_sysinfo(Args& args) {
  const bool json = args.flag("--json");
  if (!args.positional().empty()) throw UsageError("sysinfo takes no arguments");
  Report report;

  std::int64_t total = 0, available = 0;
  Report& memory = report.section("memory");
  if (zyl::GetMemoryStatus(total, available)) {
    memory.number("total bytes", static_cast<double>(total));
    memory.number("available bytes", static_cast<double>(available));
  }

  zyl::TStringList drives;
  zyl::BuildDriveList(drives);
  std::vector<Report> rows;
  for (int i = 0; i < drives.Count(); ++i) rows.push_back(drive_report(drives[i][0] - u'A'));
  report.rows("drives", std::move(rows));

  Report& dirs = report.section("directories");
  dirs.text("temporary", zyl::to_utf8(zyl::GetTempDir()));
  dirs.text("system", zyl::to_utf8(zyl::GetSystemDir()));
  dirs.text("windows", zyl::to_utf8(zyl::GetWindowsDir()));

  Report& adapters = report.section("adapters");
  for (const auto& [kind, name] : {std::pair{1, "wired"}, std::pair{2, "wireless"}}) {
    zyl::String address;
    const int status = zyl::GetMacAddress(kind, address);
    adapters.text(name, status == 0 ? zyl::to_utf8(address) : "not available (status " + std::to_string(status) + ")");
  }

  Report& environment = report.section("environment");
  for (const char16_t* name : {u"PATH", u"HOME", u"USERPROFILE", u"TEMP", u"TMPDIR", u"LANG"}) {
    const zyl::String value = zyl::GetEnviroVar(name);
    if (!value.empty()) environment.text(zyl::to_utf8(name), zyl::to_utf8(value));
  }

  write_stdout(report.render(json));
  return 0;
}

const CommandRegistration reg{
    {"sysinfo", "[--json]", "memory, drives, directories, adapters and environment", run_sysinfo}};

}  // namespace
}  // namespace zyl_tool

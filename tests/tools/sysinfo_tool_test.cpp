#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "ZYL_cpuid/machineid.h"
#include "tools/tool_support.h"

namespace zyl::test {
namespace {

std::vector<std::string> lines_of(const std::string& Text) {
  std::vector<std::string> lines;
  std::istringstream in(Text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

TEST(SysInfoTools, CpuReportAndIdentifier) {
  const ToolResult id = run_tool("cpu --id");
  ASSERT_EQ(id.status, 0) << id.err;
  const std::vector<std::string> id_lines = lines_of(id.out);
  ASSERT_EQ(id_lines.size(), 1u);
  EXPECT_TRUE(ZYL_cpuid::CheckGeneratedCPUID(from_utf8(id_lines[0])));

  const ToolResult report = run_tool("cpu --speed 20");
  ASSERT_EQ(report.status, 0) << report.err;
  EXPECT_NE(report.out.find("identifier:              " + id_lines[0]), std::string::npos) << report.out;
  EXPECT_NE(report.out.find("Floating Point Unit"), std::string::npos);
  const ToolResult json = run_tool("cpu --json --speed 0");
  ASSERT_EQ(json.status, 0);
  EXPECT_EQ(json.out.front(), '{');
  EXPECT_NE(json.out.find("\"speed MHz\": 0"), std::string::npos);
  EXPECT_NE(json.out.find("\"features\": [\"Floating Point Unit\""), std::string::npos);
  EXPECT_EQ(run_tool("cpu --speed x").status, 2);
  EXPECT_EQ(run_tool("cpu extra").status, 2);
}

TEST(SysInfoTools, SysinfoReport) {
  const ToolResult text = run_tool("sysinfo");
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("  drive:      C:"), std::string::npos) << text.out;
  const ToolResult json = run_tool("sysinfo --json");
  ASSERT_EQ(json.status, 0);
  EXPECT_NE(json.out.find("\"total bytes\": "), std::string::npos);
  EXPECT_NE(json.out.find("\"drive\": \"C:\""), std::string::npos);
}

TEST(SysInfoTools, Passwords) {
  const ToolResult r = run_tool("password -n 11 5");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = lines_of(r.out);
  ASSERT_EQ(lines.size(), 5u);
  for (const std::string& p : lines) EXPECT_EQ(p.size(), 11u) << p;
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 5u);
  EXPECT_EQ(lines_of(run_tool("password -n 40").out).at(0).size(), 14u);
  EXPECT_EQ(run_tool("password 0").status, 2);
  EXPECT_EQ(run_tool("password -n x").status, 2);
  EXPECT_EQ(run_tool("password 1 2").status, 2);
}

}  // namespace
}  // namespace zyl::test

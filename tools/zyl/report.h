// A small structured report for the information commands: printed as
// aligned "name: value" lines for people, or as JSON for programs (--json).
//
//   Report r;
//   r.text("vendor", "GenuineIntel");
//   r.number("count", 8);
//   r.list("features", {"fpu", "sse2"});
//   write_stdout(r.render(json));
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zyl_tool {

class Report {
 public:
  void text(const std::string& Name, const std::string& Value);
  void number(const std::string& Name, double Value);
  void list(const std::string& Name, const std::vector<std::string>& Items);
  // A nested report, for example one per drive.
  Report& section(const std::string& Name);
  // A list of nested reports.
  void rows(const std::string& Name, std::vector<Report> Rows);

  std::string render(bool Json) const;

 private:
  struct Entry;
  void render_text(std::string& Out, int Indent) const;
  void render_json(std::string& Out, int Indent) const;
  std::vector<std::shared_ptr<Entry>> FEntries;
};

}  // namespace zyl_tool

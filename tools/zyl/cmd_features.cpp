// zyl features [--csv] FILE: prints a saved feature matrix as a table (or as
// CSV), with the feature names and kinds as a header; and the feature-matrix
// section of "zyl demo".
#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "command.h"
#include "io.h"
#include "privatetempdir.h"
#include "zyl.h"
#include "platform/program.h"

namespace zyl_tool {
namespace {

// The matrix as rows of UTF-8 cells: names, kinds, then one row per object
// (the first column numbers the objects).
std::vector<std::vector<std::string>> cells_of(zyl::TFeatureMatrix& m) {
  std::vector<std::vector<std::string>> rows(2 + static_cast<std::size_t>(m.NObjects()));
  rows[0].push_back("object");
  rows[1].push_back("");
  for (int f = 1; f <= m.NFeatures(); ++f) {
    const zyl::TFeatMatProps& p = *m.GetFeatProps(f);
    rows[0].push_back(zyl::to_utf8(p.FeatName()));
    rows[1].push_back(zyl::to_utf8(zyl::FEATKINDIDS[static_cast<std::size_t>(p.FeatKind())]));
  }
  // Values of every kind are shown as stored, undefined ones included.
  m.SetFeatType(0, 0, zyl::TFeatKind::fkString);
  for (int o = 1; o <= m.NObjects(); ++o) {
    auto& row = rows[static_cast<std::size_t>(o) + 1];
    row.push_back(std::to_string(o));
    for (int f = 1; f <= m.NFeatures(); ++f) row.push_back(zyl::to_utf8(m.GetFeatValStr(f, o)));
  }
  return rows;
}

// Characters, not bytes, decide the column widths.
std::size_t width_of(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

void print_table(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> width(rows[0].size(), 0);
  for (const auto& row : rows)
    for (std::size_t c = 0; c < row.size(); ++c) width[c] = std::max(width[c], width_of(row[c]));
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size()) line += std::string(width[c] - width_of(row[c]) + 2, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
    if (out.size() >= (1u << 16)) {
      write_stdout(out);
      out.clear();
    }
  }
  write_stdout(out);
}

std::string csv_field(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string q = "\"";
  for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

void print_csv(const std::vector<std::vector<std::string>>& rows) {
  std::string out;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (r == 1) continue;  // the kinds go into the header row
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      if (c > 0) out += ',';
      out += csv_field(r == 0 && c > 0 ? rows[0][c] + " (" + rows[1][c] + ")" : rows[r][c]);
    }
    out += "\n";
    if (out.size() >= (1u << 16)) {
      write_stdout(out);
      out.clear();
    }
  }
  write_stdout(out);
}

int run_features(Args& args) {
  const bool csv = args.flag("--csv");
  const auto files = args.positional();
  if (files.size() != 1) throw UsageError("one FILE");
  zyl::TFeatureMatrix m(nullptr);
  const std::int32_t r = m.Load(zyl::platform::argument_file_name(files[0]));
  if (r == -1) throw std::runtime_error("cannot open " + files[0] + ": no such file");
  if (r == -2) throw std::runtime_error(files[0] + " is not a feature matrix");
  if (r != 0) throw std::runtime_error(files[0] + " is not a valid feature matrix (reading failed)");
  const auto rows = cells_of(m);
  csv ? print_csv(rows) : print_table(rows);
  return 0;
}

void demo_features() {
  zyl::TFeatureMatrix m(nullptr);
  m.SetName(u"Samples");
  m.Resize(3, 3);
  m.SetFeatType(1, 1, zyl::TFeatKind::fkDouble);
  m.SetFeatType(2, 2, zyl::TFeatKind::fkInteger);
  m.SetFeatType(3, 3, zyl::TFeatKind::fkTriState);
  m.RenumberFeatures(0, 0, 10, 5);
  m.GenerateFeatNames(u"F<%D-3%>_<%I%>", 0, 0, 10, 5);
  const double lengths[] = {2.5, 1e20, -2.5e-7};
  for (int o = 1; o <= 3; ++o) {
    m.SetFeatValDouble(1, o, lengths[o - 1]);
    m.SetFeatValint(2, o, 5000000000LL * o);
  }
  m.Fill(3, zyl::TTriState::tsTrue);
  m.SetFeatValTriState(3, 2, zyl::TTriState::tsUndefined);
  std::printf("feature names from the template F<%%D-3%%>_<%%I%%>:");
  for (int f = 1; f <= 3; ++f) std::printf(" %s", zyl::to_utf8(m.GetFeatProps(f)->FeatName()).c_str());
  try {
    m.SetFeatValStr(2, 1, u"1.5");
  } catch (const zyl::EZYLDStructError& e) {
    std::printf("\nrejected: %s", e.what());
  }
  std::printf("\nthe matrix in its file format:\n");
  const PrivateTempDir dir("zyl-demo-");
  const zyl::String name = dir.file("features.txt");
  m.Save(name);
  std::string saved = read_all(zyl::to_utf8(name));
  for (std::size_t p; (p = saved.find('\r')) != std::string::npos;) saved.erase(p, 1);
  std::printf("%s", saved.c_str());
  zyl::TFeatureMatrix back(nullptr);
  const std::int32_t status = back.Load(name);
  std::printf("loaded back: status %d, %d features x %d objects, value (2,3) = %lld\n", status, back.NFeatures(),
              back.NObjects(), static_cast<long long>(back.GetFeatValInt(2, 3)));
}

const CommandRegistration reg{
    {"features", "[--csv] FILE", "print a saved feature matrix as a table (or CSV)", run_features}};
const DemoRegistration demo{{56, "Data structures: feature matrix", demo_features}};

}  // namespace
}  // namespace zyl_tool

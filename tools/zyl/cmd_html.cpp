// zyl html TEMPLATE [--set NAME=VALUE ...] [--values FILE]: fills the
// <#name> tags of an HTML template and writes the page to standard output.
//
// Values come from --values FILE (lines NAME=VALUE; empty lines and lines
// starting with "#" are skipped) and from --set, which wins over the file.
// Names are matched in any case, as the producer lower-cases tag names.
// Values are HTML-escaped unless the tag has the parameter "raw"
// (<#body raw>); tags without a value stay as they are. The template is
// read as UTF-8 ("-" is standard input) and copied byte for byte around the
// tags.
#include <map>
#include <string>

#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

using Values = std::map<zyl::String, zyl::String>;

// Splits "NAME=VALUE"; false when there is no "=" or the name is empty.
bool split_assignment(const zyl::String& line, Values& values) {
  const std::size_t eq = line.find(u'=');
  if (eq == 0 || eq == zyl::String::npos) return false;
  values[zyl::LowerCase(line.substr(0, eq))] = line.substr(eq + 1);
  return true;
}

void read_values_file(const std::string& name, Values& values) {
  const zyl::String text = zyl::from_utf8(read_all(name));
  std::size_t start = 0;
  for (int line_no = 1; start < text.size(); ++line_no) {
    std::size_t end = text.find(u'\n', start);
    if (end == zyl::String::npos) end = text.size();
    zyl::String line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    if (line.empty() || line[0] == u'#') continue;
    if (!split_assignment(line, values))
      throw std::runtime_error(name + ":" + std::to_string(line_no) + ": expected NAME=VALUE");
  }
}

// True when the blank-separated parameters include "raw" (any case).
bool wants_raw(const zyl::String& params) {
  const zyl::String p = u" " + zyl::LowerCase(params) + u" ";
  return p.find(u" raw ") != zyl::String::npos;
}

int run_html(Args& args) {
  Values values;
  std::string text;
  if (args.option("--values", text)) read_values_file(text, values);
  while (args.option("--set", text)) {
    if (!split_assignment(zyl::from_utf8(text), values)) throw UsageError("--set needs NAME=VALUE, not '" + text + "'");
  }
  const auto files = args.positional();
  if (files.size() != 1) throw UsageError("one TEMPLATE");

  zyl::THtmlProducer producer(nullptr);
  producer.SetTemplate(zyl::from_utf8(read_all(files[0])));
  producer.SetOnHTMLTag([&](zyl::TObject*, zyl::String Name, zyl::String Params, zyl::String& Replacement) {
    const auto it = values.find(Name);
    if (it == values.end()) return;
    Replacement = wants_raw(Params) ? it->second : zyl::MakeStringHTMLCompatible(it->second);
  });
  write_stdout(zyl::to_utf8(producer.Convert()));
  return 0;
}

const CommandRegistration reg{{"html", "TEMPLATE [--set NAME=VALUE ...] [--values FILE]",
                               "fill the <#name> tags of an HTML template", run_html}};

}  // namespace
}  // namespace zyl_tool

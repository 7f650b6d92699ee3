// zyl tags [--tags a,b,c] [FILE]: lists the elements of a markup file, one
// per line: index in the tag list, name, attributes and the first 60
// characters of the contents.
#include <memory>

#include "command.h"
#include "io.h"
#include "streaminput.h"
#include "zyl.h"
#include "ZYL_zylbase/detail/tagreader.h"
#include "platform/bytereader.h"

namespace zyl_tool {
namespace {

std::vector<zyl::String> split_tags(const std::string& list) {
  std::vector<zyl::String> tags;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = list.find(',', start);
    const std::string one = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (one.empty()) throw UsageError("--tags needs a comma-separated list of names");
    tags.push_back(zyl::LowerCase(zyl::from_utf8(one)));
    if (comma == std::string::npos) return tags;
    start = comma + 1;
  }
}

// Line ends and tabs shown as escapes, so each element stays on one line.
std::string shown(const zyl::String& text, std::size_t limit) {
  std::string out;
  const zyl::String cut = text.substr(0, limit);
  for (const zyl::Char c : cut) {
    if (c == u'\n') out += "\\n";
    else if (c == u'\r') out += "\\r";
    else if (c == u'\t') out += "\\t";
    else out += zyl::to_utf8(zyl::String(1, c));
  }
  return out;
}

int run_tags(Args& args) {
  std::string list;
  std::vector<zyl::String> tags;
  if (args.option("--tags", list)) tags = split_tags(list);
  const auto files = args.positional();
  const auto input = open_input_stream(files);
  zyl::TStream& stream = *input;
  set_binary_stdio();

  // Elements are read as ReadNextTagInStream reads them; the shared reader
  // also gives the tag name, which the index alone does not tell.
  std::string out;
  while (stream.Position() < stream.Size()) {
    zyl::detail::TagElement e;
    {
      zyl::detail::ByteReader reader(stream);
      e = zyl::detail::read_element(reader, zyl::detail::ContentsTail::Keep);
    }
    if (e.name.empty() && stream.Position() >= stream.Size()) break;
    if (out.size() >= (1u << 16)) {
      write_stdout(out);
      out.clear();
    }
    out += std::to_string(zyl::detail::tag_index(e.name, tags)) + "\t" + shown(e.name, e.name.size()) + "\t" +
           shown(e.attributes, e.attributes.size()) + "\t" + shown(e.contents, 60) + "\n";
  }
  write_stdout(out);
  return 0;
}

const CommandRegistration reg{{"tags", "[--tags a,b,c] [FILE]",
                               "list the elements of a markup FILE: index, name, attributes, contents", run_tags}};

}  // namespace
}  // namespace zyl_tool

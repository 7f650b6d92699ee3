// zyl lines [--mode N] [FILE]: counts the lines of FILE (or standard input),
// or with --mode prints the lines ReadLnStream returns in that line-end mode.
#include <cstdio>
#include <cstdlib>

#include "command.h"
#include "io.h"
#include "privatetempdir.h"
#include "streaminput.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

int parse_mode(const std::string& text) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < -1000000 || v > 1000000) throw UsageError("--mode needs an integer");
  return static_cast<int>(v);
}

int run_lines(Args& args) {
  std::string mode_text;
  const bool with_mode = args.option("--mode", mode_text);
  const auto files = args.positional();
  const int mode = with_mode ? parse_mode(mode_text) : 0;
  auto stream = open_input_stream(files);
  if (!with_mode) {
    write_stdout(std::to_string(ZYL_streams::CountLinesInStream(*stream)) + "\n");
    return 0;
  }
  std::string out;
  for (bool eos = false; !eos;) {
    const zyl::String line = ZYL_streams::ReadLnStream(*stream, eos, mode);
    if (eos && line.empty()) break;
    out += zyl::to_latin1(line);  // the bytes as read
    out += '\n';
    if (out.size() >= (1u << 16)) {
      write_stdout(out);
      out.clear();
    }
  }
  write_stdout(out);
  return 0;
}

void demo_streams() {
  const PrivateTempDir dir("zyl-demo-");
  const zyl::String name = dir.file("mixed.dat");
  {
    ZYL_streams::TMixedFStream f(name, zyl::fmCreate);
    f.WriteLn(u"measurements");
    f.WriteInteger(3);
    f.WriteDouble(2.75);
    f.Write(u"  -17 3,25e2; 1.5 x");
    f.Close();
  }
  ZYL_streams::TMixedFStream f(name, zyl::fmOpenRead);
  bool err = false;
  const zyl::String title = f.ReadLn(4);
  const std::int32_t count = f.ReadInteger(err);
  const double value = f.ReadDouble(err);
  std::printf("mixed file of %lld bytes: line \"%s\", integer %d, double %g%s\n",
              static_cast<long long>(f.Size()), zyl::to_utf8(title).c_str(), count, value,
              err ? " (read error)" : "");
  const std::int32_t dec = f.ReadDecimal();
  const double fp = f.ReadFPNum(true, 3);
  const double fp2 = f.ReadFPNum(true, 3);
  const double bad = f.ReadFPNum(true, 3);
  std::printf("  numbers scanned from \"  -17 3,25e2; 1.5 x\": %d, %g, %g, then %g for \"x\", end: %s\n", dec, fp,
              fp2, bad, f.Eos() ? "yes" : "no");
  f.Close();

  zyl::TStringStream page(u"<!-- menu --><a href=\"/home\" class=\"nav\">Home</a><br/>");
  const std::vector<zyl::String> tags{u"a", u"br", u"other"};
  zyl::String attr, cont;
  const std::int32_t ix = ZYL_streams::ReadNextTagInStream(page, tags, attr, cont);
  std::printf("  first tag: index %d, attributes %s, contents \"%s\", href = %s\n", ix, zyl::to_utf8(attr).c_str(),
              zyl::to_utf8(cont).c_str(), zyl::to_utf8(ZYL_streams::ScanForXMLAttrib(attr, u"href")).c_str());
}

const CommandRegistration reg{{"lines", "[--mode N] [FILE]",
                               "count the lines of FILE, or print them as read in line-end mode N", run_lines}};
const DemoRegistration demo{{30, "Streams: mixed file stream, number scanning and tags", demo_streams}};

}  // namespace
}  // namespace zyl_tool

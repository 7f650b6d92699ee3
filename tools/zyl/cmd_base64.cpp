// zyl base64 [-d] [--no-wrap] [FILE]: Base64 encode (or decode) a file or
// standard input to standard output.
#include <cstdio>
#include <string>

#include "command.h"
#include "stdoutstream.h"
#include "streaminput.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

int run_base64(Args& args) {
  const bool decoding = args.flag("-d");
  const bool wrap = !args.flag("--no-wrap");
  const auto files = args.positional();
  const auto in = open_input_stream(files);
  StdoutStream out;
  if (!decoding) {
    zyl::EncodeBase64(*in, out, wrap);
    return 0;
  }
  if (zyl::DecodeBase64(*in, out) == 0) return 0;
  report_error("input is not valid Base64 (decoded up to the first bad group)");
  return 1;
}

const CommandRegistration reg{{"base64", "[-d] [--no-wrap] [FILE]",
                               "Base64 encode (or with -d decode) FILE or standard input", run_base64}};

}  // namespace
}  // namespace zyl_tool

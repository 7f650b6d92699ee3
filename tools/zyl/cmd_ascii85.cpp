// zyl ascii85 [-d] [--no-wrap] [FILE]: ASCII85 encode (or decode) a file or
// standard input to standard output.
#include <cstdio>
#include <string>

#include "command.h"
#include "stdoutstream.h"
#include "streaminput.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

int run_ascii85(Args& args) {
  const bool decoding = args.flag("-d");
  const bool wrap = !args.flag("--no-wrap");
  const auto files = args.positional();
  const auto in = open_input_stream(files);
  StdoutStream out;
  if (!decoding) {
    zyl::EncodeASCII85(*in, out, wrap);
    return 0;
  }
  const std::int32_t result = zyl::DecodeASCII85(*in, out);
  if (result == 0) return 0;
  std::fflush(stdout);
  std::fprintf(stderr, "zyl: input holds %s inside a group (decoded all the same)\n",
               result == -2 ? "a \"z\"" : "a character that is not an ASCII85 digit");
  return 1;
}

const CommandRegistration reg{{"ascii85", "[-d] [--no-wrap] [FILE]",
                               "ASCII85 encode (or with -d decode) FILE or standard input", run_ascii85}};

}  // namespace
}  // namespace zyl_tool

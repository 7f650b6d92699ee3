// zyl ascii85 [-d] [--no-wrap] [FILE]: ASCII85 encode (or decode) a file or
// standard input to standard output. Decoding also takes input framed as
// "<~ ... ~>", as other tools write it: a leading "<~" (after blanks and
// line ends) is skipped; "~>" is the end marker anyway.
#include <cstdio>
#include <string>

#include "command.h"
#include "platform/bytereader.h"
#include "stdoutstream.h"
#include "streaminput.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

// Skips blanks, tabs, line ends and a "<~" opening the input, when the
// input starts that way; otherwise consumes nothing. Looks at the bytes the
// stream holds at hand (its first block).
void skip_opening_frame(zyl::TStream& in) {
  zyl::detail::ByteReader reader(in);
  if (!reader.refill()) return;
  const auto w = reader.window();
  std::size_t i = 0;
  while (i < w.size() && (w[i] == ' ' || w[i] == '\t' || w[i] == '\r' || w[i] == '\n')) ++i;
  if (i + 1 < w.size() && w[i] == '<' && w[i + 1] == '~') reader.skip(i + 2);
}

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
  skip_opening_frame(*in);
  const std::int32_t result = zyl::DecodeASCII85(*in, out);
  if (result == 0) return 0;
  report_error(std::string("input holds ") + (result == -2 ? "a \"z\"" : "a character that is not an ASCII85 digit") +
               " inside a group (decoded all the same)");
  return 1;
}

const CommandRegistration reg{{"ascii85", "[-d] [--no-wrap] [FILE]",
                               "ASCII85 encode (or with -d decode) FILE or standard input", run_ascii85}};

}  // namespace
}  // namespace zyl_tool

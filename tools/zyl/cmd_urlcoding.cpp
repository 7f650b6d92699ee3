// zyl urlencode / zyl urldecode [TEXT...]: percent-encode or decode each
// TEXT (one result per line), or standard input as a whole when no TEXT is
// given (written back without an added line end).
//
// Text is handled as bytes: each byte is one character of code 0..255, so
// UTF-8 passes through encoding unchanged and "%C3%A9" decodes to the two
// bytes of UTF-8 "é".
#include <string>

#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

int run_coding(Args& args, zyl::String (*code)(const zyl::String&)) {
  const auto texts = args.positional();
  set_binary_stdio();
  if (texts.empty()) {
    write_stdout(zyl::to_latin1(code(zyl::from_latin1(read_all("-")))));
    return 0;
  }
  for (const std::string& t : texts) write_stdout(zyl::to_latin1(code(zyl::from_latin1(t))) + "\n");
  return 0;
}

int run_urlencode(Args& args) { return run_coding(args, zyl::URLEncode); }
int run_urldecode(Args& args) { return run_coding(args, zyl::URLDecode); }

const CommandRegistration encode_reg{
    {"urlencode", "[TEXT...]", "percent-encode the URL-reserved characters of TEXT or standard input", run_urlencode}};
const CommandRegistration decode_reg{
    {"urldecode", "[TEXT...]", "decode %XX escapes (two rounds) in TEXT or standard input", run_urldecode}};

}  // namespace
}  // namespace zyl_tool

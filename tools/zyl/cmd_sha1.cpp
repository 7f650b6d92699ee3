// zyl sha1 [FILE...]: SHA-1 digest of each file or of standard input.
#include <string>

#include "checksumlist.h"
#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

int run_sha1(Args& args) {
  return list_checksums(args.positional(), [](const std::string& name) {
    return zyl::to_utf8(zyl::SHA1DigestToHex(zyl::SHA1FromStream(*open_input(name))));
  });
}

const CommandRegistration reg{{"sha1", "[FILE...]", "SHA-1 digest of each FILE or standard input", run_sha1}};

}  // namespace
}  // namespace zyl_tool

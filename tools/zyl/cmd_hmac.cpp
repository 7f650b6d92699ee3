// zyl hmac [--algo NAME] --key-file F [FILE...]: the HMAC of each file or of
// standard input under the key that F holds (all its bytes, a final line
// break included), one "HEX  NAME" line each. NAME is sha256 (the default),
// sha1, sha224, sha384, sha512 or sha512-256.
#include <algorithm>
#include <span>
#include <string>

#include "checksumlist.h"
#include "command.h"
#include "digestcheck.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

int run_hmac(Args& args) {
  std::string algo_name = "sha256", key_file;
  args.option("--algo", algo_name);
  if (!args.option("--key-file", key_file)) throw UsageError("--key-file F is required");
  const DigestAlgorithm& algo = digest_algorithm_named(algo_name);
  const std::vector<std::string> files = args.positional();
  const bool data_from_stdin = files.empty() || std::find(files.begin(), files.end(), "-") != files.end();
  if (key_file == "-" && data_from_stdin) throw UsageError("the key and the data cannot both come from standard input");
  const std::string key_text = read_all(key_file);
  const std::span<const std::uint8_t> key(reinterpret_cast<const std::uint8_t*>(key_text.data()), key_text.size());
  const zyl::THMACHasher keyed(algo.kind, key);
  return list_checksums(files, [&keyed](const std::string& name) {
    zyl::THMACHasher h = keyed;
    h.AddStream(*open_input(name));
    return zyl::to_utf8(zyl::DigestToHex(h.Finish()));
  });
}

const CommandRegistration reg{
    {"hmac", "[--algo NAME] --key-file F [FILE...]",
     "HMAC of each FILE or standard input under the key in F (NAME: sha256, sha1, sha224, sha384, sha512, sha512-256)",
     run_hmac}};

}  // namespace
}  // namespace zyl_tool

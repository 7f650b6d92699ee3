// zyl sha1|sha224|sha256|sha384|sha512 [FILE...]: the digest of each file
// or of standard input, one "HEX  NAME" line each, as the coreutils
// programs (sha256sum ...) list them and check them.
// zyl shaN -c [--quiet] [LIST...]: checks the digests a listing names.
#include <string>

#include "checksumlist.h"
#include "command.h"
#include "digestcheck.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

template <zyl::TDigestKind Kind>
int run_digest(Args& args) {
  const DigestAlgorithm& algo = digest_algorithm(Kind);
  const bool check = args.flag("-c") || args.flag("--check");
  const bool quiet = args.flag("--quiet");
  if (quiet && !check) throw UsageError("--quiet is only meaningful when checking (-c)");
  if (check) return check_lists(algo, args.positional(), quiet);
  return list_checksums(args.positional(), [&algo](const std::string& name) { return digest_hex(algo, name); });
}

const CommandRegistration sha1{{"sha1", "[-c [--quiet]] [FILE...]",
                                "SHA-1 digest of each FILE or standard input; -c checks a listing",
                                run_digest<zyl::TDigestKind::dkSHA1>}};
const CommandRegistration sha224{{"sha224", "[-c [--quiet]] [FILE...]",
                                  "SHA-224 digest of each FILE or standard input; -c checks a listing",
                                  run_digest<zyl::TDigestKind::dkSHA224>}};
const CommandRegistration sha256{{"sha256", "[-c [--quiet]] [FILE...]",
                                  "SHA-256 digest of each FILE or standard input; -c checks a listing",
                                  run_digest<zyl::TDigestKind::dkSHA256>}};
const CommandRegistration sha384{{"sha384", "[-c [--quiet]] [FILE...]",
                                  "SHA-384 digest of each FILE or standard input; -c checks a listing",
                                  run_digest<zyl::TDigestKind::dkSHA384>}};
const CommandRegistration sha512{{"sha512", "[-c [--quiet]] [FILE...]",
                                  "SHA-512 digest of each FILE or standard input; -c checks a listing",
                                  run_digest<zyl::TDigestKind::dkSHA512>}};

}  // namespace
}  // namespace zyl_tool

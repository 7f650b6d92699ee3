// The digest commands' shared parts: which digests there are, the digest of
// one input, and the checking of listings (-c) with the messages and exit
// status of the coreutils checkers:
//
//   NAME: OK                      on standard output, per listed file
//   NAME: FAILED                  the digest differs
//   NAME: FAILED open or read     the file cannot be read (the reason on standard error)
//   zyl sha256: LIST: 3: improperly formatted SHA256 checksum line
//   zyl sha256: WARNING: 1 computed checksum did NOT match
//
// The status is 1 when a digest differs, a listed file cannot be read, or a
// listing holds no well-formed line at all; malformed lines beside
// well-formed ones are reported but do not change the status. Empty lines
// and lines starting with "#" are skipped.
#pragma once

#include <string>
#include <vector>

#include "zyl.h"

namespace zyl_tool {

struct DigestAlgorithm {
  zyl::TDigestKind kind;
  const char* option;  // the name used on the command line: "sha256"
  const char* tag;     // the name in tagged listing lines: "SHA256"
  std::size_t hex_len;
};

const DigestAlgorithm& digest_algorithm(zyl::TDigestKind kind);

// The algorithm an --algo value names (sha1, sha224, sha256, sha384, sha512,
// sha512-256); raises UsageError listing them otherwise.
const DigestAlgorithm& digest_algorithm_named(const std::string& option);

// The upper-case hexadecimal digest of one input ("-" is standard input);
// raises std::exception when it cannot be read.
std::string digest_hex(const DigestAlgorithm& algo, const std::string& name);

// Checks every listing (standard input when none is named); returns the
// exit status.
int check_lists(const DigestAlgorithm& algo, const std::vector<std::string>& lists, bool quiet);

}  // namespace zyl_tool

// zyl crc32 [FILE...]: CRC-32 of each file or of standard input.
#include <string>

#include "checksumlist.h"
#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

// The CRC continued over one block: given the CRC c of what came before,
// XORing c (low byte first) into the first four bytes of the block makes
// CRC32ofBuffer, which always starts afresh, yield the CRC of the whole.
std::uint32_t continue_crc32(std::uint32_t c, std::uint8_t* p, std::size_t n) {
  if (n < 4) {
    std::int32_t r = static_cast<std::int32_t>(~c);
    for (std::size_t i = 0; i < n; ++i) r = zyl::CalcNextCRC32(p[i], r);
    return ~static_cast<std::uint32_t>(r);
  }
  for (int i = 0; i < 4; ++i) p[i] ^= static_cast<std::uint8_t>(c >> (8 * i));
  return static_cast<std::uint32_t>(zyl::CRC32ofBuffer({p, n}, static_cast<std::int32_t>(n)));
}

int run_crc32(Args& args) {
  return list_checksums(args.positional(), [](const std::string& name) {
    std::uint32_t crc = 0;
    for_each_block(name, [&crc](std::uint8_t* p, std::size_t n) {
      crc = continue_crc32(crc, p, n);
    });
    return hex_digits(crc, 8);
  });
}

const CommandRegistration reg{{"crc32", "[FILE...]", "CRC-32 of each FILE or standard input", run_crc32}};

}  // namespace
}  // namespace zyl_tool

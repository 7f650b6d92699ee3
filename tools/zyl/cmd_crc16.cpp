// zyl crc16 [--mode xmodem|ccitt] [FILE...]: CRC-16 of each file or of
// standard input.
#include <string>

#include "checksumlist.h"
#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

// The register continued over one block. CRC16ofBuffer starts from 0 in
// crcZModem mode, and the CRC is linear, so starting from register r is the
// same as starting from 0 with r XORed into the first two bytes.
std::uint16_t continue_crc16(std::uint16_t r, std::uint8_t* p, std::size_t n) {
  if (n < 2) {
    for (std::size_t i = 0; i < n; ++i) r = zyl::CalcNextCRC16(p[i], r);
    return r;
  }
  p[0] ^= static_cast<std::uint8_t>(r >> 8);
  p[1] ^= static_cast<std::uint8_t>(r);
  return zyl::CRC16ofBuffer({p, n}, static_cast<std::int32_t>(n), zyl::TCRC16Mode::crcZModem);
}

int run_crc16(Args& args) {
  std::string mode = "xmodem";
  args.option("--mode", mode);
  if (mode != "xmodem" && mode != "ccitt") throw UsageError("--mode must be xmodem or ccitt");
  const std::uint16_t start = mode == "ccitt" ? 0xFFFF : 0x0000;
  return list_checksums(args.positional(), [start](const std::string& name) {
    std::uint16_t crc = start;
    for_each_block(name, [&crc](std::uint8_t* p, std::size_t n) {
      crc = continue_crc16(crc, p, n);
    });
    return hex_digits(crc, 4);
  });
}

const CommandRegistration reg{{"crc16", "[--mode xmodem|ccitt] [FILE...]",
                               "CRC-16 (XMODEM or CCITT-FALSE) of each FILE or standard input", run_crc16}};

}  // namespace
}  // namespace zyl_tool

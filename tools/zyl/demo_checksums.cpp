// The checksums section of "zyl demo": check values, a digest and the two
// text encodings on built-in samples.
#include <cstdio>
#include <string>
#include <vector>

#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::string text_of(const zyl::TBytesStream& s) { return std::string(s.Bytes().begin(), s.Bytes().end()); }

zyl::TBytesStream stream_of(const std::string& s) { return zyl::TBytesStream(std::vector<std::uint8_t>(s.begin(), s.end())); }

void demo_checksums() {
  const std::vector<std::uint8_t> check = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  std::printf("check input \"123456789\":\n");
  std::printf("  CRC-16/XMODEM       %04X\n", zyl::CRC16ofBuffer(check, 9, zyl::TCRC16Mode::crcZModem));
  std::printf("  CRC-16/CCITT-FALSE  %04X\n", zyl::CRC16ofBuffer(check, 9, zyl::TCRC16Mode::crcCCITT));
  std::printf("  CRC-32              %08X\n", static_cast<std::uint32_t>(zyl::CRC32ofBuffer(check, 9)));
  auto abc = stream_of("abc");
  std::printf("SHA-1 of \"abc\": %s\n", zyl::to_utf8(zyl::SHA1DigestToHex(zyl::SHA1FromStream(abc))).c_str());

  const std::string sample = "Many hands make light work.";
  auto src = stream_of(sample);
  zyl::TBytesStream b64;
  zyl::EncodeBase64(src, b64, false);
  b64.SetPosition(0);
  zyl::TBytesStream back;
  const std::int32_t r = zyl::DecodeBase64(b64, back);
  std::printf("Base64 of \"%s\":\n  %s\n  decodes back %s (status %d)\n", sample.c_str(), text_of(b64).c_str(),
              text_of(back) == sample ? "identically" : "DIFFERENTLY", r);

  const std::string bytes("abcd\0\0\0\0xyz", 11);
  auto src85 = stream_of(bytes);
  zyl::TBytesStream a85;
  zyl::EncodeASCII85(src85, a85, true);
  a85.SetPosition(0);
  zyl::TBytesStream back85;
  const std::int32_t r85 = zyl::DecodeASCII85(a85, back85);
  std::printf("ASCII85 of \"abcd\", four zero bytes and \"xyz\":\n  %s\n  decodes back %s (status %d)\n",
              text_of(a85).c_str(), text_of(back85) == bytes ? "identically" : "DIFFERENTLY", r85);
}

const DemoRegistration demo{{55, "Data structures: checksums, SHA-1 and text encodings", demo_checksums}};

}  // namespace
}  // namespace zyl_tool

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/sha1.h"
#include "platform/exceptions.h"
#include "platform/memorystream.h"
#include "support/tempdir.h"
#include "ZYL_dstruct/trickle_stream.h"

namespace ZYL_dstruct {
namespace {

zyl::String hex_of_bytes(const std::string& s) {
  zyl::TBytesStream m(std::vector<std::uint8_t>(s.begin(), s.end()));
  return SHA1DigestToHex(SHA1FromStream(m));
}

TEST(Sha1, PublishedDigests) {
  struct Case {
    const char* label;
    std::string input;
    const char16_t* hex;
  };
  const Case cases[] = {
      {"empty", "", u"DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"},
      {"abc", "abc", u"A9993E364706816ABA3E25717850C26C9CD0D89D"},
      {"two blocks", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       u"84983E441C3BD26EBAAE4AA1F95129E5E54670F1"},
      {"a million a", std::string(1000000, 'a'), u"34AA973CD4C4DAA4F61EEB2BDBAD27316534016F"},
      // 55, 56 and 64 bytes: padding fits, does not fit, fills a block.
      {"55 bytes", std::string(55, 'x'), u"CEF734BA81A024479E09EB5A75B6DDAE62E6ABF1"},
      {"56 bytes", std::string(56, 'x'), u"901305367C259952F4E7AF8323F480D59F81335B"},
      {"64 bytes", std::string(64, 'x'), u"BB2FA3EE7AFB9F54C6DFB5D021F14B1FFE40C163"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(hex_of_bytes(c.input), c.hex);
  }
}

TEST(Sha1, StringIsHashedAsUtf16LittleEndian) {
  EXPECT_EQ(SHA1DigestToHex(SHA1FromString(u"")), u"DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
  EXPECT_EQ(SHA1DigestToHex(SHA1FromString(u"abc")), u"9F04F41A848514162050E3D68C1A7ABB441DC2B5");
  EXPECT_EQ(SHA1DigestToHex(SHA1FromString(u"Gr\u00F6\u00DFe\u20AC")), u"43A8F9A137C8D3F89EADC7418EE1F8FEAFC49454");
  // Long enough to pass the internal staging buffer more than once.
  const zyl::String long_text(1000, u'\u0102');
  std::string bytes;
  for (std::size_t i = 0; i < long_text.size(); ++i) bytes += "\x02\x01";
  EXPECT_EQ(SHA1DigestToHex(SHA1FromString(long_text)), hex_of_bytes(bytes));
}

TEST(Sha1, StreamIsReadFromItsPositionToTheEnd) {
  zyl::TBytesStream m({'x', 'y', 'a', 'b', 'c'});
  m.SetPosition(2);
  EXPECT_EQ(SHA1DigestToHex(SHA1FromStream(m)), u"A9993E364706816ABA3E25717850C26C9CD0D89D");
  EXPECT_EQ(m.Position(), 5);
  EXPECT_EQ(SHA1DigestToHex(SHA1FromStream(m)), u"DA39A3EE5E6B4B0D3255BFEF95601890AFD80709") << "at the end";
}

TEST(Sha1, StreamsWithoutAWindowAreReadUntilEmpty) {
  for (std::size_t n : {0u, 1u, 2u, 63u, 64u, 1000u, 100000u}) {
    SCOPED_TRACE("length " + std::to_string(n));
    std::string data(n, '\0');
    for (std::size_t i = 0; i < n; ++i) data[i] = static_cast<char>(i * 7 + 3);
    zyl::test::TrickleStream t(data);
    EXPECT_EQ(SHA1DigestToHex(SHA1FromStream(t)), hex_of_bytes(data));
  }
}

TEST(Sha1, HexIsUpperCaseHighNibbleFirst) {
  TSHACode d{};
  d[0] = 0x0F;
  d[1] = 0xA0;
  d[19] = 0xFF;
  EXPECT_EQ(SHA1DigestToHex(d), u"0FA000000000000000000000000000000000" u"00FF");
}

class Sha1File : public zyl::test::TempDirTest {};

TEST_F(Sha1File, FileDigestAndMissingFile) {
  const std::string big(300 * 1024 + 3, 'q');
  zyl::test::write_file_bytes(tmp.path() / "big.bin", big);
  EXPECT_EQ(SHA1DigestToHex(SHA1FromFile(tmp.file("big.bin"))), hex_of_bytes(big));
  zyl::test::write_file_bytes(tmp.path() / "empty.bin", "");
  EXPECT_EQ(SHA1DigestToHex(SHA1FromFile(tmp.file("empty.bin"))), u"DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
  EXPECT_THROW((void)SHA1FromFile(tmp.file("missing.bin")), zyl::EFOpenError);
}

}  // namespace
}  // namespace ZYL_dstruct

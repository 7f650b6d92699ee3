#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/ascii85.h"
#include "platform/filestream.h"
#include "platform/memorystream.h"
#include "support/tempdir.h"
#include "ZYL_dstruct/trickle_stream.h"

namespace ZYL_dstruct {
namespace {

std::string encode(const std::string& in, bool breaks) {
  zyl::TBytesStream src(std::vector<std::uint8_t>(in.begin(), in.end())), dst;
  EncodeASCII85(src, dst, breaks);
  return std::string(dst.Bytes().begin(), dst.Bytes().end());
}

std::string decode(const std::string& in, std::int32_t& result) {
  zyl::TBytesStream src(std::vector<std::uint8_t>(in.begin(), in.end())), dst;
  result = DecodeASCII85(src, dst);
  return std::string(dst.Bytes().begin(), dst.Bytes().end());
}

TEST(Ascii85, PublishedDigitsOfFullGroupsAndZeroGroups) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "~>"},
      {"abcd", "@:E_W~>"},
      {"Man is distinguished", "9jqo^BlbD-BleB1DJ+*+F(f,q~>"},
      {std::string("\xFF\xFF\xFF\xFF", 4), "s8W-!~>"},
      {std::string(4, '\0'), "z~>"},
      {std::string(8, '\0') + "abcd", "zz@:E_W~>"},
      // Partial final groups are the value of their own bytes, unpadded.
      {"A", "!b~>"},
      {"abc", "+B>H~>"},
      {std::string(3, '\0'), "!!!!~>"},
      {std::string(5, '\0'), "z!!~>"},
  };
  for (const auto& [plain, coded] : cases) {
    SCOPED_TRACE(coded);
    EXPECT_EQ(encode(plain, false), coded);
    std::int32_t r = 99;
    EXPECT_EQ(decode(coded, r), plain);
    EXPECT_EQ(r, 0);
  }
}

TEST(Ascii85, LineBreakAfterEveryTwelfthDigitGroup) {
  const std::string group = "abcd";  // "@:E_W"
  std::string twelve;
  for (int i = 0; i < 12; ++i) twelve += "@:E_W";
  std::string in;
  for (int i = 0; i < 12; ++i) in += group;
  EXPECT_EQ(encode(in, true), twelve + "\r\n~>");
  EXPECT_EQ(encode(in + "A", true), twelve + "\r\n!b~>") << "a partial group counts on the next line";
  EXPECT_EQ(encode(in, false), twelve + "~>");
  // "z" groups are not counted.
  std::string with_zeros = in.substr(0, 4) + std::string(4, '\0') + in.substr(4);
  EXPECT_EQ(encode(with_zeros, true), "@:E_Wz" + twelve.substr(5) + "\r\n~>");
  // A partial twelfth group is counted too.
  EXPECT_EQ(encode(in.substr(4) + "A", true), twelve.substr(5) + "!b\r\n~>");
}

TEST(Ascii85, RoundTripsRandomDataWithBreaksAndZeroRuns) {
  const std::uint32_t seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  std::vector<std::size_t> lengths;
  for (std::size_t n = 0; n <= 100; ++n) lengths.push_back(n);
  for (int i = 0; i < 10; ++i) lengths.push_back(rng() % 200000);
  for (std::size_t n : lengths) {
    SCOPED_TRACE("length " + std::to_string(n));
    std::string in(n, '\0');
    for (auto& c : in) c = (rng() % 4 == 0) ? '\0' : static_cast<char>(rng());
    for (bool breaks : {false, true}) {
      std::int32_t r = 99;
      ASSERT_EQ(decode(encode(in, breaks), r), in) << "breaks " << breaks;
      ASSERT_EQ(r, 0);
    }
  }
}

TEST(Ascii85, DecoderEdgeCases) {
  const struct {
    const char* label;
    std::string in;
    std::string out;
    std::int32_t result;
  } cases[] = {
      {"no end marker", "@:E_W", "abcd", 0},
      {"line ends inside a group", "@:\r\nE_\nW~>", "abcd", 0},
      {"text after the marker is not read", "!b~>@:E_W", "A", 0},
      {"marker inside a group ends it", "@:E~>_W", "\x73\x58", 0},
      {"lone final character writes nothing", "@:E_W!~>", "abcd", 0},
      {"values wrap in 32 bits", "uuuuu~>", std::string("\x08\x78\x0E\xC4", 4), 0},
      {"'z' inside a group", "@:zE_~>", std::string("\x61\x68\x32\x97", 4), -2},
      {"blank inside a group", "@: E_~>", std::string("\x61\x5E\x46\x8D", 4), -1},
      {"the last bad character decides", "@:zE_\r\n@: E_~>", std::string("\x61\x68\x32\x97\x61\x5E\x46\x8D", 8), -1},
      {"'z' at group start is four zeros", "z!b~>", std::string("\0\0\0\0A", 5), 0},
      {"empty", "", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    std::int32_t r = 99;
    EXPECT_EQ(decode(c.in, r), c.out);
    EXPECT_EQ(r, c.result);
  }
}

TEST(Ascii85, SourceIsLeftJustBehindTheEndMarker) {
  const struct {
    std::string in;
    std::int64_t position;
  } cases[] = {{"!b~>rest", 4}, {"!b~rest", 3}, {"!b~", 3}, {"!b", 2}, {"~>", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    zyl::TBytesStream src(std::vector<std::uint8_t>(c.in.begin(), c.in.end())), dst;
    EXPECT_EQ(DecodeASCII85(src, dst), 0);
    EXPECT_EQ(src.Position(), c.position);
  }
}

class Ascii85File : public zyl::test::TempDirTest {};

TEST_F(Ascii85File, MarkerSplitAcrossTheFileStreamBuffer) {
  // The file stream reads 64 KiB at a time: "~" ends the first buffer, ">"
  // starts the second.
  const std::string text = std::string(65535, 'z') + "~>tail";
  zyl::test::write_file_bytes(tmp.path() / "a85.txt", text);
  zyl::TFileStream src(tmp.file("a85.txt"), zyl::fmOpenRead);
  zyl::TBytesStream dst;
  EXPECT_EQ(DecodeASCII85(src, dst), 0);
  EXPECT_EQ(dst.Bytes().size(), 65535u * 4);
  EXPECT_EQ(src.Position(), 65537);
  char rest[4];
  src.ReadBuffer(rest, 4);
  EXPECT_EQ(std::string(rest, 4), "tail");
}

TEST(Ascii85, StreamsWithoutAWindowAreReadUntilEmpty) {
  std::string in(5000, '\0');
  for (std::size_t i = 0; i < in.size(); ++i) in[i] = static_cast<char>(i * 31 + 7);
  const std::string coded = encode(in, true);
  zyl::test::TrickleStream src(coded);
  zyl::TBytesStream dst;
  EXPECT_EQ(DecodeASCII85(src, dst), 0);
  EXPECT_EQ(std::string(dst.Bytes().begin(), dst.Bytes().end()), in);
}

}  // namespace
}  // namespace ZYL_dstruct

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/base64.h"
#include "platform/filestream.h"
#include "platform/memorystream.h"
#include "support/tempdir.h"
#include "ZYL_dstruct/trickle_stream.h"

namespace ZYL_dstruct {
namespace {

std::string encode(const std::string& in, bool breaks) {
  zyl::TBytesStream src(std::vector<std::uint8_t>(in.begin(), in.end())), dst;
  EncodeBase64(src, dst, breaks);
  return std::string(dst.Bytes().begin(), dst.Bytes().end());
}

std::string decode(const std::string& in, std::int32_t& result) {
  zyl::TBytesStream src(std::vector<std::uint8_t>(in.begin(), in.end())), dst;
  result = DecodeBase64(src, dst);
  return std::string(dst.Bytes().begin(), dst.Bytes().end());
}

// A bit-accumulator encoder without line structure, independent of the
// library's table-driven one.
std::string reference_encode(const std::string& in) {
  static const char* const a = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  std::uint32_t acc = 0;
  int bits = 0;
  for (unsigned char c : in) {
    acc = acc << 8 | c;
    for (bits += 8; bits >= 6; bits -= 6) out += a[(acc >> (bits - 6)) & 63];
  }
  if (bits > 0) out += a[(acc << (6 - bits)) & 63];
  while (out.size() % 4) out += '=';
  return out;
}

std::string random_bytes(std::mt19937& rng, std::size_t n) {
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(rng() & 0xFF);
  return s;
}

TEST(Base64, Rfc4648Vectors) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},           {"f", "Zg=="},         {"fo", "Zm8="},         {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
  };
  for (const auto& [plain, coded] : cases) {
    SCOPED_TRACE(plain);
    EXPECT_EQ(encode(plain, false), coded);
    std::int32_t r = 99;
    EXPECT_EQ(decode(coded, r), plain);
    EXPECT_EQ(r, 0);
  }
  EXPECT_EQ(encode("foo", true), "Zm9v\r\n");
  EXPECT_EQ(encode(std::string("\xFB\xFF\xBF", 3), false), "+/+/") << "the last two digits";
}

TEST(Base64, LinesHold45BytesEach) {
  const std::string b45(45, 'a');
  const std::string line = reference_encode(b45);
  ASSERT_EQ(line.size(), 60u);
  EXPECT_EQ(encode(b45, true), line + "\r\n") << "45 bytes: one full line";
  EXPECT_EQ(encode(b45 + "a", true), line + "\r\nYQ==\r\n") << "46 bytes: a second short line";
  EXPECT_EQ(encode(b45 + b45, false), line + line) << "no breaks";
  EXPECT_EQ(encode("", true), "") << "empty input, no line";
}

TEST(Base64, EncoderMatchesReferenceAndRoundTrips) {
  const std::uint32_t seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  std::vector<std::size_t> lengths;
  for (std::size_t n = 0; n <= 200; ++n) lengths.push_back(n);
  for (int i = 0; i < 20; ++i) lengths.push_back(rng() % 300000);
  lengths.push_back(65520 * 2 + 1);  // more than one read block
  for (std::size_t n : lengths) {
    SCOPED_TRACE("length " + std::to_string(n));
    const std::string in = random_bytes(rng, n);
    const std::string plain = encode(in, false);
    ASSERT_EQ(plain, reference_encode(in));
    const std::string broken = encode(in, true);
    std::string lines;
    for (std::size_t i = 0; i < plain.size(); i += 60) lines += plain.substr(i, 60) + "\r\n";
    ASSERT_EQ(broken, lines) << "lines are the unbroken text cut every 60 characters";
    std::int32_t r = 99;
    ASSERT_EQ(decode(broken, r), in);
    ASSERT_EQ(r, 0);
  }
}

TEST(Base64, DecoderSkipsLineEndsAnywhere) {
  const std::uint32_t seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  const std::string in = random_bytes(rng, 200000);
  const std::string coded = encode(in, false);
  std::string scattered;
  for (char c : coded) {
    scattered += c;
    if (rng() % 7 == 0) scattered += (rng() & 1) ? "\r" : "\n";
  }
  std::int32_t r = 99;
  EXPECT_EQ(decode(scattered, r), in);
  EXPECT_EQ(r, 0);
}

TEST(Base64, ConcatenatedEncodingsDecodeInSequence) {
  std::int32_t r = 99;
  EXPECT_EQ(decode("Zg==Zm8=Zm9v", r), "ffofoo");
  EXPECT_EQ(r, 0);
}

TEST(Base64, InvalidInputIsRejectedAfterTheValidGroups) {
  const struct {
    const char* label;
    std::string in;
    std::string out;
  } cases[] = {
      {"colon inside '+'..'z'", "Zm9vZ:9v", "foo"},
      {"at sign", "Zm9v@m9v", "foo"},
      {"blank", "Zm9v Zm9v", "foo"},
      {"byte above 127", "Zm9v\xC3\xA4m9", "foo"},
      {"'=' first", "=m9v", ""},
      {"'=' second", "Z=9v", ""},
      {"'=' third without fourth", "Zm=v", ""},
      {"one character left over", "Zm9vZ", "foo"},
      {"three characters left over", "Zm9vZm9", "foo"},
      {"line end does not complete a group", "Zm9\r\n", ""},
      {"bad group after a long valid run", std::string(400, 'A') + "AA-A", std::string(300, '\0')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    std::int32_t r = 0;
    EXPECT_EQ(decode(c.in, r), c.out);
    EXPECT_EQ(r, -1);
  }
}

TEST(Base64, StreamsWithoutAWindowAreReadUntilEmpty) {
  std::string in(5000, '\0');
  for (std::size_t i = 0; i < in.size(); ++i) in[i] = static_cast<char>(i * 31 + 7);
  zyl::test::TrickleStream src(encode(in, true));
  zyl::TBytesStream dst;
  EXPECT_EQ(DecodeBase64(src, dst), 0);
  EXPECT_EQ(std::string(dst.Bytes().begin(), dst.Bytes().end()), in);
}

// A file stream hands out 64 KiB windows, not whole lines: lines split
// between windows come out as from one piece. A stream without a window that
// returns fewer bytes than asked for ends the input there.
TEST(Base64, EncoderGathersLinesAcrossWindowsAndStopsAtAShortRead) {
  std::string in(200000, '\0');
  for (std::size_t i = 0; i < in.size(); ++i) in[i] = static_cast<char>(i * 31 + 7);
  zyl::test::TempDir tmp;
  zyl::test::write_file_bytes(tmp.path() / "in.bin", in);
  for (const bool breaks : {true, false}) {
    zyl::TFileStream src(tmp.file("in.bin"), zyl::fmOpenRead);
    zyl::TBytesStream dst;
    EncodeBase64(src, dst, breaks);
    EXPECT_EQ(std::string(dst.Bytes().begin(), dst.Bytes().end()), encode(in, breaks));
  }
  zyl::test::TrickleStream trickle(in);
  zyl::TBytesStream dst;
  EncodeBase64(trickle, dst, false);
  const std::string text(dst.Bytes().begin(), dst.Bytes().end());
  std::int32_t r = 0;
  const std::string got = decode(text, r);
  EXPECT_EQ(r, 0);
  EXPECT_FALSE(got.empty());
  EXPECT_LT(got.size(), 64u);
  EXPECT_EQ(got, in.substr(0, got.size()));
}

TEST(Base64, StreamsAreReadAndWrittenAtTheirPositions) {
  zyl::TBytesStream src({'x', 'x', 'Z', 'g', '=', '='}), dst({'k', 'e', 'e', 'p'});
  src.SetPosition(2);
  dst.SetPosition(4);
  EXPECT_EQ(DecodeBase64(src, dst), 0);
  EXPECT_EQ(std::string(dst.Bytes().begin(), dst.Bytes().end()), "keepf");
}

}  // namespace
}  // namespace ZYL_dstruct

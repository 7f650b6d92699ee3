#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/crc16.h"
#include "ZYL_dstruct/crc32.h"
#include "support/tempdir.h"

namespace ZYL_dstruct {
namespace {

const std::vector<std::uint8_t> kCheck = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};

std::vector<std::uint8_t> pattern(std::size_t n) {
  std::vector<std::uint8_t> v(n);
  std::uint32_t x = 12345;
  for (auto& b : v) b = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
  return v;
}

TEST(Crc, PublishedCheckValuesAndEmptyInput) {
  EXPECT_EQ(CRC16ofBuffer(kCheck, 9, TCRC16Mode::crcZModem), 0x31C3);
  EXPECT_EQ(CRC16ofBuffer(kCheck, 9, TCRC16Mode::crcCCITT), 0x29B1);
  EXPECT_EQ(static_cast<std::uint32_t>(CRC32ofBuffer(kCheck, 9)), 0xCBF43926u);
  EXPECT_EQ(CRC16ofBuffer(kCheck, 0, TCRC16Mode::crcZModem), 0x0000);
  EXPECT_EQ(CRC16ofBuffer(kCheck, 0, TCRC16Mode::crcCCITT), 0xFFFF);
  EXPECT_EQ(CRC32ofBuffer(kCheck, 0), 0);
  // A longer published value: "The quick brown fox jumps over the lazy dog".
  const std::string fox = "The quick brown fox jumps over the lazy dog";
  const std::vector<std::uint8_t> v(fox.begin(), fox.end());
  EXPECT_EQ(static_cast<std::uint32_t>(CRC32ofBuffer(v, static_cast<std::int32_t>(v.size()))), 0x414FA339u);
}

TEST(Crc, LengthIsClampedToTheArray) {
  // Beyond the array or negative: only what the array holds is read.
  EXPECT_EQ(CRC16ofBuffer(kCheck, 1000, TCRC16Mode::crcZModem), 0x31C3);
  EXPECT_EQ(static_cast<std::uint32_t>(CRC32ofBuffer(kCheck, 1 << 30)), 0xCBF43926u);
  EXPECT_EQ(CRC32ofBuffer(kCheck, -5), 0);
  EXPECT_EQ(CRC16ofBuffer(kCheck, -1, TCRC16Mode::crcCCITT), 0xFFFF);
  // A prefix: the first 3 bytes only.
  const std::vector<std::uint8_t> abc = {'1', '2', '3'};
  EXPECT_EQ(CRC32ofBuffer(kCheck, 3), CRC32ofBuffer(abc, 3));
}

TEST(Crc, ByteStepsChainToTheBufferResult) {
  for (std::size_t n : {0u, 1u, 15u, 16u, 17u, 100u, 1000u, 4099u}) {
    SCOPED_TRACE("length " + std::to_string(n));
    const auto data = pattern(n);
    std::uint16_t x = 0, c = 0xFFFF;
    std::int32_t r = -1;
    for (std::uint8_t b : data) {
      x = CalcNextCRC16(b, x);
      c = CalcNextCRC16(b, c);
      r = CalcNextCRC32(b, r);
    }
    const auto len = static_cast<std::int32_t>(n);
    EXPECT_EQ(x, CRC16ofBuffer(data, len, TCRC16Mode::crcZModem));
    EXPECT_EQ(c, CRC16ofBuffer(data, len, TCRC16Mode::crcCCITT));
    EXPECT_EQ(~r, CRC32ofBuffer(data, len));
  }
}

TEST(Crc, ByteStepMatchesTheDefiningFormula) {
  // Bit-at-a-time definitions, independent of the tables.
  auto crc16_bits = [](std::uint8_t b, std::uint16_t crc) {
    crc ^= static_cast<std::uint16_t>(b << 8);
    for (int i = 0; i < 8; ++i) crc = static_cast<std::uint16_t>(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
    return crc;
  };
  auto crc32_bits = [](std::uint8_t b, std::uint32_t crc) {
    crc ^= b;
    for (int i = 0; i < 8; ++i) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    return crc;
  };
  for (std::uint32_t reg : {0u, 0xFFFFFFFFu, 0x12345678u, 0x8000ABCDu}) {
    for (int b = 0; b < 256; ++b) {
      const auto byte = static_cast<std::uint8_t>(b);
      ASSERT_EQ(CalcNextCRC16(byte, static_cast<std::uint16_t>(reg)), crc16_bits(byte, static_cast<std::uint16_t>(reg)))
          << "byte " << b << " register " << reg;
      ASSERT_EQ(static_cast<std::uint32_t>(CalcNextCRC32(byte, static_cast<std::int32_t>(reg))), crc32_bits(byte, reg))
          << "byte " << b << " register " << reg;
    }
  }
}

class CrcFile : public zyl::test::TempDirTest {};

TEST_F(CrcFile, WholeFileEqualsBufferAndFailuresGiveZero) {
  // Larger than one read block, and not a multiple of it.
  const auto data = pattern(600 * 1024 + 7);
  zyl::test::write_file_bytes(tmp.path() / "data.bin", std::string(data.begin(), data.end()));
  EXPECT_EQ(CalcCRC32ofFile(tmp.file("data.bin")), CRC32ofBuffer(data, static_cast<std::int32_t>(data.size())));

  zyl::test::write_file_bytes(tmp.path() / "empty.bin", "");
  EXPECT_EQ(CalcCRC32ofFile(tmp.file("empty.bin")), 0) << "empty file";
  EXPECT_EQ(CalcCRC32ofFile(tmp.file("missing.bin")), 0) << "missing file";
  std::filesystem::create_directory(tmp.path() / "dir");
  EXPECT_EQ(CalcCRC32ofFile(tmp.file("dir")), 0) << "a directory cannot be read";
}

}  // namespace
}  // namespace ZYL_dstruct

#include "ZYL_streams/mixedfstream.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "support/tempdir.h"

namespace ZYL_streams {
namespace {

using zyl::test::read_file_bytes;
using zyl::test::write_file_bytes;

class MixedFStreamTest : public zyl::test::TempDirTest {
 protected:
  std::unique_ptr<TMixedFStream> open_with(const std::string& bytes) {
    write_file_bytes(tmp.path() / "m.dat", bytes);
    return std::make_unique<TMixedFStream>(tmp.file("m.dat"), zyl::fmOpenRead);
  }
};

TEST_F(MixedFStreamTest, WritesMixedContentAndReadsItBack) {
  {
    TMixedFStream f(tmp.file("m.dat"), zyl::fmCreate);
    f.WriteLn(u"Header \u0141");
    f.WriteInteger(-7);
    f.WriteDouble(0.5);
    f.WriteByte(200);
    f.Write(u"  -0042x 1,5e3;");
    f.Close();
  }
  const std::string bytes = read_file_bytes(tmp.path() / "m.dat");
  EXPECT_EQ(bytes.substr(0, 10), "Header A\r\n");
  EXPECT_EQ(bytes.size(), 10u + 4 + 8 + 1 + 15);

  TMixedFStream f(tmp.file("m.dat"), zyl::fmOpenRead);
  bool err = true;
  EXPECT_EQ(f.ReadLn(4), u"Header A");
  EXPECT_EQ(f.ReadInteger(err), -7);
  EXPECT_EQ(f.ReadDouble(err), 0.5);
  EXPECT_EQ(f.ReadByte(err), 200);
  EXPECT_FALSE(err);
  EXPECT_EQ(f.ReadDecimal(), -42);
  EXPECT_FALSE(f.Eos());
  EXPECT_EQ(f.ReadFPNum(true, 3), 1500.0);
  EXPECT_TRUE(f.Eos());
  EXPECT_EQ(f.ReadByte(err), 0);
  EXPECT_TRUE(err);
}

TEST_F(MixedFStreamTest, ReadLnDropsControlBytesAndUnrecognisedLineEnds) {
  struct Case {
    const char* label;
    std::string input;
    std::int32_t mode;
    std::vector<String> lines;  // successive calls
  } const cases[] = {
      {"mode 4 on a b CR LF c d", "ab\r\ncd", 4, {u"ab", u"cd", u""}},
      {"mode 0 drops CR and control bytes, keeps tab", "a\tb\x01" "c\r\n", 0, {u"a\tbc", u""}},
      {"mode 1 drops the LF at the next line's start", "ab\r\ncd\r", 1, {u"ab", u"cd", u""}},
      {"mode 2 gives an empty line for LF after CR", "ab\r\ncd", 2, {u"ab", u"", u"cd"}},
      {"mode 3 needs LF then CR", "a\r\nb\n\rc", 3, {u"ab", u"c"}},
      {"other modes run to the end", "a\r\nb", 9, {u"ab", u""}},
      {"Latin-1 bytes kept", "\xE9\x7F\x80\n", 0, {u"\u00E9\u007F\u0080"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    auto f = open_with(c.input);
    for (const String& want : c.lines) EXPECT_EQ(f->ReadLn(c.mode), want);
  }
}

TEST_F(MixedFStreamTest, ShortBinaryReadsNeverRaise) {
  auto f = open_with("\x05\x06");
  bool err = false;
  EXPECT_EQ(f->ReadInteger(err), 0x0605);
  EXPECT_TRUE(err);
  EXPECT_EQ(f->ReadExtended(err), 0.0L);
  EXPECT_TRUE(err);
}

TEST_F(MixedFStreamTest, OpenFailuresPassThrough) {
  EXPECT_THROW(TMixedFStream(tmp.file("missing.dat"), zyl::fmOpenRead), zyl::EFOpenError);
  EXPECT_THROW(TMixedFStream(tmp.file("no/dir.dat"), zyl::fmCreate), zyl::EFCreateError);
}

}  // namespace
}  // namespace ZYL_streams

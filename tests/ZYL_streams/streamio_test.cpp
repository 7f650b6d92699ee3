#include "ZYL_streams/streamio.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_streams/stream_kinds.h"
#include "platform/exceptions.h"

namespace ZYL_streams {
namespace {

using zyl::test::PlainStream;
using zyl::test::stream_kinds;

std::string narrow(const String& s) { return zyl::to_latin1(s); }

// Records the size of every Write call.
class WriteLog : public PlainStream {
 public:
  WriteLog() : PlainStream("") {}
  std::int32_t Write(const void* Buffer, std::int32_t Count) override {
    writes.push_back(Count);
    return PlainStream::Write(Buffer, Count);
  }
  std::vector<std::int32_t> writes;
};

TEST(StreamIO, TextIsWrittenAsLowBytesThrough4096ByteBlocks) {
  WriteLog s;
  WriteStringStream(s, u"A\u0141\u00E9");
  EXPECT_EQ(s.data(), "AA\xE9");
  EXPECT_EQ(s.writes, (std::vector<std::int32_t>{3}));

  WriteLog empty;
  WriteStringStream(empty, u"");
  EXPECT_EQ(empty.data(), "");
  EXPECT_TRUE(empty.writes.empty()) << "an empty remainder moves no byte";

  WriteLog exact;
  WriteStringStream(exact, String(4096, u'x'));
  EXPECT_EQ(exact.writes, (std::vector<std::int32_t>{4096}));
  WriteLog more;
  WriteLnStream(more, String(9000, u'y'));
  EXPECT_EQ(more.writes, (std::vector<std::int32_t>{4096, 4096, 808, 2}));
  EXPECT_EQ(more.data().substr(8998), "yy\r\n");
}

TEST(StreamIO, BinaryLayoutsAreLittleEndianAndExact) {
  zyl::TMemoryStream m;
  WriteLongintToStream(m, -2);
  WriteSingleToStream(m, 1.0f);
  WriteDoubleToStream(m, -2.0);
  WriteExtendedToStream(m, 1.0L);
  WriteExtendedToStream(m, -3.5L);
  const std::string bytes(reinterpret_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
  EXPECT_EQ(bytes, std::string("\xFE\xFF\xFF\xFF"
                               "\x00\x00\x80\x3F"
                               "\x00\x00\x00\x00\x00\x00\x00\xC0"
                               "\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F"
                               "\x00\x00\x00\x00\x00\x00\x00\xE0\x00\xC0",
                               36));
  m.SetPosition(0);
  bool err = true;
  EXPECT_EQ(ReadLongintFromStream(m, err), -2);
  EXPECT_FALSE(err);
  EXPECT_EQ(ReadSingleFromStream(m, err), 1.0f);
  EXPECT_EQ(ReadDoubleFromStream(m, err), -2.0);
  EXPECT_EQ(ReadExtendedFromStream(m, err), 1.0L);
  EXPECT_EQ(ReadExtendedFromStream(m, err), -3.5L);
  EXPECT_FALSE(err);
  EXPECT_EQ(m.Position(), 36);
}

TEST(StreamIO, ShortBinaryReadsReportErrorAndOverlayWhatCame) {
  for (const auto& kind : stream_kinds()) {
    SCOPED_TRACE(kind.name);
    zyl::test::TempDir dir;
    auto s = kind.make(std::string("\x01\x02", 2), dir);
    bool err = false;
    EXPECT_EQ(ReadLongintFromStream(*s, err), 0x0201);
    EXPECT_TRUE(err);
    EXPECT_EQ(ReadDoubleFromStream(*s, err), 0.0);
    EXPECT_TRUE(err) << "at the end";
    EXPECT_EQ(ReadExtendedFromStream(*s, err), 0.0L);
    EXPECT_TRUE(err);
    EXPECT_EQ(ReadSingleFromStream(*s, err), 0.0f);
    EXPECT_TRUE(err);
  }
}

struct LineCase {
  const char* label;
  std::string input;
  std::int32_t mode;
  std::vector<std::string> lines;  // each call's result until Eos
  std::vector<bool> eos;
};

TEST(StreamIO, ReadLnStreamInEveryMode) {
  const LineCase cases[] = {
      {"mode 0, CR LF", "ab\r\ncd", 0, {"ab", "cd"}, {false, true}},
      {"mode 0, CR then end keeps CR", "ab\r", 0, {"ab\r"}, {true}},
      {"mode 2 leaves LF for an empty line", "ab\r\ncd", 2, {"ab", "", "cd"}, {false, false, true}},
      {"mode 1 ends at CR, LF starts next line", "ab\r\ncd\r", 1, {"ab", "\ncd", ""}, {false, false, true}},
      {"mode 3: CR after LF", "ab\n\rcd\r", 3, {"ab", "cd\r"}, {false, true}},
      {"mode 3: CR without LF is kept", "a\rb\n\rc", 3, {"a\rb", "c"}, {false, true}},
      {"mode 4: LF after CR", "ab\r\ncd", 4, {"ab", "cd"}, {false, true}},
      {"mode 4: lone LF kept", "a\nb\r\nc", 4, {"a\nb", "c"}, {false, true}},
      {"mode 4: first byte LF has previous 0", "\nx\r\n", 4, {"\nx", ""}, {false, true}},
      {"two trailing line ends removed at most", "a\n\r\n", 4, {"a\n", ""}, {false, true}},
      {"control bytes kept", "a\x01\tb\n", 0, {"a\x01\tb", ""}, {false, true}},
      {"unknown mode reads to the end", "a\r\nb\n", 7, {"a\r\nb\n"}, {true}},
      {"negative mode reads to the end", "a\nb", -1, {"a\nb"}, {true}},
      {"empty stream", "", 0, {""}, {true}},
      {"Latin-1 bytes", "\xE9\xFF\n", 0, {"\xE9\xFF", ""}, {false, true}},
  };
  for (const auto& kind : stream_kinds()) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(kind.name) + ": " + c.label);
      zyl::test::TempDir dir;
      auto s = kind.make(c.input, dir);
      std::vector<std::string> got;
      std::vector<bool> eos;
      bool e = false;
      for (int guard = 0; !e && guard < 10; ++guard) {
        got.push_back(narrow(ReadLnStream(*s, e, c.mode)));
        eos.push_back(e);
      }
      EXPECT_EQ(got, c.lines);
      EXPECT_EQ(eos, c.eos);
    }
  }
}

TEST(StreamIO, LineEndPairsSplitAcrossFileBuffers) {
  // The file stream reads 64 KiB at a time: put the pair's halves on both
  // sides of the boundary, so the previous byte comes from the last buffer.
  const std::string head(65535, 'a');
  for (const auto& [mode, input] : std::vector<std::pair<int, std::string>>{{4, head + "\r\nb"}, {3, head + "\n\rb"}}) {
    SCOPED_TRACE(mode);
    zyl::test::TempDir dir;
    auto s = zyl::test::make_file(input, dir);
    bool eos = false;
    EXPECT_EQ(ReadLnStream(*s, eos, mode).size(), 65535u);
    EXPECT_FALSE(eos);
    EXPECT_EQ(s->Position(), 65537);
    EXPECT_EQ(narrow(ReadLnStream(*s, eos, mode)), "b");
    EXPECT_TRUE(eos);
  }
}

TEST(StreamIO, LinesAndBinaryInterleaveOnOneStream) {
  for (const auto& kind : stream_kinds()) {
    SCOPED_TRACE(kind.name);
    zyl::TMemoryStream m;
    WriteLnStream(m, u"first");
    WriteDoubleToStream(m, 0.25);
    WriteLnStream(m, u"second");
    const std::string bytes(reinterpret_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
    zyl::test::TempDir dir;
    auto s = kind.make(bytes, dir);
    bool eos = false, err = true;
    EXPECT_EQ(narrow(ReadLnStream(*s, eos, 4)), "first");
    EXPECT_EQ(ReadDoubleFromStream(*s, err), 0.25);
    EXPECT_FALSE(err);
    EXPECT_EQ(narrow(ReadLnStream(*s, eos, 4)), "second");
    EXPECT_FALSE(eos);
    EXPECT_EQ(s->Position(), s->Size());
  }
}

TEST(StreamIO, WritesToAReadOnlyFileRaise) {
  zyl::test::TempDir dir;
  zyl::test::write_file_bytes(dir.path() / "ro.bin", "x");
  zyl::TFileStream f(dir.file("ro.bin"), zyl::fmOpenRead);
  EXPECT_THROW(
      {
        WriteLnStream(f, u"abc");
        f.Close();
      },
      zyl::EWriteError);
}

}  // namespace
}  // namespace ZYL_streams

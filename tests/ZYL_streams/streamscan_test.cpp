#include "ZYL_streams/streamscan.h"

#include <gtest/gtest.h>

#include "ZYL_streams/stream_kinds.h"

namespace ZYL_streams {
namespace {

using zyl::test::stream_kinds;
using zyl::test::TempDir;

std::string narrow(const String& s) { return zyl::to_latin1(s); }

TEST(StreamScan, FindInStream) {
  for (const auto& kind : stream_kinds()) {
    SCOPED_TRACE(kind.name);
    TempDir dir;
    auto empty = kind.make("", dir);
    EXPECT_FALSE(FindInStream(*empty, 'a'));
    auto s = kind.make(std::string("xx\0yy\0", 6), dir);
    EXPECT_TRUE(FindInStream(*s, 0));
    EXPECT_EQ(s->Position(), 3);
    EXPECT_TRUE(FindInStream(*s, 0));
    EXPECT_EQ(s->Position(), 6);
    EXPECT_FALSE(FindInStream(*s, 'x'));
    EXPECT_EQ(s->Position(), 6);
  }
  TempDir dir;
  auto big = zyl::test::make_file(std::string(200000, 'a') + "b", dir);
  EXPECT_TRUE(FindInStream(*big, 'b'));
  EXPECT_EQ(big->Position(), 200001);
}

TEST(StreamScan, WholeStreamAsText) {
  for (const auto& kind : stream_kinds()) {
    SCOPED_TRACE(kind.name);
    TempDir dir;
    auto three = kind.make(std::string("A\0B", 3), dir);
    EXPECT_EQ(StreamAsString(*three), u"A");
    auto s = kind.make(std::string("\x41\x00\x42\x01\xAC\x20", 6), dir);
    s->SetPosition(2);
    EXPECT_EQ(StreamAsString(*s), u"\u0142\u20AC") << "from the position on";
    // Exactly one full block: the next (empty) block ends reading.
    std::string block(256, 'q');
    auto full = kind.make(block + block + "z", dir);
    EXPECT_EQ(StreamAsByteString(*full).size(), 513u);
    auto latin = kind.make("\xE9\xFF", dir);
    EXPECT_EQ(StreamAsByteString(*latin), u"\u00E9\u00FF");
  }
}

TEST(StreamScan, ReadStreamUntil) {
  struct Case {
    const char* label;
    std::string input;
    const char16_t* target;
    std::int32_t status;
    std::string result;
    std::int64_t position;
  };
  const std::string filler(300, '.');
  const Case cases[] = {
      {"found in the first block: stream right behind it", "Hello <B>x rest", u"<b>", 0, "Hello <B>", 9},
      {"case of letters ignored both ways", "abcDEF", u"Def", 0, "abcDEF", 6},
      {"found across the block boundary", std::string(254, '-') + "XYZ tail", u"xyz", 0,
       std::string(254, '-') + "XYZ", 257},
      {"found in a later block", filler + "END", u"end", 0, filler + "END", 303},
      {"first of several occurrences", "a;b;c", u";", 0, "a;", 2},
      {"not found: everything, stream at the end", "no match here", u"zz", -1, "no match here", 13},
      {"empty stream", "", u"x", -1, "", 0},
      {"empty target found at once", "abc", u"", 0, "", 0},
  };
  for (const auto& kind : stream_kinds()) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(kind.name) + ": " + c.label);
      TempDir dir;
      auto s = kind.make(c.input, dir);
      std::int32_t status = 7;
      EXPECT_EQ(narrow(ReadStreamUntil(*s, c.target, status)), c.result);
      EXPECT_EQ(status, c.status);
      EXPECT_EQ(s->Position(), c.position);
    }
  }
}

TEST(StreamScan, NumbersFollowEachOtherOnOneStream) {
  for (const auto& kind : stream_kinds()) {
    SCOPED_TRACE(kind.name);
    TempDir dir;
    auto s = kind.make("  -42x 3,5;\t5 1e999 12.", dir);
    EXPECT_EQ(ScanStreamDecimal(*s), -42);
    EXPECT_EQ(s->Position(), 6) << "the x is consumed";
    EXPECT_EQ(ScanStreamFPNum(*s, true, 3), 3.5);
    EXPECT_EQ(s->Position(), 11);
    EXPECT_EQ(ScanStreamDecimal(*s), 0) << "a tab is not skipped";
    EXPECT_EQ(ScanStreamDecimal(*s), 5);
    EXPECT_EQ(ScanStreamFPNum(*s, true, 1), 1.7e308);
    EXPECT_EQ(ScanStreamFPNum(*s, true, 1), 12.0);
    EXPECT_EQ(s->Position(), s->Size());
    EXPECT_EQ(ScanStreamFPNum(*s, true, 1), 0.0);
    EXPECT_EQ(ScanStreamDecimal(*s), 0);
  }
}

TEST(StreamScan, CountLines) {
  struct Case {
    const char* label;
    std::string input;
    std::int64_t lines;
  } const cases[] = {
      {"three CR LF lines", "a\r\nb\r\nc\r\n", 3},
      {"last line without line end", "a\r\nb\r\nc", 2},
      {"CR alone does not count", "a\rb\rc\r", 0},
      {"empty", "", 0},
      {"only LFs", "\n\n\n\n", 4},
  };
  for (const auto& kind : stream_kinds()) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(kind.name) + ": " + c.label);
      TempDir dir;
      auto s = kind.make(c.input, dir);
      EXPECT_EQ(CountLinesInStream(*s), c.lines);
      EXPECT_EQ(s->Position(), s->Size());
    }
  }
  TempDir dir;
  std::string many;
  for (int i = 0; i < 30000; ++i) many += std::string(static_cast<std::size_t>(i % 37), 'w') + "\n";
  auto s = zyl::test::make_file(many, dir);
  s->SetPosition(1);
  EXPECT_EQ(CountLinesInStream(*s), 29999) << "counting starts at the position";
}

}  // namespace
}  // namespace ZYL_streams

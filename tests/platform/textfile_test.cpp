#include "platform/textfile.h"

#include <filesystem>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "support/tempdir.h"

namespace zyl {
namespace {

using test::read_file_bytes;
using test::write_file_bytes;

class TextFileTest : public test::TempDirTest {
 protected:
  // Writes bytes to a file and opens it for reading.
  void open_with(const std::string& bytes) {
    write_file_bytes(tmp.path() / "in.txt", bytes);
    f.Assign(tmp.file("in.txt"));
    f.Reset();
  }
  int error_code_of(void (*op)(TextFile&)) {
    try {
      op(f);
    } catch (const EInOutError& e) {
      EXPECT_NE(to_utf8(e.Message()).find(to_utf8(f.FileName())), std::string::npos) << e.what();
      return e.ErrorCode();
    }
    return 0;
  }
  TextFile f;
};

TEST_F(TextFileTest, WritesUtf8WithCrLfAndReadsItBack) {
  f.Assign(tmp.file("out.txt"));
  f.Rewrite();
  f.WriteLn(u"Größe");
  f.Write(u"a\U0001F600");
  f.WriteLn();
  f.Write(u"no end");
  f.CloseFile();
  EXPECT_EQ(read_file_bytes(tmp.path() / "out.txt"), "Gr\xC3\xB6\xC3\x9F" "e\r\na\xF0\x9F\x98\x80\r\nno end");
  f.Reset();
  EXPECT_EQ(f.ReadLn(), u"Größe");
  EXPECT_EQ(f.ReadLn(), u"a\U0001F600");
  EXPECT_FALSE(f.Eof());
  EXPECT_EQ(f.ReadLn(), u"no end");
  EXPECT_TRUE(f.Eof());
  EXPECT_EQ(f.ReadLn(), u"") << "reading at the end gives an empty line";
}

TEST_F(TextFileTest, LineEndsAndEncodingsOnInput) {
  struct Case {
    const char* label;
    std::string bytes;
    std::vector<String> lines;
  };
  const Case cases[] = {
      {"LF and CR LF both end lines", "a\nb\r\nc", {u"a", u"b", u"c"}},
      {"lone CR is an ordinary character", "a\rb\n", {u"a\rb"}},
      {"CR CR LF keeps one CR", "a\r\r\n", {u"a\r"}},
      {"empty lines", "\n\r\n\n", {u"", u"", u""}},
      {"invalid UTF-8 read as Latin-1", "caf\xE9\n\xC3", {u"caf\u00E9", u"\u00C3"}},
      {"valid UTF-8 beside invalid", "\xC3\xA9\xFF\n", {u"\u00E9\u00FF"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    open_with(c.bytes);
    std::vector<String> got;
    while (!f.Eof()) got.push_back(f.ReadLn());
    EXPECT_EQ(got, c.lines);
    f.CloseFile();
  }
}

TEST_F(TextFileTest, LongLinesSpanningBufferRefills) {
  std::string bytes;
  std::vector<String> expect;
  for (int len : {0, 1, 65535, 65536, 65537, 200000, 3}) {
    std::string line(static_cast<std::size_t>(len), 'x');
    if (len > 10) line[static_cast<std::size_t>(len / 2)] = '\xE9';  // forces the non-ASCII path
    bytes += line + (len % 2 ? "\r\n" : "\n");
    expect.push_back(from_utf8(line));
  }
  // A CR LF split exactly across the buffer boundary.
  std::string split(65535, 'y');
  bytes += split + "\r\n";
  expect.push_back(from_utf8(split));
  // ASCII lines around the boundary too: the one-pass path must leave a
  // line that ends past the buffer to the general one.
  for (int len : {65400, 200, 15, 16, 17}) {
    bytes += std::string(static_cast<std::size_t>(len), 'z') + "\r\n";
    expect.push_back(String(static_cast<std::size_t>(len), u'z'));
  }
  open_with(bytes);
  for (const bool reuse : {false, true}) {
    f.Reset();
    String line;
    for (std::size_t i = 0; i < expect.size(); ++i) {
      if (reuse)
        f.ReadLn(line);
      else
        line = f.ReadLn();
      ASSERT_EQ(line.size(), expect[i].size()) << "line " << i << (reuse ? ", reused string" : "");
      EXPECT_EQ(line, expect[i]) << "line " << i;
    }
    EXPECT_TRUE(f.Eof());
  }
}

TEST_F(TextFileTest, ReadCharGivesCodeUnitsLineEndsAndCtrlZAtEnd) {
  open_with("a\xC3\xA9\r\n\xF0\x9F\x98\x80\xE9");
  std::vector<Char> got;
  while (!f.Eof()) got.push_back(f.ReadChar());
  EXPECT_EQ(got, (std::vector<Char>{u'a', 0xE9, 13, 10, 0xD83D, 0xDE00, 0xE9}));
  EXPECT_EQ(f.ReadChar(), 26);
}

TEST_F(TextFileTest, ReadCharThenReadLnContinueTheSameLine) {
  open_with("\xF0\x9F\x98\x80xy\nz");
  EXPECT_EQ(f.ReadChar(), 0xD83D);
  EXPECT_FALSE(f.Eoln());
  EXPECT_EQ(f.ReadLn(), u"\xDE00xy") << "the pending half of the pair starts the line";
  EXPECT_EQ(f.ReadChar(), u'z');
  EXPECT_TRUE(f.Eoln());
}

// Lines of 0..40 bytes with one byte of 0x80 and above (a lone byte read as
// Latin-1, or the lead of a two-byte sequence) at every position, read by
// both forms of ReadLn; the form with a String replaces what it held.
TEST_F(TextFileTest, ReadLnIntoAStringEqualsReadLn) {
  std::string bytes;
  std::vector<String> want;
  for (std::size_t n = 0; n <= 40; ++n) {
    const std::string plain(n, 'a');
    bytes += plain + (n % 2 ? "\r\n" : "\n");
    want.push_back(from_utf8(plain));
    for (std::size_t at = 0; at < n; ++at) {
      std::string line = plain;
      line[at] = static_cast<char>(at % 2 ? 0xE9 : 0xC3);
      if (at % 2 == 0 && at + 1 < n) line[at + 1] = static_cast<char>(0xA9);
      bytes += line + "\n";
      want.push_back(from_utf8(line));
    }
  }
  bytes += "last";
  want.push_back(u"last");
  open_with(bytes);
  for (const String& w : want) ASSERT_EQ(f.ReadLn(), w);
  EXPECT_TRUE(f.Eof());
  f.Reset();
  String line = u"left over from before";
  for (const String& w : want) {
    f.ReadLn(line);
    ASSERT_EQ(line, w);
  }
  EXPECT_TRUE(f.Eof());
  f.ReadLn(line);
  EXPECT_EQ(line, u"") << "at the end: an empty line";
}

TEST_F(TextFileTest, ReadInteger) {
  open_with("  -42\t+7\r\n\n 2147483647 -2147483648 0009\n   ");
  for (std::int32_t want : {-42, 7, 2147483647, -2147483647 - 1, 9}) EXPECT_EQ(f.ReadInteger(), want);
  EXPECT_EQ(f.ReadInteger(), 0) << "only whitespace left";
  EXPECT_TRUE(f.Eof());

  open_with("\xF0\x9F\x98\x80 5");
  EXPECT_EQ(f.ReadChar(), 0xD83D);
  EXPECT_EQ(error_code_of([](TextFile& t) { t.ReadInteger(); }), kIOInvalidNumericFormat)
      << "the pending half of the pair comes before the number";
  EXPECT_EQ(f.ReadChar(), 0xDE00);
  EXPECT_EQ(f.ReadInteger(), 5);

  open_with("12 x");
  EXPECT_EQ(f.ReadInteger(), 12);
  EXPECT_EQ(f.ReadChar(), u' ') << "the blank after the number is not consumed";
  f.CloseFile();

  for (const char* bad : {"12x", "-", "+ 1", "x", "2147483648", "-2147483649", "99999999999999999999"}) {
    SCOPED_TRACE(bad);
    open_with(bad);
    EXPECT_EQ(error_code_of([](TextFile& t) { t.ReadInteger(); }), kIOInvalidNumericFormat);
  }
}

TEST_F(TextFileTest, AppendAddsAtTheEnd) {
  write_file_bytes(tmp.path() / "log.txt", "one\r\n");
  f.Assign(tmp.file("log.txt"));
  f.Append();
  f.WriteLn(u"two");
  f.CloseFile();
  EXPECT_EQ(read_file_bytes(tmp.path() / "log.txt"), "one\r\ntwo\r\n");
}

TEST_F(TextFileTest, SurrogatePairSplitAcrossWritesStaysWhole) {
  f.Assign(tmp.file("pair.txt"));
  f.Rewrite();
  const String smile = u"\U0001F600";
  f.Write(smile.substr(0, 1));
  f.Write(smile.substr(1));
  f.Write(smile.substr(0, 1));  // never completed
  f.CloseFile();
  EXPECT_EQ(read_file_bytes(tmp.path() / "pair.txt"), "\xF0\x9F\x98\x80\xEF\xBF\xBD");
}

// Text written in random pieces (pairs split anywhere) reads back as the same
// lines, unpaired surrogates becoming U+FFFD, and the bytes equal one write.
TEST_F(TextFileTest, RandomTextInRandomPiecesRoundTrips) {
  const std::uint32_t seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  const Char alphabet[] = {u'a', u' ', 0xE9, 0x20AC, 0xD83D, 0xDE00, 0xFFFF, 0x7F, 0x80, u'\t'};
  std::vector<String> lines;
  for (int i = 0; i < 300; ++i) {
    String line;
    const int len = static_cast<int>(rng() % 40);
    for (int k = 0; k < len; ++k) line.push_back(alphabet[rng() % std::size(alphabet)]);
    lines.push_back(line);
  }
  f.Assign(tmp.file("rand.txt"));
  f.Rewrite();
  std::string expect;
  for (const String& line : lines) {
    for (std::size_t at = 0; at < line.size();) {
      const std::size_t n = std::min<std::size_t>(line.size() - at, 1 + rng() % 5);
      f.Write(std::u16string_view(line).substr(at, n));
      at += n;
    }
    f.WriteLn();
    expect += to_utf8(line) + "\r\n";
  }
  f.CloseFile();
  EXPECT_EQ(read_file_bytes(tmp.path() / "rand.txt"), expect);
  f.Reset();
  for (const String& line : lines) ASSERT_EQ(f.ReadLn(), from_utf8(to_utf8(line)));
  EXPECT_TRUE(f.Eof());
}

TEST_F(TextFileTest, LargeOutputReachesTheFileIntact) {
  f.Assign(tmp.file("big.txt"));
  f.Rewrite();
  std::string expect;
  for (int i = 0; i < 20000; ++i) {
    const std::string line = std::to_string(i) + (i % 7 ? "" : "\xC3\xA9") + std::string(static_cast<std::size_t>(i % 50), 'z');
    f.WriteLn(from_utf8(line));
    expect += line + "\r\n";
  }
  f.Write(String(100000, u'q'));
  expect += std::string(100000, 'q');
  f.Flush();
  EXPECT_EQ(read_file_bytes(tmp.path() / "big.txt"), expect) << "Flush hands everything to the OS";
  f.CloseFile();
}

TEST_F(TextFileTest, FailuresRaiseWithCodeAndFileName) {
  f.Assign(tmp.file("missing.txt"));
  EXPECT_NE(error_code_of([](TextFile& t) { t.Reset(); }), 0);
  EXPECT_NE(error_code_of([](TextFile& t) { t.Append(); }), 0);
  EXPECT_NE(error_code_of([](TextFile& t) { t.Erase(); }), 0);
  EXPECT_EQ(error_code_of([](TextFile& t) { t.ReadLn(); }), kIOFileNotOpen);
  EXPECT_EQ(error_code_of([](TextFile& t) { t.Write(u"x"); }), kIOFileNotOpen);
  EXPECT_EQ(error_code_of([](TextFile& t) { t.CloseFile(); }), kIOFileNotOpen);

  f.Rewrite();
  EXPECT_EQ(error_code_of([](TextFile& t) { t.ReadLn(); }), kIOFileNotOpenForInput);
  EXPECT_EQ(error_code_of([](TextFile& t) { t.Eof(); }), kIOFileNotOpenForInput);
  f.Reset();
  EXPECT_EQ(error_code_of([](TextFile& t) { t.WriteLn(u"x"); }), kIOFileNotOpenForOutput);
  EXPECT_EQ(error_code_of([](TextFile& t) { t.Flush(); }), kIOFileNotOpenForOutput);

  TextFile unassigned;
  EXPECT_THROW(unassigned.Reset(), EInOutError);

  f.Assign(tmp.file("no-such-dir/x.txt"));
  EXPECT_NE(error_code_of([](TextFile& t) { t.Rewrite(); }), 0);
}

TEST_F(TextFileTest, EraseAndRename) {
  write_file_bytes(tmp.path() / "a.txt", "A");
  write_file_bytes(tmp.path() / "b.txt", "B");
  f.Assign(tmp.file("a.txt"));
  EXPECT_NE(error_code_of([](TextFile& t) { t.Rename(t.FileName().substr(0, t.FileName().size() - 5) + u"b.txt"); }),
            0)
      << "an existing target is never replaced";
  EXPECT_EQ(read_file_bytes(tmp.path() / "b.txt"), "B");
  EXPECT_EQ(read_file_bytes(tmp.path() / "a.txt"), "A");

  f.Reset();  // renaming an open file closes it first
  f.Rename(tmp.file("c.txt"));
  EXPECT_EQ(f.FileName(), tmp.file("c.txt"));
  EXPECT_FALSE(std::filesystem::exists(tmp.path() / "a.txt"));
  EXPECT_EQ(read_file_bytes(tmp.path() / "c.txt"), "A");

  f.Erase();
  EXPECT_FALSE(std::filesystem::exists(tmp.path() / "c.txt"));
}

}  // namespace
}  // namespace zyl

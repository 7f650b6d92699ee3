#include "ZYL_filesys/textfilelines.h"

#include <filesystem>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_filesys/detail/textblocks.h"
#include "ZYL_filesys/textfiletype.h"
#include "platform/exceptions.h"
#include "support/tempdir.h"
#include "textfile_model.h"

namespace ZYL_filesys {
namespace {

using zyl::String;
using zyl::test::read_file_bytes;
using zyl::test::write_file_bytes;
namespace fs = std::filesystem;

std::string u8(const String& s) { return zyl::to_utf8(s); }

class TextFileLinesTest : public zyl::test::TempDirTest {
 protected:
  String with(const std::string& bytes, const std::string& name = "in.txt") {
    write_file_bytes(tmp.path() / name, bytes);
    return tmp.file(name);
  }
  // What the last N lines must be, from the model.
  static TStrArray model_tail(const std::vector<String>& lines, std::int32_t n) {
    if (n <= 0) return {};
    TStrArray out(static_cast<std::size_t>(n));
    const std::size_t kept = std::min<std::size_t>(lines.size(), static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < kept; ++i) out[n - kept + i] = lines[lines.size() - kept + i];
    return out;
  }
  // Checks both forms of ReadLastNLinesOfTextFile and CountLinesInTextFile on Bytes.
  void check_against_model(const std::string& bytes, std::int32_t n, const std::string& label) {
    SCOPED_TRACE(label);
    const String name = with(bytes);
    const auto lines = test::model_lines(bytes);
    const auto expected = model_tail(lines, n);
    std::int32_t count = -1;
    EXPECT_EQ(ReadLastNLinesOfTextFile(name, n, count), expected) << "by name, N " << n;
    EXPECT_EQ(count, static_cast<std::int32_t>(lines.size()));
    zyl::TextFile f;
    f.Assign(name);
    count = -1;
    EXPECT_EQ(ReadLastNLinesOfTextFile(f, n, count), expected) << "open file, N " << n;
    EXPECT_EQ(count, static_cast<std::int32_t>(lines.size()));
    EXPECT_EQ(f.ReadLn(), lines.empty() ? String() : lines[0]) << "left open at its start";
    EXPECT_EQ(CountLinesInTextFile(name, nullptr), static_cast<std::int32_t>(lines.size()));
    EXPECT_EQ(CountLinesInTextFile(f, nullptr), static_cast<std::int32_t>(lines.size()));
  }
};

TEST_F(TextFileLinesTest, LastLinesAndCountsOnTheEdgeCases) {
  check_against_model("l1\r\nl2\r\n", 3, "two lines, N 3: an empty entry first");
  check_against_model("1\n2\n3\n4\n5\n", 3, "five lines, N 3");
  check_against_model("1\r\n2\r\n3\r\n4\r\n5", 3, "last line without line end");
  check_against_model("", 2, "empty file");
  check_against_model("\n\n", 1, "empty lines count");
  check_against_model("a\rb\r", 2, "CR alone is no line end");
  check_against_model("x\r\r\ny", 2, "CR CR LF keeps one CR");
  check_against_model("a\nb\n", 0, "N 0: empty result, lines counted");
  check_against_model("a\nb\n", -4, "negative N");
  check_against_model("Gr\xC3\xB6\xC3\x9F" "e\n\xE9t\xE9\n", 2, "UTF-8 and Latin-1");
}

TEST_F(TextFileLinesTest, RandomFilesMatchTheModel) {
  const unsigned seed = std::random_device{}();
  std::mt19937 rng(seed);
  SCOPED_TRACE("seed " + std::to_string(seed));
  for (int i = 0; i < 150; ++i) {
    const std::string bytes = test::random_text(rng, rng() % 60);
    check_against_model(bytes, static_cast<std::int32_t>(rng() % 8) - 1, "random file " + std::to_string(i));
  }
}

TEST_F(TextFileLinesTest, LargeFilesAcrossBlockBoundaries) {
  std::mt19937 rng(7);
  std::string bytes;
  // Long lines (up to 300 KB) and short ones, past several 1 MiB blocks.
  while (bytes.size() < 3'500'000) {
    const bool long_line = rng() % 50 == 0;
    bytes += std::string(long_line ? 100'000 + rng() % 200'000 : rng() % 80, static_cast<char>('a' + rng() % 26));
    bytes += rng() % 2 ? "\r\n" : "\n";
  }
  bytes += "tail";
  for (std::int32_t n : {1, 2, 40, 100000}) check_against_model(bytes, n, "large, N " + std::to_string(n));
}

TEST_F(TextFileLinesTest, FeedbackEveryThousandLines) {
  std::string bytes;
  for (int i = 0; i < 2500; ++i) bytes += "line\r\n";
  const String name = with(bytes);
  static std::vector<double> calls;
  const TFeedbackProc record = [](zyl::TObject* sender, double lines, double percent) {
    EXPECT_EQ(sender, nullptr);
    EXPECT_EQ(percent, 0.0);
    calls.push_back(lines);
  };
  calls.clear();
  EXPECT_EQ(CountLinesInTextFile(name, record), 2500);
  EXPECT_EQ(calls, (std::vector<double>{1000, 2000}));
  zyl::TextFile f;
  f.Assign(name);
  calls.clear();
  EXPECT_EQ(CountLinesInTextFile(f, record), 2500);
  EXPECT_EQ(calls, (std::vector<double>{1000, 2000}));

  // The 1000th line without a line end is still reported.
  std::string exact;
  for (int i = 0; i < 1000; ++i) exact += i + 1 < 1000 ? "x\n" : "x";
  calls.clear();
  EXPECT_EQ(CountLinesInTextFile(with(exact), record), 1000);
  EXPECT_EQ(calls, (std::vector<double>{1000}));
}

TEST_F(TextFileLinesTest, EnsureCRLF) {
  const struct {
    const char* label;
    std::string in, out;
  } cases[] = {
      {"lone CR at the end", "a\r", "a\r\n"},
      {"CR before a character", "a\rx", "a\r\nx"},
      {"LF-only line ends stay", "a\nb\n", "a\nb\n"},
      {"CR LF stays", "a\r\nb", "a\r\nb"},
      {"two CRs: the second is not examined", "\r\rx", "\r\n\rx"},
      {"three CRs", "\r\r\r", "\r\n\r\r\n"},
      {"bytes that are not UTF-8 pass unchanged", "\xE9\r\xFF", "\xE9\r\n\xFF"},
      {"empty", "", ""},
  };
  for (const auto& c : cases) {
    EnsureCRLFInFile(with(c.in), tmp.file("out.txt"));
    EXPECT_EQ(read_file_bytes(tmp.path() / "out.txt"), c.out) << c.label;
  }
  // The same file as input and output is rewritten in place.
  const String same = with("1\r2\r");
  EnsureCRLFInFile(same, same);
  EXPECT_EQ(read_file_bytes(tmp.path() / "in.txt"), "1\r\n2\r\n");
}

TEST_F(TextFileLinesTest, EnsureCRLFFailuresLeaveFilesAlone) {
  const String out = with("old contents", "out.txt");
  EXPECT_THROW(EnsureCRLFInFile(tmp.file("missing.txt"), out), zyl::EInOutError);
  EXPECT_EQ(read_file_bytes(tmp.path() / "out.txt"), "old contents");
  fs::create_directory(tmp.path() / "dir");
  EXPECT_THROW(EnsureCRLFInFile(tmp.file("dir"), out), zyl::EInOutError) << "a directory is no input file";
  EXPECT_THROW(EnsureCRLFInFile(with("a\r"), tmp.file("no-such-dir/out.txt")), zyl::EInOutError);
}

TEST_F(TextFileLinesTest, AppendCreatesAndAppends) {
  const String name = tmp.file("log.txt");
  AppendToTextFile(name, u"first");
  AppendToTextFile(name, u"zweite Zeile \u00e4");
  zyl::TStringList more;
  more.Add(u"3");
  more.Add(u"");
  AppendToTextFile(name, more);
  EXPECT_EQ(read_file_bytes(tmp.path() / "log.txt"), "first\r\nzweite Zeile \xC3\xA4\r\n3\r\n\r\n");
  EXPECT_THROW(AppendToTextFile(tmp.file("no-such-dir/x.txt"), u"x"), zyl::EInOutError);
  fs::create_directory(tmp.path() / "dir");
  EXPECT_THROW(AppendToTextFile(tmp.file("dir"), u"x"), zyl::EInOutError) << "an existing entry is never created anew";
  EXPECT_TRUE(fs::is_directory(tmp.path() / "dir"));
}

TEST_F(TextFileLinesTest, ReadNextWord) {
  zyl::TextFile f;
  f.Assign(with("  abc\r\n\tdef g\x01h \xC3\xA9t\xC3\xA9"));
  f.Reset();
  std::vector<String> words;
  for (String w; !(w = ReadNextWordInTextFile(f)).empty();) words.push_back(w);
  EXPECT_EQ(words, (std::vector<String>{u"abc", u"def", u"g", u"h", u"\u00e9t\u00e9"}));
  EXPECT_EQ(ReadNextWordInTextFile(f), u"") << "at the end: empty";
}

TEST_F(TextFileLinesTest, MissingFilesRaiseNamingTheFile) {
  const String missing = tmp.file("missing.txt");
  std::int32_t count = 0;
  const auto names_file = [&](auto&& op) {
    try {
      op();
    } catch (const zyl::EInOutError& e) {
      EXPECT_NE(u8(e.Message()).find("missing.txt"), std::string::npos) << e.what();
      EXPECT_NE(e.ErrorCode(), 0);
      return true;
    }
    return false;
  };
  EXPECT_TRUE(names_file([&] { (void)ReadLastNLinesOfTextFile(missing, 3, count); }));
  EXPECT_TRUE(names_file([&] { (void)CountLinesInTextFile(missing, nullptr); }));
  EXPECT_TRUE(names_file([&] { (void)CheckTextFileType(missing); }));
  zyl::TextFile f;
  f.Assign(missing);
  EXPECT_TRUE(names_file([&] { (void)ReadLastNLinesOfTextFile(f, 3, count); }));
  EXPECT_TRUE(names_file([&] { (void)CountLinesInTextFile(f, nullptr); }));
}

TEST_F(TextFileLinesTest, HugeNRaisesOutOfMemoryNotACrash) {
  if (sizeof(void*) < 8) {
    std::int32_t count = 0;
    EXPECT_THROW((void)ReadLastNLinesOfTextFile(with("a\n"), 2147483647, count), zyl::EOutOfMemory);
  } else {
    GTEST_SKIP() << "a 64-bit process may well hold 2^31 empty strings (64 GiB of address space)";
  }
}

TEST(TextBlocks, LineFeedCountersAgree) {
  std::mt19937 rng(11);
  std::string bytes(70000, 'a');
  for (char& c : bytes) c = rng() % 7 == 0 ? '\n' : static_cast<char>(rng());
  for (std::size_t start = 0; start < 17; ++start)
    for (std::size_t len : {0u, 1u, 7u, 8u, 15u, 16u, 17u, 255u * 8u + 3u, 255u * 16u + 9u, 69000u}) {
      const std::size_t expected = static_cast<std::size_t>(std::count(bytes.begin() + start, bytes.begin() + start + len, '\n'));
      ASSERT_EQ(detail::count_lf_portable(bytes.data() + start, len), expected) << start << " " << len;
      ASSERT_EQ(detail::count_lf(bytes.data() + start, len), expected) << start << " " << len;
    }
  const std::string all_lf(300000, '\n');
  EXPECT_EQ(detail::count_lf_portable(all_lf.data(), all_lf.size()), all_lf.size()) << "no counter overflows";
  EXPECT_EQ(detail::count_lf(all_lf.data(), all_lf.size()), all_lf.size());
}

TEST(TextBlocks, LineCharactersMatchTheModel) {
  std::mt19937 rng(9);
  for (int i = 0; i < 400; ++i) {
    std::string bytes = test::random_text(rng, rng() % 200);
    if (!bytes.empty() && bytes.back() != '\n') bytes += '\n';  // whole lines, as the chunks hand out
    std::int64_t model = 0;
    for (const String& line : test::model_lines(bytes)) model += static_cast<std::int64_t>(line.size());
    ASSERT_EQ(detail::line_characters(bytes), model) << i;
  }
}

TEST(TextBlocks, Utf16LengthMatchesTheDecoder) {
  std::mt19937 rng(5);
  for (int i = 0; i < 2000; ++i) {
    std::string bytes(rng() % 24, '\0');
    for (char& c : bytes) c = static_cast<char>(rng() % 4 == 0 ? rng() % 128 : 0x80 + rng() % 128);
    ASSERT_EQ(detail::utf16_length(bytes), zyl::from_utf8(bytes).size()) << i;
  }
}

}  // namespace
}  // namespace ZYL_filesys

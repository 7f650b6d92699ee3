#include "ZYL_filesys/textsearch.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/casemap.h"
#include "platform/exceptions.h"
#include "support/tempdir.h"
#include "textfile_model.h"

namespace ZYL_filesys {
namespace {

using zyl::String;

// The search as the contract states it, over the model's lines.
std::int32_t detect_model(const std::vector<String>& lines, const String& text, bool ignore_case, std::int32_t limit) {
  if (text.empty()) return 0;
  const String t = ignore_case ? zyl::LowerCase(text) : text;
  std::int64_t offset = 0;
  for (const String& raw : lines) {
    if (offset >= limit) break;
    const String line = ignore_case ? zyl::LowerCase(raw) : raw;
    const std::size_t p = line.find(t);
    if (p == String::npos) {
      offset += static_cast<std::int64_t>(line.size());
    } else {
      offset += static_cast<std::int64_t>(p) + 1;
      return offset <= limit ? static_cast<std::int32_t>(offset) : 0;
    }
  }
  return 0;
}

std::int32_t first_match_model(const std::vector<String>& lines, const String& text, bool ignore_case, String& line) {
  line.clear();
  if (text.empty()) return 0;
  const String t = ignore_case ? zyl::AnsiLowerCase(text) : text;
  for (const String& raw : lines) {
    const std::size_t p = (ignore_case ? zyl::AnsiLowerCase(raw) : raw).find(t);
    if (p != String::npos) {
      line = raw;
      return static_cast<std::int32_t>(p) + 1;
    }
  }
  return 0;
}

class TextSearchTest : public zyl::test::TempDirTest {
 protected:
  String with(const std::string& bytes) {
    zyl::test::write_file_bytes(tmp.path() / "s.txt", bytes);
    return tmp.file("s.txt");
  }
};

TEST_F(TextSearchTest, DetectStringInFileLimits) {
  const String name = with("12345678\r\nabXYZ\r\n");
  const struct {
    const char* label;
    String text;
    bool ignore_case;
    std::int32_t limit;
    std::int32_t expected;
  } cases[] = {
      {"offset 11 lies beyond 10", u"XYZ", false, 10, 0},
      {"offset 11 within 11", u"XYZ", false, 11, 11},
      {"case differs", u"xyz", false, 100, 0},
      {"ignoring case", u"xyz", true, 100, 11},
      {"first line", u"345", false, 100, 3},
      {"limit 0", u"1", false, 0, 0},
      {"empty text", u"", false, 100, 0},
      {"never across a line end", u"8\r\na", false, 100, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DetectStringInFile(name, c.text, c.ignore_case, c.limit), c.expected) << c.label;
}

TEST_F(TextSearchTest, FindFirstMatchInTextFile) {
  const String name = with("alpha\r\nBeta \xC3\xA9t\xC3\xA9\nbeta\n\xC3\x84rger\n");
  String line = u"stale";
  EXPECT_EQ(FindFirstMatchInTextFile(name, u"eta", false, line), 2);
  EXPECT_EQ(line, u"Beta \u00e9t\u00e9");
  EXPECT_EQ(FindFirstMatchInTextFile(name, u"\u00e9t", false, line), 6) << "non-ASCII text";
  EXPECT_EQ(FindFirstMatchInTextFile(name, u"\u00e4RG", true, line), 1) << "the locale's case rules";
  EXPECT_EQ(line, u"\u00c4rger");
  EXPECT_EQ(FindFirstMatchInTextFile(name, u"gamma", true, line), 0);
  EXPECT_EQ(line, u"") << "no match: empty line";
}

TEST_F(TextSearchTest, RandomFilesMatchTheContract) {
  const unsigned seed = std::random_device{}();
  std::mt19937 rng(seed);
  SCOPED_TRACE("seed " + std::to_string(seed));
  const std::vector<String> texts = {u"a", u"ab", u"Zx", u"b a", u"\u00e9", u"a\u00e9", u"\u00c9",
                                     u"\r",  u"x\r", u"AB", u"\U0001F600", u"\u00e9t", u"zz"};
  for (int i = 0; i < 300; ++i) {
    const std::string bytes = test::random_text(rng, rng() % 80);
    const String name = with(bytes);
    const auto lines = test::model_lines(bytes);
    const String& text = texts[rng() % texts.size()];
    const bool ignore_case = rng() % 2 == 0;
    const std::int32_t limit = static_cast<std::int32_t>(rng() % 100);
    ASSERT_EQ(DetectStringInFile(name, text, ignore_case, limit), detect_model(lines, text, ignore_case, limit))
        << "file " << i << " text " << zyl::to_utf8(text) << " ignore case " << ignore_case << " limit " << limit;
    String line, model_line;
    ASSERT_EQ(FindFirstMatchInTextFile(name, text, ignore_case, line),
              first_match_model(lines, text, ignore_case, model_line))
        << "file " << i << " text " << zyl::to_utf8(text);
    ASSERT_EQ(line, model_line);
  }
}

TEST_F(TextSearchTest, TextBeyondTheFirstBlock) {
  std::string bytes;
  while (bytes.size() < 2'300'000) bytes += "some words \xC3\xA9 in a line\r\n";
  bytes += "the needle is here\n";
  const String name = with(bytes);
  const auto lines = test::model_lines(bytes);
  String line;
  EXPECT_EQ(FindFirstMatchInTextFile(name, u"needle", false, line), 5);
  EXPECT_EQ(line, u"the needle is here");
  for (std::int32_t limit : {2'000'000, 2'147'483'647})
    EXPECT_EQ(DetectStringInFile(name, u"NEEDLE", true, limit), detect_model(lines, u"NEEDLE", true, limit));
}

TEST_F(TextSearchTest, MissingFileRaises) {
  String line;
  EXPECT_THROW((void)DetectStringInFile(tmp.file("none"), u"x", false, 10), zyl::EInOutError);
  EXPECT_THROW((void)FindFirstMatchInTextFile(tmp.file("none"), u"x", false, line), zyl::EInOutError);
}

}  // namespace
}  // namespace ZYL_filesys

#include "ZYL_filesys/pathnames.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/os.h"

namespace ZYL_filesys {
namespace {

using zyl::String;

std::string u8(const String& s) { return zyl::to_utf8(s); }

struct TextCase {
  const char* label;
  String input;
  String expected;
};

void check_all(const std::vector<TextCase>& cases, String (*fn)(const String&)) {
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(u8(fn(c.input)), u8(c.expected)) << "input " << u8(c.input);
  }
}

TEST(PathNames, StripExtension) {
  check_all({{"plain extension", u"C:\\a\\b.txt", u"C:\\a\\b"},
             {"dot in a directory is kept", u"C:\\dir.old\\readme", u"C:\\dir.old\\readme"},
             {"only the last extension goes", u"a.b.c", u"a.b"},
             {"name of only its extension becomes empty", u".profile", u""},
             {"forward slashes split too", u"x.d/y", u"x.d/y"},
             {"a drive ends the directory part", u"c:name.ext", u"c:name"},
             {"trailing dot", u"name.", u"name"},
             {"empty", u"", u""},
             {"at most 255 characters go, the dot included",
              u"a." + String(300, u'x'), u"a" + String(46, u'x')}},
            StripExtension);
}

TEST(PathNames, StripPathAndParentDir) {
  check_all({{"file name behind the last separator", u"C:\\a\\b.txt", u"b.txt"},
             {"behind a drive colon", u"c:b.txt", u"b.txt"},
             {"forward slash", u"a/b", u"b"},
             {"no directory", u"name", u"name"},
             {"ends with a separator", u"C:\\a\\", u""}},
            StripPath);
  check_all({{"trailing separator ignored", u"C:\\a\\b\\", u"C:\\a\\"},
             {"without trailing separator", u"C:\\a\\b", u"C:\\a\\"},
             {"root has no parent", u"C:\\", u""},
             {"a bare name has no parent", u"file.txt", u""},
             {"forward slashes", u"a/b/c", u"a/b/"},
             {"mixed separators", u"a\\b/c", u"a\\b/"},
             {"POSIX root", u"/x", u"/"},
             {"lone separator", u"/", u""},
             {"empty", u"", u""}},
            ParentDir);
}

TEST(PathNames, IsRootDir) {
  const bool posix = zyl::platform::kOsFamily == zyl::platform::OsFamily::Posix;
  const struct {
    const char* label;
    String path;
    bool expected;
  } cases[] = {
      {"drive root", u"C:\\", true},
      {"lower case", u"c:\\", true},
      {"blanks at both ends", u" C:\\ ", true},
      {"no backslash", u"c:", false},
      {"a directory below the root", u"c:\\x", false},
      {"forward slash after the drive", u"c:/", false},
      {"tab is not trimmed", u"\tc:\\", false},
      {"POSIX root (only on POSIX)", u"/", posix},
      {"POSIX root with blanks", u" / ", posix},
      {"empty", u"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsRootDir(c.path), c.expected) << c.label;
}

// The shortening as the contract states it, with string replacement.
String abridge_model(String p, std::int32_t max) {
  const Char sep = p.find(u'\\') != String::npos ? u'\\' : u'/';
  std::size_t cur = p.find(sep);
  if (cur == String::npos) return p;
  while (static_cast<std::int64_t>(p.size()) >= max) {
    const std::size_t next = p.find(sep, cur + 1);
    if (next == String::npos) break;
    p.replace(cur + 1, next - cur - 1, u"..");
    cur += 3;
  }
  return p;
}

TEST(PathNames, AbridgeFilePath) {
  const struct {
    const char* label;
    String path;
    std::int32_t max;
    String expected;
  } cases[] = {
      {"the example", u"C:\\aaa\\bbb\\file.txt", 15, u"C:\\..\\..\\file.txt"},
      {"short enough", u"C:\\aaa\\bbb\\file.txt", 20, u"C:\\aaa\\bbb\\file.txt"},
      {"equal to the maximum still shortens", u"C:\\aaa\\bbb\\f.txt", 16, u"C:\\..\\bbb\\f.txt"},
      {"no separator", u"file.txt", 2, u"file.txt"},
      {"forward slashes when there is no backslash", u"/usr/local/share/x", 10, u"/../../../x"},
      {"backslash wins over slash", u"a/b\\cc/dd\\e", 5, u"a/b\\..\\e"},
      {"empty directory names grow", u"a\\\\b", 0, u"a\\..\\b"},
      {"negative maximum", u"x\\y\\z", -5, u"x\\..\\z"},
  };
  for (const auto& c : cases) EXPECT_EQ(u8(AbridgeFilePath(c.path, c.max)), u8(c.expected)) << c.label;

  // Random paths over a small alphabet against the model.
  const unsigned seed = std::random_device{}();
  std::mt19937 rng(seed);
  const String alphabet = u"ab\\/.:";
  for (int i = 0; i < 3000; ++i) {
    String p(rng() % 24, u'a');
    for (Char& ch : p) ch = alphabet[rng() % alphabet.size()];
    const std::int32_t max = static_cast<std::int32_t>(rng() % 30) - 3;
    ASSERT_EQ(u8(AbridgeFilePath(p, max)), u8(abridge_model(p, max))) << "seed " << seed << " path " << u8(p)
                                                                       << " max " << max;
  }
}

TEST(PathNames, AbridgeFilePathIsLinearInLength) {
  // 200000 separators would take minutes with repeated replacement.
  String p;
  for (int i = 0; i < 200000; ++i) p += u"\\d";
  const String r = AbridgeFilePath(p, 0);
  EXPECT_EQ(r.size(), 1 + 3 * 199999 + 1u);
  EXPECT_EQ(r.substr(r.size() - 2), u"\\d");
}

TEST(PathNames, ExtractDrive) {
  const struct {
    String path;
    std::int32_t expected;
  } cases[] = {{u"c:\\temp", 2}, {u"A:", 0}, {u"z:x", 25}, {u"Z:", 25}, {u"1:", 0}, {u"\u00e9:", 0},
               {u"temp", -1},    {u"c", -1}, {u"", -1},     {u":c", -1}, {u"\\\\s\\x", -1}};
  for (const auto& c : cases) EXPECT_EQ(ExtractDrive(c.path), c.expected) << u8(c.path);
}

TEST(PathNames, EightDotThreeCharacterSetOverAllCodes) {
  const std::u16string_view forbidden = u"\"*+,/;<=>?[]|";
  for (int c = 0; c < 0x10000; ++c) {
    const bool allowed = c >= 33 && c <= 126 && forbidden.find(static_cast<Char>(c)) == std::u16string_view::npos;
    ASSERT_EQ(IsFN83CompliantPath(String(1, static_cast<Char>(c))), allowed) << "code " << c;
  }
  EXPECT_TRUE(IsFN83CompliantPath(u""));
  EXPECT_TRUE(IsFN83CompliantPath(u"C:\\PROGRA~1\\{x}@`'!#$%&()-^_~"));
}

TEST(PathNames, IsDOS83Path) {
  const struct {
    const char* label;
    String path;
    bool expected;
  } cases[] = {
      {"short names", u"C:\\PROGRA~1\\FILE.TXT", true},
      {"a blank is not allowed", u"C:\\PROGRAM FILES\\X", false},
      {"directory name of 9 characters", u"C:\\LONGNAME1\\X", false},
      {"directory name of 8 characters", u"C:\\LONGNAME\\X", true},
      {"file name of 9 characters", u"LONGNAME1.TXT", false},
      {"extension longer than 3 passes up to 8", u"NAME.TEXTFILE", true},
      {"text after the dot of 9 characters", u"NAME.TEXTFILES", true},
      {"text after the dot of 10 characters", u"NAME.TEXTFILESX", false},
      {"empty", u"", true},
      {"dot inside a directory", u"AB.CDEFGHI\\X", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsDOS83Path(c.path), c.expected) << c.label;
}

TEST(PathNames, FileNameRepairAndValidity) {
  const struct {
    const char* label;
    String name;
    String repaired;
    bool valid;
  } cases[] = {
      {"colon and question mark", u"a:b?.txt", u"a_b_.txt", false},
      {"all eight forbidden characters", u"*/:<>?\\|", u"________", false},
      {"two dots", u"..", u"__", false},
      {"one dot", u".", u"_", false},
      {"double quote stays", u"say \"hi\"", u"say \"hi\"", true},
      {"control characters stay", u"a\tb\x01", u"a\tb\x01", true},
      {"three dots are a name", u"...", u"...", true},
      {"vertical bar", u"a|b", u"a_b", false},
      {"empty name is valid", u"", u"", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(u8(ReplaceInvalidFileNameChars(c.name, u'_')), u8(c.repaired)) << c.label;
    EXPECT_EQ(IsValidFileName(c.name), c.valid) << c.label;
    EXPECT_TRUE(IsValidFileName(ReplaceInvalidFileNameChars(c.name, u'_'))) << "repaired names are valid: " << c.label;
  }
}

TEST(PathNames, ExtensionHelpers) {
  const struct {
    const char* label;
    String text, name, expected;
  } inserts[] = {
      {"before the first dot of the file name", u"_1", u"c:\\x\\data.tar.gz", u"c:\\x\\data_1.tar.gz"},
      {"no dot: appended", u"_1", u"c:\\x.d\\data", u"c:\\x.d\\data_1"},
      {"name that starts with a dot", u"x", u".cfg", u"x.cfg"},
      {"empty name", u"x", u"", u"x"},
  };
  for (const auto& c : inserts) EXPECT_EQ(u8(InsertBeforeFileExt(c.text, c.name)), u8(c.expected)) << c.label;

  const struct {
    const char* label;
    String name, ext, expected;
  } defaults[] = {
      {"plain extension", u"report", u"txt", u"report.txt"},
      {"extension with its dot", u"report", u".txt", u"report.txt"},
      {"has an extension", u"report.doc", u"txt", u"report.doc"},
      {"trailing dot counts as an extension", u"report.", u"txt", u"report."},
      {"empty extension", u"report", u"", u"report"},
      {"dot in the directory only", u"a.b\\report", u"txt", u"a.b\\report.txt"},
  };
  for (const auto& c : defaults) EXPECT_EQ(u8(EnsureDefaultFileExt(c.name, c.ext)), u8(c.expected)) << c.label;
}

}  // namespace
}  // namespace ZYL_filesys

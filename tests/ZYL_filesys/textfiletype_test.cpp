#include "ZYL_filesys/textfiletype.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

using T = TTextfileType;

class TextFileTypeTest : public zyl::test::TempDirTest {};

TEST_F(TextFileTypeTest, EveryRuleOnFiles) {
  const struct {
    const char* label;
    std::string bytes;
    TTextfileType expected;
  } cases[] = {
      {"UTF-8 mark", "\xEF\xBB\xBFtext", T::tftUTF8},
      {"UTF-8 mark alone", "\xEF\xBB\xBF", T::tftUTF8},
      {"UTF-32 LE mark", std::string("\xFF\xFE\x00\x00", 4), T::tftUnicode4_le},
      {"UTF-32 BE mark", std::string("\x00\x00\xFE\xFF", 4), T::tftUnicode4_be},
      {"UTF-16 LE mark with text", std::string("\xFF\xFE" "A\x00", 4), T::tftUnicode_le},
      {"UTF-16 LE mark alone", "\xFF\xFE", T::tftUnicode_le},
      {"FF FE 00: too short for the 4-byte rule", std::string("\xFF\xFE\x00", 3), T::tftUnicode_le},
      {"UTF-16 BE mark", "\xFE\xFF", T::tftUnicode_be},
      {"RTF opening", "{\\rtf1", T::tftRTF},
      {"RTF opening alone", "{\\r", T::tftRTF},
      {"brace and backslash only", "{\\", T::tftUnknown},
      {"00 00 FE: too short", std::string("\x00\x00\xFE", 3), T::tftUnknown},
      {"plain text", "hello", T::tftUnknown},
      {"empty file", "", T::tftUnknown},
      {"mark further in is ignored", "x\xEF\xBB\xBF", T::tftUnknown},
  };
  for (const auto& c : cases) {
    zyl::test::write_file_bytes(tmp.path() / "f", c.bytes);
    EXPECT_EQ(CheckTextFileType(tmp.file("f")), c.expected) << c.label;
  }
}

TEST_F(TextFileTypeTest, UnreadableFilesRaise) {
  EXPECT_THROW((void)CheckTextFileType(tmp.file("missing")), zyl::EInOutError);
  std::filesystem::create_directory(tmp.path() / "dir");
  EXPECT_THROW((void)CheckTextFileType(tmp.file("dir")), zyl::EInOutError);
}

}  // namespace
}  // namespace ZYL_filesys

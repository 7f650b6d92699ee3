// The OS file backend through its OS-neutral interface: the same cases run
// against platform/posix/file.cpp and platform/win32/file.cpp.
#include "platform/file.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/filestream.h"
#include "platform/os.h"
#include "platform/program.h"
#include "platform/textfile.h"
#include "support/tempdir.h"

namespace zyl::platform {
namespace {

using test::TempDirTest;

constexpr bool kWindows = kOsFamily == OsFamily::Windows;

FileHandle create(const String& Name) {
  int error = 0;
  FileHandle h = open_file(Name, FileAccess::ReadWrite, FileDisposition::CreateAlways, 0, error);
  EXPECT_TRUE(h.valid()) << to_utf8(error_message(error));
  return h;
}

class PlatformFile : public TempDirTest {};

TEST_F(PlatformFile, WriteSeekReadAndSize) {
  FileHandle h = create(tmp.file("data.bin"));
  int error = 0;
  ASSERT_EQ(write_file(h, "abcdef", 6, error), 6);
  EXPECT_EQ(file_size(h, error), 6);
  EXPECT_EQ(seek_file(h, -4, TSeekOrigin::soEnd, error), 2);
  char buf[8] = {};
  EXPECT_EQ(read_file(h, buf, 8, error), 4) << "a short read stops at the end";
  EXPECT_STREQ(buf, "cdef");
  EXPECT_EQ(read_file(h, buf, 8, error), 0);
  EXPECT_EQ(seek_file(h, -1, TSeekOrigin::soCurrent, error), 5);
  EXPECT_EQ(seek_file(h, -7, TSeekOrigin::soEnd, error), -1) << "before the start is an error";
  EXPECT_NE(error, 0);
  EXPECT_EQ(h.close(), 0);
  EXPECT_FALSE(h.valid());
  EXPECT_EQ(h.close(), 0) << "closing twice is harmless";
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "data.bin"), "abcdef");
}

TEST_F(PlatformFile, ResizeKeepsThePositionAndZeroFills) {
  FileHandle h = create(tmp.file("r.bin"));
  int error = 0;
  write_file(h, "0123456789", 10, error);
  ASSERT_TRUE(resize_file(h, 4, error));
  EXPECT_EQ(file_size(h, error), 4);
  EXPECT_EQ(seek_file(h, 0, TSeekOrigin::soCurrent, error), 10);
  ASSERT_TRUE(resize_file(h, 8, error));
  seek_file(h, 0, TSeekOrigin::soBeginning, error);
  char buf[8];
  ASSERT_EQ(read_file(h, buf, 8, error), 8);
  EXPECT_EQ(std::string(buf, 8), std::string("0123\0\0\0\0", 8));
  EXPECT_FALSE(resize_file(h, -1, error));
}

// Offsets and sizes past 4 GiB must survive the 32-bit target, where the
// API hands them out in two halves. The file is sparse; nothing large is
// written.
TEST_F(PlatformFile, OffsetsBeyondFourGiB) {
  FileHandle h = create(tmp.file("big.bin"));
  int error = 0;
  const std::int64_t big = (std::int64_t{5} << 30) + 3;
  ASSERT_TRUE(resize_file(h, big, error)) << to_utf8(error_message(error));
  EXPECT_EQ(file_size(h, error), big);
  const std::int64_t at = (std::int64_t{1} << 32) + 1;
  ASSERT_EQ(seek_file(h, at, TSeekOrigin::soBeginning, error), at);
  ASSERT_EQ(write_file(h, "Z", 1, error), 1);
  EXPECT_EQ(seek_file(h, 0, TSeekOrigin::soCurrent, error), at + 1);
  EXPECT_EQ(seek_file(h, -(big - at), TSeekOrigin::soEnd, error), at);
  char c = 0;
  ASSERT_EQ(read_file(h, &c, 1, error), 1);
  EXPECT_EQ(c, 'Z');
}

TEST_F(PlatformFile, FailuresReportAnExplainedError) {
  std::filesystem::create_directory(tmp.path() / "sub");
  struct Case {
    const char* label;
    String name;
  };
  const Case cases[] = {
      {"missing file", tmp.file("absent.txt")},
      {"missing folder", tmp.file("no/such/dir.txt")},
      {"a directory is not a file", tmp.file("sub")},
      {"empty name", String()},
      {"embedded NUL", tmp.file("ab") + String(1, u'\0') + u"c"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    int error = 0;
    const FileHandle h = open_file(c.name, FileAccess::Read, FileDisposition::OpenExisting, 0, error);
    EXPECT_FALSE(h.valid());
    EXPECT_NE(error, 0);
    const std::string text = to_utf8(error_message(error));
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n') << "the system's line break is trimmed";
  }
  int error = 0;
  const FileHandle h = open_file(tmp.file("ab") + String(1, u'\0') + u"c", FileAccess::Write,
                                 FileDisposition::CreateAlways, 0, error);
  EXPECT_FALSE(h.valid());
  // The embedded NUL must not have created the name's prefix instead.
  EXPECT_FALSE(std::filesystem::exists(tmp.path() / "ab"));
}

TEST_F(PlatformFile, NonAsciiNamesReachTheDiskAsWritten) {
  const std::string name = "Gr\xC3\xB6\xC3\x9F" "e-\xCE\xA9-\xE2\x82\xAC.txt";  // Größe-Ω-€.txt
  {
    FileHandle h = create(tmp.file(name));
    int error = 0;
    write_file(h, "x", 1, error);
  }
  const std::filesystem::path on_disk = tmp.path() / std::u8string(name.begin(), name.end());
  EXPECT_EQ(test::read_file_bytes(on_disk), "x");
}

// A NUL would cut the name short in the OS call and name another file: every
// operation on a name refuses it.
TEST_F(PlatformFile, NamesWithAnEmbeddedNulAreRefused) {
  test::write_file_bytes(tmp.path() / "victim.txt", "v");
  test::write_file_bytes(tmp.path() / "keep.txt", "k");
  const String victim = tmp.file("victim.txt") + String(1, u'\0') + u".bak";
  const String keep = tmp.file("keep.txt") + String(1, u'\0') + u"x";
  TextFile erase;
  erase.Assign(victim);
  EXPECT_THROW(erase.Erase(), EInOutError);
  TextFile rename;
  rename.Assign(keep);
  EXPECT_THROW(rename.Rename(tmp.file("moved.txt")), EInOutError);
  int error = 0;
  EXPECT_FALSE(delete_file(victim, error));
  EXPECT_FALSE(rename_file(keep, tmp.file("moved.txt"), error));
  EXPECT_FALSE(rename_file(tmp.file("keep.txt"), keep + u"y", error));
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "victim.txt"), "v");
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "keep.txt"), "k");
  EXPECT_FALSE(std::filesystem::exists(tmp.path() / "moved.txt"));
}

// POSIX names are bytes: a name that is not UTF-8 given as a program
// argument names exactly that file, not its Latin-1 reading in UTF-8.
TEST_F(PlatformFile, ArgumentNamesReachTheFileSystemByteForByte) {
  if constexpr (kWindows) GTEST_SKIP() << "Windows names are UTF-16, given as wide arguments";
  const std::string dir = tmp.path().string() + "/";
  const std::string names[] = {"n\xE9.txt", "n\xC3\xA9.txt", "\xFF\xFE\x80", "a\xED\xA0\x80" "b",
                               "\xF0\x9F\x98\x80\xF0\x9F", "\xC3"};
  for (const std::string& name : names) test::write_file_bytes(dir + name, "content of " + name);
  for (const std::string& name : names) {
    SCOPED_TRACE(testing::PrintToString(name));
    int error = 0;
    FileHandle h = open_file(argument_file_name(dir + name), FileAccess::Read, FileDisposition::OpenExisting, 0,
                             error);
    ASSERT_TRUE(h.valid()) << to_utf8(error_message(error));
    std::string got(64, '\0');
    got.resize(static_cast<std::size_t>(read_file(h, got.data(), 64, error)));
    EXPECT_EQ(got, "content of " + name);
  }
  EXPECT_EQ(argument_file_name("caf\xC3\xA9"), u"café") << "UTF-8 names decode as text";
}

// Paths past the classic 260-character limit work on both platforms.
TEST_F(PlatformFile, LongPaths) {
  const std::string part(120, 'd');
  std::filesystem::path dir = tmp.path() / part / part;
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  ASSERT_FALSE(ec) << ec.message();
  const std::u8string full = (dir / "file.txt").u8string();
  ASSERT_GT(full.size(), 260u);
  const String name = from_utf8(std::string(full.begin(), full.end()));
  {
    FileHandle h = create(name);
    int error = 0;
    EXPECT_EQ(write_file(h, "long", 4, error), 4);
  }
  int error = 0;
  FileHandle h = open_file(name, FileAccess::Read, FileDisposition::OpenExisting, 0, error);
  ASSERT_TRUE(h.valid());
  EXPECT_EQ(file_size(h, error), 4);
}

// A long path is resolved as a short one would be: "..", ".", doubled
// separators (and on Windows trailing dots) are not taken literally once
// the path needs the long-path prefix.
TEST_F(PlatformFile, LongPathsAreMadeCanonical) {
  const std::string part(120, 'd');
  std::error_code ec;
  std::filesystem::create_directories(tmp.path() / part / part, ec);
  ASSERT_FALSE(ec) << ec.message();
  const std::u8string base8 = tmp.path().u8string();
  const std::string base(base8.begin(), base8.end());
  const std::string sep = kWindows ? "\\" : "/";
  const std::string dir = base + sep + part + sep + part;
  test::write_file_bytes(tmp.path() / part / part / "long.txt", "canonical");
  const std::string spellings[] = {
      dir + sep + ".." + sep + part + sep + "." + sep + "long.txt",
      dir + sep + sep + "long.txt",
  };
  for (const std::string& spelling : spellings) {
    SCOPED_TRACE(spelling);
    ASSERT_GT(spelling.size(), 260u);
    int error = 0;
    FileHandle h = open_file(from_utf8(spelling), FileAccess::Read, FileDisposition::OpenExisting, 0, error);
    ASSERT_TRUE(h.valid()) << to_utf8(error_message(error));
    EXPECT_EQ(file_size(h, error), 9);
  }
  if constexpr (kWindows) {
    // A trailing dot is dropped, as for a short path.
    create(from_utf8(dir + sep + "dotted."));
    EXPECT_TRUE(std::filesystem::exists(tmp.path() / part / part / "dotted"));
    // A device path is passed on as written.
    int error = 0;
    FileHandle h = open_file(from_utf8("\\\\.\\" + dir + sep + "long.txt"), FileAccess::Read,
                             FileDisposition::OpenExisting, 0, error);
    EXPECT_TRUE(h.valid()) << to_utf8(error_message(error));
  }
}

// A name longer than Windows takes (32767 characters) is refused before any
// call: passed on, its length would be cut and another file deleted or
// truncated. POSIX refuses the over-long component itself.
TEST_F(PlatformFile, OverLongNamesAreRefused) {
  for (std::size_t n = 1; n <= 255; ++n) test::write_file_bytes(tmp.path() / std::string(n, 'a'), std::to_string(n));
  const String over_long = tmp.file(std::string(33000, 'a'));
  const int too_long = kWindows ? 206 : ENAMETOOLONG;  // ERROR_FILENAME_EXCED_RANGE
  int error = 0;
  EXPECT_FALSE(delete_file(over_long, error));
  EXPECT_EQ(error, too_long) << to_utf8(error_message(error));
  error = 0;
  EXPECT_FALSE(open_file(over_long, FileAccess::Write, FileDisposition::CreateAlways, 0, error).valid());
  EXPECT_EQ(error, too_long);
  EXPECT_FALSE(rename_file(tmp.file("a"), over_long, error));
  for (std::size_t n = 1; n <= 255; ++n)
    ASSERT_EQ(test::read_file_bytes(tmp.path() / std::string(n, 'a')), std::to_string(n)) << n;
}

// Renaming to another case of the same name changes the name on disk (on
// Windows, where both name one file, too).
TEST_F(PlatformFile, RenamingToAnotherCaseChangesTheName) {
  test::write_file_bytes(tmp.path() / "Case.txt", "kept");
  int error = 0;
  ASSERT_TRUE(rename_file(tmp.file("Case.txt"), tmp.file("CASE.txt"), error)) << to_utf8(error_message(error));
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(tmp.path())) {
    const std::u8string n = e.path().filename().u8string();
    names.emplace_back(n.begin(), n.end());
  }
  EXPECT_EQ(names, std::vector<std::string>{"CASE.txt"});
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "CASE.txt"), "kept");
}

// Share flags are enforced by Windows; POSIX has no mandatory sharing, so
// there every second open succeeds.
TEST_F(PlatformFile, ShareFlags) {
  const String name = tmp.file("shared.txt");
  create(name);
  struct Case {
    const char* label;
    std::uint16_t first_share;
    FileAccess second;
    bool second_opens_on_windows;
  };
  const Case cases[] = {
      {"exclusive refuses a reader", fmShareExclusive, FileAccess::Read, false},
      {"deny write admits a reader", fmShareDenyWrite, FileAccess::Read, true},
      {"deny write refuses a writer", fmShareDenyWrite, FileAccess::Write, false},
      {"deny read refuses a reader", fmShareDenyRead, FileAccess::Read, false},
      {"deny none admits a writer", fmShareDenyNone, FileAccess::Write, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    int error = 0;
    // The second opener asks to share everything, so only the first's flags decide.
    const FileHandle first = open_file(name, FileAccess::ReadWrite, FileDisposition::OpenExisting,
                                       c.first_share, error);
    ASSERT_TRUE(first.valid());
    const FileHandle second =
        open_file(name, c.second, FileDisposition::OpenExisting, fmShareDenyNone, error);
    EXPECT_EQ(second.valid(), kWindows ? c.second_opens_on_windows : true);
  }
}

TEST_F(PlatformFile, FileStreamNamesTheFileAndTheReason) {
  try {
    TFileStream s(tmp.file("absent.bin"), fmOpenRead);
    FAIL() << "opening a missing file must raise";
  } catch (const EFOpenError& e) {
    const std::string text = e.what();
    EXPECT_EQ(text.rfind("Cannot open file \"", 0), 0u) << text;
    EXPECT_NE(text.find("absent.bin\". "), std::string::npos) << text;
    EXPECT_GT(text.size(), text.find("\". ") + 3) << "the OS reason follows: " << text;
  }
}

// Byte-at-a-time I/O across the stream's buffer boundary gives the same
// bytes as one block.
TEST_F(PlatformFile, FileStreamSingleBytesAcrossTheBuffer) {
  std::string expect(200000, '\0');
  for (std::size_t i = 0; i < expect.size(); ++i) expect[i] = static_cast<char>(i * 7 + i / 251);
  {
    TFileStream out(tmp.file("bytes.bin"), fmCreate);
    for (char c : expect) out.WriteBuffer(&c, 1);
    out.Close();
  }
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "bytes.bin"), expect);
  TFileStream in(tmp.file("bytes.bin"), fmOpenRead | fmShareDenyWrite);
  EXPECT_EQ(in.Size(), static_cast<std::int64_t>(expect.size()));
  std::string got(expect.size(), '\0');
  for (char& c : got) in.ReadBuffer(&c, 1);
  EXPECT_EQ(got, expect);
  char extra;
  EXPECT_EQ(in.Read(&extra, 1), 0);
}

}  // namespace
}  // namespace zyl::platform

#include "platform/bytereader.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/filestream.h"
#include "platform/memorystream.h"
#include "support/tempdir.h"

namespace zyl::detail {
namespace {

// Reads up to and including Stop through a reader that is then dropped.
std::string read_through(TStream& s, char Stop) {
  ByteReader r(s);
  std::string got;
  std::uint8_t b;
  while (r.next(b)) {
    got.push_back(static_cast<char>(b));
    if (b == Stop) break;
  }
  return got;
}

TEST(ByteReader, LeavesFileStreamExactlyBehindTheLastByteTaken) {
  test::TempDir dir;
  {
    TFileStream f(dir.file("f.txt"), fmCreate);
    f.WriteBuffer("hello\nworld\n", 12);
    f.SetPosition(0);  // pending writes, then reading through the window
    EXPECT_EQ(read_through(f, '\n'), "hello\n");
    EXPECT_EQ(f.Position(), 6);
    f.WriteBuffer("W", 1);  // a write after scanning lands at the position
    EXPECT_EQ(read_through(f, '\n'), "orld\n");
    EXPECT_EQ(read_through(f, '\n'), "");
    EXPECT_EQ(f.Position(), 12);
    f.Close();
  }
  EXPECT_EQ(test::read_file_bytes(dir.path() / "f.txt"), "hello\nWorld\n");
}

TEST(ByteReader, WindowAndSkipConsumeExactly) {
  TMemoryStream m;
  m.WriteBuffer("abcdef", 6);
  m.SetPosition(1);
  {
    ByteReader r(m);
    ASSERT_TRUE(r.refill());
    ASSERT_EQ(r.window().size(), 5u);
    r.skip(2);
    r.commit();
    EXPECT_EQ(m.Position(), 3);
    r.skip(1);
  }
  EXPECT_EQ(m.Position(), 4);
  std::uint8_t b;
  m.ReadBuffer(&b, 1);
  EXPECT_EQ(b, 'e');
}

// Also when bytes had been read ahead before the stream was closed.
TEST(ByteReader, ClosedFileStreamRaisesInsteadOfReading) {
  test::TempDir dir;
  test::write_file_bytes(dir.path() / "c.txt", "xyz");
  for (const bool read_first : {false, true}) {
    TFileStream f(dir.file("c.txt"), fmOpenRead);
    std::uint8_t b;
    if (read_first) f.ReadBuffer(&b, 1);
    f.Close();
    ByteReader r(f);
    EXPECT_THROW(r.next(b), EStreamError) << (read_first ? "after a read" : "");
  }
}

}  // namespace
}  // namespace zyl::detail

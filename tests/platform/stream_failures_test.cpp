// How the streams behave at their limits and when the OS fails them: huge
// counts and positions, refused reads, seeks and writes, and saving and
// loading whole memory streams.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/bytereader.h"
#include "platform/exceptions.h"
#include "platform/filestream.h"
#include "platform/memorystream.h"
#include "platform/os.h"
#include "platform/stringstream.h"
#include "support/tempdir.h"

#if __has_include(<sys/resource.h>)
#include <sys/resource.h>

#include <csignal>
#define ZYL_TEST_HAS_FSIZE_LIMIT 1
#endif

namespace zyl {
namespace {

using test::TempDirTest;

constexpr bool kWindows = platform::kOsFamily == platform::OsFamily::Windows;
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

struct FreeDeleter {
  void operator()(char* p) const { std::free(p); }
};

String write_file(const test::TempDir& dir, const std::string& name, const std::string& bytes) {
  test::write_file_bytes(dir.path() / name, bytes);
  return dir.file(name);
}

// One byte buffered, then a count whose sum with the buffer index passes
// 2^31: the block must go to the file directly, not into the 64 KiB buffer.
TEST(FileStreamLimits, HugeWriteAfterABufferedByte) {
  // calloc maps zero pages lazily; the null device never reads them.
  const std::unique_ptr<char, FreeDeleter> big(static_cast<char*>(std::calloc(1, std::size_t{0x7FFFFFFF})));
  if (!big) GTEST_SKIP() << "no 2 GiB buffer in this address space";
  TFileStream s(kWindows ? u"NUL" : u"/dev/null", fmOpenWrite);
  ASSERT_EQ(s.Write("x", 1), 1);
  EXPECT_EQ(s.Write(big.get(), std::numeric_limits<std::int32_t>::max()), std::numeric_limits<std::int32_t>::max());
}

TEST(MemoryStreamLimits, PositionsAndSizesBeyondMemory) {
  TMemoryStream m;
  m.WriteBuffer("abc", 3);
  EXPECT_EQ(m.Seek(kInt64Max, TSeekOrigin::soBeginning), kInt64Max);
  EXPECT_EQ(m.Write("0123456789", 10), 0) << "position + count passes INT64_MAX";
  EXPECT_THROW(m.WriteBuffer("0123456789", 10), EWriteError);
  EXPECT_EQ(m.Size(), 3);
  EXPECT_EQ(m.Seek(kInt64Max, TSeekOrigin::soCurrent), kInt64Max) << "seeks saturate";
  EXPECT_EQ(m.Seek(kInt64Max, TSeekOrigin::soEnd), kInt64Max);
  EXPECT_EQ(m.Seek(std::numeric_limits<std::int64_t>::min(), TSeekOrigin::soCurrent), 0);
  m.SetPosition(std::int64_t{1} << 50);
  EXPECT_EQ(m.Write("x", 1), 0) << "a position no process can address";
  EXPECT_THROW(m.SetSize(kInt64Max), EOutOfMemory);
  EXPECT_EQ(m.Size(), 3);
  m.SetPosition(1);
  char b = 0;
  m.ReadBuffer(&b, 1);
  EXPECT_EQ(b, 'b') << "the stream still works";
}

TEST(StreamCopy, NegativeCountIsAnError) {
  TStringStream src(u"abc");
  TMemoryStream dst;
  EXPECT_THROW(dst.CopyFrom(src, -1), EStreamError);
  EXPECT_EQ(dst.Size(), 0);
}

// Reading a file opened for writing only fails in the OS: an error, not the
// end of the data, through Read, ReadBuffer and the byte reader alike.
TEST_F(TempDirTest, FailedReadsRaise) {
  const String name = write_file(tmp, "w.bin", "data");
  TFileStream s(name, fmOpenWrite);
  char buf[8];
  EXPECT_THROW(s.Read(buf, 8), EReadError);
  EXPECT_THROW(s.ReadBuffer(buf, 1), EReadError);
  detail::ByteReader r(s);
  std::uint8_t b = 0;
  EXPECT_THROW(r.next(b), EReadError);
}

TEST(FileStreamFailures, UnreadableSystemFileRaises) {
  if (kWindows || !std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  TFileStream s(u"/proc/self/mem", fmOpenRead);
  char buf[16];
  EXPECT_THROW(s.Read(buf, sizeof buf), EReadError);
  EXPECT_THROW(s.Read(buf, 1 << 20), EReadError) << "the direct path for large reads too";
}

TEST_F(TempDirTest, RefusedSeekKeepsThePosition) {
  const String name = write_file(tmp, "s.bin", "ABCDEFGH");
  TFileStream s(name, fmOpenReadWrite);
  char c = 0;
  s.ReadBuffer(&c, 1);  // read-ahead buffered
  s.SetPosition(0);
  try {
    s.Seek(std::int64_t{1} << 62, TSeekOrigin::soBeginning);
    GTEST_SKIP() << "this file system accepts offset 2^62";
  } catch (const EStreamError& e) {
    EXPECT_NE(std::string(e.what()).find("seek"), std::string::npos) << e.what();
  }
  EXPECT_EQ(s.Position(), 0);
  s.ReadBuffer(&c, 1);
  EXPECT_EQ(c, 'A');
  s.WriteBuffer("xy", 2);
  s.Close();
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "s.bin"), "AxyDEFGH");
}

TEST_F(TempDirTest, MemoryStreamLoadsAndSavesWholeStreams) {
  TMemoryStream m;
  m.WriteBuffer("hello world", 11);
  const String name = tmp.file("m.bin");
  test::write_file_bytes(tmp.path() / "m.bin", std::string(50000, 'z'));
  m.SaveToFile(name);
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "m.bin"), "hello world") << "replaced whole, not overlaid";

  TMemoryStream loaded;
  loaded.WriteBuffer("old content that is longer", 26);
  loaded.LoadFromFile(name);
  EXPECT_EQ(loaded.Size(), 11);
  EXPECT_EQ(loaded.Position(), 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(loaded.Memory()), 11), "hello world");

  TStringStream src(u"0123456789");
  src.SetPosition(7);
  loaded.LoadFromStream(src);  // from the source's beginning
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(loaded.Memory()), 10), "0123456789");

  TMemoryStream target;
  target.WriteBuffer("ab", 2);
  target.SetPosition(1);
  m.SaveToStream(target);  // at the target's position
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(target.Memory()), static_cast<std::size_t>(target.Size())),
            "ahello world");

  EXPECT_THROW(m.SaveToFile(tmp.file("missing-dir/m.bin")), EInOutError);
  EXPECT_THROW(loaded.LoadFromFile(tmp.file("absent.bin")), EFOpenError);
}

#ifdef ZYL_TEST_HAS_FSIZE_LIMIT
// A process file-size limit makes writes stop part way, as a full disk does.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t Bytes) {
    getrlimit(RLIMIT_FSIZE, &FSaved);
    FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit r = FSaved;
    r.rlim_cur = Bytes;
    setrlimit(RLIMIT_FSIZE, &r);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FSaved);
    std::signal(SIGXFSZ, FOldHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit FSaved{};
  void (*FOldHandler)(int) = nullptr;
};

TEST_F(TempDirTest, PartialWritesReportWhatReachedTheFile) {
  const std::string block(100000, 'b');
  {
    FileSizeLimit limit(1000);
    TFileStream s(tmp.file("p.bin"), fmCreate);
    EXPECT_EQ(s.Write(block.data(), 100000), 1000) << "the bytes written, not 0";
    EXPECT_EQ(s.Position(), 1000);
    EXPECT_EQ(s.Write(block.data(), 100000), 0) << "nothing more fits";
    EXPECT_THROW(s.WriteBuffer(block.data(), 100000), EWriteError);

    TFileStream buffered(tmp.file("q.bin"), fmCreate);
    buffered.WriteBuffer(block.data(), 5000);  // held in the buffer
    EXPECT_THROW(buffered.Close(), EWriteError);
  }
  EXPECT_EQ(std::filesystem::file_size(tmp.path() / "p.bin"), 1000u);
}

TEST_F(TempDirTest, FailedSaveToFileRaisesAndKeepsTheTarget) {
  test::write_file_bytes(tmp.path() / "t.bin", "previous");
  TMemoryStream m;
  m.WriteBuffer(std::string(5000, 'n').data(), 5000);
  {
    FileSizeLimit limit(1000);
    EXPECT_THROW(m.SaveToFile(tmp.file("t.bin")), EInOutError);
  }
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "t.bin"), "previous");
}
#endif

}  // namespace
}  // namespace zyl

#include <memory>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/filestream.h"
#include "platform/memorystream.h"
#include "platform/stringstream.h"
#include "support/tempdir.h"

namespace zyl {
namespace {

using test::TempDirTest;

// Runs random writes, reads, seeks and resizes on a stream and on a string
// model; both must agree on every byte and position.
void check_against_model(TStream& s, unsigned seed, const std::function<std::string()>& content) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  std::string model;
  std::int64_t pos = 0;
  for (int step = 0; step < 3000; ++step) {
    const unsigned op = rng() % 10;
    // Sizes around the file stream's 64 KiB buffer matter most.
    const std::int32_t n = rng() % 4 == 0 ? static_cast<std::int32_t>(rng() % 140000) : static_cast<std::int32_t>(rng() % 9);
    if (op < 4) {
      std::string data(static_cast<std::size_t>(n), '\0');
      for (char& c : data) c = static_cast<char>(rng());
      ASSERT_EQ(s.Write(data.data(), n), n);
      if (n == 0) continue;  // an empty write does not extend the stream
      if (pos > static_cast<std::int64_t>(model.size())) model.resize(static_cast<std::size_t>(pos), '\0');
      if (pos + n > static_cast<std::int64_t>(model.size())) model.resize(static_cast<std::size_t>(pos + n));
      model.replace(static_cast<std::size_t>(pos), static_cast<std::size_t>(n), data);
      pos += n;
    } else if (op < 7) {
      std::string got(static_cast<std::size_t>(n), '\0');
      const std::int32_t r = s.Read(got.data(), n);
      const std::int64_t avail = std::max<std::int64_t>(0, static_cast<std::int64_t>(model.size()) - pos);
      ASSERT_EQ(r, std::min<std::int64_t>(n, avail)) << "step " << step;
      if (r > 0) {
        ASSERT_EQ(got.substr(0, static_cast<std::size_t>(r)),
                  model.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(r)));
      }
      pos += r;
    } else if (op < 9) {
      const auto origin = static_cast<TSeekOrigin>(rng() % 3);
      const std::int64_t off = static_cast<std::int64_t>(rng() % 200000) - 100000;
      const std::int64_t base = origin == TSeekOrigin::soBeginning ? 0
                                : origin == TSeekOrigin::soCurrent ? pos
                                                                   : static_cast<std::int64_t>(model.size());
      pos = std::max<std::int64_t>(0, base + off);
      ASSERT_EQ(s.Seek(off, origin), pos) << "step " << step;
    } else {
      const std::int64_t size = rng() % 150000;
      s.SetSize(size);
      model.resize(static_cast<std::size_t>(size), '\0');
      pos = std::min<std::int64_t>(pos, size);
      ASSERT_EQ(s.Position(), pos);
    }
    ASSERT_EQ(s.Size(), std::max<std::int64_t>(static_cast<std::int64_t>(model.size()), 0)) << "step " << step;
  }
  EXPECT_EQ(content(), model);
}

TEST(MemoryStream, MatchesAStringModel) {
  TMemoryStream m;
  check_against_model(m, std::random_device{}(), [&] {
    return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
  });
}

TEST_F(TempDirTest, FileStreamMatchesAStringModel) {
  auto f = std::make_unique<TFileStream>(tmp.file("model.bin"), fmCreate);
  check_against_model(*f, std::random_device{}(), [&] {
    f->Close();
    return test::read_file_bytes(tmp.path() / "model.bin");
  });
}

TEST_F(TempDirTest, FileStreamOpenModesAndErrors) {
  const String name = tmp.file("data.txt");
  try {
    TFileStream f(name, fmOpenRead);
    FAIL() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message().rfind(u"Cannot open file \"" + name + u"\". ", 0), 0u) << e.what();
  }
  EXPECT_THROW(TFileStream(tmp.file("no/such/dir/x"), fmCreate), EFCreateError);
  EXPECT_THROW(TFileStream(from_utf8(tmp.path().string()), fmOpenRead), EFOpenError) << "a directory is no file";

  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("hello world", 11);
  }
  {
    TFileStream f(name, fmOpenReadWrite);
    EXPECT_EQ(f.Size(), 11);
    f.Seek(6, TSeekOrigin::soBeginning);
    f.WriteBuffer("WORLD", 5);
    f.SetPosition(0);
    char buf[11];
    f.ReadBuffer(buf, 11);
    EXPECT_EQ(std::string(buf, 11), "hello WORLD");
    EXPECT_THROW(f.ReadBuffer(buf, 1), EReadError);
  }
  {
    TFileStream f(name, fmOpenRead | fmShareDenyWrite);
    EXPECT_EQ(f.Write("x", 1), 0) << "a read-only stream writes nothing";
    EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError);
  }
  EXPECT_EQ(test::read_file_bytes(tmp.path() / "data.txt"), "hello WORLD");
}

TEST_F(TempDirTest, ByteAtATimeReadingSeesEveryByte) {
  std::string data(300000, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 + i / 251);
  test::write_file_bytes(tmp.path() / "bytes.bin", data);
  TFileStream f(tmp.file("bytes.bin"), fmOpenRead);
  std::string got;
  char c;
  while (f.Read(&c, 1) == 1) got.push_back(c);
  EXPECT_EQ(got, data);
  EXPECT_EQ(f.Position(), static_cast<std::int64_t>(data.size()));
}

TEST(StringStream, HoldsUtf8BytesAndCopies) {
  TStringStream s(u"Gr\u00f6\u00dfe");
  EXPECT_EQ(s.Size(), 7);
  EXPECT_EQ(s.DataString(), u"Gr\u00f6\u00dfe");
  TMemoryStream m;
  EXPECT_EQ(m.CopyFrom(s, 0), 7);
  m.SetPosition(2);
  TBytesStream b;
  EXPECT_EQ(b.CopyFrom(m, 2), 2);
  EXPECT_EQ(b.Bytes(), (std::vector<std::uint8_t>{0xC3, 0xB6}));
  EXPECT_THROW(b.CopyFrom(m, 100), EReadError);
}

}  // namespace
}  // namespace zyl

#include "platform/blockwriter.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "platform/memorystream.h"

namespace zyl::detail {
namespace {

// A memory stream that offers no write window and counts Write calls: the
// path every other stream takes.
class WindowlessStream : public TMemoryStream {
 public:
  int Writes = 0;
  std::int32_t Write(const void* Buffer, std::int32_t Count) override {
    ++Writes;
    return TMemoryStream::Write(Buffer, Count);
  }

 protected:
  std::span<std::uint8_t> write_window(std::size_t) override { return {}; }
};

// Produces Total bytes in reserve/commit steps of 1..62 bytes, writing only
// what it keeps (as a direct-write producer must), or, with Scribble, also
// filling the rest of every room it reserved (as decoders storing whole
// vectors do).
std::vector<std::uint8_t> produce(BlockWriter& Out, std::size_t Total, bool Scribble, std::mt19937& Rng) {
  std::vector<std::uint8_t> made;
  while (made.size() < Total) {
    const std::size_t room = 1 + Rng() % 62;
    const std::size_t keep = std::min<std::size_t>(Total - made.size(), 1 + Rng() % room);
    std::uint8_t* p = Out.reserve(room);
    for (std::size_t i = 0; i < keep; ++i) made.push_back(p[i] = static_cast<std::uint8_t>(Rng()));
    if (Scribble) std::memset(p + keep, 0xEE, room - keep);
    Out.commit(keep);
  }
  return made;
}

struct Case {
  const char* Name;
  std::size_t OldSize;   // bytes in the target before
  std::int64_t Start;    // its position (past OldSize: a gap)
  std::size_t Total;     // bytes produced
};

// Whatever the target and the path, the target ends exactly as if every
// byte had gone through Write: old bytes before and behind the output kept,
// a gap before it zero-filled, size and position behind the output.
TEST(BlockWriter, TargetEndsAsIfWrittenThroughWrite) {
  const Case cases[] = {
      {"empty, nothing", 0, 0, 0},
      {"empty, one byte", 0, 0, 1},
      {"empty, over one buffer", 0, 0, 200000},
      {"overwrite inside, short", 300000, 1000, 500},
      {"overwrite inside, long", 300000, 1000, 200000},
      {"overwrite past the end", 100000, 50000, 200000},
      {"gap before the output", 100, 5000, 70000},
      {"gap, nothing written", 100, 5000, 0},
  };
  std::mt19937 rng(7);
  for (const Case& c : cases) {
    for (const bool direct : {false, true}) {
      for (const bool windowless : {false, true}) {
        if (direct && windowless && c.Total > 70000) continue;  // same path as !direct
        SCOPED_TRACE(::testing::Message() << c.Name << (direct ? ", direct" : "") << (windowless ? ", windowless" : ""));
        std::unique_ptr<TMemoryStream> target =
            windowless ? std::make_unique<WindowlessStream>() : std::make_unique<TMemoryStream>();
        std::vector<std::uint8_t> old(c.OldSize);
        for (auto& b : old) b = static_cast<std::uint8_t>(rng());
        if (!old.empty()) target->WriteBuffer(old.data(), static_cast<std::int32_t>(old.size()));
        target->SetPosition(c.Start);

        std::vector<std::uint8_t> made;
        {
          BlockWriter out(*target, direct);
          made = produce(out, c.Total, !direct, rng);
          out.flush();
        }

        std::vector<std::uint8_t> want = old;
        const auto start = static_cast<std::size_t>(c.Start);
        if (!made.empty()) {
          want.resize(std::max(want.size(), start + made.size()), 0);
          std::copy(made.begin(), made.end(), want.begin() + static_cast<std::ptrdiff_t>(start));
        }
        ASSERT_EQ(target->Size(), static_cast<std::int64_t>(want.size()));
        EXPECT_EQ(target->Position(), c.Start + static_cast<std::int64_t>(made.size()));
        EXPECT_TRUE(std::equal(want.begin(), want.end(), target->Memory()));
      }
    }
  }
}

// Output goes to a window-less target in large blocks, not per reserve.
TEST(BlockWriter, WritesWindowlessTargetsInLargeBlocks) {
  WindowlessStream target;
  std::mt19937 rng(1);
  BlockWriter out(target, true);
  produce(out, 1 << 20, false, rng);
  out.flush();
  EXPECT_EQ(target.Size(), 1 << 20);
  EXPECT_LE(target.Writes, static_cast<int>((1 << 20) / (BlockWriter::capacity() - 62) + 1));
}

// Without flush nothing is kept: size and position stay as they were.
TEST(BlockWriter, UnflushedOutputIsNotKept) {
  for (const std::size_t old_size : {std::size_t{0}, std::size_t{300000}}) {
    TMemoryStream target;
    target.SetSize(static_cast<std::int64_t>(old_size));
    std::mt19937 rng(3);
    {
      BlockWriter out(target, true);
      produce(out, 1000, false, rng);
    }
    EXPECT_EQ(target.Size(), static_cast<std::int64_t>(old_size));
    EXPECT_EQ(target.Position(), 0);
  }
}

}  // namespace
}  // namespace zyl::detail

#include "ZYL_dstruct/fifo.h"

#include <deque>
#include <random>

#include <gtest/gtest.h>

#include "ZYL_zylbase/errors.h"

namespace ZYL_dstruct {
namespace {

TEST(Fifo, HoldsOneLessThanItsSize) {
  TFifo f(nullptr);
  for (int i = 0; i < 255; ++i) ASSERT_TRUE(f.PutByte(static_cast<std::uint8_t>(i))) << i;
  EXPECT_FALSE(f.PutByte(99));
  EXPECT_EQ(f.CountBytes(), 255);
  // ForceByte on a full FIFO drops the oldest: the next byte out is the second put.
  EXPECT_TRUE(f.ForceByte(200));
  std::uint8_t b = 0;
  ASSERT_TRUE(f.GetByte(b));
  EXPECT_EQ(b, 1);
  EXPECT_FALSE(f.ForceByte(201)) << "not full any more: nothing dropped";
}

TEST(Fifo, EmptyFifoRefusesGetAndSense) {
  TFifo f(nullptr);
  std::uint8_t b = 77;
  EXPECT_FALSE(f.GetByte(b));
  EXPECT_FALSE(f.SenseByte(0, b));
  EXPECT_FALSE(f.SenseByte(-1, b));
  EXPECT_EQ(b, 77);
}

TEST(Fifo, SenseWrapsAroundTheRingEnd) {
  TFifo f(nullptr);
  f.SetSize(8);
  std::uint8_t b;
  for (int i = 0; i < 6; ++i) f.PutByte(static_cast<std::uint8_t>(i));
  for (int i = 0; i < 5; ++i) f.GetByte(b);
  for (int i = 10; i < 15; ++i) ASSERT_TRUE(f.PutByte(static_cast<std::uint8_t>(i)));  // wraps
  ASSERT_EQ(f.CountBytes(), 6);
  const std::uint8_t expect[] = {5, 10, 11, 12, 13, 14};
  for (int i = 0; i < 6; ++i) {
    ASSERT_TRUE(f.SenseByte(i, b));
    EXPECT_EQ(b, expect[i]) << "index " << i;
  }
  EXPECT_TRUE(f.SenseByte(f.CountBytes() - 1, b));
  EXPECT_EQ(b, 14) << "last index is the newest byte";
  EXPECT_FALSE(f.SenseByte(6, b));
}

TEST(Fifo, LoadBackRestoresOrderAndRefusesWhenFull) {
  TFifo f(nullptr);
  f.SetSize(4);
  f.PutByte(1);
  f.PutByte(2);
  std::uint8_t b;
  f.GetByte(b);
  EXPECT_TRUE(f.LoadBack(b));  // wraps the read position from 0 to the end
  f.PutByte(3);
  EXPECT_FALSE(f.LoadBack(9)) << "full: pushing back would lose the queue";
  EXPECT_EQ(f.CountBytes(), 3);
  for (std::uint8_t want : {1, 2, 3}) {
    ASSERT_TRUE(f.GetByte(b));
    EXPECT_EQ(b, want);
  }
}

TEST(Fifo, SetSizeIgnoresBadValuesAndKeepsQueuedBytes) {
  TFifo f(nullptr);
  f.SetSize(0);
  f.SetSize(-5);
  EXPECT_EQ(f.Size(), 256);

  // Wrapped data survives growing and shrinking, in order.
  f.SetSize(6);
  std::uint8_t b;
  for (int i = 0; i < 5; ++i) f.PutByte(static_cast<std::uint8_t>(i));
  f.GetByte(b);
  f.GetByte(b);
  f.PutByte(5);
  f.PutByte(6);  // queue 2..6, wrapped
  f.SetSize(100);
  EXPECT_EQ(f.CountBytes(), 5);
  for (int want = 2; want <= 6; ++want) {
    ASSERT_TRUE(f.GetByte(b));
    EXPECT_EQ(b, want);
  }
  for (int i = 0; i < 50; ++i) f.PutByte(static_cast<std::uint8_t>(i));
  f.SetSize(4);  // keeps the oldest three
  EXPECT_EQ(f.CountBytes(), 3);
  for (int want = 0; want < 3; ++want) {
    ASSERT_TRUE(f.GetByte(b));
    EXPECT_EQ(b, want);
  }
}

TEST(Fifo, MatchesADequeUnderRandomOperations) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  TFifo f(nullptr);
  f.SetSize(17);
  std::deque<std::uint8_t> model;
  for (int step = 0; step < 20000; ++step) {
    const auto v = static_cast<std::uint8_t>(rng());
    std::uint8_t b = 0;
    switch (rng() % 6) {
      case 0:
        ASSERT_EQ(f.PutByte(v), model.size() < 16);
        if (model.size() < 16) model.push_back(v);
        break;
      case 1: {
        const bool full = model.size() == 16;
        ASSERT_EQ(f.ForceByte(v), full);
        if (full) model.pop_front();
        model.push_back(v);
        break;
      }
      case 2:
      case 3:
        ASSERT_EQ(f.GetByte(b), !model.empty());
        if (!model.empty()) {
          ASSERT_EQ(b, model.front());
          model.pop_front();
        }
        break;
      case 4:
        ASSERT_EQ(f.LoadBack(v), model.size() < 16);
        if (model.size() < 16) model.push_front(v);
        break;
      case 5: {
        const int ix = static_cast<int>(rng() % 18);
        ASSERT_EQ(f.SenseByte(ix, b), ix < static_cast<int>(model.size()));
        if (ix < static_cast<int>(model.size())) {
          ASSERT_EQ(b, model[static_cast<std::size_t>(ix)]);
        }
        break;
      }
    }
    ASSERT_EQ(f.CountBytes(), static_cast<int>(model.size()));
  }
}

TEST(Fifo, ClearEmptiesAndOwnerFreesIt) {
  zyl::TComponent owner(nullptr);
  auto* f = new TFifo(&owner);
  EXPECT_EQ(owner.ComponentCount(), 1);
  f->PutByte(1);
  f->Clear();
  EXPECT_EQ(f->CountBytes(), 0);
  delete f;  // a component deleted first leaves its owner's list
  EXPECT_EQ(owner.ComponentCount(), 0);
  new TFifo(&owner);  // freed by owner's destructor (the sanitizer build checks)
}

}  // namespace
}  // namespace ZYL_dstruct

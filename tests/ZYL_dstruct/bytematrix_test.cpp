#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/bitfield.h"
#include "ZYL_dstruct/bytematrix.h"
#include "platform/exceptions.h"

namespace ZYL_dstruct {
namespace {

struct Counted : ::testing::Test {
  Counted() {
    m.OnChange = [this](zyl::TObject* sender) {
      EXPECT_EQ(sender, &m);
      ++changes;
    };
  }
  TByteMatrix m{nullptr};
  int changes = 0;
};

TEST_F(Counted, NewMatrixAndOutsideCells) {
  EXPECT_EQ(m.NrOfColumns(), 1);
  EXPECT_EQ(m.NrOfRows(), 1);
  EXPECT_EQ(m.GetByte(1, 1), 0);
  m.SetDefaultValue(5);
  EXPECT_EQ(m.GetByte(0, 1), 5);
  EXPECT_EQ(m.GetByte(2, 1), 5);
  EXPECT_TRUE(m.GetBit(9, 9, 0));
  EXPECT_FALSE(m.GetBit(9, 9, 1));
  EXPECT_FALSE(m.GetBit(9, 9, 8));
  m.SetByte(2, 1, 7);
  m.SetBit(1, 1, 8, true);
  m.SetBit(1, 1, -1, true);
  m.ToggleBit(1, 0, 0);
  EXPECT_EQ(m.GetByte(1, 1), 0);
  EXPECT_EQ(changes, 0) << "ignored writes fire nothing";
}

TEST_F(Counted, ResizeKeepsCellsAndReportsChange) {
  EXPECT_FALSE(m.Resize(1, 1));
  EXPECT_FALSE(m.Resize(0, 3));
  EXPECT_FALSE(m.Resize(3, -1));
  EXPECT_EQ(changes, 0);
  m.SetByte(1, 1, 9);
  ASSERT_TRUE(m.Resize(3, 2));
  EXPECT_EQ(m.GetByte(1, 1), 9);
  EXPECT_EQ(m.GetByte(3, 2), 0);
  m.SetByte(3, 2, 4);
  m.SetNrRows(0);  // taken as 1
  EXPECT_EQ(m.NrOfRows(), 1);
  m.SetNrRows(2);
  EXPECT_EQ(m.GetByte(3, 2), 0) << "the shrunk row is gone";
  m.SetNrCols(3);  // unchanged: no event
  EXPECT_EQ(changes, 5);
}

TEST_F(Counted, BitsByColumnAndRow) {
  m.Resize(2, 2);
  changes = 0;
  m.SetBit(2, 1, 7, true);
  m.SetBit(2, 1, 0, true);
  EXPECT_EQ(m.GetByte(2, 1), 129);
  m.SetBit(2, 1, 7, false);
  m.ToggleBit(2, 1, 3);
  EXPECT_EQ(m.GetByte(2, 1), 9);
  EXPECT_TRUE(m.GetBit(2, 1, 3));
  EXPECT_EQ(changes, 4);
}

TEST_F(Counted, MirroringAndFilling) {
  m.Resize(3, 4);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 4; ++r) m.SetByte(c, r, static_cast<std::uint8_t>(10 * c + r));
  changes = 0;
  m.MirrorColumns();
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(m.GetByte(c, r), 10 * (4 - c) + r);
  m.MirrorRows();
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(m.GetByte(c, r), 10 * (4 - c) + (5 - r));
  TByteMatrix one(nullptr);
  int one_changes = 0;
  one.OnChange = [&](zyl::TObject*) { ++one_changes; };
  one.SetByte(1, 1, 3);
  one.MirrorColumns();
  EXPECT_EQ(one.GetByte(1, 1), 3);
  EXPECT_EQ(one_changes, 2) << "mirroring one column still reports a change";
  m.Fill(0xAB);
  EXPECT_EQ(m.GetByte(3, 4), 0xAB);
  EXPECT_EQ(changes, 3);
}

TEST_F(Counted, CombineEveryOperation) {
  struct Case {
    TLogicOp op;
    std::uint8_t expected;  // of a = 1100 and b = 1010 (binary)
  };
  const std::vector<Case> cases = {{TLogicOp::loAND, 0x08},    {TLogicOp::loOR, 0x0E},     {TLogicOp::loXOR, 0x06},
                                   {TLogicOp::loANDNot, 0x04}, {TLogicOp::loORNot, 0xFD}, {TLogicOp::loXORNot, 0xF9}};
  TByteMatrix b(nullptr);
  b.Resize(2, 3);
  b.Fill(0x0A);
  m.Resize(2, 3);
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.op));
    m.Fill(0x0C);
    changes = 0;
    m.CombineWith(&b, c.op);
    EXPECT_EQ(changes, 0);
    for (int col = 1; col <= 2; ++col)
      for (int row = 1; row <= 3; ++row) EXPECT_EQ(m.GetByte(col, row), c.expected);
  }
  m.CombineWith(&m, TLogicOp::loXORNot);
  EXPECT_EQ(m.GetByte(2, 3), 255);
  TByteMatrix other(nullptr);
  other.Resize(3, 2);
  m.Fill(1);
  m.CombineWith(&other, TLogicOp::loAND);  // different shape: nothing
  EXPECT_EQ(m.GetByte(1, 1), 1);
}

TEST_F(Counted, AssignCopiesCellsDefaultAndHandler) {
  m.OnChange = [this](zyl::TObject*) { ++changes; };
  m.Resize(2, 2);
  m.SetByte(2, 2, 42);
  m.SetDefaultValue(3);
  TByteMatrix n(nullptr);
  changes = 0;
  n.Assign(&m);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(n.NrOfColumns(), 2);
  EXPECT_EQ(n.GetByte(2, 2), 42);
  EXPECT_EQ(n.GetByte(5, 5), 3);
  n.SetByte(1, 1, 1);
  EXPECT_EQ(changes, 1) << "the handler came along";
  TByteMatrix o(nullptr);
  m.AssignTo(&o);
  EXPECT_EQ(o.GetByte(2, 2), 42);
  TBitFld f(nullptr);
  EXPECT_THROW(m.Assign(&f), zyl::EConvertError);
}

}  // namespace
}  // namespace ZYL_dstruct

// The bit field and byte matrix section of "zyl demo".
#include <cstdio>
#include <string>

#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::string bits_of(const zyl::TBitFld& f) {
  std::string s;
  for (int i = 0; i <= f.Size(); ++i) s += f.GetBit(i) ? '1' : '0';
  return s;
}

void demo_bitfield() {
  zyl::TBitFld f(nullptr);
  f.SetSize(39);
  const std::int32_t saved = zyl::RandSeed;
  zyl::RandSeed = 2024;  // the same bits on every platform
  f.RandomFill(25.0);
  zyl::RandSeed = saved;
  std::printf("bit field of 40 bits, 25%% set at random:\n  %s\n  %d set, first at %d\n", bits_of(f).c_str(),
              f.CountTrueBits(), f.FirstTrueBit());
  zyl::TBitFld g(nullptr);
  g.SetSize(39);
  for (int i = 0; i <= 39; i += 3) g.SetBit(i, true);
  f.CombineWith(&g, zyl::TLogicOp::loOR);
  std::printf("  OR every third bit:\n  %s\n  %d set\n", bits_of(f).c_str(), f.CountTrueBits());
  zyl::TIntArray clear;
  f.MakeListOfBits(clear, false);
  std::printf("  clear bits:");
  for (int i : clear) std::printf(" %d", i);
  std::printf("\n");

  zyl::TByteMatrix m(nullptr);
  m.Resize(4, 3);
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 3; ++r) m.SetByte(c, r, static_cast<std::uint8_t>(16 * r + c));
  m.SetBit(1, 1, 7, true);
  m.MirrorColumns();
  std::printf("byte matrix 4 x 3 (16 x row + column, bit 7 of (1,1) set), columns mirrored:\n");
  for (int r = 1; r <= 3; ++r) {
    std::printf(" ");
    for (int c = 1; c <= 4; ++c) std::printf(" %3u", m.GetByte(c, r));
    std::printf("\n");
  }
}

const DemoRegistration demo{{57, "Data structures: bit field and byte matrix", demo_bitfield}};

}  // namespace
}  // namespace zyl_tool

// Library: zyl / Package: ZYL_dstruct / Module: bitfield
//
// TBitFld: a one-dimensional bit set of the bits 0..Size() (both ends
// included, so Size() + 1 bits) with counting, search, bit lists, random
// filling with an exact number of set bits, inversion and combination with
// another field. Indices outside 0..Size() are ignored by setters and read
// as false. Counting, search and combination work a machine word or a
// vector register at a time.
//
// Storage: Size() div 8 + 2 bytes; bit ix is bit ix mod 8 (0 = least
// significant) of byte ix div 8. Bits above Size() in that storage are kept
// 0, so a field that grows shows only 0 bits in its new part.
//
// Example:
//   TBitFld f(nullptr);        // Size() == 1000, all bits 0
//   f.SetBit(1000, true);      // the last bit
//   f.SetBit(1001, true);      // ignored
//   f.CountTrueBits()          // == 1
//   f.FirstTrueBit()           // == 1000
//   f.RandomFill(50.0);        // exactly 500 of the 1001 bits set
#pragma once

#include <cstdint>
#include <vector>

#include "platform/component.h"
#include "ZYL_dstruct/logicop.h"
#include "ZYL_zylbase/arrays.h"

namespace ZYL_dstruct {

class ZYL_API TBitFld : public zyl::TComponent {
 public:
  // Size 1000 (127 bytes of storage), all bits 0.
  explicit TBitFld(zyl::TComponent* AOwner);
  ~TBitFld() override;

  std::int32_t Size() const noexcept { return FSize; }
  // Ignored unless size > 0 and different. Bits 0..min(old, new size) keep
  // their values, new bits are 0.
  void SetSize(std::int32_t size);

  // From another TBitFld: size and all bits. Anything else goes to the
  // inherited Assign (conversion error).
  void Assign(const zyl::TPersistent* Source) override;
  void AssignTo(zyl::TPersistent* Dest) const override;
  // The size and bits of Source; nothing when Source is null.
  void Clone(const TBitFld* Source);
  // All bits 0.
  void Clear() noexcept;

  void SetBit(std::int32_t ix, bool value) noexcept;
  void ToggleBit(std::int32_t ix) noexcept;
  bool GetBit(std::int32_t ix) const noexcept;

  // Number of set bits among 0..Size() (at most 2^31 - 1: a field of 2^31
  // set bits reports 2147483647).
  std::int32_t CountTrueBits() const noexcept;
  // Lowest index of a set bit; -1 if none.
  std::int32_t FirstTrueBit() const noexcept;
  // BitList := the indices 0..Size() whose bit equals State, ascending.
  //   Size 7, no bit set, State false  ⇒ {0, 1, 2, 3, 4, 5, 6, 7}
  void MakeListOfBits(ZYL_zylbase::TIntArray& BitList, bool State) const;
  // Every bit 0..Size() inverted.
  void Invert() noexcept;
  // Own bits := own Operation other's, bit by bit. Nothing when
  // SecondBArray is null or its size differs. SecondBArray may be this.
  void CombineWith(const TBitFld* SecondBArray, TLogicOp Operation) noexcept;
  // Exactly round(Percent / 100 * Size()) bits set (Percent clamped to
  // 0..100, NaN counting as 0; halves rounded to even), chosen with the
  // package's random generator (zyl::Random); the others cleared.
  void RandomFill(double Percent);
  // Exactly NBits bits set (clamped to 0..Size()), the others cleared.
  void RandomFill(std::int32_t NBits);

 protected:
  // Sets exactly n random bits of 0..Size() (0 <= n <= Size() + 1) and clears
  // the others, drawing the rarer state: from all bits set when n > Size()/2,
  // clearing random set bits, else from none, setting random clear bits.
  void SetRandBitsIntern(std::int32_t n);

 private:
  std::size_t used_bytes() const noexcept { return static_cast<std::size_t>(FSize) / 8 + 1; }
  void clear_tail() noexcept;  // bits above Size() to 0

  std::int32_t FSize = 1000;
  std::vector<std::uint8_t> FBitArray;
};

}  // namespace ZYL_dstruct

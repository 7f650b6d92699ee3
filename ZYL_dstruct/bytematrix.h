// Library: zyl / Package: ZYL_dstruct / Module: bytematrix
//
// TByteMatrix: a matrix of bytes addressed by column ix (1..NrOfColumns())
// and row iy (1..NrOfRows()), whose bytes can also be used as eight flags
// each (ixBit 0..7, 0 = least significant). Cells outside the matrix read as
// DefaultValue() and are never written. Changes fire OnChange, except
// CombineWith and Assign.
//
// Example:
//   TByteMatrix m(nullptr);          // 1 x 1, the cell 0
//   m.Resize(3, 2);                  // true; OnChange
//   m.SetBit(3, 2, 7, true);         // GetByte(3, 2) == 128
//   m.MirrorColumns();               // GetByte(1, 2) == 128
//   m.SetDefaultValue(5);
//   m.GetBit(9, 9, 0)                // == true (bit 0 of the default 5)
#pragma once

#include <cstdint>
#include <vector>

#include "platform/component.h"
#include "platform/events.h"
#include "ZYL_dstruct/logicop.h"

namespace ZYL_dstruct {

class ZYL_API TByteMatrix : public zyl::TComponent {
 public:
  // 1 x 1, the cell 0, default value 0.
  explicit TByteMatrix(zyl::TComponent* AOwner);
  ~TByteMatrix() override;

  zyl::TNotifyEvent OnChange;

  std::int32_t NrOfColumns() const noexcept { return FNrCols; }
  std::int32_t NrOfRows() const noexcept { return FNrRows; }
  // Resize with n (values below 1 taken as 1) and the other size unchanged.
  void SetNrCols(std::int32_t n);
  void SetNrRows(std::int32_t n);
  // What GetByte and GetBit report outside the matrix.
  std::uint8_t DefaultValue() const noexcept { return FDefaultVal; }
  void SetDefaultValue(std::uint8_t Value) noexcept { FDefaultVal = Value; }

  // False (nothing changes, no OnChange) when both sizes equal the current
  // ones or either is <= 0. Otherwise cells inside both sizes are kept, new
  // cells are 0; OnChange; true. Running out of memory raises std::bad_alloc
  // and leaves the matrix as it was.
  bool Resize(std::int32_t NrColumns, std::int32_t NrRows);
  // From another TByteMatrix: sizes, default value, all cells and its
  // OnChange handler; fires nothing. Anything else goes to the inherited
  // Assign (conversion error).
  void Assign(const zyl::TPersistent* Source) override;
  void AssignTo(zyl::TPersistent* Dest) const override;

  // Every cell := value; OnChange.
  void Fill(std::uint8_t value);
  // Sets the cell and fires OnChange; ignored outside the matrix.
  void SetByte(std::int32_t ix, std::int32_t iy, std::uint8_t value);
  std::uint8_t GetByte(std::int32_t ix, std::int32_t iy) const noexcept;
  // Sets or clears one bit of the cell and fires OnChange; ignored outside
  // the matrix or for ixBit outside 0..7.
  void SetBit(std::int32_t ix, std::int32_t iy, std::int32_t ixBit, bool value);
  // Bit ixBit of the cell (of DefaultValue() outside the matrix); false for
  // ixBit outside 0..7.
  bool GetBit(std::int32_t ix, std::int32_t iy, std::int32_t ixBit) const noexcept;
  // Inverts one bit and fires OnChange; ignored like SetBit.
  void ToggleBit(std::int32_t col, std::int32_t row, std::int32_t ixBit);
  // Column i exchanges with column NrOfColumns() + 1 - i; OnChange (also
  // with one column).
  void MirrorColumns();
  // Row i exchanges with row NrOfRows() + 1 - i; OnChange.
  void MirrorRows();
  // Own cells := own Operation other's, cell by cell; nothing unless both
  // have the same numbers of columns and rows (SecondByteMatrix may be this).
  // No OnChange.
  void CombineWith(const TByteMatrix* SecondByteMatrix, TLogicOp Operation) noexcept;

 protected:
  void Changed();

 private:
  bool inside(std::int32_t ix, std::int32_t iy) const noexcept {
    return ix >= 1 && ix <= FNrCols && iy >= 1 && iy <= FNrRows;
  }
  std::uint8_t& at(std::int32_t ix, std::int32_t iy) noexcept {
    return FByteMat[static_cast<std::size_t>(ix - 1)][static_cast<std::size_t>(iy - 1)];
  }

  std::int32_t FNrCols = 1;
  std::int32_t FNrRows = 1;
  std::vector<std::vector<std::uint8_t>> FByteMat;  // [column][row]
  std::uint8_t FDefaultVal = 0;
};

}  // namespace ZYL_dstruct

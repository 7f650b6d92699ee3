// Library: zyl / Package: ZYL_dstruct / Module: bytematrix
#include "ZYL_dstruct/bytematrix.h"

#include <algorithm>

#include "ZYL_dstruct/detail/bitops_impl.h"

namespace ZYL_dstruct {
namespace {

constexpr std::uint8_t kBitMask[8] = {1, 2, 4, 8, 16, 32, 64, 128};

bool valid_bit(std::int32_t ixBit) noexcept { return ixBit >= 0 && ixBit <= 7; }

}  // namespace

TByteMatrix::TByteMatrix(zyl::TComponent* AOwner)
    : zyl::TComponent(AOwner), FByteMat(1, std::vector<std::uint8_t>(1, 0)) {}

TByteMatrix::~TByteMatrix() = default;

void TByteMatrix::Changed() {
  if (OnChange) OnChange(this);
}

bool TByteMatrix::Resize(std::int32_t NrColumns, std::int32_t NrRows) {
  if (NrColumns <= 0 || NrRows <= 0 || (NrColumns == FNrCols && NrRows == FNrRows)) return false;
  // Built aside, so that running out of memory changes nothing.
  std::vector<std::vector<std::uint8_t>> cells(static_cast<std::size_t>(NrColumns));
  for (std::size_t c = 0; c < cells.size(); ++c) {
    cells[c].assign(static_cast<std::size_t>(NrRows), 0);
    if (c < FByteMat.size()) {
      const std::size_t keep = std::min(cells[c].size(), FByteMat[c].size());
      std::copy_n(FByteMat[c].begin(), keep, cells[c].begin());
    }
  }
  FByteMat = std::move(cells);
  FNrCols = NrColumns;
  FNrRows = NrRows;
  Changed();
  return true;
}

void TByteMatrix::SetNrCols(std::int32_t n) { Resize(std::max(n, 1), FNrRows); }

void TByteMatrix::SetNrRows(std::int32_t n) { Resize(FNrCols, std::max(n, 1)); }

void TByteMatrix::Assign(const zyl::TPersistent* Source) {
  const auto* src = dynamic_cast<const TByteMatrix*>(Source);
  if (src == nullptr) {
    zyl::TComponent::Assign(Source);
    return;
  }
  if (src == this) return;
  FByteMat = src->FByteMat;
  FNrCols = src->FNrCols;
  FNrRows = src->FNrRows;
  FDefaultVal = src->FDefaultVal;
  OnChange = src->OnChange;
}

void TByteMatrix::AssignTo(zyl::TPersistent* Dest) const {
  if (auto* dst = dynamic_cast<TByteMatrix*>(Dest)) {
    dst->Assign(this);
    return;
  }
  zyl::TComponent::AssignTo(Dest);
}

void TByteMatrix::Fill(std::uint8_t value) {
  for (auto& column : FByteMat) std::fill(column.begin(), column.end(), value);
  Changed();
}

void TByteMatrix::SetByte(std::int32_t ix, std::int32_t iy, std::uint8_t value) {
  if (!inside(ix, iy)) return;
  at(ix, iy) = value;
  Changed();
}

std::uint8_t TByteMatrix::GetByte(std::int32_t ix, std::int32_t iy) const noexcept {
  if (!inside(ix, iy)) return FDefaultVal;
  return FByteMat[static_cast<std::size_t>(ix - 1)][static_cast<std::size_t>(iy - 1)];
}

void TByteMatrix::SetBit(std::int32_t ix, std::int32_t iy, std::int32_t ixBit, bool value) {
  if (!inside(ix, iy) || !valid_bit(ixBit)) return;
  std::uint8_t& b = at(ix, iy);
  b = value ? static_cast<std::uint8_t>(b | kBitMask[ixBit]) : static_cast<std::uint8_t>(b & ~kBitMask[ixBit]);
  Changed();
}

bool TByteMatrix::GetBit(std::int32_t ix, std::int32_t iy, std::int32_t ixBit) const noexcept {
  if (!valid_bit(ixBit)) return false;
  return (GetByte(ix, iy) & kBitMask[ixBit]) != 0;
}

void TByteMatrix::ToggleBit(std::int32_t col, std::int32_t row, std::int32_t ixBit) {
  if (!inside(col, row) || !valid_bit(ixBit)) return;
  at(col, row) ^= kBitMask[ixBit];
  Changed();
}

void TByteMatrix::MirrorColumns() {
  std::reverse(FByteMat.begin(), FByteMat.end());
  Changed();
}

void TByteMatrix::MirrorRows() {
  for (auto& column : FByteMat) std::reverse(column.begin(), column.end());
  Changed();
}

void TByteMatrix::CombineWith(const TByteMatrix* SecondByteMatrix, TLogicOp Operation) noexcept {
  if (SecondByteMatrix == nullptr || SecondByteMatrix->FNrCols != FNrCols || SecondByteMatrix->FNrRows != FNrRows)
    return;
  for (std::size_t c = 0; c < FByteMat.size(); ++c)
    detail::combine_bytes(FByteMat[c].data(), SecondByteMatrix->FByteMat[c].data(), FByteMat[c].size(), Operation);
}

}  // namespace ZYL_dstruct

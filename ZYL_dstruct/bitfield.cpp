// Library: zyl / Package: ZYL_dstruct / Module: bitfield
#include "ZYL_dstruct/bitfield.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ZYL_dstruct/detail/bitops_impl.h"
#include "platform/random.h"

namespace ZYL_dstruct {
namespace {

std::size_t storage_bytes(std::int32_t size) { return static_cast<std::size_t>(size) / 8 + 2; }

}  // namespace

TBitFld::TBitFld(zyl::TComponent* AOwner) : zyl::TComponent(AOwner), FBitArray(storage_bytes(FSize), 0) {}

TBitFld::~TBitFld() = default;

void TBitFld::clear_tail() noexcept {
  const std::size_t last = static_cast<std::size_t>(FSize) / 8;
  FBitArray[last] &= static_cast<std::uint8_t>((2u << (FSize % 8)) - 1u);
  std::fill(FBitArray.begin() + static_cast<std::ptrdiff_t>(last) + 1, FBitArray.end(), std::uint8_t{0});
}

void TBitFld::SetSize(std::int32_t size) {
  if (size <= 0 || size == FSize) return;
  FBitArray.resize(storage_bytes(size), 0);
  FSize = size;
  clear_tail();
}

void TBitFld::Assign(const zyl::TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TBitFld*>(Source)) {
    Clone(src);
    return;
  }
  zyl::TComponent::Assign(Source);
}

void TBitFld::AssignTo(zyl::TPersistent* Dest) const {
  if (auto* dst = dynamic_cast<TBitFld*>(Dest)) {
    dst->Assign(this);
    return;
  }
  zyl::TComponent::AssignTo(Dest);
}

void TBitFld::Clone(const TBitFld* Source) {
  if (Source == nullptr || Source == this) return;
  FBitArray = Source->FBitArray;
  FSize = Source->FSize;
}

void TBitFld::Clear() noexcept { std::fill(FBitArray.begin(), FBitArray.end(), std::uint8_t{0}); }

void TBitFld::SetBit(std::int32_t ix, bool value) noexcept {
  if (ix < 0 || ix > FSize) return;
  const auto mask = static_cast<std::uint8_t>(1u << (ix % 8));
  std::uint8_t& b = FBitArray[static_cast<std::size_t>(ix) / 8];
  b = value ? static_cast<std::uint8_t>(b | mask) : static_cast<std::uint8_t>(b & ~mask);
}

void TBitFld::ToggleBit(std::int32_t ix) noexcept {
  if (ix < 0 || ix > FSize) return;
  FBitArray[static_cast<std::size_t>(ix) / 8] ^= static_cast<std::uint8_t>(1u << (ix % 8));
}

bool TBitFld::GetBit(std::int32_t ix) const noexcept {
  if (ix < 0 || ix > FSize) return false;
  return (FBitArray[static_cast<std::size_t>(ix) / 8] >> (ix % 8)) & 1u;
}

std::int32_t TBitFld::CountTrueBits() const noexcept {
  // The bits above Size() are 0, so whole bytes can be counted.
  const std::uint64_t n = detail::popcount_bytes(FBitArray.data(), used_bytes());
  return static_cast<std::int32_t>(std::min<std::uint64_t>(n, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t TBitFld::FirstTrueBit() const noexcept {
  const std::size_t i = detail::first_nonzero(FBitArray.data(), used_bytes());
  if (i == used_bytes()) return -1;
  return static_cast<std::int32_t>(i * 8 + static_cast<std::size_t>(__builtin_ctz(FBitArray[i])));
}

void TBitFld::MakeListOfBits(ZYL_zylbase::TIntArray& BitList, bool State) const {
  const auto total = static_cast<std::int64_t>(FSize) + 1;
  const std::int64_t set = detail::popcount_bytes(FBitArray.data(), used_bytes());
  BitList.clear();
  BitList.reserve(static_cast<std::size_t>(State ? set : total - set));
  const std::uint8_t flip = State ? 0 : 0xFF;
  for (std::size_t i = 0; i < used_bytes(); ++i) {
    unsigned b = static_cast<std::uint8_t>(FBitArray[i] ^ flip);
    while (b != 0) {
      const std::int64_t ix = static_cast<std::int64_t>(i * 8) + __builtin_ctz(b);
      if (ix >= total) break;  // the inverted zero bits above Size()
      BitList.push_back(static_cast<std::int32_t>(ix));
      b &= b - 1;
    }
  }
}

void TBitFld::Invert() noexcept {
  for (std::size_t i = 0; i < used_bytes(); ++i) FBitArray[i] = static_cast<std::uint8_t>(~FBitArray[i]);
  clear_tail();
}

void TBitFld::CombineWith(const TBitFld* SecondBArray, TLogicOp Operation) noexcept {
  if (SecondBArray == nullptr || SecondBArray->FSize != FSize) return;
  detail::combine_bytes(FBitArray.data(), SecondBArray->FBitArray.data(), used_bytes(), Operation);
  clear_tail();  // the "not" operations set the bits above Size()
}

void TBitFld::RandomFill(double Percent) {
  if (!(Percent >= 0.0)) Percent = 0.0;  // NaN too
  Percent = std::min(Percent, 100.0);
  // The default rounding mode rounds halves to even.
  SetRandBitsIntern(static_cast<std::int32_t>(std::nearbyint(Percent * 0.01 * FSize)));
}

void TBitFld::RandomFill(std::int32_t NBits) { SetRandBitsIntern(std::clamp(NBits, 0, FSize)); }

void TBitFld::SetRandBitsIntern(std::int32_t n) {
  const std::int64_t bits = static_cast<std::int64_t>(FSize) + 1;
  n = static_cast<std::int32_t>(std::clamp<std::int64_t>(n, 0, bits));
  const bool from_full = n > FSize / 2;
  std::fill(FBitArray.begin(), FBitArray.end(), from_full ? std::uint8_t{0xFF} : std::uint8_t{0});
  clear_tail();
  // Draws until the rarer state has been given to enough distinct bits.
  std::int64_t todo = from_full ? bits - n : n;
  while (todo > 0) {
    const auto ix = static_cast<std::int32_t>(std::nearbyint(zyl::Random() * FSize));
    if (GetBit(ix) == from_full) {
      ToggleBit(ix);
      --todo;
    }
  }
}

}  // namespace ZYL_dstruct

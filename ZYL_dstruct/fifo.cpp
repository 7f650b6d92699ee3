// Library: zyl / Package: ZYL_dstruct / Module: fifo
#include "ZYL_dstruct/fifo.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "ZYL_zylbase/errors.h"

namespace ZYL_dstruct {

TFifo::TFifo(zyl::TComponent* AOwner) : zyl::TComponent(AOwner) {
  allocate(FData, 256);
  FLength = 256;
}

void TFifo::allocate(std::vector<std::uint8_t>& storage, std::int32_t length) const {
  try {
    storage.assign(static_cast<std::size_t>(length), 0);
  } catch (const std::bad_alloc&) {
    throw ZYL_zylbase::EZYLDStructError(ZYL_zylbase::ComponentMessage(Name(), u"FIFO structure too large"));
  } catch (const std::length_error&) {
    throw ZYL_zylbase::EZYLDStructError(ZYL_zylbase::ComponentMessage(Name(), u"FIFO structure too large"));
  }
}

void TFifo::SetSize(std::int32_t length) {
  if (length <= 0 || length == FLength) return;
  const bool wrapped = FInPoi < FOutPoi;
  if (!wrapped && FInPoi < length) {
    // The queued bytes lie in [FOutPoi, FInPoi), all below the new size.
    std::vector<std::uint8_t> storage;
    allocate(storage, length);
    std::copy_n(FData.begin(), std::min(FLength, length), storage.begin());
    FData.swap(storage);
    FLength = length;
    return;
  }
  // Move the queued bytes, oldest first, to the start of the new ring.
  std::vector<std::uint8_t> storage;
  allocate(storage, length);
  const std::int32_t keep = std::min(CountBytes(), length - 1);
  for (std::int32_t i = 0; i < keep; ++i) SenseByte(i, storage[static_cast<std::size_t>(i)]);
  FData.swap(storage);
  FLength = length;
  FOutPoi = 0;
  FInPoi = keep;
}

bool TFifo::full() const noexcept {
  std::int32_t d = FOutPoi - FInPoi;
  if (d < 1) d += FLength;
  return d == 1;
}

bool TFifo::PutByte(std::uint8_t InByte) {
  if (full()) return false;
  FData[static_cast<std::size_t>(FInPoi)] = InByte;
  FInPoi = advance(FInPoi);
  return true;
}

bool TFifo::ForceByte(std::uint8_t InByte) {
  const bool dropped = full();
  if (dropped) FOutPoi = advance(FOutPoi);
  FData[static_cast<std::size_t>(FInPoi)] = InByte;
  FInPoi = advance(FInPoi);
  return dropped;
}

bool TFifo::LoadBack(std::uint8_t InByte) {
  if (full()) return false;
  FOutPoi = FOutPoi == 0 ? FLength - 1 : FOutPoi - 1;
  FData[static_cast<std::size_t>(FOutPoi)] = InByte;
  return true;
}

bool TFifo::GetByte(std::uint8_t& OutByte) {
  if (FInPoi == FOutPoi) return false;
  OutByte = FData[static_cast<std::size_t>(FOutPoi)];
  FOutPoi = advance(FOutPoi);
  return true;
}

bool TFifo::SenseByte(std::int32_t ix, std::uint8_t& OutByte) const {
  if (ix < 0 || ix >= CountBytes()) return false;
  std::int32_t p = FOutPoi + ix;
  if (p >= FLength) p -= FLength;
  OutByte = FData[static_cast<std::size_t>(p)];
  return true;
}

void TFifo::Clear() noexcept { FInPoi = FOutPoi = 0; }

std::int32_t TFifo::CountBytes() const noexcept {
  std::int32_t d = FInPoi - FOutPoi;
  if (d < 0) d += FLength;
  return d;
}

}  // namespace ZYL_dstruct
